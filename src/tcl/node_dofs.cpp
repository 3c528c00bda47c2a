#include "tcl/node_dofs.h"

#include "common/error.h"
#include "tcl/store_access.h"

#include <array>
#include <string>
#include <vector>

namespace kelvane {
namespace {

int writtenShellCount(const ModelStore& store) {
    int count = 0;
    for (int i = 1; i <= countOf(store.areaCount); ++i)
        if (sectionOfArea(store, i).isShell == 1)
            ++count;
    return count;
}

} // namespace

int nodeDofCount(const ModelStore& store) {
    if (countOf(store.solidCount) == 0)
        return 6;
    const int frames = countOf(store.frameCount);
    const int shells = writtenShellCount(store);
    if (frames > 0 || shells > 0)
        fail(
            "A model with solids cannot also hold frames or shells: bricks take three degrees of freedom per "
            "node, frames and shells six (" +
            std::to_string(countOf(store.solidCount)) + " solids, " + std::to_string(frames) + " frames, " +
            std::to_string(shells) + " shells)");
    if (countOf(store.diaphragmCount) > 0)
        fail("A model with solids cannot hold rigid diaphragms: a diaphragm needs six degrees of freedom per "
             "node (" +
             std::to_string(countOf(store.diaphragmCount)) + " constraints)");
    return 3;
}

int freeMassDofCount(const ModelStore& store, bool genMass, int dofsPerNode) {
    if (!genMass)
        return 0;
    const int nodeCount = countOf(store.nodeCount);
    // The diaphragm each joint belongs to (as a tied member or as the master).
    std::vector<int> diaphragmOf(static_cast<std::size_t>(nodeCount) + 1, 0);
    for (int d = 1; d <= countOf(store.diaphragmCount); ++d) {
        const TDIAPH& diaphragm = store.diaphragms[d];
        if (diaphragm.slaveCount <= 0)
            continue;
        for (int k = 1; k <= diaphragm.slaveCount; ++k)
            if (diaphragm.members[k] >= 1 && diaphragm.members[k] <= nodeCount)
                diaphragmOf[static_cast<std::size_t>(diaphragm.members[k])] = d;
        if (diaphragm.master >= 1 && diaphragm.master <= nodeCount)
            diaphragmOf[static_cast<std::size_t>(diaphragm.master)] = d;
    }
    // In-plane components seen per diaphragm: UX, UY, RZ.
    std::vector<std::array<bool, 3>> inPlane(static_cast<std::size_t>(countOf(store.diaphragmCount)) + 1,
                                             std::array<bool, 3>{});
    int count = 0;
    for (int n = 1; n <= nodeCount; ++n) {
        const TNODE& node = store.nodes[n];
        if (node.mass[1] == 0)
            continue;
        const int d = diaphragmOf[static_cast<std::size_t>(n)];
        const bool isMaster = d != 0 && store.diaphragms[d].master == n;
        for (int k = 1; k <= dofsPerNode; ++k) {
            if (node.mass[static_cast<std::size_t>(k)] == 0 ||
                node.restraint[static_cast<std::size_t>(k)] != 0)
                continue;
            if (d == 0) {
                ++count;
                continue;
            }
            auto& seen = inPlane[static_cast<std::size_t>(d)];
            if (k == 1 || k == 2) {
                seen[static_cast<std::size_t>(k - 1)] = true;
                // A translational mass away from the master turns with the floor.
                const int masterJoint = store.diaphragms[d].master;
                if (masterJoint < 1 || masterJoint > nodeCount || node.x != store.nodes[masterJoint].x ||
                    node.y != store.nodes[masterJoint].y)
                    seen[2] = true;
            } else if (k == 6) {
                seen[2] = true;
            } else if (!isMaster) {
                ++count; // U3, R1, R2 of a tied joint stay its own; the master's are fixed
            }
        }
    }
    for (const auto& seen : inPlane)
        count += int(seen[0]) + int(seen[1]) + int(seen[2]);
    return count;
}

} // namespace kelvane
