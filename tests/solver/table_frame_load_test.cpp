// Point, partial, trapezoidal and moment loads on table-format frames through the real solver, on
// simply supported beams whose hand values are those of structural mechanics.
#include "solver/solver_fixture.h"

#include "results/node_results.h"

#include <cmath>
#include <string>

namespace kelvane::test {
namespace {

// tests/data/tables/loaded-beams.s2k (kN, m): two simply supported 6 m beams along X, each two
// frames meeting at midspan; P (joints 1-3) is rigid in shear, S (joints 4-6) deflects in shear
// too (AS2 = 0.002 m2). Both: E = 2e8, G = 8e7 kN/m2, I33 = 0.0054 m4, and the same loads:
//   POINT      10 kN down at 1.5 m
//   TRAPEZOID  down, growing linearly from 2 kN/m at X = 0 to 6 kN/m at X = 6 m
//   PARTIAL    5 kN/m down from X = 3.75 to 5.25 m
//   MOMENT     12 kN m about local 3 at X = 4.5 m
constexpr double E = 2e5, G = 8e4, I = 5.4e9, As = 2000, L = 6000; // N, mm

struct BeamCase {
    const char* pattern;
    double bending;     // midspan deflection, downward positive
    double shear;       // what shear deformation adds to it
    double left, right; // vertical reactions, N
};

// Loads to the right of midspan deflect it by an integral of the point-load formula over
// u = L - s, the distance from the right support.
double partialBending(double w, double u1, double u2) {
    const auto primitive = [](double u) { return 3 * L * L * u * u / 8 - std::pow(u, 4) / 4; };
    return w / (12 * E * I) * (primitive(u2) - primitive(u1));
}

std::vector<BeamCase> beamCases() {
    const double P = 1e4, a = 1500, w1 = 2, w2 = 6, w = 5, M = 1.2e7;
    return {
        {"POINT", P * a * (3 * L * L / 4 - a * a) / (12 * E * I), P * a / (2 * G * As), P * (L - a) / L,
         P * a / L},
        // A trapezoid is a uniform load and a triangle; a triangle bends midspan half as much as
        // the uniform load of its peak.
        {"TRAPEZOID", 5 * (w1 + w2) * std::pow(L, 4) / (768 * E * I), (w1 + w2) * L * L / (16 * G * As), 10e3,
         14e3},
        {"PARTIAL", partialBending(w, 750, 2250), w * (2250.0 * 2250 - 750.0 * 750) / (4 * G * As), 1875,
         5625},
        // A couple about local 3 (= -Y) at 4.5 m: the supports answer with M / L, and a constant
        // shear force deflects no span.
        {"MOMENT",
         M * 3000 * (6 * 4500 * L - 3 * 4500.0 * 4500 - 2 * L * L - 3000.0 * 3000) / (6 * E * I * L), 0,
         M / L, -M / L},
    };
}

class TableFrameLoadTest : public SolverTest {
  protected:
    // Runs pattern `loadCase` (1-based) with the given extra settings; the joints and the vertical
    // reactions at joints 1, 3, 4 and 6.
    std::pair<ModelStore, std::vector<double>> run(int loadCase, std::vector<std::string> settings = {}) {
        ModelStore store = runLoadCase(dataPath("tables/loaded-beams.s2k"), loadCase, std::move(settings));
        return {std::move(store), verticalReactions()};
    }
};

TEST_F(TableFrameLoadTest, ElasticBeamsDeflectAsTheirHandValuesWithAndWithoutShear) {
    const std::vector<BeamCase> cases = beamCases();
    for (std::size_t c = 0; c < cases.size(); ++c) {
        const BeamCase& beam = cases[c];
        SCOPED_TRACE(beam.pattern);
        const auto [store, reactions] = run(static_cast<int>(c) + 1);
        // The script writes joint loads to four digits, the recorder keeps six.
        const double plain = beam.bending, shear = beam.bending + beam.shear;
        EXPECT_NEAR(-store.nodes[2].uz, plain, 5e-5 * std::abs(plain));
        EXPECT_NEAR(-store.nodes[5].uz, shear, 5e-5 * std::abs(shear));
        ASSERT_EQ(reactions.size(), 4u);
        for (std::size_t k = 0; k < 4; k += 2) {
            EXPECT_NEAR(reactions[k], beam.left, 1e-3);
            EXPECT_NEAR(reactions[k + 1], beam.right, 1e-3);
        }
    }
}

// The fiber beam-columns take the same loads (as element loads or as joint loads): each keeps
// the statics of its load exactly, whatever its stiffness.
TEST_F(TableFrameLoadTest, FiberBeamColumnsCarryEveryLoadToTheSupportsByStatics) {
    const std::vector<BeamCase> cases = beamCases();
    for (const char* type : {"2", "3", "4"}) {
        for (std::size_t c = 0; c < cases.size(); ++c) {
            const BeamCase& beam = cases[c];
            SCOPED_TRACE(std::string(beam.pattern) + " on element type " + type);
            const auto [store, reactions] =
                run(static_cast<int>(c) + 1, {"section.1.elementType=" + std::string(type),
                                              "section.2.elementType=" + std::string(type)});
            ASSERT_EQ(reactions.size(), 4u);
            for (std::size_t k = 0; k < 4; k += 2) {
                EXPECT_NEAR(reactions[k], beam.left, 1e-3);
                EXPECT_NEAR(reactions[k + 1], beam.right, 1e-3);
            }
            // The fiber section is a little softer than the file's I33, and the force-based
            // elements integrate a point load's kinked moment with a few sections only.
            EXPECT_NEAR(-store.nodes[2].uz, beam.bending, 0.2 * std::abs(beam.bending));
        }
    }
}

// tests/data/tables/truss-uniform-load.s2k: two bars at 45 degrees from supports 6 m apart to an
// apex, each under 2 kN/m down over its whole length (4.243 m), made trusses by the user. A truss
// takes no beam load: its joints take half of each bar's load, and each support carries w L up,
// statically, whatever the bars' stiffness.
TEST_F(TableFrameLoadTest, UniformLoadsOnTrussesReachTheirJoints) {
    const double w = 2, bar = 3000 * std::sqrt(2.0);
    runLoadCase(dataPath("tables/truss-uniform-load.s2k"), 1, {"section.1.elementType=5"});
    // The apex (held out of plane and in rotation only) is recorded too, without a vertical reaction.
    const std::vector<double> reactions = verticalReactions();
    ASSERT_EQ(reactions.size(), 3u);
    EXPECT_NEAR(reactions[0], w * bar, 1e-3 * w * bar);
    EXPECT_NEAR(reactions[1], w * bar, 1e-3 * w * bar);
    EXPECT_NEAR(reactions[2], 0, 1e-3 * w * bar);
}

} // namespace
} // namespace kelvane::test
