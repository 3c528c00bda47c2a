#include "solver/solver_fixture.h"

#include <gmock/gmock.h>

#include "results/animation_state.h"
#include "results/curves.h"
#include "results/displacement_history.h"
#include "results/node_results.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <sstream>

namespace kelvane::test {
namespace {

// examples/three-storey-rc-frame.s2k: 40 joints, 65 frames of every kind, 12 slab shells, three
// diaphragms; load case 1 DEAD (distributed beam loads), case 2 PUSH (forces on the masters);
// joint 39 is the roof master.
std::string exampleModel() {
    return std::string(KELVANE_SOURCE_DIR) + "/examples/three-storey-rc-frame.s2k";
}

constexpr int kJoints = 40;
constexpr int kFrames = 65;
constexpr int kRoofMaster = 39;

std::vector<std::string> linesStartingWith(const std::string& text, const std::string& start) {
    std::vector<std::string> found;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line))
        if (line.rfind(start, 0) == 0)
            found.push_back(line);
    return found;
}

class ExampleModelTest : public SolverTest {};

TEST_F(ExampleModelTest, GravityThenPushoverCompletesAndEveryRecorderIsReadBack) {
    const int gravitySteps = 10;
    const int pushSteps = 40;
    const double increment = 0.5;
    ASSERT_FALSE(
        writeAndRun(exampleModel(), {"analysisType=3", "loadControlCase=1", "dispControlCase=2",
                                     "loadSteps=10", "controlNode=39", "controlDof=1", "controlDisp=0.5",
                                     "dispSteps=40", "elementForce=1", "sectionDeformation=1"})
            .empty());
    const std::size_t steps = gravitySteps + pushSteps;
    for (const char* recorder : {"node0.out", "ele0.out", "ele0_secs.out", "ele0_secn.out"})
        EXPECT_EQ(nonEmptyLines(file(recorder)).size(), steps) << recorder;
    EXPECT_EQ(numbersOf(nonEmptyLines(file("node0.out")).back()).size(), 1u + 3u * kJoints);

    ModelStore store = importedModel(exampleModel());
    loadNodeDeformation(store, folder(), gravitySteps);
    const double gravitySway = store.nodes[kRoofMaster].ux;
    EXPECT_LT(store.nodes[14].uz, 0.0) << "the floors settle under the dead load";
    loadNodeDeformation(store, folder(), static_cast<std::int32_t>(steps));
    // The gravity stage is held (loadConst) while the roof is pushed by the given increments; the
    // recorder writes six significant digits.
    const double pushed = gravitySway + pushSteps * increment;
    EXPECT_NEAR(store.nodes[kRoofMaster].ux, pushed, 1e-5 * pushed);
    EXPECT_LT(store.nodes[37].ux, store.nodes[38].ux);
    EXPECT_LT(store.nodes[38].ux, store.nodes[kRoofMaster].ux);

    // The section-deformation files read back through the command line's reader, every component.
    for (int component = 1; component <= 3; ++component) {
        const CommandResult read =
            runCommand(shellQuoted(binPath("kelvane-cli")) + " results " + shellQuoted(exampleModel()) + " " +
                       shellQuoted(folder()) + " --step " + std::to_string(steps) + " --section-component " +
                       std::to_string(component));
        ASSERT_EQ(read.exitCode, 0) << read.err;
        EXPECT_EQ(linesStartingWith(read.out, "frame=").size(), static_cast<std::size_t>(kFrames));
        EXPECT_EQ(linesStartingWith(read.out, "range_min=").size(), 1u);
    }
}

// The one-step nonlinear materials (Concrete02 from E, Steel02 from FY=355): the dead load, then
// the roof pushed 60 mm. The base shear is the load factor times the PUSH pattern's 120 kN.
TEST_F(ExampleModelTest, NonlinearDefaultsGiveAPushoverThatYields) {
    const int gravitySteps = 10, pushSteps = 120;
    const std::string script =
        writeAndRun(exampleModel(),
                    {"materialDefaults=nonlinear", "analysisType=3", "loadControlCase=1", "dispControlCase=2",
                     "loadSteps=10", "controlNode=39", "controlDof=1", "controlDisp=0.5", "dispSteps=120"});
    ASSERT_FALSE(script.empty());
    EXPECT_THAT(readFile(script), ::testing::HasSubstr("uniaxialMaterial Concrete02 2 -40.74 -0.002716"));
    const auto lines = nonEmptyLines(file("node0.out"));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(gravitySteps + pushSteps));
    std::vector<std::pair<double, double>> curve; // roof displacement, base shear
    for (int s = gravitySteps; s < gravitySteps + pushSteps; ++s) {
        const std::vector<double> step = numbersOf(lines[static_cast<std::size_t>(s)]);
        curve.emplace_back(step[static_cast<std::size_t>(3 * kRoofMaster - 2)], step[0] * 120e3);
    }
    const double initial = (curve[1].second - curve[0].second) / (curve[1].first - curve[0].first);
    const double secant = curve.back().second / curve.back().first;
    EXPECT_LT(secant, 0.7 * initial);
    EXPECT_GT(curve.back().second, curve[60].second * 0.95) << "no collapse within the push";
}

// The load-control stage of a combination, DEAD x 1 and PUSH x 0.25, holds every support's vertical
// reaction at the sum of the cases' own reactions with those factors (the model is linear elastic).
TEST_F(ExampleModelTest, GravityCombinationReactionsAreTheFactoredSumOfTheCases) {
    runLoadCase(exampleModel(), 1);
    const std::vector<double> dead = verticalReactions();
    runLoadCase(exampleModel(), 2);
    const std::vector<double> push = verticalReactions();
    runLoadCase(exampleModel(), 2, {"gravityCases=DEAD:1.0, PUSH:0.25"});
    const std::vector<double> combined = verticalReactions();
    ASSERT_EQ(dead.size(), push.size());
    ASSERT_EQ(combined.size(), dead.size());
    ASSERT_FALSE(dead.empty());
    for (std::size_t i = 0; i < dead.size(); ++i) {
        const double expected = dead[i] + 0.25 * push[i];
        EXPECT_NEAR(combined[i], expected, 1e-5 * std::abs(dead[i]) + 1e-3) << "support " << i + 1;
    }
}

// Support 1 carries part of its load through joint 40, which a rigid link ties to it; the base
// reactions count both, so they balance the dead load (30 N/mm on the floor beams, 22 on the roof's)
// and the push.
TEST_F(ExampleModelTest, BaseReactionsBalanceTheLoadsAlsoThroughTheLinkedSupport) {
    ASSERT_FALSE(writeAndRun(exampleModel(), {"loadSteps=1", "baseReactions=1"}).empty());
    const ModelStore store = importedModel(exampleModel());
    double deadLoad = 0;
    for (int i = 1; i <= store.loadCount; ++i) {
        const TLOAD& load = store.loads[static_cast<std::size_t>(i)];
        const TNODE& a = store.nodes[static_cast<std::size_t>(store.frames[load.target].nodeI)];
        const TNODE& b = store.nodes[static_cast<std::size_t>(store.frames[load.target].nodeJ)];
        if (load.caseName == "DEAD")
            deadLoad += std::abs(load.fx) * std::hypot(b.x - a.x, b.y - a.y, b.z - a.z);
    }
    ASSERT_GT(deadLoad, 1e6);
    EXPECT_NEAR(baseShearHistory(store, folder(), 3, Abscissa::Step).y.back(), -deadLoad, 1e-6 * deadLoad);
    for (int dof : {1, 2})
        EXPECT_NEAR(baseShearHistory(store, folder(), dof, Abscissa::Step).y.back(), 0.0, 1e-6 * deadLoad);

    // The nonlinear push after the dead load: 120 kN times the load factor at every step.
    ASSERT_FALSE(
        writeAndRun(exampleModel(),
                    {"materialDefaults=nonlinear", "analysisType=3", "loadControlCase=1", "dispControlCase=2",
                     "loadSteps=10", "controlNode=39", "controlDisp=0.5", "dispSteps=60", "baseReactions=1"})
            .empty());
    const Curve shear = baseShearHistory(store, folder(), 1, Abscissa::LoadFactor);
    ASSERT_EQ(shear.x.size(), 70u);
    for (std::size_t s = 10; s < shear.x.size(); ++s)
        EXPECT_NEAR(shear.y[s], 120e3 * shear.x[s], 1e-6 * 120e3 * shear.x[s]) << "push step " << s - 9;
}

TEST_F(ExampleModelTest, ModalAnalysisWritesAscendingEigenvaluesAndModeShapes) {
    ASSERT_FALSE(writeAndRun(exampleModel(), {"analysisType=4", "modalShape=1", "modalNumber=3"}).empty());
    const auto periods = nonEmptyLines(file("Periods.txt"));
    ASSERT_EQ(periods.size(), 1u);
    const std::vector<double> eigenvalues = numbersOf(periods[0]);
    ASSERT_EQ(eigenvalues.size(), 12u);
    EXPECT_GT(eigenvalues.front(), 0.0);
    EXPECT_TRUE(std::is_sorted(eigenvalues.begin(), eigenvalues.end()));

    ModelStore store = importedModel(exampleModel());
    for (int mode = 1; mode <= 3; ++mode) {
        EXPECT_EQ(nonEmptyLines(file("eigen" + std::to_string(mode) + "_node0.out")).size(), 1u);
        loadModeShape(store, folder(), mode);
        const TNODE& roof = store.nodes[kRoofMaster];
        EXPECT_GT(std::abs(roof.ux) + std::abs(roof.uy), 0.0) << "mode " << mode;
        EXPECT_EQ(store.nodes[1].ux, 0.0);
    }
}

TEST_F(ExampleModelTest, DeadLoadThenTimeHistoryRunsEveryStepAndAnimates) {
    std::filesystem::copy_file(dataPath("solver/GMX.txt"), file("GMX.txt"));
    ASSERT_FALSE(
        writeAndRun(exampleModel(), {"analysisType=6", "loadControlCase=1", "loadSteps=10"}).empty());
    const int steps = 10 + 1000;
    ASSERT_EQ(nonEmptyLines(file("node0.out")).size(), static_cast<std::size_t>(steps));

    ModelStore store = importedModel(exampleModel());
    AnimationState animation;
    LoadDisplacementHistory(store, animation, std::to_string(steps), "1", folder());
    EXPECT_EQ(animation.loadedSteps, steps);
    // The dead load stays on through the shaking: the first floor stays settled.
    EXPECT_LT(store.nodes[14].histUZ[10], 0.0);
    EXPECT_NEAR(store.nodes[14].histUZ[steps], store.nodes[14].histUZ[10],
                0.05 * std::abs(store.nodes[14].histUZ[10]));
    // The record shakes the roof about the position the dead load left it in.
    const double settled = store.nodes[kRoofMaster].histUX[10];
    double peak = 0;
    for (int step = 11; step <= steps; ++step)
        peak = std::max(peak, std::abs(store.nodes[kRoofMaster].histUX[step] - settled));
    EXPECT_GT(peak, 1e-5);
}

} // namespace
} // namespace kelvane::test
