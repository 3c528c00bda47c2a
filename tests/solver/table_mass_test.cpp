// Mass of table-format models through the real solver: the periods of cantilevers whose mass
// comes from added masses along the column and from load patterns, and a static run of a load
// pattern with nothing in it, which must not pass for an analysis.
#include "solver/solver_fixture.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace kelvane::test {
namespace {

// Both columns: steel, E = 200000 N/mm2, I = 1e8 mm4 about either axis, 3000 mm tall.
constexpr double kEI = 200000.0 * 1e8;
constexpr double kHeight = 3000.0;

struct PeriodCase {
    const char* model;
    std::vector<double> eigenvalues; // omega^2 of the first modes, by hand or as published
    double tolerance;                // relative
};

class TableMassTest : public SolverTest {};

// mass-dead-live-cantilever.s2k: 1.0 DEAD + 0.25 LIVE puts (100 + 15 + 0.25 x 40) kN / g =
// 12.7465 t on the top of a massless column: omega^2 = 3 EI / (m L^3).
// mass-distributed-cantilever.s2k: 0.2 t/m on ten frames, lumped to the joints; a uniform
// cantilever has omega = 1.875^2 sqrt(EI / (m L^4)); ten lumped masses give 0.9911 of its omega^2.
// bathe-wilson-frame.s2k: the ten-bay, nine-storey frame of SAP2000's verification example 1-021,
// whose first three eigenvalues SAP2000 gives as 0.589541, 5.52696 and 16.5879 rad2/s2.
TEST_F(TableMassTest, FirstPeriodsMatchTheClosedForms) {
    const double topMass = (100 + 15 + 0.25 * 40) * 1000 / 9806.65; // N s^2/mm, the tonne
    const double perLength = 0.2 / 1000.0;                          // t/m as N s^2/mm per mm
    const PeriodCase cases[] = {
        {"tables/mass-dead-live-cantilever.s2k", {3 * kEI / (topMass * std::pow(kHeight, 3))}, 1e-4},
        {"tables/mass-distributed-cantilever.s2k",
         {std::pow(1.875, 4) * kEI / (perLength * std::pow(kHeight, 4))}, 0.02},
        {"tables/bathe-wilson-frame.s2k", {0.589541, 5.52696, 16.5879}, 1e-4},
    };
    for (const PeriodCase& c : cases) {
        SCOPED_TRACE(c.model);
        const std::string modes = "modalNumber=" + std::to_string(c.eigenvalues.size());
        ASSERT_FALSE(writeAndRun(dataPath(c.model), {"analysisType=4", modes}).empty());
        const auto lines = nonEmptyLines(file("Periods.txt"));
        ASSERT_EQ(lines.size(), 1u);
        const std::vector<double> eigenvalues = numbersOf(lines[0]);
        ASSERT_GE(eigenvalues.size(), c.eigenvalues.size());
        for (std::size_t k = 0; k < c.eigenvalues.size(); ++k)
            EXPECT_NEAR(eigenvalues[k], c.eigenvalues[k], c.tolerance * c.eigenvalues[k]) << "mode " << k + 1;
    }
}

// Load case 3 of mass-dead-live-cantilever.s2k, EMPTY, holds no load: generation warns, and the
// run of either script ends reporting it, not as a success.
TEST_F(TableMassTest, AStaticRunOfAnEmptyPatternIsReportedAsSuch) {
    const std::string model = dataPath("tables/mass-dead-live-cantilever.s2k");
    const std::string expected =
        "No load: load case EMPTY applies no load, so the static analysis moves nothing";
    for (const char* script : {"empty.tcl", "empty.py"}) {
        SCOPED_TRACE(script);
        const std::string path = file(script);
        const bool python = std::string(script).ends_with(".py");
        const CommandResult written = runCommand(
            shellQuoted(binPath("kelvane-cli")) + (python ? " py " : " tcl ") + shellQuoted(model) + " -o " +
            shellQuoted(path) + " --set analysisType=1 --set loadControlCase=3");
        ASSERT_EQ(written.exitCode, 0) << written.err;
        EXPECT_NE(written.err.find("Warning: " + expected.substr(9)), std::string::npos) << written.err;
        const CommandResult run =
            runCommand(shellQuoted(binPath("kelvane-cli")) + " run " + shellQuoted(path));
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE((run.out + run.err).find(expected), std::string::npos) << run.out << run.err;
    }
}

} // namespace
} // namespace kelvane::test
