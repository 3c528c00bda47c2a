#include "import_test_support.h"
#include "model/local_axis.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace kelvane;
using namespace kelvane::test;

namespace {

constexpr double kTolerance = 1e-12;

void expectAxis(const Axis2& axis, double x, double y, double z) {
    EXPECT_NEAR(axis.x, x, kTolerance);
    EXPECT_NEAR(axis.y, y, kTolerance);
    EXPECT_NEAR(axis.z, z, kTolerance);
}

// Joints: 1 (0,0,0), 2 (6000,0,0), 3 (0,0,3000), 4 (0,5000,0), 5 (6000,0,3000), 6 (6000,0,3500),
// 7 (6000,0,3000.04), which meets joint 5 once rounded to one decimal.
const std::string kJoints =
    "; frames\n" + table("JOINT", {"  1  X=0  Y=0  Z=0", "  2  X=6000  Y=0  Z=0", "  3  X=0  Y=0  Z=3000",
                                   "  4  X=0  Y=5000  Z=0", "  5  X=6000  Y=0  Z=3000",
                                   "  6  X=6000  Y=0  Z=3500", "  7  X=6000  Y=0  Z=3000.04"});

std::string withFrames(std::initializer_list<std::string_view> frames,
                       std::string_view sections = "  NAME=NCOL  MAT=C  SH=R  T=1,1\n"
                                                   "  NAME=RLINK  MAT=C  SH=R  T=1,1\n") {
    return kJoints + "FRAME SECTION\n" + std::string(sections) + "\n" + table("FRAME", frames);
}

} // namespace

TEST(LocalAxis, WorkedCases) {
    expectAxis(localAxis2(0, 0, 0, 6000, 0, 0, 0), 0, 0, 1);
    expectAxis(localAxis2(0, 0, 0, 6000, 0, 0, 90), 0, -1, 0);
    expectAxis(localAxis2(0, 0, 0, 0, 0, 3000, 0), 1, 0, 0);
    expectAxis(localAxis2(0, 0, 3000, 0, 0, 0, 0), -1, 0, 0);
    expectAxis(localAxis2(0, 0, 0, 0, 5000, 0, 0), 0, 0, 1);
    expectAxis(localAxis2(6000, 0, 0, 0, 0, 0, 0), 0, 0, 1);
    expectAxis(localAxis2(6000, 0, 0, 0, 0, 0, 90), 0, 1, 0);
}

TEST(LocalAxis, IsAUnitVectorNormalToTheMemberTurnedByTheAngle) {
    const double ends[][6] = {
        {0, 0, 0, 3000, 4000, 5000}, {100, 200, 300, -2000, 700, -900}, {0, 0, 0, -1, -1, 0}};
    for (const auto& e : ends) {
        const double dx = e[3] - e[0], dy = e[4] - e[1], dz = e[5] - e[2];
        const Axis2 upright = localAxis2(e[0], e[1], e[2], e[3], e[4], e[5], 0);
        for (double angle : {0.0, 30.0, 90.0, 200.0, -45.0}) {
            const Axis2 a = localAxis2(e[0], e[1], e[2], e[3], e[4], e[5], angle);
            EXPECT_NEAR(a.x * a.x + a.y * a.y + a.z * a.z, 1.0, 1e-12);
            EXPECT_NEAR(a.x * dx + a.y * dy + a.z * dz, 0.0, 1e-9);
            // The angle turns the vector about the member by exactly that angle.
            const double cosine = a.x * upright.x + a.y * upright.y + a.z * upright.z;
            EXPECT_NEAR(cosine, std::cos(angle * std::numbers::pi / 180.0), 1e-12) << angle;
        }
        // At angle 0 the vector points upward within the member's vertical plane.
        EXPECT_GT(upright.z, 0.0);
        EXPECT_NEAR(upright.x * dy - upright.y * dx, 0.0, 1e-9);
    }
}

TEST(LocalAxis, ZeroLengthIsAnInvalidOperation) {
    try {
        localAxis2(1, 2, 3, 1, 2, 3, 0);
        FAIL() << "no error";
    } catch (const KelvaneError& error) {
        EXPECT_STREQ(error.what(), "Invalid floating point operation");
    }
}

TEST(FrameTable, ReadsEndsSectionSegmentsAngleAndAxis) {
    const auto store = importText(
        withFrames({"  1  J=1,2  SEC=NCOL  NSEG=4  ANG=90", "  F2  J=1,3  SEC=NOSUCH  NSEG=2  ANG=0",
                    "  3  J=3,1  SEC=RLINK  NSEG=1  ANG=0"}));
    ASSERT_EQ(store.frameCount, 3);
    const TFRAME& beam = store.frames[1];
    EXPECT_EQ(beam.nodeI, 1);
    EXPECT_EQ(beam.nodeJ, 2);
    EXPECT_EQ(beam.sectionName, "NCOL");
    EXPECT_EQ(beam.section, 1);
    EXPECT_EQ(beam.segments, 4);
    EXPECT_EQ(beam.angle, 90.0);
    EXPECT_NEAR(beam.axis2Y, -1.0, kTolerance);
    // An unknown section name refers to the empty entry 0.
    EXPECT_EQ(store.frames[2].section, 0);
    EXPECT_EQ(store.frameSections[0].elementType, 0);
    EXPECT_EQ(store.frameSections[0].name, "");
    EXPECT_NEAR(store.frames[2].axis2X, 1.0, kTolerance);
    EXPECT_NEAR(store.frames[3].axis2X, -1.0, kTolerance);
}

TEST(FrameTable, RightmostReleaseWinsAndSameNamedSectionsResolveToTheLast) {
    const auto store = importText(
        withFrames({"  1  J=1,2  SEC=N  NSEG=1  ANG=0  IREL=R3  JREL=R3",
                    "  2  J=1,2  SEC=N  NSEG=1  ANG=0  JREL=R3  IREL=R3",
                    "  3  J=1,2  SEC=N  NSEG=1  ANG=0  JREL=R2,R3", "  4  J=1,2  SEC=N  NSEG=1  ANG=0"},
                   "  NAME=N  MAT=C  SH=R  T=1,1\n  NAME=N  MAT=C  SH=R  T=2,2\n"));
    EXPECT_EQ(store.frames[1].release, 2);
    EXPECT_EQ(store.frames[2].release, 1);
    EXPECT_EQ(store.frames[3].release, 2);
    EXPECT_EQ(store.frames[4].release, 0);
    EXPECT_EQ(store.frames[1].section, 2);
}

TEST(FrameTable, MalformedLinesStopTheImport) {
    EXPECT_EQ(importFailure(withFrames({"  1  J=1,2  SEC=NCOL  ANG=0"})),
              "'' is not a valid floating point value (table FRAME, line 16)");
    EXPECT_EQ(importFailure(withFrames({"  1  J=1,2  SEC=NCOL  NSEG=two  ANG=0"})),
              "'two' is not a valid integer value (table FRAME, line 16)");
    EXPECT_EQ(importFailure(withFrames({"  1  J=5,7  SEC=NCOL  NSEG=1  ANG=0"})),
              "Invalid floating point operation (table FRAME, line 16)");
    EXPECT_EQ(importFailure(withFrames({"  1  J=1,8  SEC=NCOL  NSEG=1  ANG=0"})),
              "Table \"FRAME\", line 16: joint 8 does not exist (the model has joints 1..7)");
    EXPECT_EQ(importFailure(withFrames({"  1  J=0,1  SEC=NCOL  NSEG=1  ANG=0"})),
              "Table \"FRAME\", line 16: joint 0 does not exist (the model has joints 1..7)");
    EXPECT_EQ(importFailure(table("x\nFRAME", {"  1  J=1,2  SEC=S  NSEG=1  ANG=0"})),
              "Table \"FRAME\", line 3: joint 1 does not exist (the model has no joints)");
}

TEST(RigidLinks, ReleasedLinkTiesTheOtherEndJoint) {
    const auto store = importText(withFrames(
        {"  1  J=5,6  SEC=RLINK  NSEG=1  ANG=0  JREL=R2", "  2  J=1,2  SEC=RLINK  NSEG=1  ANG=0  IREL=R3",
         "  3  J=1,3  SEC=RLINK  NSEG=1  ANG=0", "  4  J=4,1  SEC=NCOL  NSEG=1  ANG=0  JREL=R3",
         "  5  J=3,4  SEC=RLINK  NSEG=1  ANG=0  JREL=R3", "  6  J=3,1  SEC=RLINK  NSEG=1  ANG=0  JREL=R3"},
        "  NAME=NCOL  MAT=C  SH=R  T=1,1\n  NAME=RLINK  MAT=C  SH=R  T=1,1\n"
        "  NAME=X  MAT=C  SH=R  T=1,1\n"));
    EXPECT_EQ(store.nodes[5].tiedTo, 6);
    EXPECT_EQ(store.nodes[6].tiedTo, 0);
    EXPECT_EQ(store.nodes[2].tiedTo, 1);
    EXPECT_EQ(store.nodes[1].tiedTo, 0);
    EXPECT_EQ(store.nodes[4].tiedTo, 0);
    // A joint tied by several links keeps the last one.
    EXPECT_EQ(store.nodes[3].tiedTo, 1);
}

TEST(ShellTable, CornersInRingOrderAndOnlyShellSectionsCount) {
    const auto store = importText(
        kJoints +
        table("SHELL SECTION", {"  NAME=SLAB  MAT=C  MATANG=0  Shell  TH=150,150",
                                "  NAME=MEM  MAT=C  MATANG=0  Membrane  TH=100,100"}) +
        table("SHELL", {"  1  J=1,2,3,4  SEC=SLAB", "  2  J=4,3,2,1  SEC=MEM", "  3  J=1,2,3,5  SEC=SLAB"}));
    ASSERT_EQ(store.areaCount, 3);
    const TSHELL& area = store.shells[1];
    EXPECT_EQ((std::array{area.node1, area.node2, area.node3, area.node4}), (std::array{1, 2, 4, 3}));
    EXPECT_EQ(area.section, 1);
    EXPECT_EQ(store.shells[2].sectionName, "MEM");
    EXPECT_EQ(store.shells[2].section, 0);
    EXPECT_EQ(store.shellCount, 2);
    EXPECT_EQ(importFailure(kJoints + table("SHELL", {"  1  J=1,2,3"})),
              "'' is not a valid integer value (table SHELL, line 12)");
    EXPECT_EQ(importFailure(kJoints + table("SHELL", {"  1  J=1,2,3,9  SEC=SLAB"})),
              "Table \"SHELL\", line 12: joint 9 does not exist (the model has joints 1..7)");
}

TEST(SolidTable, CornersInRingOrderAndSectionNumber) {
    const auto store = importText(kJoints + table("SOLID", {"  1  J=1,2,3,4,5,6,1,2  SEC=100"}));
    ASSERT_EQ(store.solidCount, 1);
    const TSOLID& s = store.solids[1];
    EXPECT_EQ((std::array{s.node1, s.node2, s.node3, s.node4, s.node5, s.node6, s.node7, s.node8}),
              (std::array{1, 2, 4, 3, 5, 6, 2, 1}));
    EXPECT_EQ(s.section, 100);
    EXPECT_EQ(importFailure(kJoints + table("SOLID", {"  1  J=1,2,3,4,5,6,1  SEC=100"})),
              "'SEC' is not a valid integer value (table SOLID, line 12)");
    EXPECT_EQ(importFailure(kJoints + table("SOLID", {"  1  J=1,2,3,4,5,6,1,2  SEC=brick"})),
              "'brick' is not a valid integer value (table SOLID, line 12)");
}
