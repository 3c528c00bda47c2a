#include "script/joint_springs.h"

namespace kelvane {

bool writesSpring(const TNODE& joint, std::size_t c, int dofsPerNode) {
    return joint.assigned->spring[c] > 0 && c <= static_cast<std::size_t>(dofsPerNode);
}

std::vector<GroundSpring> layOutGroundSprings(const ModelStore& store, const FrameReleases& releases,
                                              int dofsPerNode) {
    std::int32_t lastElement =
        countOf(store.frameCount) + countOf(store.areaCount) + countOf(store.solidCount);
    for (const ReleasedEnd& end : releases.ends)
        lastElement = end.element > lastElement ? end.element : lastElement;
    const auto firstNode = static_cast<std::int32_t>(countOf(store.nodeCount) + releases.ends.size());
    std::vector<GroundSpring> springs;
    for (int n = 1; n <= countOf(store.nodeCount); ++n) {
        bool any = false;
        for (std::size_t c = 1; c <= 6; ++c)
            any = any || writesSpring(store.nodes[static_cast<std::size_t>(n)], c, dofsPerNode);
        if (!any)
            continue;
        const auto k = static_cast<std::int32_t>(springs.size());
        springs.push_back({n, firstNode + k + 1, lastElement + k + 1, kJointSpringTagBase + 6 * k + 1});
    }
    return springs;
}

} // namespace kelvane
