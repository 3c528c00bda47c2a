#include "script/frame_releases.h"

#include "common/error.h"
#include "script/store_access.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace kelvane {
namespace {

bool isBeamColumn(std::int32_t type) {
    return type >= ElasticBeamColumn && type <= BeamWithHinge;
}

bool anyReleased(const DofFlags& released) {
    for (std::size_t c = 1; c <= 6; ++c)
        if (released[c] != 0)
            return true;
    return false;
}

double frameLength(const ModelStore& store, const TFRAME& frame) {
    const TNODE& i = jointTiedTo(store, frame.nodeI);
    const TNODE& j = jointTiedTo(store, frame.nodeJ);
    return std::sqrt((j.x - i.x) * (j.x - i.x) + (j.y - i.y) * (j.y - i.y) + (j.z - i.z) * (j.z - i.z));
}

// The stiffness of the springs that hold a component: that of the frame itself (axial for the
// translations, bending about the stiffer axis for the rotations) times kHeldSpringFactor.
std::array<double, 2> heldStiffness(const ModelStore& store, int f) {
    const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
    const TSECTION& section = sectionOfFrame(store, f);
    const double e = materialOfFrame(store, f).e;
    const double length = frameLength(store, frame);
    const double translation = kHeldSpringFactor * e * section.area / length;
    const double rotation = kHeldSpringFactor * e * std::max(section.i22, section.i33) / length;
    if (!(translation > 0) || !(rotation > 0) || !std::isfinite(translation) || !std::isfinite(rotation))
        fail("Frame " + std::to_string(f) + " (" + frame.label + ") has end releases, but its section " +
             section.name +
             " gives no E, area and moment of inertia to hold the components that are not released");
    return {translation, rotation};
}

ReleasedEnd releasedEnd(const ModelStore& store, int f, bool endJ, const std::array<double, 2>& held) {
    const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
    const DofFlags& released = endJ ? frame.assigned->releaseJ : frame.assigned->releaseI;
    const DofValues& fixity = endJ ? frame.assigned->fixityJ : frame.assigned->fixityI;
    ReleasedEnd end;
    end.frame = f;
    end.endJ = endJ;
    end.joint = endJ ? frame.nodeJ : frame.nodeI;
    for (std::size_t c = 1; c <= 6; ++c)
        end.springs[c] = released[c] != 0 ? fixity[c] : held[c <= 3 ? 0 : 1];
    return end;
}

} // namespace

std::int32_t FrameReleases::elementNode(const ModelStore& store, int frame, bool endJ) const {
    const TFRAME& record = store.frames[static_cast<std::size_t>(frame)];
    const std::int32_t k = static_cast<std::size_t>(frame) < ofFrame.size()
                               ? ofFrame[static_cast<std::size_t>(frame)][endJ ? 1 : 0]
                               : 0;
    if (k != 0)
        return ends[static_cast<std::size_t>(k - 1)].node;
    return endJ ? record.nodeJ : record.nodeI;
}

FrameReleases layOutFrameReleases(const ModelStore& store) {
    FrameReleases layout;
    const int frameCount = countOf(store.frameCount);
    layout.ofFrame.assign(static_cast<std::size_t>(frameCount) + 1, {0, 0});
    std::int32_t lastElement =
        countOf(store.frameCount) + countOf(store.areaCount) + countOf(store.solidCount);
    for (int f = 1; f <= frameCount; ++f) {
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        const bool releasedI = anyReleased(frame.assigned->releaseI);
        const bool releasedJ = anyReleased(frame.assigned->releaseJ);
        if ((!releasedI && !releasedJ) || !isBeamColumn(sectionOfFrame(store, f).elementType))
            continue;
        const std::array<double, 2> held = heldStiffness(store, f);
        for (const bool endJ : {false, true}) {
            if (!(endJ ? releasedJ : releasedI))
                continue;
            ReleasedEnd end = releasedEnd(store, f, endJ, held);
            const auto k = static_cast<std::int32_t>(layout.ends.size()) + 1;
            end.node = countOf(store.nodeCount) + k;
            const bool anySpring = std::any_of(end.springs.begin() + 1, end.springs.end(),
                                               [](double stiffness) { return stiffness != 0; });
            end.element = anySpring ? ++lastElement : 0;
            end.firstMaterial = kReleaseSpringTagBase + 6 * (k - 1) + 1;
            layout.ends.push_back(end);
            layout.ofFrame[static_cast<std::size_t>(f)][endJ ? 1 : 0] = k;
        }
    }
    return layout;
}

} // namespace kelvane
