// Shear deformation of table-format elastic frames through the real solver: a simply supported
// beam deflects by 5 w L^4 / 384 E I + w L^2 / 8 G As about either axis.
#include "solver/solver_fixture.h"

#include "results/node_results.h"

#include <cmath>

namespace kelvane::test {
namespace {

class TableShearTest : public SolverTest {};

// tests/data/tables/shear-beam.s2k: a 6 m beam along X on pinned supports, split at midspan
// (E = 2e8, G = 8e7 kN/m2; I33 = 2e-4, I22 = 5e-5 m4; AS2 = 0.002, AS3 = 0.004 m2). DOWN: 4 kN/m
// down, bending about axis 3 with shear along 2; SIDE: 2 kN/m along Y, about axis 2 with shear
// along 3. A mix-up of the two shear areas would move either answer by more than 1 %.
TEST_F(TableShearTest, SimplySupportedBeamDeflectsInBendingAndInShear) {
    const std::string model = dataPath("tables/shear-beam.s2k");
    constexpr double E = 2e5, G = 8e4, L = 6000;
    const struct {
        int loadCase;
        double w, I, As;
        int component; // 0 ux, 1 uy, 2 uz
        double sign;
    } cases[] = {{1, 4, 2e8, 2000, 2, -1}, {2, 2, 5e7, 4000, 1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.loadCase);
        const ModelStore store = runLoadCase(model, c.loadCase);
        const double bending = 5 * c.w * std::pow(L, 4) / (384 * E * c.I);
        const double shear = c.w * L * L / (8 * G * c.As);
        const TNODE& mid = store.nodes[2];
        const double measured = c.component == 1 ? mid.uy : mid.uz;
        EXPECT_NEAR(measured, c.sign * (bending + shear), 1e-5 * (bending + shear));
    }
}

} // namespace
} // namespace kelvane::test
