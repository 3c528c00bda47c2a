// End releases and partial fixity of table-format frames through the real solver, against the hand
// values of released beams.
#include "solver/solver_fixture.h"

#include "results/node_results.h"

#include <cmath>

namespace kelvane::test {
namespace {

// tests/data/tables/released-frames.s2k (kN, m; E = 2e8 kN/m2, beams I33 = 2e-4 m4, columns
// I = 1e-4 m4, A = 0.02 m2):
//  A: a 6 m beam fixed at A1 and A3, split at A2, M3 released at A3: a propped cantilever.
//  B: a portal of 4 m columns fixed at their feet and a 6 m beam, split at B5, pinned to the
//     column tops (M2 and M3 released at B3 and B4, torsion at B4 as well).
//  C: a 4 m cantilever from C1 whose M3 at the fixed end is a spring of 5000 kN m/rad.
// Patterns: PROP 10 kN down at A2; SWAY 20 kN along X at B3; MID 10 kN down at B5; TIP 5 kN down
// at C2; SPAN 4 kN/m down on both halves of beam A.
const char* kModel = "tables/released-frames.s2k";

class TableReleaseTest : public SolverTest {
  protected:
    ModelStore run(int loadCase) { return runLoadCase(dataPath(kModel), loadCase); }
};

constexpr double E = 2e5, Ibeam = 2e8, Icol = 1e8, L = 6000; // N, mm

TEST_F(TableReleaseTest, ProppedCantileverDeflectsAndReactsAsItsHandValues) {
    // The penalty springs that hold the other components add a flexibility of one millionth.
    ModelStore store = run(1);
    const double P = 10e3;
    EXPECT_NEAR(store.nodes[2].uz, -7 * P * std::pow(L, 3) / (768 * E * Ibeam), 1e-5);
    // Base joints A1, A3, B1, B2, C1, three reactions each: A3 carries 5P/16.
    const std::vector<std::string> reactions = nonEmptyLines(file("reaction0.out"));
    ASSERT_EQ(reactions.size(), 1u);
    const std::vector<double> r = numbersOf(reactions[0]);
    ASSERT_EQ(r.size(), 16u);
    EXPECT_NEAR(r[6], 5 * P / 16, 1e-3);
    EXPECT_NEAR(r[3], 11 * P / 16, 1e-3);

    store = run(5);
    const double w = 4; // N/mm
    EXPECT_NEAR(store.nodes[2].uz, -w * std::pow(L, 4) / (192 * E * Ibeam), 1e-5);
}

TEST_F(TableReleaseTest, BeamPinnedToTwoFixedColumnsIsSimplySupportedAndLeavesThemCantilevers) {
    // Sway: each column a cantilever of 3 E I / h^3; the beam, pinned, only ties the tops.
    ModelStore store = run(2);
    const double h = 4000, H = 20e3;
    const double sway = H * std::pow(h, 3) / (2 * 3 * E * Icol);
    EXPECT_NEAR((store.nodes[6].ux + store.nodes[7].ux) / 2, sway, 1e-5 * sway);
    // The beam's own shortening under the tie force H/2 separates the tops.
    EXPECT_NEAR(store.nodes[6].ux - store.nodes[7].ux, H / 2 * L / (E * 1e4), 2e-4);

    // Midspan load: P L^3 / 48 E I, plus the columns' shortening under P/2.
    store = run(3);
    const double P = 10e3;
    EXPECT_NEAR(store.nodes[8].uz, -(P * std::pow(L, 3) / (48 * E * Ibeam) + P / 2 * h / (E * 2e4)), 1e-5);
}

TEST_F(TableReleaseTest, PartialFixitySpringAddsItsRotationToTheCantilever) {
    const ModelStore store = run(4);
    const double P = 5e3, length = 4000, k = 5000e6;
    EXPECT_NEAR(store.nodes[10].uz, -(P * std::pow(length, 3) / (3 * E * Ibeam) + P * length * length / k),
                1e-4);
}

} // namespace
} // namespace kelvane::test
