#include "script/block_writers.h"
#include "script/elastic_shear.h"
#include "script/frame_properties.h"
#include "script/link_springs.h"
#include "script/step_control.h"
#include "script/store_access.h"

#include "common/number_format.h"
#include "materials/material_models.h"

#include <cmath>
#include <string>
#include <string_view>

namespace kelvane {
namespace {

// A component of a unit direction vector as written: the round-off of the axis rotations (1E-16
// where the component is zero) is written as 0.
double directionComponent(double value) {
    return std::abs(value) < 1e-12 ? 0.0 : value;
}
// The iterations a force-based element takes to make its sections' deformations compatible with its
// ends' when elementIterations is 0: the solver's own default.
constexpr int kElementIterations = 10;

// The element's test is on the energy of its compatibility error, dv . k dv, an absolute number in
// the model's units. The solver's default, 1e-12, asks for 1e-12 N mm in a model in N and mm: the
// seven-storey example's columns stalled a thousand times above it, at 2e-4 to 2e-2 N mm from
// first errors of 1e4 to 1e9 (a compatibility error of 1e-7 rad on their 1e11 N mm stiffness) and
// stopped its pushover. The element takes the energy the step's own test tolerates instead: its
// displacement tolerance times its unbalanced-force tolerance.
double elementTolerance(const ScriptInput& in) {
    return stepTolerance(in) * unbalanceTolerance(in);
}

void writeTransformations(const ScriptInput& in, ScriptWriter& out) {
    const ModelStore& store = in.store;
    // A code without a name reuses the name of the line before it.
    std::string_view name;
    for (int f = 1; f <= countOf(store.frameCount); ++f) {
        const TSECTION& section = sectionOfFrame(store, f);
        if (section.elementType > BeamWithHinge)
            continue;
        switch (section.geomTransf) {
        case 1:
            name = "Linear";
            break;
        case 2:
            name = "PDelta";
            break;
        case 3:
            name = "Corotational";
            break;
        default:
            break;
        }
        const TFRAME& frame = store.frames[f];
        if (frame.assigned->offsetI == std::array<double, 3>{} &&
            frame.assigned->offsetJ == std::array<double, 3>{}) {
            out.line("geomTransf %s %D %R %R %R ",
                     {name, f, directionComponent(frame.axis2X), directionComponent(frame.axis2Y),
                      directionComponent(frame.axis2Z)});
            continue;
        }
        // The element spans between its ends offset from the joints (rigid zones, insertion points).
        const auto& i = frame.assigned->offsetI;
        const auto& j = frame.assigned->offsetJ;
        out.line("geomTransf %s %D %R %R %R -jntOffset %R %R %R %R %R %R",
                 {name, f, directionComponent(frame.axis2X), directionComponent(frame.axis2Y),
                  directionComponent(frame.axis2Z), i[0], i[1], i[2], j[0], j[1], j[2]});
    }
}

void writeElement(const ScriptInput& in, ScriptWriter& out, int f) {
    const ModelStore& store = in.store;
    const TFRAME& frame = store.frames[f];
    const std::int32_t s = frame.section;
    const TSECTION& section = sectionOfFrame(store, f);
    const TMAT& material = materialOfFrame(store, f);
    const std::int32_t sectionTag = in.analysis.useAggregator ? 1000 + s : s;
    const std::int32_t nI = in.releases.elementNode(store, f, false);
    const std::int32_t nJ = in.releases.elementNode(store, f, true);
    const FrameProperties p = framePropertiesOf(store, f);
    switch (section.elementType) {
    case ElasticBeamColumn:
        // The solver's local y is the section's axis 3 and its z axis 2: Iy is I33 and the shear
        // area along y is AS3.
        if (frameDeflectsInShear(store, f))
            out.line("element ElasticTimoshenkoBeam %D %D %D %R %R %R %R %R %R %R %R %D",
                     {f, nI, nJ, material.e, material.g, p.area, p.torsion, p.i33, p.i22,
                      writtenShearArea(section, p.av3), writtenShearArea(section, p.av2), f});
        else
            out.line("element elasticBeamColumn %D %D %D %R %R %R %R %R %R %D",
                     {f, nI, nJ, p.area, material.e, material.g, p.torsion, p.i33, p.i22, f});
        break;
    case Truss:
        out.line("element trussSection %d %d %d %d", {f, nI, nJ, s});
        break;
    case CorotTruss:
        out.line("element corotTrussSection %d %d %d %d", {f, nI, nJ, s});
        break;
    case NonlinearBeamColumn:
        if (in.analysis.elementIterations > 0 || usesNonlinearMaterials(store))
            out.line("element nonlinearBeamColumn %d %d %d %d %d %d -iter %d %R",
                     {f, nI, nJ, frame.segments, sectionTag, f,
                      in.analysis.elementIterations > 0 ? in.analysis.elementIterations : kElementIterations,
                      elementTolerance(in)});
        else
            out.line("element nonlinearBeamColumn %d %d %d %d %d %d",
                     {f, nI, nJ, frame.segments, sectionTag, f});
        break;
    case DispBeamColumn:
        out.line("element dispBeamColumn %d %d %d %d %d %d", {f, nI, nJ, frame.segments, sectionTag, f});
        break;
    case BeamWithHinge:
        out.line("element beamWithHinges %d %d %d %d %R %d %R %R %R %R %R %R %R %D ",
                 {f, nI, nJ, sectionTag, section.hingeLengthI, sectionTag, section.hingeLengthJ, material.e,
                  p.area, p.i22, p.i33, material.g, p.torsion, f});
        break;
    case RigidLink: {
        const std::int32_t spring = linkSpringTag(store, s);
        out.line("element zeroLength %d %d %d -mat %D %D %D -dir 4 5 6", {f, nI, nJ, spring, spring, spring});
        break;
    }
    default:
        break;
    }
}

// The zero-length element of a released end, oriented as the frame's element: local x along the
// frame from the coordinates as written, and the transformation's vector as local y, so that its
// directions 1..6 are the frame's P, V2, V3, T, M2 and M3.
void writeReleaseElement(const ScriptInput& in, ScriptWriter& out, const ReleasedEnd& end) {
    const ModelStore& store = in.store;
    const TFRAME& frame = store.frames[end.frame];
    const TNODE& i = jointTiedTo(store, frame.nodeI);
    const TNODE& j = jointTiedTo(store, frame.nodeJ);
    std::string materials, directions;
    for (std::int32_t c = 1; c <= 6; ++c) {
        if (end.springs[static_cast<std::size_t>(c)] == 0)
            continue;
        if (!materials.empty()) {
            materials += ' ';
            directions += ' ';
        }
        appendInt(materials, end.firstMaterial + c - 1);
        appendInt(directions, c);
    }
    const auto along = [](double from, double to) { return formatRoundTrip(to - from); };
    out.line("element zeroLength %d %d %d -mat %s -dir %s -orient %s %s %s %R %R %R",
             {end.element, end.joint, end.node, materials, directions, along(i.x, j.x), along(i.y, j.y),
              along(i.z, j.z), directionComponent(frame.axis2X), directionComponent(frame.axis2Y),
              directionComponent(frame.axis2Z)});
}

// The zero-length element from a joint's ground node to the joint, along the joint's local axes.
void writeGroundSpring(const ScriptInput& in, ScriptWriter& out, const GroundSpring& spring) {
    const TNODE& joint = in.store.nodes[spring.joint];
    std::string materials, directions;
    for (std::size_t c = 1; c <= 6; ++c) {
        if (!writesSpring(joint, c, in.dofsPerNode))
            continue;
        if (!materials.empty()) {
            materials += ' ';
            directions += ' ';
        }
        appendInt(materials, spring.firstMaterial + static_cast<std::int32_t>(c) - 1);
        appendInt(directions, static_cast<std::int32_t>(c));
    }
    const auto& x = joint.assigned->localAxis1;
    const auto& y = joint.assigned->localAxis2;
    if (x == std::array<double, 3>{} || y == std::array<double, 3>{})
        out.line("element zeroLength %d %d %d -mat %s -dir %s",
                 {spring.element, spring.node, spring.joint, materials, directions});
    else
        out.line("element zeroLength %d %d %d -mat %s -dir %s -orient %s %s %s %s %s %s",
                 {spring.element, spring.node, spring.joint, materials, directions, formatRoundTrip(x[0]),
                  formatRoundTrip(x[1]), formatRoundTrip(x[2]), formatRoundTrip(y[0]), formatRoundTrip(y[1]),
                  formatRoundTrip(y[2])});
}

} // namespace

void writeFrameBlock(const ScriptInput& in, ScriptWriter& out) {
    out.text("puts \"transformation\"");
    writeTransformations(in, out);
    out.text("puts \"element\"");
    for (int f = 1; f <= countOf(in.store.frameCount); ++f)
        writeElement(in, out, f);
    for (const ReleasedEnd& end : in.releases.ends)
        if (end.element != 0)
            writeReleaseElement(in, out, end);
    for (const GroundSpring& spring : in.groundSprings)
        writeGroundSpring(in, out, spring);
    writeLinkElements(in.links, in.store, out);
}

} // namespace kelvane
