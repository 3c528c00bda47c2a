#include "import_test_support.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace kelvane;
using namespace kelvane::test;

// A whole small model read from a file: every table reader contributes, and the rigid link ties
// the beam's end joint to the column top it is hinged to.
TEST(PortalFrameFile, ImportsEveryTableOfTheFile) {
    ModelStore store;
    importS2kFile(store, initPalette(), dataPath("import/portal-frame-rigid-link.s2k"));
    ASSERT_EQ(store.nodeCount, 5);
    ASSERT_EQ(store.frameCount, 4);
    EXPECT_EQ(store.nodes[2].restraint, (DofFlags{0, 1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(store.nodes[5].tiedTo, 3);
    EXPECT_EQ(store.nodes[3].tiedTo, 0);

    const TSECTION& column = store.frameSections[1];
    EXPECT_EQ(column.shape, ShapeI);
    EXPECT_EQ(column.elementType, NonlinearBeamColumn);
    EXPECT_EQ(column.hingeLengthI, 300.0);
    EXPECT_EQ(store.frameSections[2].elementType, ElasticBeamColumn);
    EXPECT_EQ(store.frameSections[3].elementType, RigidLink);

    // The right column is turned by 90 degrees about its axis: its local 2 axis turns from +X to +Y.
    EXPECT_NEAR(store.frames[2].axis2Y, 1.0, 1e-12);
    EXPECT_NEAR(store.frames[3].axis2Z, 1.0, 1e-12);
    EXPECT_EQ(store.frames[4].release, 2);

    ASSERT_EQ(store.loadCount, 2);
    EXPECT_EQ(store.loadCaseNames[1], "GRAVITY");
    EXPECT_EQ(store.loads[1].fx, -12.5);
    EXPECT_EQ(store.loads[1].direction, 2);
    EXPECT_EQ(store.loads[2].caseName, "WIND");
    EXPECT_EQ(store.loads[2].fx, 15000.0);
    EXPECT_EQ(store.loads[2].my, 0.0);
}
