#include "solver/solver_fixture.h"

#include "results/node_results.h"

#include <cmath>

namespace kelvane::test {
namespace {

// tests/data/solver/square-slab.s2k: a steel plate 2000 x 2000 x 20 (E = 200000, nu = 0.3) on a
// 10 x 10 mesh of ShellMITC4 with plate-fiber sections, edges held in U1 U2 U3 (simply supported),
// a pressure of 0.01 N/mm2 applied as joint loads of q * 200^2 on the 81 interior joints. Joint
// (i, j) of the 11 x 11 grid, counted from 0 along X and Y, is joint 11 j + i + 1; the 121 joints
// are recorded in two files (node0.out: 1-100, node1.out: 101-121).
constexpr double kSide = 2000.0;
constexpr double kThickness = 20.0;
constexpr double kE = 200000.0;
constexpr double kPoisson = 0.3;
constexpr double kPressure = 0.01;
constexpr int joint(int i, int j) { return 11 * j + i + 1; }
constexpr int kCentreJoint = joint(5, 5);

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
    // The mesh and the lumping of the pressure to the joints cost 0.1 % here.
    EXPECT_NEAR(store.nodes[kCentreJoint].uz, expected, 0.01 * std::abs(expected));
    // Symmetry about both centre lines, across the two recorder files.
    for (int i = 1; i <= 4; ++i) {
        const double uz = store.nodes[joint(i, 1)].uz;
        EXPECT_LT(uz, 0.0);
        EXPECT_NEAR(store.nodes[joint(i, 9)].uz, uz, 1e-5 * std::abs(expected)) << "i " << i;
        EXPECT_NEAR(store.nodes[joint(10 - i, 9)].uz, uz, 1e-5 * std::abs(expected)) << "i " << i;
    }
}

} // namespace
} // namespace kelvane::test
