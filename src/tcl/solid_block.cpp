#include "tcl/block_writers.h"

namespace kelvane {

void writeSolidBlock(const ScriptInput& in, ScriptWriter& out) {
    const ModelStore& store = in.store;
    // Brick tags continue after the frames and the areas, so no element tag repeats.
    const int firstTag = countOf(store.frameCount) + countOf(store.areaCount);
    out.text("puts \"SOLID element\"");
    for (int i = 1; i <= countOf(store.solidCount); ++i) {
        const TSOLID& solid = store.solids[i];
        out.line("element stdBrick %D %D %D %D %D %D %D %D %D %D",
                 {firstTag + i, solid.node1, solid.node2, solid.node3, solid.node4, solid.node5, solid.node6,
                  solid.node7, solid.node8, solid.section});
    }
}

} // namespace kelvane
