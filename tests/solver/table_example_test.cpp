// examples/seven-storey-office.s2k through the real solver: the table-format example building
// imports, generates and runs.
#include "solver/solver_fixture.h"

#include "results/node_results.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvane::test {
namespace {

// Seven storeys (4 m, then 3.5 m) over three 6 m bays along X and two along Y, kN and m: columns
// NC... (fiber columns by the name rule, which these tests ask for), elastic concrete and steel I
// beams, slabs, a diaphragm per floor (retained joints 97 to 103, the roof's last), joint masses;
// load patterns DEAD (self weight), SDEAD, LIVE and LATERAL (along X, equal at every joint of a
// floor).
std::string exampleModel() {
    return std::string(KELVANE_SOURCE_DIR) + "/examples/seven-storey-office.s2k";
}

constexpr int kRoof = 103;
constexpr int kFileJoints = 96;

class TableExampleTest : public SolverTest {};

TEST_F(TableExampleTest, DeadLoadThenLateralPushoverMovesEachFloorAsOne) {
    const ModelStore model = importedModel(exampleModel());
    ASSERT_EQ(model.nodeCount, kRoof);
    ASSERT_EQ(model.nodes[kRoof].label, "~FLOOR7");
    const int gravitySteps = 10, pushSteps = 30;
    ASSERT_FALSE(writeAndRun(exampleModel(), {"elementTypeFromName=1", "analysisType=3", "loadControlCase=1",
                                              "dispControlCase=4", "loadSteps=10", "controlNode=103",
                                              "controlDof=1", "controlDisp=1", "dispSteps=30"})
                     .empty());
    EXPECT_EQ(nonEmptyLines(file("node0.out")).size(), static_cast<std::size_t>(gravitySteps + pushSteps));
    EXPECT_EQ(nonEmptyLines(file("node1.out")).size(), static_cast<std::size_t>(gravitySteps + pushSteps))
        << "joints 101 to 103 are recorded in the second block";

    ModelStore store = importedModel(exampleModel());
    loadNodeDeformation(store, folder(), gravitySteps);
    EXPECT_LT(store.nodes[kFileJoints - 6].uz, 0.0) << "the roof settles under its self weight";
    const double gravitySway = store.nodes[kRoof].ux;
    EXPECT_NEAR(gravitySway, 0.0, 1e-6) << "a symmetric building does not sway under its weight";

    loadNodeDeformation(store, folder(), gravitySteps + pushSteps);
    EXPECT_NEAR(store.nodes[kRoof].ux, gravitySway + pushSteps * 1.0, 1e-5 * pushSteps);
    double below = 0;
    for (int floor = 1; floor <= 7; ++floor) {
        SCOPED_TRACE(floor);
        const double master = store.nodes[kFileJoints + floor].ux;
        EXPECT_GT(master, below) << "the sway grows with height";
        below = master;
        // The load's resultant acts at the centre of a symmetric plan: no floor turns.
        for (int joint = 12 * floor + 1; joint <= 12 * floor + 12; ++joint)
            EXPECT_NEAR(store.nodes[joint].ux, master, 1e-4 * master) << "joint " << joint;
    }
}

TEST_F(TableExampleTest, ModalAnalysisGivesPlausiblePeriodsAndModeShapes) {
    ASSERT_FALSE(writeAndRun(exampleModel(),
                             {"elementTypeFromName=1", "analysisType=4", "modalShape=1", "modalNumber=3"})
                     .empty());
    const auto periods = nonEmptyLines(file("Periods.txt"));
    ASSERT_EQ(periods.size(), 1u);
    const std::vector<double> eigenvalues = numbersOf(periods[0]);
    ASSERT_EQ(eigenvalues.size(), 12u);
    EXPECT_TRUE(std::is_sorted(eigenvalues.begin(), eigenvalues.end()));
    // A seven-storey frame of uncracked fiber columns: a first period well below the 0.1 s per
    // storey of cracked frames, and far above that of a rigid block.
    const double firstPeriod = 2 * std::numbers::pi / std::sqrt(eigenvalues.front());
    EXPECT_GT(firstPeriod, 0.2);
    EXPECT_LT(firstPeriod, 1.0);

    ModelStore store = importedModel(exampleModel());
    for (int mode = 1; mode <= 3; ++mode) {
        loadModeShape(store, folder(), mode);
        const TNODE& roof = store.nodes[kRoof];
        EXPECT_GT(std::abs(roof.ux) + std::abs(roof.uy), 0.0) << "mode " << mode;
        EXPECT_EQ(store.nodes[1].ux, 0.0);
    }
}

} // namespace
} // namespace kelvane::test
