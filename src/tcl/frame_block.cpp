#include "tcl/block_writers.h"
#include "tcl/link_springs.h"
#include "tcl/store_access.h"

#include <string_view>

namespace kelvane {
namespace {

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
        out.line("geomTransf %s %D %0.3F %0.3F %0.3F ", {name, f, frame.axis2X, frame.axis2Y, frame.axis2Z});
    }
}

void writeElement(const ScriptInput& in, ScriptWriter& out, int f) {
    const ModelStore& store = in.store;
    const TFRAME& frame = store.frames[f];
    const std::int32_t s = frame.section;
    const TSECTION& section = sectionOfFrame(store, f);
    const TMAT& material = materialOfFrame(store, f);
    const std::int32_t sectionTag = in.analysis.useAggregator ? 1000 + s : s;
    const std::int32_t nI = frame.nodeI, nJ = frame.nodeJ;
    switch (section.elementType) {
    case ElasticBeamColumn:
        out.line(
            "element elasticBeamColumn %D %D %D %0.4E %0.4E %0.4E %0.4E %0.4E %0.4E %D",
            {f, nI, nJ, section.area, material.e, material.g, section.torsion, section.i33, section.i22, f});
        break;
    case Truss:
        out.line("element trussSection %d %d %d %d", {f, nI, nJ, s});
        break;
    case CorotTruss:
        out.line("element corotTrussSection %d %d %d %d", {f, nI, nJ, s});
        break;
    case NonlinearBeamColumn:
        out.line("element nonlinearBeamColumn %d %d %d %d %d %d", {f, nI, nJ, frame.segments, sectionTag, f});
        break;
    case DispBeamColumn:
        out.line("element dispBeamColumn %d %d %d %d %d %d", {f, nI, nJ, frame.segments, sectionTag, f});
        break;
    case BeamWithHinge:
        out.line("element beamWithHinges %d %d %d %d %0.0f %d %0.0f %0.4E %0.4E %0.4E %0.4E %0.4E %0.4E %D ",
                 {f, nI, nJ, sectionTag, section.hingeLengthI, sectionTag, section.hingeLengthJ, material.e,
                  section.area, section.i22, section.i33, material.g, section.torsion, f});
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

} // namespace

void writeFrameBlock(const ScriptInput& in, ScriptWriter& out) {
    out.text("puts \"transformation\"");
    writeTransformations(in, out);
    out.text("puts \"element\"");
    for (int f = 1; f <= countOf(in.store.frameCount); ++f)
        writeElement(in, out, f);
}

} // namespace kelvane
