#include "results_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvane {
namespace {

test::CommandResult runResults(const std::string& options, const std::string& folder = "portal") {
    return test::runCommand("'" + test::binPath("kelvane-cli") + "' results '" +
                            test::resultsData("portal/portal.s2k") + "' '" + test::resultsData(folder) +
                            "' " + options);
}

TEST(ResultsCommand, PrintsJointDisplacementsFrameEndValuesAndTheColourRange) {
    const test::CommandResult result = runResults("--step 2 --section-component 2");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "joint=1 ux=0 uy=0 uz=0\n"
                          "joint=2 ux=0 uy=0 uz=0\n"
                          "joint=3 ux=2.5 uy=0 uz=-0.0006\n"
                          "joint=4 ux=2.4999 uy=0 uz=0.0006\n"
                          "frame=1 i=0.0004 j=-0.0002\n"
                          "frame=2 i=0.00041 j=-0.00021\n"
                          "frame=3 i=0 j=0\n" // the elastic beam writes no section values
                          "range_min=-0.00021 range_max=0.00041\n");
}

TEST(ResultsCommand, ReadsTheModeShapeInsteadOfAStepWithItsPeriod) {
    const test::CommandResult result = runResults("--mode 1");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    // Periods.txt holds (2 pi)^2 for mode 1: T = 2 pi / sqrt(lambda) = 1 s.
    EXPECT_EQ(result.out, "mode=1 eigenvalue=39.4784176043574 period=1 frequency=1\n"
                          "joint=1 ux=0 uy=0 uz=0\n"
                          "joint=2 ux=0 uy=0 uz=0\n"
                          "joint=3 ux=1 uy=0 uz=0.01\n"
                          "joint=4 ux=1 uy=0 uz=-0.01\n");
}

TEST(ResultsCommand, FailuresPrintTheReadersMessageAlone) {
    const test::CommandResult beyond = runResults("--step 3");
    EXPECT_EQ(beyond.exitCode, 1);
    EXPECT_EQ(beyond.err,
              "List index out of bounds (2): step 3 is past the end of node0.out, whose last step is 2\n");
    EXPECT_EQ(beyond.out, "");

    // The settings the script was written with decide each frame's share of the line.
    EXPECT_EQ(runResults("--step 2 --section-component 1 --set useAggregator=1").err,
              "Line 2 of file \"" + test::resultsData("portal") +
                  "/ele0_secs.out\" has 9 fields; 15 are needed\n");
    EXPECT_EQ(runResults("--step 1 --set noSuchSetting=1").err, "Unknown setting 'noSuchSetting'\n");
    EXPECT_EQ(runResults("--step two").err, "'two' is not a valid integer value\n");
    EXPECT_EQ(runResults("--step 1 --section-component 4").exitCode, 2);
    EXPECT_EQ(runResults("").exitCode, 2);
}

} // namespace
} // namespace kelvane
