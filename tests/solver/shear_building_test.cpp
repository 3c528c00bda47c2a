#include "solver/solver_fixture.h"

#include "results/mode_periods.h"
#include "results/node_results.h"

#include <algorithm>
#include <filesystem>
#include <cmath>
#include <numbers>

namespace kelvane::test {
namespace {

// tests/data/solver/shear-building.s2k: three storeys of 3000, four steel columns 400 (t1, along
// X) x 300 (t2) per storey, floor joints held against R1 and R2 so that every storey is a shear
// storey of stiffness 4 * 12 E I / h^3, one diaphragm per floor with a mass of 10 in X and Y on
// its master (joints 17, 18, 19).
constexpr double kE = 200000.0;
constexpr double kHeight = 3000.0;
constexpr double kMass = 10.0;
constexpr int kMasters[] = {17, 18, 19};

double storeyStiffness(double secondMoment) { return 4.0 * 12.0 * kE * secondMoment / std::pow(kHeight, 3); }

// A fixed-free chain of n equal masses and springs: omega_j^2 = k/m (2 - 2 cos((2j - 1) pi / (2n + 1)))
// with the mode shape phi_i = sin(i (2j - 1) pi / (2n + 1)).
double chainEigenvalue(double stiffness, int mode) {
    return stiffness / kMass * (2.0 - 2.0 * std::cos((2 * mode - 1) * std::numbers::pi / 7.0));
}

class ShearBuildingTest : public SolverTest {};

TEST_F(ShearBuildingTest, ModalAnalysisGivesTheClosedFormEigenvaluesAndFirstModeShape) {
    ASSERT_FALSE(writeAndRun(dataPath("solver/shear-building.s2k"),
                             {"analysisType=4", "modalShape=1", "modalNumber=1"})
                     .empty());
    const double kx = storeyStiffness(300.0 * std::pow(400.0, 3) / 12.0);
    const double ky = storeyStiffness(400.0 * std::pow(300.0, 3) / 12.0);
    std::vector<double> expected;
    for (int mode = 1; mode <= 3; ++mode) {
        expected.push_back(chainEigenvalue(kx, mode));
        expected.push_back(chainEigenvalue(ky, mode));
    }
    std::sort(expected.begin(), expected.end());

    const auto lines = nonEmptyLines(file("Periods.txt"));
    ASSERT_EQ(lines.size(), 1u);
    const std::vector<double> eigenvalues = numbersOf(lines[0]);
    ASSERT_GE(eigenvalues.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(eigenvalues[i], expected[i], 1e-6 * expected[i]) << "eigenvalue " << i + 1;
    // The period shown with mode 1: T = 2 pi / omega of the closed form.
    const auto read = readEigenvalues(folder());
    ASSERT_TRUE(read.has_value());
    const ModePeriod first = modePeriod(*read, 1, folder());
    EXPECT_NEAR(first.period, 2 * std::numbers::pi / std::sqrt(expected[0]), 1e-6 * first.period);
    EXPECT_NEAR(first.frequency * first.period, 1.0, 1e-12);

    // Mode 1 sways along Y (the weaker direction): floors in the ratio sin(pi/7) : sin(2pi/7) : sin(3pi/7).
    ModelStore store = importedModel(dataPath("solver/shear-building.s2k"));
    loadModeShape(store, folder(), 1);
    const double roof = store.nodes[kMasters[2]].uy;
    ASSERT_NE(roof, 0.0);
    for (int floor = 1; floor <= 2; ++floor) {
        const double ratio = std::sin(floor * std::numbers::pi / 7.0) / std::sin(3.0 * std::numbers::pi / 7.0);
        EXPECT_NEAR(store.nodes[kMasters[floor - 1]].uy / roof, ratio, 1e-4) << "floor " << floor;
    }
    for (int master : kMasters) EXPECT_NEAR(store.nodes[master].ux, 0.0, 1e-6 * std::abs(roof));
}

// Rayleigh damping of 5 % anchored on mode 1 and mode j, from the closed-form eigenvalues: along X
// the first X mode (mode 2, the first Y mode being mode 1) already holds 91 % of the mass, so the
// default j is 2; a given j is taken as it stands. a0 = 2 z w1 wj / (w1 + wj), a1 = 2 z / (w1 + wj).
TEST_F(ShearBuildingTest, RayleighDampingIsAnchoredOnModeOneAndTheChosenMode) {
    struct Case {
        const char* dampingMode;
        int expectedMode;
    };
    const Case cases[] = {{"0", 2}, {"5", 5}};
    const double kx = storeyStiffness(300.0 * std::pow(400.0, 3) / 12.0);
    const double ky = storeyStiffness(400.0 * std::pow(300.0, 3) / 12.0);
    std::vector<double> eigenvalues;
    for (int mode = 1; mode <= 3; ++mode)
        eigenvalues.insert(eigenvalues.end(), {chainEigenvalue(kx, mode), chainEigenvalue(ky, mode)});
    std::sort(eigenvalues.begin(), eigenvalues.end());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dampingMode);
        std::filesystem::copy_file(dataPath("solver/GMX.txt"), file("GMX.txt"),
                                   std::filesystem::copy_options::overwrite_existing);
        ASSERT_FALSE(writeAndRun(dataPath("solver/shear-building.s2k"),
                                 {"analysisType=5", "thSteps=10", "gmDirection=1",
                                  std::string("dampingMode=") + c.dampingMode})
                         .empty());
        const auto lines = nonEmptyLines(file("Damping.txt"));
        ASSERT_EQ(lines.size(), 1u);
        const std::vector<double> written = numbersOf(lines[0]); // j, a0, a1
        ASSERT_EQ(written.size(), 3u);
        const double w1 = std::sqrt(eigenvalues[0]);
        const double wj = std::sqrt(eigenvalues[static_cast<std::size_t>(c.expectedMode - 1)]);
        EXPECT_EQ(written[0], c.expectedMode);
        EXPECT_NEAR(written[1], 2 * 0.05 * w1 * wj / (w1 + wj), 1e-6 * written[1]);
        EXPECT_NEAR(written[2], 2 * 0.05 / (w1 + wj), 1e-6 * written[2]);
    }
}

// The roof master pushed 10 mm along X by each pattern; the storeys are shear springs of equal
// stiffness k under equal floor masses m. One force at the roof: sways 1 : 2 : 3. Uniform (F = m on
// every floor): storey shears 3F, 2F, F, sways 3 : 5 : 6. First X mode (F = m phi): K u = M phi gives
// u = phi / w^2, the mode shape itself, sin(pi/7) : sin(2pi/7) : sin(3pi/7).
TEST_F(ShearBuildingTest, PushPatternsLoadTheFloorsAsTheirShapesSay) {
    const double s1 = std::sin(std::numbers::pi / 7), s2 = std::sin(2 * std::numbers::pi / 7),
                 s3 = std::sin(3 * std::numbers::pi / 7);
    struct Case {
        const char* pattern;
        double lower, middle; // first and second floor over the roof
    };
    const Case cases[] = {{"0", 1.0 / 3, 2.0 / 3}, {"2", 3.0 / 6, 5.0 / 6}, {"1", s1 / s3, s2 / s3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        ASSERT_FALSE(writeAndRun(dataPath("solver/shear-building.s2k"),
                                 {"analysisType=2", "dispControlCase=1", "controlNode=19", "controlDof=1",
                                  "controlDisp=10", "dispSteps=1", std::string("pushPattern=") + c.pattern})
                         .empty());
        ModelStore store = importedModel(dataPath("solver/shear-building.s2k"));
        loadNodeDeformation(store, folder(), 1);
        const double roof = store.nodes[kMasters[2]].ux;
        ASSERT_NEAR(roof, 10.0, 1e-6);
        EXPECT_NEAR(store.nodes[kMasters[0]].ux / roof, c.lower, 1e-5);
        EXPECT_NEAR(store.nodes[kMasters[1]].ux / roof, c.middle, 1e-5);
        EXPECT_NEAR(store.nodes[kMasters[2]].uy, 0.0, 1e-6);
    }
}

} // namespace
} // namespace kelvane::test
