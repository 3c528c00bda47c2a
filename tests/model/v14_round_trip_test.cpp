#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/s2k_import.h"
#include "model/v14_converter.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <array>

namespace kelvane {
namespace {

// The two-brick V14 model converted, saved and imported as the user would.
TEST(V14RoundTrip, TheConvertedFileImportsWithJointsRestraintsLoadsAndSolids) {
    const V14Conversion conversion = convertV14(loadLines(test::dataPath("v14/two_bricks.s2k")));
    test::TempDir folder;
    saveLinesCrLf(folder.file("converted.s2k"), conversion.outputLines);
    ModelStore store;
    importS2kFile(store, initPalette(), folder.file("converted.s2k"));

    ASSERT_EQ(store.nodeCount, 12);
    EXPECT_EQ(store.nodes[6].x, 1000.0);
    EXPECT_EQ(store.nodes[6].y, 812.5);
    EXPECT_EQ(store.nodes[12].z, 1200.0); // four significant digits: 1200.5 is written 1.200E+003

    EXPECT_EQ(store.nodes[1].restraint, (DofFlags{0, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(store.nodes[7].restraint, (DofFlags{0, 0, 1, 1, 0, 0, 0})); // written as DOF=,U2,U3
    EXPECT_EQ(store.nodes[10].restraint, (DofFlags{0, 1, 0, 0, 0, 0, 0}));

    ASSERT_EQ(store.loadCaseCount, 1);
    EXPECT_EQ(store.loadCaseNames[1], "PUSH");
    ASSERT_EQ(store.loadCount, 6);
    // The moment lines (keys MZ and MX) are not keys the LOAD reader takes: their entries stay zero.
    using Force = std::array<double, 7>; // joint, then FX FY FZ MX MY MZ
    const Force expected[] = {{3, 100, 0, 0, 0, 0, 0},     {3, 0, 0, 0, 0, 0, 0},
                              {6, 250, 0, 0, 0, 0, 0},     {6, 0, 0, -500, 0, 0, 0},
                              {9, 0, 1.25e-4, 0, 0, 0, 0}, {9, 0, 0, 0, 0, 0, 0}};
    for (std::size_t k = 1; k <= 6; ++k) {
        const TLOAD& load = store.loads[k];
        EXPECT_EQ(load.kind, LoadJointForce) << k;
        EXPECT_EQ(load.caseName, "PUSH") << k;
        EXPECT_EQ(
            (Force{static_cast<double>(load.target), load.fx, load.fy, load.fz, load.mx, load.my, load.mz}),
            expected[k - 1])
            << k;
    }

    ASSERT_EQ(store.solidCount, 2);
    const TSOLID& solid = store.solids[2]; // written J=2,3,5,6,8,9,11,12; stored in ring order
    EXPECT_EQ((std::array<int, 8>{solid.node1, solid.node2, solid.node3, solid.node4, solid.node5,
                                  solid.node6, solid.node7, solid.node8}),
              (std::array<int, 8>{2, 3, 6, 5, 8, 9, 12, 11}));
    EXPECT_EQ(solid.section, 100);
}

} // namespace
} // namespace kelvane
