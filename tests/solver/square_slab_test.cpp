#include "solver/solver_fixture.h"

#include "results/node_results.h"

#include <cmath>

namespace kelvane::test {
namespace {

// tests/data/solver/square-slab.s2k: a steel plate 2000 x 2000 x 20 (E = 200000, nu = 0.3) on an
// 8 x 8 mesh of ShellMITC4 with plate-fiber sections, edges held in U1 U2 U3 (simply supported),
// a pressure of 0.01 N/mm2 applied as joint loads of q * 250^2 on the 49 interior joints.
constexpr double kSide = 2000.0;
constexpr double kThickness = 20.0;
constexpr double kE = 200000.0;
constexpr double kPoisson = 0.3;
constexpr double kPressure = 0.01;
constexpr int kCentreJoint = 41;  // (1000, 1000) in the 9 x 9 joint grid

class SquareSlabTest : public SolverTest {};

TEST_F(SquareSlabTest, CentreDeflectionMatchesPlateTheory) {
    ASSERT_FALSE(writeAndRun(dataPath("solver/square-slab.s2k"), {"loadSteps=1"}).empty());
    ModelStore store = importedModel(dataPath("solver/square-slab.s2k"));
    ASSERT_DOUBLE_EQ(store.nodes[kCentreJoint].x, 1000.0);
    ASSERT_DOUBLE_EQ(store.nodes[kCentreJoint].y, 1000.0);
    loadNodeDeformation(store, folder(), 1);

    // Navier's series for a simply supported square plate: w = 0.00406 q a^4 / D.
    const double rigidity = kE * std::pow(kThickness, 3) / (12.0 * (1.0 - kPoisson * kPoisson));
    const double expected = -0.00406 * kPressure * std::pow(kSide, 4) / rigidity;
    // Lumping the pressure to the joints and the 8 x 8 mesh each cost about a per cent.
    EXPECT_NEAR(store.nodes[kCentreJoint].uz, expected, 0.03 * std::abs(expected));
    // Symmetry: the quarter points deflect alike.
    EXPECT_NEAR(store.nodes[21].uz, store.nodes[25].uz, 1e-6 * std::abs(expected));
}

} // namespace
} // namespace kelvane::test
