#include "solver/solver_fixture.h"

#include "results/node_results.h"

#include <cmath>

namespace kelvane::test {
namespace {

// tests/data/solver/cantilever.s2k: a 2000 mm steel cantilever along X (E = 200000 N/mm2),
// rectangle 200 deep (t1, vertical) by 100 wide (t2), fixed at joint 1, 1000 N downward at the
// tip (joint 2), load control in 100 steps to a load factor of 1.
constexpr double kLength = 2000.0;
constexpr double kLoad = 1000.0;
constexpr double kE = 200000.0;
constexpr double kDepth = 200.0;
constexpr double kWidth = 100.0;
constexpr int kSteps = 100;

// Euler-Bernoulli tip deflection PL^3/3EI for a bending stiffness EI.
double tipDeflection(double secondMoment) { return kLoad * std::pow(kLength, 3) / (3.0 * kE * secondMoment); }

double tipDeflectionAtLastStep(const std::string& folder) {
    ModelStore store = importedModel(dataPath("solver/cantilever.s2k"));
    loadNodeDeformation(store, folder, kSteps);
    EXPECT_EQ(store.nodes[1].ux, 0.0);
    EXPECT_EQ(store.nodes[1].uz, 0.0);
    return store.nodes[2].uz;
}

class CantileverTest : public SolverTest {};

TEST_F(CantileverTest, ElasticBeamColumnDeflectsByEulerBernoulli) {
    ASSERT_FALSE(writeAndRun(dataPath("solver/cantilever.s2k"), {}).empty());
    EXPECT_EQ(nonEmptyLines(file("node0.out")).size(), static_cast<std::size_t>(kSteps));
    const double expected = -tipDeflection(kWidth * std::pow(kDepth, 3) / 12.0);  // -0.2 mm
    // The script carries I in full; the recorder writes six digits.
    EXPECT_NEAR(tipDeflectionAtLastStep(folder()), expected, 1e-5 * std::abs(expected));
}

// Load case 2, UNIFORM: 2 N/mm along the frame's local 2 axis given as "UZ" (here vertical, down);
// case 3, SIDEWAYS: -2 N/mm along local 3. Local 3 of a frame along X with local 2 up is -Y, so
// the second load pushes the tip toward +Y, bending the section about its vertical axis (I22).
// Cantilever under a uniform load: w L^4 / 8 E I.
TEST_F(CantileverTest, DistributedLoadsActAlongTheFramesLocalAxes) {
    const double uniform = 2.0;
    const double i33 = kWidth * std::pow(kDepth, 3) / 12.0;
    const double i22 = kDepth * std::pow(kWidth, 3) / 12.0;
    ModelStore store = importedModel(dataPath("solver/cantilever.s2k"));

    ASSERT_FALSE(writeAndRun(dataPath("solver/cantilever.s2k"), {"loadControlCase=2", "loadSteps=1"}).empty());
    loadNodeDeformation(store, folder(), 1);
    const double down = -uniform * std::pow(kLength, 4) / (8.0 * kE * i33);  // -0.3 mm
    EXPECT_NEAR(store.nodes[2].uz, down, 1e-3 * std::abs(down));
    EXPECT_NEAR(store.nodes[2].uy, 0.0, 1e-9);

    ASSERT_FALSE(writeAndRun(dataPath("solver/cantilever.s2k"), {"loadControlCase=3", "loadSteps=1"}).empty());
    loadNodeDeformation(store, folder(), 1);
    const double sideways = uniform * std::pow(kLength, 4) / (8.0 * kE * i22);  // +1.2 mm
    EXPECT_NEAR(store.nodes[2].uy, sideways, 1e-3 * sideways);
    EXPECT_NEAR(store.nodes[2].uz, 0.0, 1e-9);
}

// A fiber grid of FY rows of equal cells over the depth has I = b h^3 / 12 (1 - 1/FY^2); without
// bars the fiber elements must reproduce the elastic deflection of that I exactly (the force
// and the displacement formulation are both exact for a tip load on one element).
class FiberCantileverTest : public SolverTest, public ::testing::WithParamInterface<int> {};

TEST_P(FiberCantileverTest, ElasticRangeDeflectionMatchesTheFiberStiffness) {
    const int rows = 10;
    const std::string section = "section.1.";
    ASSERT_FALSE(writeAndRun(dataPath("solver/cantilever.s2k"),
                             {section + "elementType=" + std::to_string(GetParam()), section + "barNumNX=0",
                              section + "barNumNY=0", section + "divideFX=2",
                              section + "divideFY=" + std::to_string(rows)})
                     .empty());
    const double fiberI = kWidth * std::pow(kDepth, 3) / 12.0 * (1.0 - 1.0 / (rows * rows));
    const double expected = -tipDeflection(fiberI);
    const double deflection = tipDeflectionAtLastStep(folder());
    EXPECT_NEAR(deflection, expected, 1e-4 * std::abs(expected));
    // Against the continuous section the difference is the grid's 1/FY^2 and nothing more.
    const double euler = -tipDeflection(kWidth * std::pow(kDepth, 3) / 12.0);
    EXPECT_NEAR(deflection / euler, 1.0 / (1.0 - 1.0 / (rows * rows)), 1e-4);
}

INSTANTIATE_TEST_SUITE_P(NonlinearAndDisp, FiberCantileverTest, ::testing::Values(2, 3),
                         [](const auto& param) { return param.param == 2 ? "nonlinearBeamColumn" : "dispBeamColumn"; });

} // namespace
} // namespace kelvane::test
