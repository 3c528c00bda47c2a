#include "solver/solver_fixture.h"

#include "results/node_results.h"

namespace kelvane::test {
namespace {

// tests/data/solver/brick-column-v14.s2k, a SAP2000 V14 solid model: two 200 x 200 x 200 bricks
// stacked to a column 400 high, the base held in U3 everywhere and just enough in U1 and U2 to
// stop rigid motion (so the column may widen freely), 4 x 1000 kN downward on the top corners,
// its solid property of steel (E 200000, nu 0.3). Converted to the version-6 layout, which carries
// the material, it generates and runs as it stands.
constexpr double kE = 200000.0;
constexpr double kPoisson = 0.3;
constexpr double kStress = 4.0e6 / (200.0 * 200.0);
constexpr double kHeight = 400.0;

class SolidModelTest : public SolverTest {};

TEST_F(SolidModelTest, ConvertedBrickColumnShortensAndWidensUnderUniformCompression) {
    const std::string converted = file("brick-column.s2k");
    const CommandResult conversion = runCommand(shellQuoted(binPath("kelvane-cli")) + " v14 " +
                                                shellQuoted(dataPath("solver/brick-column-v14.s2k")) + " -o " +
                                                shellQuoted(converted));
    ASSERT_EQ(conversion.exitCode, 0) << conversion.err;
    ASSERT_FALSE(writeAndRun(converted, {"loadSteps=1"}).empty());

    ModelStore store = importedModel(converted);
    loadNodeDeformation(store, folder(), 1);
    // A uniform uniaxial stress, which the trilinear brick represents exactly.
    const double strain = kStress / kE;
    for (int top = 9; top <= 12; ++top) EXPECT_NEAR(store.nodes[top].uz, -strain * kHeight, 1e-5) << "joint " << top;
    EXPECT_NEAR(store.nodes[6].uz, -strain * kHeight / 2.0, 1e-5);
    // The side at x = 200 moves out by nu * strain * 200.
    EXPECT_NEAR(store.nodes[10].ux, kPoisson * strain * 200.0, 1e-6);
    EXPECT_NEAR(store.nodes[9].ux, 0.0, 1e-6);
}

} // namespace
} // namespace kelvane::test
