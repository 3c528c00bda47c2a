#include "solver/solver_fixture.h"

#include "common/text_file.h"
#include "results/animation_state.h"
#include "results/curves.h"
#include "results/displacement_history.h"

#include <cmath>
#include <filesystem>

namespace kelvane::test {
namespace {

// The shear building (base joints 1 to 4, roof master 19) shaken through the two transient
// procedures; both run 1000 steps of 0.02 s from the ground-motion files bundled beside it.
constexpr int kSteps = 1000;
constexpr int kRoof = 19;

class GroundMotionTest : public SolverTest {
  protected:
    // Runs the procedure with the named ground-motion file in the script's folder and loads the
    // displacement history as the animation window does.
    void runAndLoadHistory(int procedure, const std::string& motionFile, bool baseReactions = false) {
        std::filesystem::copy_file(dataPath("solver/" + motionFile), file(motionFile));
        ASSERT_FALSE(writeAndRun(dataPath("solver/shear-building.s2k"),
                                 {"analysisType=" + std::to_string(procedure),
                                  "baseReactions=" + std::string(baseReactions ? "1" : "0")})
                         .empty());
        ASSERT_EQ(nonEmptyLines(file("node0.out")).size(), static_cast<std::size_t>(kSteps));
        store = importedModel(dataPath("solver/shear-building.s2k"));
        LoadDisplacementHistory(store, animation, std::to_string(kSteps), "1", folder());
        ASSERT_EQ(animation.loadedSteps, kSteps);
    }

    double peakRoofSway() const {
        double peak = 0;
        for (int step = 1; step <= kSteps; ++step)
            peak = std::max(peak, std::abs(store.nodes[kRoof].histUX[step]));
        return peak;
    }

    ModelStore store;
    AnimationState animation;
};

TEST_F(GroundMotionTest, UniformExcitationShakesTheFloorsAndNotTheBase) {
    runAndLoadHistory(5, "GMX.txt");
    EXPECT_GT(peakRoofSway(), 1e-3);
    for (int step = 1; step <= kSteps; ++step)
        ASSERT_EQ(store.nodes[1].histUX[step], 0.0) << "step " << step;
}

// The first storey is a shear storey of stiffness 4 * 12 E I / h^3 along X (columns 400 along X,
// 300 wide, h = 3000, E = 200000); its columns carry the whole base shear, so at every step the base
// shear is that stiffness times the first floor's sway (master joint 17). The damping forces are not
// reactions.
TEST_F(GroundMotionTest, BaseShearHistoryIsTheFirstStoreysStiffnessTimesItsSway) {
    runAndLoadHistory(5, "GMX.txt", true);
    const double stiffness =
        4.0 * 12.0 * 200000.0 * (300.0 * std::pow(400.0, 3) / 12.0) / std::pow(3000.0, 3);
    const Curve shear = baseShearHistory(store, folder(), 1, Abscissa::Time);
    ASSERT_EQ(shear.x.size(), static_cast<std::size_t>(kSteps));
    EXPECT_NEAR(shear.x.back(), kSteps * 0.02, 1e-9);
    double peak = 0;
    for (double v : shear.y)
        peak = std::max(peak, std::abs(v));
    EXPECT_GT(peak, 1.0);
    for (int step = 1; step <= kSteps; ++step)
        ASSERT_NEAR(shear.y[static_cast<std::size_t>(step - 1)], stiffness * store.nodes[17].histUX[step],
                    1e-4 * peak)
            << "step " << step;
}

TEST_F(GroundMotionTest, MultipleSupportMovesTheSupportsAlongTheDisplacementRecord) {
    runAndLoadHistory(7, "DM1X.txt");
    // Step s is time 0.02 s, the (s+1)-th value of the record; after its end the record is 0.
    const auto record = loadLines(dataPath("solver/DM1X.txt"));
    for (int support = 1; support <= 4; ++support) {
        for (int step = 1; step <= kSteps; ++step) {
            const double expected =
                step < static_cast<int>(record.size()) ? numbersOf(record[step]).at(0) : 0.0;
            ASSERT_NEAR(store.nodes[support].histUX[step], expected, 1e-5 + 1e-5 * std::abs(expected))
                << "support " << support << " step " << step;
        }
    }
    EXPECT_GT(peakRoofSway(), 1.0);
}

// tests/data/solver/steel-column.s2k as an elastic beam-column, undamped (period 2 pi sqrt(m L^3 / 3EI) = 0.5
// s), under a record of 0.005 s whose one nonzero value lies between the analysis steps of 0.02 s. A pulse
// this much shorter than the period is an impulse: the column sways at most v0 / omega, v0 the pulse's area A
// dt. Stepping over the record's points would leave it at rest.
using RecordStepTest = SolverTest;

TEST_F(RecordStepTest, AnalysisStepsLongerThanTheRecordsStillTakeEveryPointOfIt) {
    const double pulse = 1000, recordDt = 0.005, mass = 5.94;
    const double stiffness = 3 * 200000.0 * std::pow(150.0, 4) / 12 / std::pow(3000.0, 3);
    writeFile(file("PULSE.txt"), "0\n" + std::to_string(pulse) + "\n0\n0\n");
    ASSERT_FALSE(writeAndRun(dataPath("solver/steel-column.s2k"),
                             {"section.1.elementType=1", "analysisType=5", "gmFile=PULSE.txt", "gmDt=0.005",
                              "gmFactor=1", "thDt=0.02", "thSteps=25", "dampingRatio=0"})
                     .empty());
    double peak = 0;
    for (const std::string& line : nonEmptyLines(file("node0.out")))
        peak = std::max(peak, std::abs(numbersOf(line).at(4)));
    EXPECT_NEAR(peak, pulse * recordDt / std::sqrt(stiffness / mass),
                0.005 * pulse * recordDt / std::sqrt(stiffness / mass));
}

} // namespace
} // namespace kelvane::test
