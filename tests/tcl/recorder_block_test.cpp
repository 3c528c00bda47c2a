#include "tcl/model_builder.h"
#include "tcl/script_generator.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

// The recorder lines of a model of `nodes` joints and `frames` frames (no sections).
ScriptLines recorders(int nodes, int frames, RecorderSettings wanted, AnalysisSettings analysis = {}) {
    ModelStore store;
    store.nodes.resize(static_cast<std::size_t>(nodes) + 1);
    store.nodeCount = nodes;
    store.frames.resize(static_cast<std::size_t>(frames) + 1);
    store.frameCount = frames;
    analysis.analysisType = 0;
    const ScriptLines lines = generateScript(store, analysis, wanted);
    return ScriptLines(std::find(lines.begin(), lines.end(), "puts \"recorder\"") + 1, lines.end());
}

RecorderSettings only(bool RecorderSettings::*field) {
    RecorderSettings settings{false, false, false, false, false};
    settings.*field = true;
    return settings;
}

TEST(RecorderBlock, NodeChunksOfHundredWithTheRemainderLast) {
    const RecorderSettings nodes = only(&RecorderSettings::nodeDisplacement);
    EXPECT_EQ(recorders(250, 0, nodes),
              (ScriptLines{"recorder Node -file node0.out -time -nodeRange 1 100 -dof 1 2 3 disp",
                           "recorder Node -file node1.out -time -nodeRange 101 200 -dof 1 2 3 disp",
                           "recorder Node -file node2.out -time -nodeRange 201 250 -dof 1 2 3 disp"}));
    EXPECT_EQ(recorders(100, 0, nodes),
              ScriptLines{"recorder Node -file node0.out -time -nodeRange 1 100 -dof 1 2 3 disp"});
    EXPECT_EQ(recorders(30, 0, nodes),
              ScriptLines{"recorder Node -file node0.out -time -nodeRange 1 30 -dof 1 2 3 disp"});
    EXPECT_EQ(recorders(0, 0, nodes), ScriptLines{});
}

TEST(RecorderBlock, FrameChunksNumberTheRemainderZero) {
    EXPECT_EQ(recorders(0, 250, only(&RecorderSettings::elementForce)),
              (ScriptLines{"recorder Element -file ele1.out -time -eleRange 1 100 localForce",
                           "recorder Element -file ele2.out -time -eleRange 101 200 localForce",
                           "recorder Element -file ele0.out -time -eleRange 201 250 localForce"}));
    AnalysisSettings fivePoints;
    fivePoints.numIntgrPts = 5;
    EXPECT_EQ(
        recorders(0, 140, only(&RecorderSettings::sectionDeformation), fivePoints),
        (ScriptLines{"recorder Element -file ele1_secs.out -time -eleRange 1 100 section 1 deformation",
                     "recorder Element -file ele0_secs.out -time -eleRange 101 140 section 1 deformation",
                     "recorder Element -file ele1_secn.out -time -eleRange 1 100 section 5 deformation",
                     "recorder Element -file ele0_secn.out -time -eleRange 101 140 section 5 deformation"}));
}

TEST(RecorderBlock, ModeShapesRunModeByModeAndStressStrainWritesNothing) {
    AnalysisSettings threeModes;
    threeModes.modalNumber = 3;
    const ScriptLines lines = recorders(150, 0, only(&RecorderSettings::modalShape), threeModes);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "recorder Node -file eigen1_node0.out -time -nodeRange 1 100 -dof 1 2 3 \"eigen 1\"");
    EXPECT_EQ(lines[1],
              "recorder Node -file eigen1_node1.out -time -nodeRange 101 150 -dof 1 2 3 \"eigen 1\"");
    EXPECT_EQ(lines[2], "recorder Node -file eigen2_node0.out -time -nodeRange 1 100 -dof 1 2 3 \"eigen 2\"");
    EXPECT_EQ(lines[5],
              "recorder Node -file eigen3_node1.out -time -nodeRange 101 150 -dof 1 2 3 \"eigen 3\"");
    threeModes.modalNumber = 0;
    EXPECT_EQ(recorders(150, 0, only(&RecorderSettings::modalShape), threeModes), ScriptLines{});
    EXPECT_EQ(recorders(150, 150, only(&RecorderSettings::sectionStressStrain)), ScriptLines{});
}

} // namespace
} // namespace kelvane
