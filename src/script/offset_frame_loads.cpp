#include "script/offset_frame_loads.h"

#include "common/error.h"
#include "model/frame_axes.h"
#include "script/fixed_end_loads.h"
#include "script/frame_properties.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace kelvane {
namespace {

Vector plus(const Vector& a, const Vector& b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}

// The load over the frame's whole length, positions from joint I.
SpanLoad wholeSpanLoad(const TLOAD& load, double length) {
    SpanLoad span;
    span.direction = load.direction;
    span.moment = load.moment;
    span.point = load.kind == LoadFramePoint;
    if (load.kind == LoadDistributed) {
        span.a = 0;
        span.b = length;
        span.wa = span.wb = load.fx;
        return span;
    }
    span.a = load.distA * length;
    span.b = (span.point ? load.distA : load.distB) * length;
    span.wa = load.fx;
    span.wb = span.point ? load.fx : load.fy;
    return span;
}

// The part of the load between positions from and to, or nothing.
bool clipped(const SpanLoad& load, double from, double to, SpanLoad& part) {
    part = load;
    if (load.point)
        return load.a >= from && load.a < to;
    const double a = std::max(load.a, from), b = std::min(load.b, to);
    if (!(b > a))
        return false;
    const auto at = [&](double s) {
        return load.wa + (load.wb - load.wa) * (s - load.a) / (load.b - load.a);
    };
    part.a = a;
    part.b = b;
    part.wa = at(a);
    part.wb = at(b);
    return true;
}

// The integrals of the intensity and of the intensity times the position (the value and the
// value times the position for a point load).
std::pair<double, double> resultantAndFirstMoment(const SpanLoad& load) {
    if (load.point)
        return {load.wa, load.wa * load.a};
    const double length = load.b - load.a;
    const double resultant = (load.wa + load.wb) / 2 * length;
    const double first = length * (load.wa * (2 * load.a + load.b) + load.wb * (load.a + 2 * load.b)) / 6;
    return {resultant, first};
}

struct JointLoad {
    Vector force{}, moment{};
};

// A part on a rigid zone, taken by the joint at `origin` (the position of the joint along the
// frame, 0 or the length) whose offset across the frame is `across`.
void addRigidPart(const SpanLoad& part, const std::array<Vector, 3>& axes, double origin,
                  const Vector& across, JointLoad& joint) {
    const auto [resultant, first] = resultantAndFirstMoment(part);
    const Vector& along = axes[static_cast<std::size_t>(part.direction - 1)];
    if (part.moment) {
        joint.moment = plus(joint.moment, scaled(along, resultant));
        return;
    }
    joint.force = plus(joint.force, scaled(along, resultant));
    joint.moment = plus(joint.moment, scaled(cross(across, along), resultant));
    joint.moment = plus(joint.moment, scaled(cross(axes[0], along), first - origin * resultant));
}

} // namespace

bool hasEndOffsets(const ModelStore& store, int frame) {
    if (frame < 1 || frame > countOf(store.frameCount))
        return false;
    const TFRAME& record = store.frames[static_cast<std::size_t>(frame)];
    return record.assigned->offsetI != Vector{} || record.assigned->offsetJ != Vector{};
}

void writeOffsetFrameLoad(const ScriptInput& in, ScriptWriter& out, const TLOAD& load) {
    const ModelStore& store = in.store;
    const int f = load.target;
    if (load.direction < 1 || load.direction > 3)
        fail("A load on frame " + std::to_string(f) + " has the direction " + std::to_string(load.direction) +
             ": a frame load acts along or about its local axis 1, 2 or 3");
    const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
    const std::array<Vector, 3> axes = localAxes(store, frame);
    const double length = lengthOfFrame(store, frame);
    // The rigid zones' lengths along the frame and the offsets across it.
    const double rigidI = dot(frame.assigned->offsetI, axes[0]),
                 rigidJ = -dot(frame.assigned->offsetJ, axes[0]);
    const Vector acrossI = plus(frame.assigned->offsetI, scaled(axes[0], -rigidI));
    const Vector acrossJ = plus(frame.assigned->offsetJ, scaled(axes[0], rigidJ));
    const SpanLoad whole = wholeSpanLoad(load, length);
    std::array<JointLoad, 2> joints{};
    SpanLoad part;
    if (clipped(whole, -1, rigidI, part))
        addRigidPart(part, axes, 0, acrossI, joints[0]);
    if (clipped(whole, length - rigidJ, whole.point ? length + 1 : length, part))
        addRigidPart(part, axes, length, acrossJ, joints[1]);
    if (clipped(whole, rigidI, length - rigidJ, part)) {
        const double flexible = length - rigidI - rigidJ;
        part.a -= rigidI;
        part.b -= rigidI;
        const EndLoads ends = fixedEndLoads(part, spanStiffnessOf(store, f, flexible));
        for (std::size_t e = 0; e < 2; ++e) {
            Vector force{}, moment{};
            for (std::size_t k = 0; k < 3; ++k) {
                force = plus(force, scaled(axes[k], ends[6 * e + k]));
                moment = plus(moment, scaled(axes[k], ends[6 * e + 3 + k]));
            }
            const Vector& lever = e == 0 ? frame.assigned->offsetI : frame.assigned->offsetJ;
            joints[e].force = plus(joints[e].force, force);
            joints[e].moment = plus(joints[e].moment, plus(moment, cross(lever, force)));
        }
    }
    for (std::size_t e = 0; e < 2; ++e) {
        const JointLoad& joint = joints[e];
        out.line("load %D %R %R %R %R %R %R",
                 {in.releases.elementNode(store, f, e == 1), joint.force[0], joint.force[1], joint.force[2],
                  joint.moment[0], joint.moment[1], joint.moment[2]});
    }
}

} // namespace kelvane
