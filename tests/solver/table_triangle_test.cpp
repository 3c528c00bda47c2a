// Triangular areas of table-format models through the real solver: a slab of triangles against
// the same slab of quadrilaterals and the plate's hand value.
#include "solver/solver_fixture.h"

#include "results/node_results.h"

#include <cmath>

namespace kelvane::test {
namespace {

class TableTriangleTest : public SolverTest {
  protected:
    double centreDeflection(const std::string& model) { return runLoadCase(dataPath(model), 1).nodes[41].uz; }
};

// tests/data/tables/slab-quadrilaterals.s2k and slab-triangles.s2k: a 6 m square slab 0.2 m thick
// (E = 3e7 kN/m2, nu = 0.2) on simple supports along its edges, as 8 x 8 quadrilaterals and as the
// same mesh with each cell split along a diagonal towards the centre; pattern CENTRE is 100 kN at
// the centre joint 41. Navier's series gives w = 0.0116 P a^2 / D at the centre.
TEST_F(TableTriangleTest, TriangularSlabDeflectsAsTheSameSlabOfQuadrilaterals) {
    const double D = 3e4 * std::pow(200.0, 3) / (12 * (1 - 0.2 * 0.2)); // N mm
    const double hand = 0.0116 * 100e3 * 6000.0 * 6000.0 / D;
    const double quadrilaterals = centreDeflection("tables/slab-quadrilaterals.s2k");
    const double triangles = centreDeflection("tables/slab-triangles.s2k");
    EXPECT_NEAR(quadrilaterals, -hand, 0.03 * hand);
    EXPECT_NEAR(triangles, -hand, 0.03 * hand);
    EXPECT_NEAR(triangles, quadrilaterals, 0.03 * hand);
}

} // namespace
} // namespace kelvane::test
