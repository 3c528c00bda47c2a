#include "script/block_writers.h"
#include "script/node_dofs.h"
#include "script/store_access.h"

namespace kelvane {

bool hasDiaphragmTie(const ModelStore& store) {
    if (!store.equalTies.empty())
        return true;
    for (int d = 1; d <= countOf(store.diaphragmCount); ++d)
        if (store.diaphragms[d].slaveCount > 0)
            return true;
    return false;
}

void writeNodeBlock(const ScriptInput& in, ScriptWriter& out) {
    const ModelStore& store = in.store;
    const int nodeCount = countOf(store.nodeCount);
    const int diaphragmCount = countOf(store.diaphragmCount);

    out.text("puts \"restraint\"");
    for (int n = 1; n <= nodeCount; ++n) {
        const TNODE& at = jointTiedTo(store, n);
        out.line("node %D %R %R %R", {n, at.x, at.y, at.z});
    }
    // The frame elements' own nodes at their released ends.
    for (const ReleasedEnd& end : in.releases.ends) {
        const TNODE& at = jointTiedTo(store, end.joint);
        out.line("node %D %R %R %R", {end.node, at.x, at.y, at.z});
    }
    // The ground nodes of the joints' springs.
    for (const GroundSpring& spring : in.groundSprings) {
        const TNODE& at = jointTiedTo(store, spring.joint);
        out.line("node %D %R %R %R", {spring.node, at.x, at.y, at.z});
    }
    writeLinkNodes(in.links, store, out);

    out.text("puts \"rigidDiaphragm\"");
    for (int d = 1; d <= diaphragmCount; ++d) {
        const TDIAPH& diaphragm = store.diaphragms[d];
        for (int k = 1; k <= diaphragm.slaveCount; ++k)
            out.line("rigidDiaphragm 3 %D %D", {diaphragm.master, diaphragm.members[k]});
    }

    out.text("puts \"mass\"");
    if (in.analysis.genMass) {
        for (int n = 1; n <= nodeCount; ++n) {
            const DofValues& m = store.nodes[n].mass;
            if (m[1] == 0)
                continue;
            if (in.dofsPerNode == 3)
                out.line("mass %d %R %R %R", {n, m[1], m[2], m[3]});
            else
                out.line("mass %d %R %R %R %R %R %R", {n, m[1], m[2], m[3], m[4], m[5], m[6]});
        }
    }

    out.text("puts \"node\"");
    // A constraint that listed no joint has no master (0): there is no node to fix.
    for (int d = 1; d <= diaphragmCount; ++d)
        if (store.diaphragms[d].master != 0)
            out.line("fix %d 0 0 1 1 1 0", {store.diaphragms[d].master});
    for (int n = 1; n <= nodeCount; ++n) {
        const DofFlags& r = store.nodes[n].restraint;
        if (!isSupport(store.nodes[n], in.dofsPerNode))
            continue;
        if (in.dofsPerNode == 3)
            out.line("fix %D %D %D %D;", {n, r[1], r[2], r[3]});
        else
            out.line("fix %D %D %D %D %D %D %D;", {n, r[1], r[2], r[3], r[4], r[5], r[6]});
    }
    for (const GroundSpring& spring : in.groundSprings) {
        if (in.dofsPerNode == 3)
            out.line("fix %D 1 1 1;", {spring.node});
        else
            out.line("fix %D 1 1 1 1 1 1;", {spring.node});
    }
    writeLinkFixes(in.links, out);
}

} // namespace kelvane
