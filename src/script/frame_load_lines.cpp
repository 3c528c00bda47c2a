#include "script/frame_load_lines.h"

#include "common/error.h"
#include "common/number_format.h"
#include "model/frame_axes.h"
#include "script/elastic_shear.h"
#include "script/fixed_end_loads.h"
#include "script/frame_properties.h"
#include "script/store_access.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace kelvane {
namespace {

// The solver's local axes are x = 1, y = -3, z = 2: its (wy, wz, wx) of a component along
// direction d with value w.
std::array<double, 3> solverComponents(std::int32_t direction, double w) {
    return {direction == 3 ? -w : 0.0, direction == 2 ? w : 0.0, direction == 1 ? w : 0.0};
}

std::string fraction(double value) {
    return formatRoundTrip(value);
}

void writeUniform(ScriptWriter& out, const TLOAD& load, double a, double b, double wa, double wb, bool ends) {
    const auto [ya, za, xa] = solverComponents(load.direction, wa);
    if (!ends) {
        out.line("eleLoad -ele %D -type -beamUniform %R %R %R %s %s",
                 {load.target, ya, za, xa, fraction(a), fraction(b)});
        return;
    }
    const auto [yb, zb, xb] = solverComponents(load.direction, wb);
    out.line("eleLoad -ele %D -type -beamUniform %R %R %R %s %s %R %R %R",
             {load.target, ya, za, xa, fraction(a), fraction(b), yb, zb, xb});
}

void writePoint(ScriptWriter& out, const TLOAD& load) {
    const auto [y, z, x] = solverComponents(load.direction, load.fx);
    out.line("eleLoad -ele %D -type -beamPoint %R %R %s %R", {load.target, y, z, fraction(load.distA), x});
}

// A force varying along the frame, for the force-based elements: the solver honours the end
// intensity only for a load that leaves part of the span free, so one over the whole span goes
// in two halves.
void writeVaryingForce(ScriptWriter& out, const TLOAD& load) {
    if (load.distA == 0 && load.distB == 1 && load.fx != load.fy) {
        const double middle = (load.fx + load.fy) / 2;
        writeUniform(out, load, 0, 0.5, load.fx, middle, true);
        writeUniform(out, load, 0.5, 1, middle, load.fy, true);
        return;
    }
    writeUniform(out, load, load.distA, load.distB, load.fx, load.fy, load.fx != load.fy);
}

SpanLoad spanLoadOf(const TLOAD& load, double length) {
    SpanLoad span;
    span.direction = load.direction;
    span.moment = load.moment;
    span.point = load.kind == LoadFramePoint;
    span.a = load.distA * length;
    span.b = (span.point ? load.distA : load.distB) * length;
    span.wa = load.fx;
    span.wb = span.point ? load.fx : load.fy;
    return span;
}

// The joint loads of the fixed-end (or, pinned, the static) solution, turned into global axes and
// written on the nodes the element ends at.
void writeEndLoads(const ScriptInput& in, ScriptWriter& out, const TLOAD& load, bool pinned) {
    const ModelStore& store = in.store;
    const int f = load.target;
    const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
    const double length = lengthOfFrame(store, frame);
    const SpanLoad span = spanLoadOf(load, length);
    EndLoads ends{};
    if (pinned) {
        ends = pinnedEndLoads(span, length);
    } else {
        ends = fixedEndLoads(span, spanStiffnessOf(store, f, length));
    }
    const std::array<Vector, 3> axes = localAxes(store, frame);
    std::array<Vector, 4> global{}; // force and moment at I, then at J
    double largest[2] = {0, 0};     // of the forces, of the moments
    for (std::size_t v = 0; v < 4; ++v) {
        for (std::size_t k = 0; k < 3; ++k)
            for (std::size_t c = 0; c < 3; ++c)
                global[v][c] += ends[3 * v + k] * axes[k][c];
        for (const double c : global[v])
            largest[v % 2] = std::max(largest[v % 2], std::abs(c));
    }
    // What the axes' rounding leaves in the other components is noise, not load.
    for (std::size_t v = 0; v < 4; ++v)
        for (double& c : global[v])
            c = std::abs(c) < 1e-12 * largest[v % 2] ? 0 : c;
    for (const bool endJ : {false, true}) {
        const Vector& force = global[endJ ? 2 : 0];
        const Vector& moment = global[endJ ? 3 : 1];
        const std::int32_t node =
            pinned ? (endJ ? frame.nodeJ : frame.nodeI) : in.releases.elementNode(store, f, endJ);
        out.line("load %D %R %R %R %R %R %R",
                 {node, force[0], force[1], force[2], moment[0], moment[1], moment[2]});
    }
}

} // namespace

void writeFrameSpanLoad(const ScriptInput& in, ScriptWriter& out, const TLOAD& load) {
    const ModelStore& store = in.store;
    if (load.target < 1 || load.target > countOf(store.frameCount))
        fail("A frame load refers to frame " + std::to_string(load.target) + ", which does not exist");
    if (load.direction < 1 || load.direction > 3)
        fail("A load on frame " + std::to_string(load.target) + " has the direction " +
             std::to_string(load.direction) + ": a frame load acts along or about its local axis 1, 2 or 3");
    const TSECTION& section = sectionOfFrame(store, load.target);
    const bool point = load.kind == LoadFramePoint;
    const bool varying = !point && load.fx != load.fy;
    switch (section.elementType) {
    case ElasticBeamColumn:
        if (deflectsInShear(section) || load.moment || varying)
            break;
        point ? writePoint(out, load)
              : writeUniform(out, load, load.distA, load.distB, load.fx, load.fx, false);
        return;
    case NonlinearBeamColumn:
    case BeamWithHinge:
        if (load.moment)
            break;
        point ? writePoint(out, load) : writeVaryingForce(out, load);
        return;
    case DispBeamColumn:
        if (load.moment || !point)
            break;
        writePoint(out, load);
        return;
    default:
        writeEndLoads(in, out, load, true);
        return;
    }
    writeEndLoads(in, out, load, false);
}

void writeUniformFrameLoad(const ScriptInput& in, ScriptWriter& out, const TLOAD& load) {
    const ModelStore& store = in.store;
    if (load.target >= 1 && load.target <= countOf(store.frameCount)) {
        const std::int32_t type = sectionOfFrame(store, load.target).elementType;
        if (type == Truss || type == CorotTruss || type == RigidLink) {
            TLOAD whole = load;
            whole.kind = LoadFrameSpan;
            whole.fy = load.fx;
            whole.distA = 0;
            whole.distB = 1;
            writeFrameSpanLoad(in, out, whole);
            return;
        }
    }
    if (load.direction == 1)
        out.line("eleLoad -ele %D -type -beamUniform 0 0 %R", {load.target, load.fx});
    else if (load.direction == 2)
        out.line("eleLoad -ele %D -type -beamUniform 0 %R 0", {load.target, load.fx});
    else if (load.direction == 3)
        out.line("eleLoad -ele %D -type -beamUniform %R 0 0", {load.target, -load.fx});
}

} // namespace kelvane
