#include "import_test_support.h"
#include "model/coordinate_rounding.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace kelvane;
using namespace kelvane::test;

TEST(CoordinateRounding, TenthsTiesGoToEvenOnTheBinaryValue) {
    EXPECT_EQ(roundToTenth(1234.56), 1234.6);
    EXPECT_EQ(roundToTenth(1234.54), 1234.5);
    EXPECT_EQ(roundToTenth(0.125), 0.1);
    EXPECT_EQ(roundToTenth(0.375), 0.4);
    EXPECT_EQ(roundToTenth(2.25), 2.2);
    EXPECT_EQ(roundToTenth(2.75), 2.8);
    EXPECT_EQ(roundToTenth(-1.25), -1.2);
    // The binary values of 0.35 and 12.35 lie just below the half.
    EXPECT_EQ(roundToTenth(0.35), 0.3);
    EXPECT_EQ(roundToTenth(12.35), 12.3);
    EXPECT_EQ(roundToTenth(-6000.0), -6000.0);
    EXPECT_EQ(roundToTenth(1e300), 1e300);
}

TEST(CoordinateRounding, ZeroIsNeverNegative) {
    EXPECT_FALSE(std::signbit(roundToTenth(-0.04)));
    EXPECT_FALSE(std::signbit(roundToTenth(-0.045)));
    // The binary value of -0.05 lies just beyond the half.
    EXPECT_EQ(roundToTenth(-0.05), -0.1);
    EXPECT_FALSE(std::signbit(roundToTenth(-0.0)));
}

TEST(JointTable, JointsAreNumberedByTablePositionNotByLabel) {
    const auto store =
        importText("; labels\n" + table("JOINT", {"  10  X=1234.56  Y=-0.04  Z=2.25", "  A7  X=1  Y=2  Z=3",
                                                  "  30  X=.5  Y=-1E3  Z=4e-1"}));
    ASSERT_EQ(store.nodeCount, 3);
    ASSERT_EQ(store.nodes.size(), 4u);
    EXPECT_EQ(store.nodes[1].x, 1234.6);
    EXPECT_EQ(store.nodes[1].y, 0.0);
    EXPECT_FALSE(std::signbit(store.nodes[1].y));
    EXPECT_EQ(store.nodes[1].z, 2.2);
    EXPECT_EQ(store.nodes[2].z, 3.0);
    EXPECT_EQ(store.nodes[3].x, 0.5);
    EXPECT_EQ(store.nodes[3].y, -1000.0);
    EXPECT_EQ(store.nodes[3].z, 0.4);
}

TEST(JointTable, ReferenceToALabelInsteadOfAPositionStopsTheImport) {
    ModelStore store;
    const std::string text =
        "x\n" + table("JOINT", {"  10  X=0  Y=0  Z=0", "  20  X=1  Y=0  Z=0", "  30  X=2  Y=0  Z=0"}) +
        table("RESTRAINT", {"  ADD=20  DOF=U1"});
    EXPECT_EQ(importFailure(store, text),
              "Table \"RESTRAINT\", line 8: joint 20 does not exist (the model has joints 1..3)");
    EXPECT_EQ(store.nodeCount, 3);
}

TEST(JointTable, BadCoordinatesAndAMissingEndStopTheImport) {
    EXPECT_EQ(importFailure("x\n" + table("JOINT", {"  1  X=1,5  Y=0  Z=0"})),
              "'Y' is not a valid floating point value (table JOINT, line 3)");
    EXPECT_EQ(importFailure("x\n" + table("JOINT", {"  1  X=0  Y=0"})),
              "'' is not a valid floating point value (table JOINT, line 3)");
    EXPECT_EQ(importFailure("x\n" + table("JOINT", {"  1  X=0  Y=0  Z=0", "  2  X=abc  Y=0  Z=0"})),
              "'abc' is not a valid floating point value (table JOINT, line 4)");
    EXPECT_EQ(importFailure("x\nJOINT\n  1  X=0  Y=0  Z=0\n  2  X=0  Y=0  Z=1"),
              "Range check error (table JOINT, line 2)");
}

TEST(JointTable, HeaderOnTheFilesFirstLineIsReadLikeAnyOther) {
    const auto store = importText(table("JOINT", {"  1  X=0  Y=0  Z=0", "  2  X=1000  Y=0  Z=3000"}) +
                                  table("RESTRAINT", {"  ADD=1  DOF=U1,U2,U3"}));
    ASSERT_EQ(store.nodeCount, 2);
    EXPECT_EQ(store.nodes[2].x, 1000);
    EXPECT_EQ(store.nodes[2].z, 3000);
    EXPECT_EQ(store.nodes[1].restraint, (DofFlags{0, 1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(importFailure("JOINT\n  1  X=0  Y=0  Z=0"), "Range check error (table JOINT, line 1)");
    EXPECT_EQ(importFailure("JOINT\n  1  X=0  Y=zero  Z=0\n\n"),
              "'zero' is not a valid floating point value (table JOINT, line 2)");
}

TEST(ConstraintTable, LastListedJointIsTheMaster) {
    const auto store =
        importText(jointsAlongX(9) +
                   table("CONSTRAINT", {"  NAME=2  TYPE=DIAPHRAGM  AXIS=Z", "    ADD=5",
                                        "  NAME=1  TYPE=DIAPHRAGM", "    ADD=7", "    ADD=9", "  NAME=3"}));
    ASSERT_EQ(store.diaphragmCount, 3);
    const TDIAPH& first = store.diaphragms[1];
    EXPECT_EQ(first.slaveCount, 1);
    EXPECT_EQ(first.members[1], 7);
    EXPECT_EQ(first.master, 9);
    EXPECT_EQ(first.members[2], 9);
    // One joint: nothing to tie, the joint is the master.
    EXPECT_EQ(store.diaphragms[2].slaveCount, 0);
    EXPECT_EQ(store.diaphragms[2].master, 5);
    // No joint at all: an empty constraint, not a negative count.
    EXPECT_EQ(store.diaphragms[3].slaveCount, 0);
    EXPECT_EQ(store.diaphragms[3].master, 0);
}

TEST(ConstraintTable, UnsupportedReferencesStopTheImportWithTheirLine) {
    const std::string joints = jointsAlongX(4);
    EXPECT_EQ(importFailure(joints + table("CONSTRAINT", {"    ADD=1", "  NAME=1"})),
              "Table \"CONSTRAINT\", line 9: an ADD line stands before the first NAME line");
    EXPECT_EQ(importFailure(joints + table("CONSTRAINT", {"  NAME=1", "    ADD=1", "  NAME=3", "    ADD=2"})),
              "Table \"CONSTRAINT\", line 11: constraint 3 does not exist (the table holds 2 constraints, "
              "numbered 1..2)");
    EXPECT_EQ(importFailure(joints + table("CONSTRAINT", {"  NAME=1", "    ADD=1", "    ADD=5"})),
              "Table \"CONSTRAINT\", line 11: joint 5 does not exist (the model has joints 1..4)");
    EXPECT_EQ(importFailure(joints + table("CONSTRAINT", {"  NAME=1", "    ADD=1", "  NAME=1", "    ADD=2"})),
              "Table \"CONSTRAINT\", line 11: constraint 1 is defined a second time");
    EXPECT_EQ(importFailure(joints + table("CONSTRAINT", {"  NAME=D1", "    ADD=1"})),
              "'D1' is not a valid integer value (table CONSTRAINT, line 9)");
}

TEST(RestraintTable, FlagsAreSetPerNamedDofAndAccumulate) {
    const auto store =
        importText(jointsAlongX(3) + table("RESTRAINT", {"  ADD=1  DOF=U3", "  ADD=2  DOF=U1,U2,U3,R1,R2,R3",
                                                         "  ADD=1  DOF=R2", "  NOTE=3  DOF=U1"}));
    EXPECT_EQ(store.nodes[1].restraint, (DofFlags{0, 0, 0, 1, 0, 1, 0}));
    EXPECT_EQ(store.nodes[2].restraint, (DofFlags{0, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(store.nodes[3].restraint, DofFlags{});
}

TEST(MassTable, MassesNeedTheirKeysAndLaterLinesOverwriteWhatTheyCarry) {
    const auto store =
        importText(jointsAlongX(4) + table("MASS", {"  ADD=4  U1=1  U2=2  U3=3", "  ADD=4  U1=10  U2=20",
                                                    "  ADD=2  U2=5  U1=6  U3=7"}));
    EXPECT_EQ(store.nodes[4].mass, (DofValues{0, 10, 20, 3, 0, 0, 0}));
    // Keys out of place are not stored.
    EXPECT_EQ(store.nodes[2].mass, (DofValues{0, 0, 0, 7, 0, 0, 0}));
    EXPECT_EQ(importFailure(jointsAlongX(4) + table("MASS", {"  ADD=4  U1=heavy"})),
              "'heavy' is not a valid floating point value (table MASS, line 9)");
    EXPECT_EQ(importFailure(jointsAlongX(4) + table("MASS", {"  ADD=x  U1=1"})),
              "'x' is not a valid integer value (table MASS, line 9)");
}
