#include "model/colour_table.h"
#include "model/s2k_import.h"
#include "model/v14_converter.h"
#include "common/text_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <array>

namespace kelvane {
namespace {

// Converts the two-brick V14 model, saves it and imports the saved file as the user would.
class V14RoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        const V14Conversion conversion = convertV14(loadLines(test::dataPath("v14/two_bricks.s2k")));
        saveLinesCrLf(folder.file("converted.s2k"), conversion.outputLines);
        importS2kFile(store, initPalette(), folder.file("converted.s2k"));
    }
    test::TempDir folder;
    ModelStore store;
};

TEST_F(V14RoundTrip, JointsArriveWithTheirCoordinates) {
    ASSERT_EQ(store.nodeCount, 12);
    EXPECT_EQ(store.nodes[1].x, -1000.0);
    EXPECT_EQ(store.nodes[6].x, 1000.0);
    EXPECT_EQ(store.nodes[6].y, 812.5);
    EXPECT_EQ(store.nodes[12].z, 1200.0); // four significant digits: 1200.5 is written 1.200E+003
}

TEST_F(V14RoundTrip, RestraintsKeepEveryFlagIncludingAListWithALeadingComma) {
    EXPECT_EQ(store.nodes[1].restraint, (DofFlags{0, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(store.nodes[4].restraint, (DofFlags{0, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(store.nodes[7].restraint, (DofFlags{0, 0, 1, 1, 0, 0, 0}));
    EXPECT_EQ(store.nodes[10].restraint, (DofFlags{0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(store.nodes[2].restraint, DofFlags{});
}

TEST_F(V14RoundTrip, ForcesAndMomentsLoadTheOneCasePush) {
    ASSERT_EQ(store.loadCaseCount, 1);
    EXPECT_EQ(store.loadCaseNames[1], "PUSH");
    ASSERT_EQ(store.loadCount, 6);
    struct Expected {
        int joint;
        std::array<double, 6> force;
    };
    const Expected expected[] = {{3, {100, 0, 0, 0, 0, 0}},   {3, {0, 0, 0, 0, 0, -5}},
                                 {6, {250, 0, 0, 0, 0, 0}},   {6, {0, 0, -500, 0, 0, 0}},
                                 {9, {0, 1.25e-4, 0, 0, 0, 0}}, {9, {0, 0, 0, 12.5, 0, 0}}};
    for (int k = 1; k <= 6; ++k) {
        const TLOAD& load = store.loads[static_cast<std::size_t>(k)];
        const Expected& want = expected[k - 1];
        EXPECT_EQ(load.kind, LoadJointForce) << k;
        EXPECT_EQ(load.caseName, "PUSH") << k;
        EXPECT_EQ(load.target, want.joint) << k;
        EXPECT_EQ((std::array<double, 6>{load.fx, load.fy, load.fz, load.mx, load.my, load.mz}), want.force) << k;
    }
}

TEST_F(V14RoundTrip, SolidsArriveWithTheirCornersInRingOrder) {
    ASSERT_EQ(store.solidCount, 2);
    const TSOLID& solid = store.solids[2];
    // Written as J=2,3,5,6,8,9,11,12; the importer swaps the third and fourth corner of each face.
    EXPECT_EQ((std::array<int, 8>{solid.node1, solid.node2, solid.node3, solid.node4, solid.node5, solid.node6,
                                  solid.node7, solid.node8}),
              (std::array<int, 8>{2, 3, 6, 5, 8, 9, 12, 11}));
    EXPECT_EQ(solid.section, 100);
}

} // namespace
} // namespace kelvane
