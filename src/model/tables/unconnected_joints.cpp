#include "model/tables/import_context.h"

#include <algorithm>
#include <vector>

namespace kelvane::tables {

// A joint that no element connects (its only frame left out for want of a section, a joint of the
// drawing alone; a spring, a link or an Equal constraint connects) has no stiffness, and the solver would
// stop on a singular system. SAP2000 leaves such a joint out of the analysis; here it is held fixed, which
// changes nothing else.
void holdUnconnectedJoints(ImportContext& context) {
    ModelStore& store = context.store;
    std::vector<char> connected(store.nodes.size(), 0);
    const auto mark = [&](std::int32_t node) {
        if (node > 0 && static_cast<std::size_t>(node) < connected.size())
            connected[static_cast<std::size_t>(node)] = 1;
    };
    for (std::int32_t f = 1; f <= store.frameCount; ++f) {
        mark(store.frames[static_cast<std::size_t>(f)].nodeI);
        mark(store.frames[static_cast<std::size_t>(f)].nodeJ);
    }
    for (std::int32_t a = 1; a <= store.areaCount; ++a) {
        const TSHELL& area = store.shells[static_cast<std::size_t>(a)];
        for (const std::int32_t node : {area.node1, area.node2, area.node3, area.node4})
            mark(node);
    }
    for (std::int32_t s = 1; s <= store.solidCount; ++s) {
        const TSOLID& solid = store.solids[static_cast<std::size_t>(s)];
        for (const std::int32_t node : {solid.node1, solid.node2, solid.node3, solid.node4, solid.node5,
                                        solid.node6, solid.node7, solid.node8})
            mark(node);
    }
    for (std::int32_t d = 1; d <= store.diaphragmCount; ++d) {
        const TDIAPH& diaphragm = store.diaphragms[static_cast<std::size_t>(d)];
        mark(diaphragm.master);
        for (const std::int32_t member : diaphragm.members)
            mark(member);
    }
    for (std::int32_t l = 1; l <= store.linkCount; ++l) {
        mark(store.links[static_cast<std::size_t>(l)].nodeI);
        mark(store.links[static_cast<std::size_t>(l)].nodeJ);
    }
    for (const TEQUAL& tie : store.equalTies) {
        mark(tie.retained);
        mark(tie.constrained);
    }
    for (std::int32_t n = 1; n <= store.nodeCount; ++n) {
        const DofValues& spring = store.nodes[static_cast<std::size_t>(n)].assigned->spring;
        if (std::any_of(spring.begin() + 1, spring.end(), [](double k) { return k != 0; }))
            mark(n);
    }
    long long held = 0;
    for (std::int32_t n = 1; n <= store.nodeCount; ++n) {
        if (connected[static_cast<std::size_t>(n)] != 0)
            continue;
        TNODE& joint = store.nodes[static_cast<std::size_t>(n)];
        for (std::size_t k = 1; k < joint.restraint.size(); ++k)
            joint.restraint[k] = 1;
        ++held;
    }
    if (held > 0)
        context.report.addNotCarried("joints connected to no element (held fixed: SAP2000 leaves them out)",
                                     held);
}

} // namespace kelvane::tables
