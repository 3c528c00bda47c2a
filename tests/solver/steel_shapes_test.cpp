// Circular and open steel sections meshed into fibers, through the real solver, against the hand
// values of their closed-form properties.
#include "solver/solver_fixture.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvane::test {
namespace {

// tests/data/tables/steel-shape-cantilevers.s2k (kN, m): 2 m cantilevers along X (local 2 up, local
// 3 along -Y) of S250 steel (E = 200000, Fy = 250 N/mm2 in the file's steel data): joints 1-2 a
// 300 mm circle (case 1: 1 kN down at 2), 3-4 a channel 300 x 100 x 15 x 10, 5-6 an angle
// 150 x 100 x 12 (case 2: 1 kN down at 4 and 6).
const std::string kModel = dataPath("tables/steel-shape-cantilevers.s2k");
constexpr double kLength = 2000, kE = 200000, kLoad = 1000;

class SteelShapeTest : public SolverTest {};

// On a force-based element with Steel01 of (almost) no hardening, pushed down 60 mm: elastic at
// 3EI/L^3 (I = pi D^4 / 64), the base moment then levels off at Fy D^3 / 6.
TEST_F(SteelShapeTest, CircularSteelPierReachesItsPlasticMoment) {
    ASSERT_FALSE(
        writeAndRun(kModel, {"material.1.model=Steel01", "material.1.b=0.001", "section.1.elementType=2",
                             "numIntgrPts=5", "analysisType=2", "dispControlCase=1", "controlNode=2",
                             "controlDof=3", "controlDisp=-0.5", "dispSteps=120"})
            .empty());
    std::vector<std::vector<double>> steps; // load factor, then X, Y, Z of each joint
    for (const std::string& line : nonEmptyLines(file("node0.out")))
        steps.push_back(numbersOf(line));
    ASSERT_EQ(steps.size(), 120u);
    const double i = std::numbers::pi * std::pow(300.0, 4) / 64;
    EXPECT_NEAR(steps[0][0] * kLoad / -steps[0][6] / (3 * kE * i / std::pow(kLength, 3)), 1, 0.005);
    double peak = 0;
    for (const auto& step : steps)
        peak = std::max(peak, step[0] * kLoad * kLength);
    EXPECT_NEAR(peak / (250 * std::pow(300.0, 3) / 6), 1, 0.02);
}

// Elastic fibers of the angle (legs 12 thick, the vertical one on the left, the bottom one toward
// +3): its tip moves L^3/3E times the inverse of its second-moment tensor (I22, I33 and I23 about
// its centroid, in local 3 and 2) times the load, so that a load down moves it sideways too.
TEST_F(SteelShapeTest, AngleFibersCarryItsProductOfInertia) {
    // The vertical leg 12 x 150 centred at (6, 75), the rest of the bottom leg 88 x 12 at (56, 6).
    const double a1 = 1800, a2 = 1056, y = (a1 * 6 + a2 * 56) / (a1 + a2), z = (a1 * 75 + a2 * 6) / (a1 + a2);
    const double i33 = a1 * (150 * 150 / 12.0 + std::pow(75 - z, 2)) + a2 * (12 + std::pow(6 - z, 2));
    const double i22 = a1 * (12 + std::pow(6 - y, 2)) + a2 * (88 * 88 / 12.0 + std::pow(56 - y, 2));
    const double i23 = a1 * (6 - y) * (75 - z) + a2 * (56 - y) * (6 - z);
    const double k = kLoad * std::pow(kLength, 3) / (3 * kE * (i22 * i33 - i23 * i23));
    const ModelStore down = runLoadCase(kModel, 2, {"section.3.elementType=2"});
    EXPECT_GT(std::abs(i23), 0.3 * i22); // the coupling is no round-off
    EXPECT_NEAR(down.nodes[6].uz, -k * i22, 1e-3 * k * i22);
    EXPECT_NEAR(down.nodes[6].uy, -k * i23, 1e-3 * k * i22); // local 3 is global -Y
}

} // namespace
} // namespace kelvane::test
