// Link objects and link properties of the table format, in newtons and millimetres.
#include "table_import_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kelvane {
namespace {

using test::importTables;
using test::sapTable;

// kN and m: joints 1 and 2 apart along X, joint 3 on its own; a damper between 1 and 2, a friction
// isolator at 3 alone, a triple pendulum (not carried) between 2 and 3 and a link with no property.
const std::string kLinks =
    sapTable("PROGRAM CONTROL", {"ProgramName=SAP2000   Version=24.1.0   CurrUnits=\"KN, m, C\""}) +
    sapTable("JOINT COORDINATES", {"Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=0",
                                   "Joint=2   XorR=2   Y=0   Z=0", "Joint=3   XorR=4   Y=0   Z=0"}) +
    sapTable("LOAD PATTERN DEFINITIONS", {"LoadPat=DEAD   DesignType=Dead   SelfWtMult=1"}) +
    sapTable("LINK PROPERTY DEFINITIONS 01 - GENERAL",
             {"Link=DAMP   LinkType=\"Damper - Exponential\"   Mass=1   Weight=10   RotInert1=0",
              "Link=FPS   LinkType=\"Friction Isolator\"   Mass=2   Weight=0",
              "Link=TP   LinkType=\"Triple Pendulum Isolator\"   Mass=0   Weight=0"}) +
    sapTable(
        "LINK PROPERTY DEFINITIONS 04 - DAMPER",
        {"Link=DAMP   DOF=U1   Fixed=No   NonLinear=Yes   TransKE=1000   TransCE=2   DJ=0   TransK=5000   "
         "TransC=100   CExp=0.5",
         "Link=DAMP   DOF=R1   Fixed=Yes"}) +
    sapTable(
        "LINK PROPERTY DEFINITIONS 08 - SLIDING ISOLATOR",
        {"Link=FPS   DOF=U2   Fixed=No   NonLinear=Yes   TransKE=10   TransCE=0   DJ=0.1   TransK=20000   "
         "Slow=0.04   Fast=0.08   Rate=20   Radius=2",
         "Link=FPS   DOF=R3   Fixed=No   NonLinear=No   RotKE=3   RotCE=0"}) +
    sapTable("CONNECTIVITY - LINK", {"Link=D1   JointI=1   JointJ=2", "Link=F1   JointI=3   JointJ=3",
                                     "Link=T1   JointI=2   JointJ=3", "Link=X1   JointI=1   JointJ=3"}) +
    sapTable(
        "LINK PROPERTY ASSIGNMENTS",
        {"Link=D1   LinkType=Damper   LinkJoints=TwoJoint   LinkProp=DAMP   LinkFDProp=None",
         "Link=F1   LinkType=\"Friction Isolator\"   LinkJoints=SingleJoint   LinkProp=FPS   LinkFDProp=None",
         "Link=T1   LinkType=\"Triple Pendulum Isolator\"   LinkJoints=TwoJoint   LinkProp=TP"});

const ImportedModel& linkModel() {
    static const ImportedModel imported = importTables(kLinks);
    return imported;
}

TEST(TableLinks, LinksTakeTheirJointsAndPropertiesInNewtonsAndMillimetres) {
    const ModelStore& store = linkModel().store;
    ASSERT_EQ(store.linkCount, 2);
    ASSERT_EQ(store.linkPropCount, 3);
    const TLINK& damper = store.links[1];
    EXPECT_EQ(damper.label, "D1");
    EXPECT_EQ(damper.nodeI, 1);
    EXPECT_EQ(damper.nodeJ, 2);
    const TLINK& isolator = store.links[2];
    EXPECT_EQ(isolator.label, "F1");
    EXPECT_EQ(isolator.nodeI, 0); // the ground
    EXPECT_EQ(isolator.nodeJ, 3);

    const TLINKPROP& damp = store.linkProps[static_cast<std::size_t>(damper.prop)];
    EXPECT_EQ(damp.type, LinkDamper);
    const TLINKDOF& u1 = damp.dofs[1];
    EXPECT_TRUE(u1.active && u1.nonlinear && !u1.fixed);
    EXPECT_DOUBLE_EQ(u1.ke, 1000); // kN/m = N/mm
    EXPECT_DOUBLE_EQ(u1.ce, 2);    // kN s/m = N s/mm
    EXPECT_DOUBLE_EQ(u1.k, 5000);
    // 100 kN / (m/s)^0.5 = 1e5 N / (1000 mm/s)^0.5
    EXPECT_NEAR(u1.c, 1e5 / std::sqrt(1000.0), 1e-9 * u1.c);
    EXPECT_DOUBLE_EQ(u1.cExponent, 0.5);
    EXPECT_TRUE(damp.dofs[4].active && damp.dofs[4].fixed);
    EXPECT_FALSE(damp.dofs[2].active);

    const TLINKPROP& fps = store.linkProps[static_cast<std::size_t>(isolator.prop)];
    EXPECT_EQ(fps.type, LinkFrictionIsolator);
    const TLINKDOF& u2 = fps.dofs[2];
    EXPECT_DOUBLE_EQ(u2.k, 20000);
    EXPECT_DOUBLE_EQ(u2.slow, 0.04);
    EXPECT_DOUBLE_EQ(u2.fast, 0.08);
    EXPECT_DOUBLE_EQ(u2.rate, 0.02); // s/m to s/mm
    EXPECT_DOUBLE_EQ(u2.radius, 2000);
    EXPECT_DOUBLE_EQ(u2.distanceJ, 100);
    EXPECT_DOUBLE_EQ(fps.dofs[6].ke, 3e6); // kN m/rad to N mm/rad
    EXPECT_EQ(store.linkProps[3].type, LinkUnsupported);
}

// SAP2000 lumps half a two-joint link's mass and weight at each end, and a one-joint link's all at
// its joint (kN s^2/m = N s^2/mm, kN = 1000 N).
TEST(TableLinks, MassAndWeightGoToTheJointsAsSap2000LumpsThem) {
    const ModelStore& store = linkModel().store;
    const double expectedMass[] = {0, 0.5, 0.5, 2};
    for (int n = 1; n <= 3; ++n)
        for (std::size_t dof = 1; dof <= 3; ++dof)
            EXPECT_DOUBLE_EQ(store.nodes[static_cast<std::size_t>(n)].mass[dof], expectedMass[n])
                << "joint " << n << ", dof " << dof;
    double weight[4] = {};
    for (int i = 1; i <= store.loadCount; ++i) {
        const TLOAD& load = store.loads[static_cast<std::size_t>(i)];
        if (load.kind == LoadJointForce && load.caseName == "DEAD")
            weight[load.target] += load.fz;
    }
    EXPECT_DOUBLE_EQ(weight[1], -5000);
    EXPECT_DOUBLE_EQ(weight[2], -5000);
    EXPECT_DOUBLE_EQ(weight[3], 0);
}

TEST(TableLinks, ReportNamesTheLinksAndPropertiesLeftOut) {
    std::vector<std::string> lines;
    for (const tables::NotCarried& item : linkModel().report.notCarried)
        lines.push_back(item.what);
    for (const std::string_view expected : {"link properties of a type not carried: TP (Triple Pendulum Isolator)",
                                       "link objects without a link property (left out): X1",
                                       "link objects whose property type is not carried (left out): T1"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected;
}

TEST(TableLinks, BadRowsStopWithTheTableLineAndValue) {
    const std::string head =
        sapTable("JOINT COORDINATES", {"Joint=1   XorR=0   Y=0   Z=0"}) +
        sapTable("LINK PROPERTY DEFINITIONS 01 - GENERAL", {"Link=L   LinkType=Linear   Mass=0   Weight=0"});
    struct Case {
        std::string tables, message;
    };
    const Case cases[] = {
        {sapTable("LINK PROPERTY DEFINITIONS 02 - LINEAR", {"Link=L   DOF=U7   Fixed=No   TransKE=1"}),
         "DOF=U7: a link direction is U1, U2, U3, R1, R2 or R3"},
        {sapTable("LINK PROPERTY DEFINITIONS 02 - LINEAR", {"Link=M   DOF=U1   Fixed=No   TransKE=1"}),
         "Link=M: there is no link property of that name"},
        {sapTable("CONNECTIVITY - LINK", {"Link=1   JointI=1   JointJ=1"}) +
             sapTable("LINK PROPERTY ASSIGNMENTS", {"Link=1   LinkJoints=SingleJoint   LinkProp=Q"}),
         "LinkProp=Q: there is no link property of that name"},
        {sapTable("CONNECTIVITY - LINK", {"Link=1   JointI=1   JointJ=9"}), "9"},
    };
    for (const Case& c : cases) {
        const std::string failure = test::tableImportFailure(head + c.tables);
        EXPECT_NE(failure.find(c.message), std::string::npos) << failure;
        EXPECT_NE(failure.find("line"), std::string::npos) << failure;
    }
}

} // namespace
} // namespace kelvane
