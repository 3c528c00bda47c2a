// Link objects and link properties of the table format, in newtons and millimetres.
#include "table_import_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kelvane {
namespace {

using test::sapTable;

// kN and m: a damper between joints 1 and 2, a friction isolator at joint 3 alone, a triple
// pendulum (not carried) and a link without a property. SAP2000 lumps half a two-joint link's mass
// and weight at each end and a one-joint link's all at its joint.
TEST(TableLinks, LinksTakeJointsPropertiesMassAndWeightAndTheReportNamesWhatIsLeftOut) {
    const ImportedModel model = test::importTables(
        sapTable("PROGRAM CONTROL", {"CurrUnits=\"KN, m, C\""}) +
        sapTable("JOINT COORDINATES", {"Joint=1   XorR=0   Y=0   Z=0", "Joint=2   XorR=2   Y=0   Z=0",
                                       "Joint=3   XorR=4   Y=0   Z=0"}) +
        sapTable("LOAD PATTERN DEFINITIONS", {"LoadPat=DEAD   SelfWtMult=1"}) +
        sapTable("LINK PROPERTY DEFINITIONS 01 - GENERAL",
                 {"Link=DAMP   LinkType=\"Damper - Exponential\"   Mass=1   Weight=10",
                  "Link=FPS   LinkType=\"Friction Isolator\"   Mass=2",
                  "Link=TP   LinkType=\"Triple Pendulum Isolator\""}) +
        sapTable("LINK PROPERTY DEFINITIONS 04 - DAMPER",
                 {"Link=DAMP   DOF=U1   Fixed=No   NonLinear=Yes   TransKE=1000   TransC=100   CExp=0.5"}) +
        sapTable("LINK PROPERTY DEFINITIONS 08 - SLIDING ISOLATOR",
                 {"Link=FPS   DOF=U2   Fixed=No   NonLinear=Yes   Rate=20   Radius=2"}) +
        sapTable("CONNECTIVITY - LINK", {"Link=D1   JointI=1   JointJ=2", "Link=F1   JointI=3   JointJ=3",
                                         "Link=T1   JointI=2   JointJ=3", "Link=X1   JointI=1   JointJ=3"}) +
        sapTable("LINK LOCAL AXES ASSIGNMENTS 1 - TYPICAL", {"Link=F1   Angle=30   AdvanceAxes=No"}) +
        sapTable("LINK PROPERTY ASSIGNMENTS", {"Link=D1   LinkJoints=TwoJoint   LinkProp=DAMP",
                                               "Link=F1   LinkJoints=SingleJoint   LinkProp=FPS",
                                               "Link=T1   LinkJoints=TwoJoint   LinkProp=TP"}));
    const ModelStore& store = model.store;
    ASSERT_EQ(store.linkCount, 2);
    EXPECT_EQ(std::vector<std::int32_t>(
                  {store.links[1].nodeI, store.links[1].nodeJ, store.links[2].nodeI, store.links[2].nodeJ}),
              std::vector<std::int32_t>({1, 2, 0, 3})); // F1 from the ground
    EXPECT_EQ(store.links[2].angle, 30);
    const TLINKDOF& damper = store.linkProps[1].dofs[1];
    EXPECT_DOUBLE_EQ(damper.ke, 1000);                               // kN/m = N/mm
    EXPECT_NEAR(damper.c, 1e5 / std::sqrt(1000.0), 1e-9 * damper.c); // kN / (m/s)^0.5
    EXPECT_DOUBLE_EQ(store.linkProps[2].dofs[2].rate * store.linkProps[2].dofs[2].radius, 40); // s/mm, mm
    const double mass[] = {0, 0.5, 0.5, 2}, weight[] = {0, -5000, -5000, 0};
    double loads[4] = {};
    for (int i = 1; i <= store.loadCount; ++i)
        loads[store.loads[static_cast<std::size_t>(i)].target] += store.loads[static_cast<std::size_t>(i)].fz;
    for (std::size_t n = 1; n <= 3; ++n) {
        EXPECT_DOUBLE_EQ(store.nodes[n].mass[1], mass[n]) << n;
        EXPECT_DOUBLE_EQ(store.nodes[n].mass[3], mass[n]) << n;
        EXPECT_DOUBLE_EQ(loads[n], weight[n]) << n;
    }
    std::string lines;
    for (const tables::NotCarried& item : model.report.notCarried)
        lines += item.what + "\n";
    EXPECT_NE(lines.find("link properties of a type not carried: TP (Triple Pendulum Isolator)\n"
                         "link objects without a link property (left out): X1\n"
                         "link objects whose property type is not carried (left out): T1\n"),
              std::string::npos)
        << lines;
}

TEST(TableLinks, BadRowsStopWithTheTableLineAndValue) {
    const std::string head = sapTable("JOINT COORDINATES", {"Joint=1   XorR=0   Y=0   Z=0"}) +
                             sapTable("LINK PROPERTY DEFINITIONS 01 - GENERAL", {"Link=L   LinkType=Linear"});
    const std::string linear = "LINK PROPERTY DEFINITIONS 02 - LINEAR";
    const std::pair<std::string, std::string> cases[] = {
        {sapTable(linear, {"Link=L   DOF=U7"}), "DOF=U7: a link direction is U1, U2, U3, R1, R2 or R3"},
        {sapTable(linear, {"Link=M   DOF=U1"}), "Link=M: there is no link property of that name"},
        {sapTable("CONNECTIVITY - LINK", {"Link=1   JointI=1"}) +
             sapTable("LINK PROPERTY ASSIGNMENTS", {"Link=1   LinkProp=Q"}),
         "LinkProp=Q: there is no link property of that name"},
    };
    for (const auto& [tables, message] : cases) {
        const std::string failure = test::tableImportFailure(head + tables);
        EXPECT_NE(failure.find(message), std::string::npos) << failure;
        EXPECT_NE(failure.find(", line "), std::string::npos) << failure;
    }
}

} // namespace
} // namespace kelvane
