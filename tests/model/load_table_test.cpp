#include "import_test_support.h"

#include <gtest/gtest.h>

using namespace kelvane;
using namespace kelvane::test;

namespace {

// Four joints along X and three frames between them.
std::string withLoads(std::initializer_list<std::string_view> lines) {
    return jointsAlongX(4) +
           table("FRAME", {"  1  J=1,2  SEC=B  NSEG=1  ANG=0", "  2  J=2,3  SEC=B  NSEG=1  ANG=0",
                           "  3  J=3,4  SEC=B  NSEG=1  ANG=0"}) +
           table("LOAD", lines);
}

} // namespace

TEST(LoadTable, JointForcesTakeTheSixKeyedComponents) {
    const auto store = importText(
        withLoads({"  NAME=PUSH", "    TYPE=FORCE", "      ADD=4  UZ=-1.5E+003",
                   "      ADD=2  UX=1  UY=2  UZ=3  RX=4  RY=5  RZ=6", "      ADD=3  MX=7  MY=8  MZ=9"}));
    ASSERT_EQ(store.loadCount, 3);
    ASSERT_EQ(store.loadCaseCount, 1);
    EXPECT_EQ(store.loadCaseNames[1], "PUSH");
    const TLOAD& onlyZ = store.loads[1];
    EXPECT_EQ(onlyZ.kind, LoadJointForce);
    EXPECT_EQ(onlyZ.caseName, "PUSH");
    EXPECT_EQ(onlyZ.target, 4);
    EXPECT_EQ((std::array{onlyZ.fx, onlyZ.fy, onlyZ.fz, onlyZ.mx, onlyZ.my, onlyZ.mz}),
              (std::array{0.0, 0.0, -1500.0, 0.0, 0.0, 0.0}));
    const TLOAD& all = store.loads[2];
    EXPECT_EQ((std::array{all.fx, all.fy, all.fz, all.mx, all.my, all.mz}),
              (std::array{1.0, 2.0, 3.0, 4.0, 5.0, 6.0}));
    // Moment keys other than RX, RY, RZ give an entry without components.
    const TLOAD& moments = store.loads[3];
    EXPECT_EQ(moments.kind, LoadJointForce);
    EXPECT_EQ(moments.target, 3);
    EXPECT_EQ((std::array{moments.fx, moments.fy, moments.fz, moments.mx, moments.my, moments.mz}),
              (std::array<double, 6>{}));
}

TEST(LoadTable, DistributedLoadsGiveDirectionAndEquivalentIntensity) {
    const auto store =
        importText(withLoads({"  NAME=DEAD", "    TYPE=DISTRIBUTED", "      ADD=1  RD=0,1  U3=10,20",
                              "      ADD=2  RD=0,.5  UZ=10,20", "      ADD=3  RD=.25,.75  U1=-4,-4",
                              "      ADD=1  RD=0,1  U2=1,1", "      ADD=2  RD=0,1  GRAV=1,1"}));
    ASSERT_EQ(store.loadCount, 5);
    const TLOAD& full = store.loads[1];
    EXPECT_EQ(full.kind, LoadDistributed);
    EXPECT_EQ(full.target, 1);
    EXPECT_EQ(full.direction, 3);
    EXPECT_EQ(full.fx, 15.0);
    EXPECT_EQ(full.fy, 0.0);
    EXPECT_EQ(store.loads[2].direction, 2);
    EXPECT_EQ(store.loads[2].fx, 7.5);
    EXPECT_EQ(store.loads[3].direction, 1);
    EXPECT_EQ(store.loads[3].fx, -2.0);
    EXPECT_EQ(store.loads[4].direction, 2);
    EXPECT_EQ(store.loads[5].direction, 0);
}

TEST(LoadTable, KindCarriesOverNameLinesAndOtherTypesCreateNoEntry) {
    const auto store = importText(
        withLoads({"      ADD=1  UX=5", "  NAME=A", "    TYPE=FORCE", "      ADD=1  UX=1", "  NAME=B",
                   "      ADD=2  UX=2", "    TYPE=CONCENTRATED SPAN", "      ADD=3  RD=.5  UZ=-9",
                   "    TYPE=DISTRIBUTED", "      ADD=3  RD=0,1  UZ=-2,-2"}));
    EXPECT_EQ(store.loadCount, 5);
    EXPECT_EQ(store.loadCaseCount, 2);
    EXPECT_EQ(store.loads[1].caseName, "A");
    EXPECT_EQ(store.loads[1].fx, 1.0);
    // Case B has no TYPE line of its own: its first ADD line is a joint force like case A's.
    EXPECT_EQ(store.loads[2].caseName, "B");
    EXPECT_EQ(store.loads[2].kind, LoadJointForce);
    EXPECT_EQ(store.loads[2].target, 2);
    EXPECT_EQ(store.loads[3].kind, LoadDistributed);
    EXPECT_EQ(store.loads[3].fx, -2.0);
    EXPECT_EQ(store.loads[4].kind, LoadNone);
    EXPECT_EQ(store.loads[5].kind, LoadNone);
    EXPECT_EQ(store.loads[5].caseName, "");
}

TEST(LoadTable, AnyNumberOfCasesIsReadAndBadReferencesStopTheImport) {
    std::string text = "x\nLOAD\n";
    for (int i = 1; i <= 11; ++i)
        text += "  NAME=C" + std::to_string(i) + "\n";
    const ModelStore store = importText(text + "\n");
    ASSERT_EQ(store.loadCaseCount, 11);
    ASSERT_EQ(store.loadCaseNames.size(), 12u);
    EXPECT_EQ(store.loadCaseNames[10], "C10");
    EXPECT_EQ(store.loadCaseNames[11], "C11");

    EXPECT_EQ(importFailure(withLoads({"  NAME=A", "    TYPE=FORCE", "      ADD=5  UX=1"})),
              "Table \"LOAD\", line 16: joint 5 does not exist (the model has joints 1..4)");
    EXPECT_EQ(importFailure(withLoads({"  NAME=A", "    TYPE=DISTRIBUTED", "      ADD=4  RD=0,1  UZ=1,1"})),
              "Table \"LOAD\", line 16: frame 4 does not exist (the model has frames 1..3)");
    EXPECT_EQ(importFailure(withLoads({"  NAME=A", "    TYPE=FORCE", "      ADD=1  UX=big"})),
              "'big' is not a valid floating point value (table LOAD, line 16)");
    EXPECT_EQ(importFailure(withLoads({"  NAME=A", "    TYPE=DISTRIBUTED", "      ADD=1  RD=0  UZ=1,1"})),
              "'UZ' is not a valid floating point value (table LOAD, line 16)");
    // ADD lines of groups that create no entry are not converted.
    EXPECT_EQ(importFailure(withLoads({"  NAME=A", "    TYPE=GRAVITY", "      ADD=joint  UX=big"})), "");
}

TEST(LoadTable, MissingOrUnclosedTableHoldsNoLoads) {
    const auto none = importText(jointsAlongX(1));
    EXPECT_EQ(none.loadCount, 0);
    EXPECT_EQ(none.loadCaseCount, 0);
    const auto unclosed = importText(jointsAlongX(1) + "LOAD\n  NAME=A\n    TYPE=FORCE\n      ADD=1  UX=1");
    EXPECT_EQ(unclosed.loadCount, 0);
    EXPECT_EQ(unclosed.loadCaseCount, 0);
}
