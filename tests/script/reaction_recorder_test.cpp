#include "script/model_builder.h"
#include "script/node_dofs.h"
#include "script/script_generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace kelvane {
namespace {

ScriptLines recorderLines(ModelStore& store, const RecorderSettings& recorders) {
    AnalysisSettings none;
    none.analysisType = 0;
    const ScriptLines lines = generateScript(store, none, recorders);
    return ScriptLines(std::find(lines.begin(), lines.end(), "puts \"recorder\"") + 1, lines.end());
}

std::string jointList(int first, int last, int step) {
    std::string list;
    for (int n = first; n <= last; n += step)
        list += (list.empty() ? "" : " ") + std::to_string(n);
    return list;
}

// 250 joints, the odd ones supports (125 of them) and joint 250 restrained in a rotation only.
TEST(ReactionRecorders, SupportsInBlocksOfHundredAfterTheDisplacements) {
    ModelStore store;
    for (int n = 1; n <= 250; ++n)
        test::addNode(store, n, 0, 0).restraint[1] = n % 2;
    store.nodes[250].restraint[6] = 1;
    RecorderSettings recorders;
    recorders.baseReactions = true;
    const ScriptLines lines = recorderLines(store, recorders);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2], "recorder Node -file node2.out -time -nodeRange 201 250 -dof 1 2 3 disp");
    EXPECT_EQ(lines[3], "recorder Node -file reaction0.out -time -precision 10 -node " +
                            jointList(1, 199, 2) + " -dof 1 2 3 reaction");
    EXPECT_EQ(lines[4], "recorder Node -file reaction1.out -time -precision 10 -node " +
                            jointList(201, 249, 2) + " 250 -dof 1 2 3 reaction");

    // Bricks have no rotations: a joint restrained only in one is no support (it gets no fix line).
    EXPECT_EQ(baseJoints(store, 3).back(), 249);
}

// The solver reports the force a rigid link's tie carries into a support as the reaction of the tied
// joint: joint 2 (tied to support 1) and joint 3 (tied to joint 2) are base joints, joint 5 (tied to the
// free joint 4) is not.
TEST(ReactionRecorders, JointsThatRigidLinksTieToASupportAreRecordedWithIt) {
    ModelStore store;
    for (int n = 1; n <= 5; ++n)
        test::addNode(store, 0, 0, n);
    store.nodes[1].restraint = {0, 1, 1, 1, 1, 1, 1};
    test::addMaterial(store, "STEEL", 200000, 0.3);
    test::addRectangle(store, "LINK", RigidLink, 100, 100, 1);
    test::addFrame(store, 1, 2, 1).release = 1;
    test::addFrame(store, 3, 2, 1).release = 2;
    test::addFrame(store, 4, 5, 1).release = 1;
    test::addFrame(store, 1, 4, 1); // a link without release ties nothing
    RecorderSettings recorders{false, false, false, false, false, true};
    EXPECT_EQ(
        recorderLines(store, recorders),
        ScriptLines{"recorder Node -file reaction0.out -time -precision 10 -node 1 2 3 -dof 1 2 3 reaction"});
}

TEST(ReactionRecorders, OffByDefaultAndNoneWithoutSupports) {
    ModelStore store;
    test::addNode(store, 0, 0, 0).restraint = {0, 1, 1, 1, 1, 1, 1};
    EXPECT_EQ(recorderLines(store, {}).size(), 1u);
    RecorderSettings recorders{false, false, false, false, false, true};
    store.nodes[1].restraint = {};
    EXPECT_TRUE(recorderLines(store, recorders).empty());
}

} // namespace
} // namespace kelvane
