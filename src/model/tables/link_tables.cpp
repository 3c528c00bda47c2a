#include "model/tables/import_context.h"

#include <array>
#include <cmath>
#include <string>

namespace kelvane::tables {
namespace {

struct LinkTypeName {
    std::string_view name;
    std::int32_t type;
};

// The link types the store carries, as LINK PROPERTY DEFINITIONS 01 - GENERAL names them.
constexpr LinkTypeName kLinkTypes[] = {
    {"Linear", LinkLinear},
    {"MultiLinear Elastic", LinkMultiLinearElastic},
    {"MultiLinear Plastic", LinkMultiLinearPlastic},
    {"Damper", LinkDamper},
    {"Damper - Exponential", LinkDamper},
    {"Gap", LinkGap},
    {"Hook", LinkHook},
    {"Rubber Isolator", LinkRubberIsolator},
    {"Friction Isolator", LinkFrictionIsolator},
    {"Plastic (Wen)", LinkPlasticWen},
};

// The tables of the directional properties; each row names its property and direction.
constexpr std::string_view kDirectionTables[] = {
    "LINK PROPERTY DEFINITIONS 02 - LINEAR",
    "LINK PROPERTY DEFINITIONS 03 - MULTILINEAR",
    "LINK PROPERTY DEFINITIONS 04 - DAMPER",
    "LINK PROPERTY DEFINITIONS 04 - DAMPER - EXPONENTIAL",
    "LINK PROPERTY DEFINITIONS 05 - GAP",
    "LINK PROPERTY DEFINITIONS 06 - HOOK",
    "LINK PROPERTY DEFINITIONS 07 - RUBBER ISOLATOR",
    "LINK PROPERTY DEFINITIONS 08 - SLIDING ISOLATOR",
    "LINK PROPERTY DEFINITIONS 08 - FRICTION ISOLATOR",
    "LINK PROPERTY DEFINITIONS 10 - PLASTIC (WEN)",
    "LINK PROPERTY DEFINITIONS 11 - MULTILINEAR PLASTIC",
};

constexpr std::array<std::string_view, 7> kDirections = {"", "U1", "U2", "U3", "R1", "R2", "R3"};

std::int32_t linkTypeOf(std::string_view name) {
    for (const LinkTypeName& known : kLinkTypes)
        if (equalsIgnoringCase(known.name, name))
            return known.type;
    return LinkUnsupported;
}

std::size_t directionOf(const Rows& rows) {
    const std::string_view dof = rows.required("DOF");
    for (std::size_t d = 1; d < kDirections.size(); ++d)
        if (equalsIgnoringCase(kDirections[d], dof))
            return d;
    rows.fail("DOF=" + std::string(dof) + ": a link direction is U1, U2, U3, R1, R2 or R3", rows.find("DOF"));
}

// The factors of one direction's values: a translation's force and length, or a rotation's moment
// and radian.
struct DirectionUnits {
    double force, length;
};

// A value of the row under the translational or the rotational key ("TransKE" or "RotKE").
double directional(const Rows& rows, bool translation, std::string_view name, double scale) {
    const std::string key = std::string(translation ? "Trans" : "Rot") + std::string(name);
    return rows.real(key, 0) * scale;
}

void readDirection(const Rows& rows, TLINKDOF& dof, bool translation, const UnitScale& units) {
    const DirectionUnits u{translation ? units.force : units.moment(), translation ? units.length : 1.0};
    const double stiffness = u.force / u.length;
    if (rows.has("Fixed")) {
        dof.active = true;
        dof.fixed = rows.yes("Fixed", false);
        dof.nonlinear = rows.yes("NonLinear", false);
        dof.ke = directional(rows, translation, "KE", stiffness);
        dof.ce = directional(rows, translation, "CE", stiffness);
        dof.k = directional(rows, translation, "K", stiffness);
        dof.yield = directional(rows, translation, "Yield", u.force);
        dof.open = directional(rows, translation, "Open", u.length);
        dof.ratio = rows.real("Ratio", 0);
        dof.exponent = rows.real("YieldExp", 2);
        dof.cExponent = rows.real("CExp", 1);
        // F = c v^e: c is force per (length / s)^e.
        dof.c = directional(rows, translation, "C", u.force / std::pow(u.length, dof.cExponent));
        dof.distanceJ = rows.real("DJ", 0) * units.length;
        dof.slow = rows.real("Slow", 0);
        dof.fast = rows.real("Fast", 0);
        dof.rate = rows.real("Rate", 0) / u.length; // seconds per length
        dof.radius = rows.real("Radius", 0) * units.length;
        dof.hysteresis = std::string(rows.text("HysType", ""));
    }
    if (rows.has("Force") || rows.has("Displ"))
        dof.points.push_back({rows.requiredReal("Displ") * u.length, rows.requiredReal("Force") * u.force});
}

void readLinkProperties(ImportContext& context, LabelIndex& names) {
    ModelStore& store = context.store;
    const long long count = rowsOf(context, "LINK PROPERTY DEFINITIONS 01 - GENERAL");
    store.linkProps.assign(static_cast<std::size_t>(count) + 1, TLINKPROP{});
    names.reserve(static_cast<std::size_t>(count));
    Rows rows(context.file, "LINK PROPERTY DEFINITIONS 01 - GENERAL");
    std::int32_t k = 0;
    std::string notCarried;
    long long notCarriedCount = 0;
    while (rows.next()) {
        addLabel(names, rows, "Link", ++k);
        TLINKPROP& prop = rowEntry(store.linkProps, k);
        prop.name = rows.required("Link");
        prop.typeName = rows.required("LinkType");
        prop.type = linkTypeOf(prop.typeName);
        prop.mass = rows.real("Mass", 0) * context.units.mass();
        prop.weight = rows.real("Weight", 0) * context.units.force;
        if (prop.type == LinkUnsupported) {
            notCarried += (notCarried.empty() ? "" : ", ") + prop.name + " (" + prop.typeName + ")";
            ++notCarriedCount;
        }
        if (rows.real("RotInert1", 0) != 0 || rows.real("RotInert2", 0) != 0 ||
            rows.real("RotInert3", 0) != 0)
            context.report.addNotCarried("rotational inertias of link properties");
    }
    store.linkPropCount = k;
    if (notCarriedCount > 0)
        context.report.addNotCarried("link properties of a type not carried: " + notCarried, notCarriedCount);

    for (const std::string_view table : kDirectionTables) {
        Rows directions(context.file, table);
        while (directions.next()) {
            const std::string_view name = directions.required("Link");
            const std::int32_t p = names.find(name);
            if (p == 0)
                directions.fail("Link=" + std::string(name) + ": there is no link property of that name",
                                directions.find("Link"));
            const std::size_t d = directionOf(directions);
            readDirection(directions, store.linkProps[static_cast<std::size_t>(p)].dofs[d], d <= 3,
                          context.units);
        }
    }
}

void appendName(std::string& list, std::string_view name) {
    list += list.empty() ? "" : ", ";
    list += name;
}

} // namespace

bool isLinkPropertyTable(std::string_view name) {
    if (equalsIgnoringCase(name, "LINK PROPERTY DEFINITIONS 01 - GENERAL"))
        return true;
    for (const std::string_view table : kDirectionTables)
        if (equalsIgnoringCase(table, name))
            return true;
    return false;
}

// LINK PROPERTY DEFINITIONS, CONNECTIVITY - LINK, LINK LOCAL AXES ASSIGNMENTS 1 - TYPICAL and LINK
// PROPERTY ASSIGNMENTS. A link whose joints
// are one (or that the assignment calls a single-joint link) goes from the ground to its joint.
// Links without a property, or whose property is of a type not carried, are left out and named.
void readLinks(ImportContext& context) {
    ModelStore& store = context.store;
    LabelIndex propertyNames;
    readLinkProperties(context, propertyNames);

    const long long count = rowsOf(context, "CONNECTIVITY - LINK");
    std::vector<TLINK> links(static_cast<std::size_t>(count) + 1);
    LabelIndex linkNames;
    linkNames.reserve(static_cast<std::size_t>(count));
    Rows rows(context.file, "CONNECTIVITY - LINK");
    std::int32_t k = 0;
    while (rows.next()) {
        addLabel(linkNames, rows, "Link", ++k);
        TLINK& link = rowEntry(links, k);
        link.label = rows.required("Link");
        link.nodeI = jointOf(context, rows, "JointI");
        const std::string_view jointJ = rows.text("JointJ", "");
        link.nodeJ = jointJ.empty() ? link.nodeI : jointOf(context, rows, "JointJ");
    }

    Rows axes(context.file, "LINK LOCAL AXES ASSIGNMENTS 1 - TYPICAL");
    while (axes.next()) {
        const std::int32_t l = linkNames.find(axes.required("Link"));
        if (l == 0)
            axes.fail("Link=" + std::string(axes.required("Link")) + ": there is no link of that name",
                      axes.find("Link"));
        links[static_cast<std::size_t>(l)].angle = axes.real("Angle", 0);
        if (axes.yes("AdvanceAxes", false))
            context.report.addNotCarried("links with advanced local axes (the angle alone is used)");
    }

    Rows assignments(context.file, "LINK PROPERTY ASSIGNMENTS");
    long long frequencyDependent = 0;
    while (assignments.next()) {
        const std::string_view name = assignments.required("Link");
        const std::int32_t l = linkNames.find(name);
        if (l == 0)
            assignments.fail("Link=" + std::string(name) + ": there is no link of that name",
                             assignments.find("Link"));
        const std::string_view property = assignments.required("LinkProp");
        const std::int32_t p = propertyNames.find(property);
        if (p == 0)
            assignments.fail("LinkProp=" + std::string(property) + ": there is no link property of that name",
                             assignments.find("LinkProp"));
        TLINK& link = links[static_cast<std::size_t>(l)];
        link.prop = p;
        if (equalsIgnoringCase(assignments.text("LinkJoints", "TwoJoint"), "SingleJoint"))
            link.nodeJ = link.nodeI;
        const std::string_view fd = assignments.text("LinkFDProp", "None");
        frequencyDependent += !fd.empty() && !equalsIgnoringCase(fd, "None") ? 1 : 0;
    }
    if (frequencyDependent > 0)
        context.report.addNotCarried("frequency-dependent link properties (frequency-domain analyses only)",
                                     frequencyDependent);

    // The links written, in file order; a one-joint link keeps its joint as end J.
    store.links.assign(1, TLINK{});
    std::string withoutProperty, unsupported;
    long long withoutCount = 0, unsupportedCount = 0;
    for (std::int32_t l = 1; l <= k; ++l) {
        TLINK link = links[static_cast<std::size_t>(l)];
        if (link.prop == 0) {
            appendName(withoutProperty, link.label);
            ++withoutCount;
            continue;
        }
        if (store.linkProps[static_cast<std::size_t>(link.prop)].type == LinkUnsupported) {
            appendName(unsupported, link.label);
            ++unsupportedCount;
            continue;
        }
        if (link.nodeI == link.nodeJ)
            link.nodeI = 0;
        store.links.push_back(std::move(link));
    }
    store.linkCount = static_cast<std::int32_t>(store.links.size()) - 1;
    if (withoutCount > 0)
        context.report.addNotCarried("link objects without a link property (left out): " + withoutProperty,
                                     withoutCount);
    if (unsupportedCount > 0)
        context.report.addNotCarried(
            "link objects whose property type is not carried (left out): " + unsupported, unsupportedCount);
}

} // namespace kelvane::tables
