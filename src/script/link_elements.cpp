#include "script/link_elements.h"

#include "common/error.h"
#include "common/number_format.h"
#include "script/store_access.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace kelvane {
namespace {

constexpr const char* kDirectionNames[] = {"", "U1", "U2", "U3", "R1", "R2", "R3"};
// A fixed direction is this many times stiffer than the stiffest link direction of its kind.
constexpr double kRigidFactor = 1e6;
// The yield force of a gap or hook material: one no link reaches, so that it stays elastic.
constexpr double kUnreachedYield = 1e30;

[[noreturn]] void refuse(const TLINKPROP& prop, std::size_t d, const std::string& why) {
    fail("Link property " + prop.name + " (" + prop.typeName + "), " + kDirectionNames[d] + ": " + why);
}

Vector unit(const Vector& v) {
    const double length = std::sqrt(dot(v, v));
    return scaled(v, 1 / length);
}

Vector coordinates(const TNODE& joint) {
    return {joint.x, joint.y, joint.z};
}

// The direction's uniaxial material beside a bearing's shear: linear unless the link type makes it
// otherwise.
bool isShear(std::size_t d) {
    return d == 2 || d == 3;
}

// The two shear directions of a bearing must yield alike: the solver's bearings take one set of
// shear values.
void checkBearingShear(const TLINKPROP& prop) {
    const TLINKDOF& u2 = prop.dofs[2];
    const TLINKDOF& u3 = prop.dofs[3];
    if (!u2.nonlinear || !u3.nonlinear || u2.fixed || u3.fixed)
        refuse(prop, u2.nonlinear ? 3 : 2,
               "an isolator is written as a bearing only when both U2 and U3 are nonlinear, and not fixed");
    const bool same = u2.k == u3.k && u2.yield == u3.yield && u2.ratio == u3.ratio && u2.slow == u3.slow &&
                      u2.fast == u3.fast && u2.rate == u3.rate && u2.radius == u3.radius;
    if (!same)
        refuse(prop, 3, "the solver's bearings take one set of shear properties, and U3 differs from U2");
    if (u2.k <= 0)
        refuse(prop, 2, "an isolator needs a positive nonlinear stiffness");
    if (prop.type == LinkRubberIsolator && (u2.yield <= 0 || u2.ratio < 0 || u2.ratio >= 1))
        refuse(prop, 2,
               "a rubber isolator needs a positive yield force and a stiffness ratio from 0 up to 1");
    if (prop.type == LinkFrictionIsolator && (u2.slow < 0 || u2.fast < 0 || u2.rate < 0 || u2.radius < 0))
        refuse(prop, 2, "friction coefficients, rate and radius cannot be negative");
}

void checkDirection(const TLINKPROP& prop, std::size_t d) {
    const TLINKDOF& dof = prop.dofs[d];
    if (!dof.active || dof.fixed || !dof.nonlinear || prop.type == LinkLinear)
        return;
    if (isBearingLink(prop) && isShear(d))
        return;
    switch (prop.type) {
    case LinkMultiLinearElastic:
    case LinkMultiLinearPlastic: {
        if (dof.points.size() < 2)
            refuse(prop, d, "a multilinear curve needs at least two points");
        for (std::size_t i = 1; i < dof.points.size(); ++i)
            if (dof.points[i][0] <= dof.points[i - 1][0])
                refuse(prop, d, "the deformations of a multilinear curve must increase from point to point");
        if (prop.type == LinkMultiLinearPlastic) {
            if (!dof.hysteresis.empty() && dof.hysteresis != "Kinematic")
                refuse(prop, d,
                       "HysType=" + dof.hysteresis +
                           " is not written: multilinear plastic links are written "
                           "with kinematic hysteresis only");
            const std::size_t n = dof.points.size();
            bool symmetric = n % 2 == 1 && dof.points[n / 2][0] == 0 && dof.points[n / 2][1] == 0;
            for (std::size_t i = 0; symmetric && i < n / 2; ++i)
                symmetric = dof.points[i][0] == -dof.points[n - 1 - i][0] &&
                            dof.points[i][1] == -dof.points[n - 1 - i][1];
            if (!symmetric || n < 3)
                refuse(prop, d,
                       "the solver's kinematic multilinear material takes a curve through the origin that is "
                       "the same in tension and compression");
        }
        break;
    }
    case LinkDamper:
        if (dof.c <= 0 || dof.cExponent <= 0 || dof.k < 0)
            refuse(prop, d,
                   "a damper needs a positive coefficient and exponent and a stiffness not below zero");
        break;
    case LinkGap:
    case LinkHook:
        if (dof.k <= 0 || dof.open < 0)
            refuse(prop, d, "a gap or hook needs a positive stiffness and an opening not below zero");
        break;
    case LinkPlasticWen:
        if (dof.k <= 0 || dof.yield <= 0 || dof.exponent < 1)
            refuse(prop, d,
                   "a plastic (Wen) link needs a positive stiffness and yield force and an exponent of "
                   "at least 1");
        break;
    case LinkRubberIsolator:
    case LinkFrictionIsolator:
        if (d != 1 || prop.type == LinkRubberIsolator)
            refuse(prop, d,
                   "only the shear directions (and a friction isolator's U1) of an isolator are "
                   "written nonlinear");
        if (dof.k <= 0)
            refuse(prop, d, "the axial direction of a friction isolator needs a positive stiffness");
        break;
    default:
        break;
    }
}

// The stiffest direction of each kind among the properties used, that fixed directions are made
// rigid against.
void setRigidStiffness(const ModelStore& store, const std::vector<char>& used, LinkLayout& layout) {
    double translation = 0, rotation = 0;
    bool anyFixed = false;
    for (std::size_t p = 1; p < used.size(); ++p)
        for (std::size_t d = 1; d <= 6 && used[p] != 0; ++d) {
            const TLINKDOF& dof = store.linkProps[p].dofs[d];
            anyFixed = anyFixed || (dof.active && dof.fixed);
            if (!dof.active || dof.fixed)
                continue;
            double& largest = d <= 3 ? translation : rotation;
            largest = std::max({largest, dof.ke, dof.k});
        }
    if (!anyFixed)
        return;
    // A model whose links give no stiffness of one kind scales from the other.
    if (translation == 0)
        translation = rotation;
    if (rotation == 0)
        rotation = translation;
    if (translation == 0)
        fail("The links fix directions, but none of their directions has a stiffness to make those rigid "
             "against");
    layout.rigidTranslation = kRigidFactor * translation;
    layout.rigidRotation = kRigidFactor * rotation;
}

// The values appended to a list of words separated by blanks.
std::string appendList(std::string text, std::initializer_list<double> values) {
    for (const double value : values) {
        if (!text.empty())
            text += ' ';
        appendRoundTrip(text, value);
    }
    return text;
}

// The uniaxial material of one direction.
void writeDirectionMaterial(const LinkLayout& layout, const TLINKPROP& prop, std::int32_t p, std::size_t d,
                            ScriptWriter& out) {
    const TLINKDOF& dof = prop.dofs[d];
    const std::int32_t tag = linkMaterialTag(p, d);
    if (!dof.active) {
        out.line("uniaxialMaterial Elastic %d 0", {tag});
        return;
    }
    if (dof.fixed) {
        out.line("uniaxialMaterial Elastic %d %R",
                 {tag, d <= 3 ? layout.rigidTranslation : layout.rigidRotation});
        return;
    }
    const bool linear = !dof.nonlinear || prop.type == LinkLinear;
    if (linear) {
        if (dof.ce != 0)
            out.line("uniaxialMaterial Elastic %d %R %R", {tag, dof.ke, dof.ce});
        else
            out.line("uniaxialMaterial Elastic %d %R", {tag, dof.ke});
        return;
    }
    std::string line;
    switch (prop.type) {
    case LinkMultiLinearElastic: {
        std::string strains, stresses;
        for (const auto& point : dof.points) {
            strains = appendList(strains, {point[0]});
            stresses = appendList(stresses, {point[1]});
        }
        out.line("uniaxialMaterial ElasticMultiLinear %d 0 -strain %s -stress %s", {tag, strains, stresses});
        return;
    }
    case LinkMultiLinearPlastic: {
        std::string points;
        for (std::size_t i = dof.points.size() / 2 + 1; i < dof.points.size(); ++i)
            points = appendList(points, {dof.points[i][0], dof.points[i][1]});
        out.line("uniaxialMaterial MultiLinear %d %s", {tag, points});
        return;
    }
    case LinkDamper:
        if (dof.k > 0)
            out.line("uniaxialMaterial ViscousDamper %d %R %R %R", {tag, dof.k, dof.c, dof.cExponent});
        else
            out.line("uniaxialMaterial Viscous %d %R %R", {tag, dof.c, dof.cExponent});
        return;
    case LinkGap:
        out.line("uniaxialMaterial ElasticPPGap %d %R %R %R", {tag, dof.k, -kUnreachedYield, -dof.open});
        return;
    case LinkHook:
        out.line("uniaxialMaterial ElasticPPGap %d %R %R %R", {tag, dof.k, kUnreachedYield, dof.open});
        return;
    case LinkPlasticWen: {
        // SAP2000's Wen model in the solver's form, whose hysteretic variable is a deformation: it
        // reaches the yield deformation dy = yield / k when gamma + beta = 1 / dy^n, and unloads
        // elastically when gamma - beta = 0.
        const double dy = dof.yield / dof.k;
        const double half = 0.5 / std::pow(dy, dof.exponent);
        out.line("uniaxialMaterial BoucWen %d %R %R %R %R %R 1 0 0 0",
                 {tag, dof.ratio, dof.k, dof.exponent, half, half});
        return;
    }
    case LinkFrictionIsolator: // its U1: no tension
        out.line("uniaxialMaterial ENT %d %R", {tag, dof.k});
        return;
    default:
        refuse(prop, d, "this direction is not written nonlinear");
    }
}

// "-orient x1 x2 x3 y1 y2 y3", or "-orient y1 y2 y3" where the nodes give x (between nodes apart the
// bearings warn of an x vector, which they take instead of the nodes'). The Tcl interpreter's
// twoNodeLink takes its y vector only after an x vector, which it calls not allowed between nodes
// apart and leaves aside: it is always given both, x the one the nodes give.
std::string orientation(const LinkElement& element, bool withX) {
    const Vector& x = element.axes[0];
    const Vector& y = element.axes[1];
    return "-orient " + (withX ? appendList({}, {x[0], x[1], x[2], y[0], y[1], y[2]})
                               : appendList({}, {y[0], y[1], y[2]}));
}

void writeBearing(const LinkElement& element, const TLINKPROP& prop, std::int32_t p, ScriptWriter& out) {
    const TLINKDOF& shear = prop.dofs[2];
    std::string tail =
        "-P " + std::to_string(linkMaterialTag(p, 1)) + " -T " + std::to_string(linkMaterialTag(p, 4)) +
        " -My " + std::to_string(linkMaterialTag(p, 5)) + " -Mz " + std::to_string(linkMaterialTag(p, 6));
    if (!element.zeroLength) {
        tail += " -shearDist ";
        appendRoundTrip(tail, 1 - shear.distanceJ / element.length);
    }
    tail += " " + orientation(element, element.zeroLength);
    if (prop.type == LinkRubberIsolator) {
        // Force = qd z + alpha1 k u: the yield force of SAP2000's bilinear loop is qd / (1 - alpha1).
        out.line("element elastomericBearingPlasticity %d %d %d %R %R %R 0 2 %s",
                 {element.element, element.nodeI, element.nodeJ, shear.k, shear.yield * (1 - shear.ratio),
                  shear.ratio, tail});
    } else if (shear.radius > 0) {
        out.line("element singleFPBearing %d %d %d %d %R %R %s",
                 {element.element, element.nodeI, element.nodeJ, p, shear.radius, shear.k, tail});
    } else {
        out.line("element flatSliderBearing %d %d %d %d %R %s",
                 {element.element, element.nodeI, element.nodeJ, p, shear.k, tail});
    }
}

void writeUniaxialLink(const LinkElement& element, const TLINKPROP& prop, std::int32_t p, ScriptWriter& out) {
    std::string materials, directions;
    for (std::size_t d = 1; d <= 6; ++d) {
        if (!prop.dofs[d].active)
            continue;
        materials += materials.empty() ? "" : " ";
        appendInt(materials, linkMaterialTag(p, d));
        directions += directions.empty() ? "" : " ";
        appendInt(directions, static_cast<std::int64_t>(d));
    }
    if (materials.empty())
        fail("Link property " + prop.name + " has no direction: its links have nothing to write");
    if (element.zeroLength) {
        out.line("element zeroLength %d %d %d -mat %s -dir %s %s",
                 {element.element, element.nodeI, element.nodeJ, materials, directions,
                  orientation(element, true)});
        return;
    }
    // The shear deformation of U2 and U3 sits at distance DJ from end J.
    const std::string shearDistance = appendList(
        {}, {1 - prop.dofs[2].distanceJ / element.length, 1 - prop.dofs[3].distanceJ / element.length});
    // Both builds read -orient last.
    out.line("element twoNodeLink %d %d %d -mat %s -dir %s -shearDist %s %s",
             {element.element, element.nodeI, element.nodeJ, materials, directions, shearDistance,
              orientation(element, true)});
}

std::array<Vector, 3> defaultLinkAxes(const Vector& from, const Vector& to) {
    const Vector along{to[0] - from[0], to[1] - from[1], to[2] - from[2]};
    const double length = std::sqrt(dot(along, along));
    const Vector axis1 = length > 0 ? scaled(along, 1 / length) : Vector{0, 0, 1};
    // SAP2000 takes a link within a sine of 0.001 of the Z axis as vertical.
    const double horizontal = std::hypot(axis1[0], axis1[1]);
    if (horizontal < 1e-3) {
        const Vector axis2{1, 0, 0};
        return {axis1, axis2, unit(cross(axis1, axis2))};
    }
    const Vector axis3 = unit(cross(axis1, Vector{0, 0, 1}));
    return {axis1, cross(axis3, axis1), axis3};
}

} // namespace

std::int32_t linkMaterialTag(std::int32_t p, std::size_t d) {
    return kLinkMaterialTagBase + 10 * p + static_cast<std::int32_t>(d);
}

bool isBearingLink(const TLINKPROP& prop) {
    return (prop.type == LinkRubberIsolator || prop.type == LinkFrictionIsolator) &&
           (prop.dofs[2].nonlinear || prop.dofs[3].nonlinear);
}

std::array<Vector, 3> linkAxes(const Vector& from, const Vector& to, double angle) {
    std::array<Vector, 3> axes = defaultLinkAxes(from, to);
    if (angle == 0)
        return axes;
    const double c = std::cos(angle * std::numbers::pi / 180), s = std::sin(angle * std::numbers::pi / 180);
    const Vector axis2 = axes[1], axis3 = axes[2];
    for (std::size_t k = 0; k < 3; ++k) {
        axes[1][k] = c * axis2[k] + s * axis3[k];
        axes[2][k] = c * axis3[k] - s * axis2[k];
    }
    return axes;
}

LinkLayout layOutLinks(const ModelStore& store, std::int32_t lastNode, std::int32_t lastElement,
                       int dofsPerNode) {
    LinkLayout layout;
    const int links = countOf(store.linkCount);
    if (links == 0)
        return layout;
    if (dofsPerNode != 6)
        fail("A model with solids cannot also hold links: bricks take three degrees of freedom per node, "
             "links "
             "six (" +
             std::to_string(links) + " links)");
    if (static_cast<int>(store.links.size()) <= links ||
        static_cast<int>(store.linkProps.size()) <= countOf(store.linkPropCount))
        fail("The model's link arrays hold fewer records than their counts say");
    // The properties the links take: a property no link takes is neither checked nor written.
    std::vector<char> used(store.linkProps.size(), 0);
    for (int l = 1; l <= links; ++l) {
        const TLINK& link = store.links[static_cast<std::size_t>(l)];
        if (link.prop < 1 || link.prop > countOf(store.linkPropCount))
            fail("Link " + link.label + " names link property " + std::to_string(link.prop) +
                 ", which does not exist");
        used[static_cast<std::size_t>(link.prop)] = 1;
    }
    for (std::size_t p = 1; p < used.size(); ++p) {
        if (used[p] == 0)
            continue;
        const TLINKPROP& prop = store.linkProps[p];
        if (isBearingLink(prop))
            checkBearingShear(prop);
        for (std::size_t d = 1; d <= 6; ++d)
            checkDirection(prop, d);
    }
    setRigidStiffness(store, used, layout);
    layout.usedProps = used;
    for (int l = 1; l <= links; ++l) {
        const TLINK& link = store.links[static_cast<std::size_t>(l)];
        if (link.nodeJ < 1 || link.nodeJ > countOf(store.nodeCount) || link.nodeI < 0 ||
            link.nodeI > countOf(store.nodeCount))
            fail("Link " + link.label + " names a joint that does not exist");
        LinkElement element;
        element.link = l;
        element.element = ++lastElement;
        element.nodeJ = link.nodeJ;
        const Vector to = coordinates(jointTiedTo(store, link.nodeJ));
        Vector from = to;
        if (link.nodeI == 0) {
            element.groundNode = true;
            element.nodeI = ++lastNode;
        } else {
            element.nodeI = link.nodeI;
            from = coordinates(jointTiedTo(store, link.nodeI));
        }
        const Vector along{to[0] - from[0], to[1] - from[1], to[2] - from[2]};
        element.length = std::sqrt(dot(along, along));
        element.zeroLength = element.length == 0;
        element.axes = linkAxes(from, to, link.angle);
        layout.elements.push_back(element);
    }
    return layout;
}

void writeLinkNodes(const LinkLayout& layout, const ModelStore& store, ScriptWriter& out) {
    for (const LinkElement& element : layout.elements)
        if (element.groundNode) {
            const TNODE& at = jointTiedTo(store, element.nodeJ);
            out.line("node %D %R %R %R", {element.nodeI, at.x, at.y, at.z});
        }
}

void writeLinkFixes(const LinkLayout& layout, ScriptWriter& out) {
    for (const LinkElement& element : layout.elements)
        if (element.groundNode)
            out.line("fix %D 1 1 1 1 1 1;", {element.nodeI});
}

void writeLinkMaterials(const LinkLayout& layout, const ModelStore& store, ScriptWriter& out) {
    if (layout.elements.empty())
        return;
    const std::vector<char>& used = layout.usedProps;
    for (std::size_t p = 1; p < used.size(); ++p) {
        if (used[p] == 0)
            continue;
        const TLINKPROP& prop = store.linkProps[p];
        const bool bearing = isBearingLink(prop);
        for (std::size_t d = 1; d <= 6; ++d)
            if (bearing ? !isShear(d) : prop.dofs[d].active)
                writeDirectionMaterial(layout, prop, static_cast<std::int32_t>(p), d, out);
        if (bearing && prop.type == LinkFrictionIsolator) {
            const TLINKDOF& shear = prop.dofs[2];
            out.line("frictionModel VelDependent %d %R %R %R",
                     {static_cast<std::int32_t>(p), shear.slow, shear.fast, shear.rate});
        }
    }
}

void writeLinkElements(const LinkLayout& layout, const ModelStore& store, ScriptWriter& out) {
    for (const LinkElement& element : layout.elements) {
        const std::int32_t p = store.links[static_cast<std::size_t>(element.link)].prop;
        const TLINKPROP& prop = store.linkProps[static_cast<std::size_t>(p)];
        if (isBearingLink(prop))
            writeBearing(element, prop, p, out);
        else
            writeUniaxialLink(element, prop, p, out);
    }
}

} // namespace kelvane
