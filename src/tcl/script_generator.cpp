#include "tcl/script_generator.h"

#include "sections/fiber_mesher.h"
#include "tcl/block_writers.h"
#include "tcl/generator_passes.h"
#include "tcl/store_access.h"
#include "tcl/tag_check.h"

namespace kelvane {

ScriptLines generateScript(ModelStore& store, const AnalysisSettings& analysis, const RecorderSettings& recorders) {
    checkStoreShape(store);
    assignIntegrationPoints(store, analysis);
    computeSectionProperties(store);
    meshFiberSections(store, analysis.rebarMaterial);
    // Shell tags count on from the frames; a missing frame table counts as none.
    if (store.frameCount < 0)
        store.frameCount = 0;
    checkTagCollisions(store, analysis);

    ScriptLines lines;
    lines.reserve(64 + 2 * static_cast<std::size_t>(countOf(store.nodeCount)) +
                  2 * static_cast<std::size_t>(countOf(store.frameCount)) +
                  static_cast<std::size_t>(countOf(store.areaCount) + countOf(store.solidCount) + countOf(store.loadCount)));
    ScriptWriter out(lines);
    out.text("wipe");
    out.text("puts \"System\"");
    out.text("model basic -ndm 3 -ndf 6");

    const ScriptInput in{store, analysis, recorders};
    writeNodeBlock(in, out);
    writeEqualDofBlock(in, out);
    writeMaterialBlock(in, out);
    writeFiberSectionBlock(in, out);
    writePlateFiberBlock(in, out);
    writeFrameBlock(in, out);
    writeShellBlock(in, out);
    writeSolidBlock(in, out);
    writeRecorderBlock(in, out);
    writeLoadAnalysisBlock(in, out);
    return lines;
}

} // namespace kelvane
