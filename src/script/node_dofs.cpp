#include "script/node_dofs.h"

#include <algorithm>

#include "common/error.h"
#include "script/store_access.h"

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
    const int diaphragmCount = countOf(store.diaphragmCount);
    // The diaphragm whose in-plane motion each joint follows (a tied joint or the master).
    std::vector<int> diaphragmOf(static_cast<std::size_t>(nodeCount) + 1, 0);
    for (int d = 1; d <= diaphragmCount; ++d) {
        const TDIAPH& diaphragm = store.diaphragms[d];
        if (diaphragm.slaveCount <= 0)
            continue;
        for (int k = 1; k <= diaphragm.slaveCount + 1; ++k) {
            const int joint = k <= diaphragm.slaveCount ? diaphragm.members[k] : diaphragm.master;
            if (joint >= 1 && joint <= nodeCount)
                diaphragmOf[static_cast<std::size_t>(joint)] = d;
        }
    }
    struct FloorMass {
        bool x = false, y = false;
        int joints = 0;
    };
    std::vector<FloorMass> floors(static_cast<std::size_t>(diaphragmCount) + 1);
    int count = 0;
    for (int n = 1; n <= nodeCount; ++n) {
        const DofValues& mass = store.nodes[n].mass;
        const DofFlags& fixed = store.nodes[n].restraint;
        if (mass[1] == 0)
            continue; // no mass line
        const int d = diaphragmOf[static_cast<std::size_t>(n)];
        if (d == 0) {
            for (std::size_t k = 1; k <= static_cast<std::size_t>(dofsPerNode); ++k)
                count += mass[k] != 0 && fixed[k] == 0 ? 1 : 0;
            continue;
        }
        // UX, UY and RZ follow the diaphragm; the master's other three are fixed by its own line.
        FloorMass& floor = floors[static_cast<std::size_t>(d)];
        floor.x = floor.x || mass[1] != 0;
        floor.y = floor.y || mass[2] != 0;
        ++floor.joints;
        if (store.diaphragms[d].master != n)
            for (std::size_t k = 3; k <= 5; ++k)
                count += mass[k] != 0 && fixed[k] == 0 ? 1 : 0;
    }
    // A floor motion the retained joint's own restraint holds (a plane frame's UY and RZ) has no
    // mass to move.
    for (int d = 1; d <= diaphragmCount; ++d) {
        const FloorMass& floor = floors[static_cast<std::size_t>(d)];
        const std::int32_t master = store.diaphragms[d].master;
        const DofFlags none{};
        const DofFlags& held = master >= 1 && master <= nodeCount ? store.nodes[master].restraint : none;
        const bool turns = (floor.x || floor.y) && floor.joints >= 2;
        count += int(floor.x && held[1] == 0) + int(floor.y && held[2] == 0) + int(turns && held[6] == 0);
    }
    return count;
}

EigenRequest eigenRequest(const ModelStore& store, bool genMass, int dofsPerNode, int wanted) {
    const int massDofs = freeMassDofCount(store, genMass, dofsPerNode);
    if (massDofs <= 0)
        return {wanted, false};
    const int modes = std::min(massDofs, wanted);
    if (2 * modes <= massDofs)
        return {modes, false};
    // The dense solver costs the cube of the equations: beyond some thousands of them, fewer modes.
    const long long equations = static_cast<long long>(countOf(store.nodeCount)) * dofsPerNode;
    if (equations <= kDenseEigenEquations)
        return {modes, true};
    return {std::max(1, massDofs / 2), false};
}

int modalModeCount(const ModelStore& store, bool genMass, int dofsPerNode) {
    return eigenRequest(store, genMass, dofsPerNode, 12).modes;
}

bool isSupport(const TNODE& joint, int dofsPerNode) {
    const DofFlags& r = joint.restraint;
    const int sum = r[1] + r[2] + r[3];
    return dofsPerNode == 3 ? sum > 0 : sum + r[4] + r[5] + r[6] > 0;
}

std::vector<EqualDofTie> equalDofTies(const ModelStore& store) {
    std::vector<EqualDofTie> ties;
    for (int f = 1; f <= countOf(store.frameCount); ++f) {
        if (sectionOfFrame(store, f).elementType != RigidLink)
            continue;
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        if (frame.release == 1)
            ties.push_back({f, frame.nodeI, frame.nodeJ});
        else if (frame.release == 2)
            ties.push_back({f, frame.nodeJ, frame.nodeI});
    }
    return ties;
}

std::vector<std::int32_t> baseJoints(const ModelStore& store, int dofsPerNode, int dof) {
    const int jointCount = countOf(store.nodeCount);
    std::vector<bool> base(static_cast<std::size_t>(jointCount) + 1, false);
    for (int n = 1; n <= jointCount; ++n) {
        const TNODE& joint = store.nodes[static_cast<std::size_t>(n)];
        base[static_cast<std::size_t>(n)] =
            isSupport(joint, dofsPerNode) &&
            (dof == 0 || (dof >= 1 && dof <= 6 && joint.restraint[static_cast<std::size_t>(dof)] != 0));
    }
    const bool tiedAlong = dof == 0 || (dof >= 1 && dof <= 3);
    const std::vector<EqualDofTie> ties = tiedAlong ? equalDofTies(store) : std::vector<EqualDofTie>{};
    // Ties may chain; each round adds the joints tied to the base found so far.
    for (bool added = true; added;) {
        added = false;
        for (const EqualDofTie& tie : ties) {
            const auto inRange = [&](std::int32_t joint) { return joint >= 1 && joint <= jointCount; };
            if (!inRange(tie.retained) || !inRange(tie.constrained))
                continue;
            if (base[static_cast<std::size_t>(tie.retained)] &&
                !base[static_cast<std::size_t>(tie.constrained)]) {
                base[static_cast<std::size_t>(tie.constrained)] = true;
                added = true;
            }
        }
    }
    std::vector<std::int32_t> joints;
    for (int n = 1; n <= jointCount; ++n)
        if (base[static_cast<std::size_t>(n)])
            joints.push_back(n);
    return joints;
}

} // namespace kelvane
