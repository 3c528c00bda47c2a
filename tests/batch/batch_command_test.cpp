#include "support/test_support.h"

#include <filesystem>
#include <gtest/gtest.h>

// kelvane-cli batch without the solver: what plan refuses, the job script submit writes, what
// status and collect say of a set that has not run.
namespace kelvane {
namespace {

namespace fs = std::filesystem;

class BatchCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy_file(test::dataPath("solver/GMX.txt"), dir.path() / "GM1.txt");
        test::writeFile(dir.file("bad.AT2"),
                        "PEER\nEVENT\nACCELERATION TIME SERIES IN UNITS OF G\nNPTS= 4, DT= .01 SEC\n"
                        ".1 .2 .3\n");
    }
    test::CommandResult batch(const std::string& arguments) {
        return test::runCommand("cd '" + dir.path().string() + "' && '" + test::binPath("kelvane-cli") +
                                "' batch " + arguments);
    }
    std::string plan(const std::string& records, const std::string& scales) {
        return "plan '" + test::dataPath("solver/shear-building.s2k") + "' --records " + records +
               " --scales " + scales + " --set analysisType=5 -o set";
    }

    test::TempDir dir;
};

TEST_F(BatchCommandTest, ACorruptRecordOrABadScalePlansNothing) {
    const std::pair<std::string, std::string> cases[] = {
        {plan("GM1.txt bad.AT2", "1"),
         "Record file \"bad.AT2\" holds 3 values, but its header gives NPTS=4\n"},
        {plan("GM1.txt", "0.5,0,1"),
         "The scale 0 is not greater than 0: a record is run at scales greater than 0 only\n"},
        {plan("GM1.txt", "-1:1:0.5"),
         "The scale -1 is not greater than 0: a record is run at scales greater than 0 only\n"},
    };
    for (const auto& [arguments, message] : cases) {
        const test::CommandResult result = batch(arguments);
        EXPECT_EQ(result.exitCode, 1) << arguments;
        EXPECT_EQ(result.err, message);
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(fs::exists(dir.path() / "set")) << arguments;
    }
    for (const char* malformed : {"", "launch set", "run", "plan m.s2k --scales 1 -o set", "run set --jobs 0",
                                  "collect set", "status set extra"}) {
        const test::CommandResult result = batch(malformed);
        EXPECT_EQ(result.exitCode, 2) << malformed << ": " << result.err;
        EXPECT_NE(result.err.find("usage: kelvane-cli batch plan"), std::string::npos) << malformed;
    }
    const test::CommandResult notASet = batch("run .");
    EXPECT_EQ(notASet.exitCode, 1);
    EXPECT_EQ(notASet.err, "\"" + dir.path().string() +
                               "\" is not an ensemble set: it has no manifest.csv "
                               "(kelvane-cli batch plan writes one)\n");
}

TEST_F(BatchCommandTest, SubmitWritesTheJobOfTheRunsNotFinished) {
    ASSERT_EQ(batch(plan("GM1.txt", "1:3:1")).exitCode, 0);
    test::writeFile(dir.file("set/GM1_2/status.txt"), "completed\n");
    const test::CommandResult written = batch("submit set --write-only --time 0:10:00 --max-running 1");
    ASSERT_EQ(written.exitCode, 0) << written.err;
    const std::string set = (dir.path() / "set").string();
    EXPECT_EQ(written.out,
              "wrote " + set + "/run.sbatch (2 runs: 1,3)\nsubmit it with: sbatch " + set + "/run.sbatch\n");
    const std::string script = test::readFile(set + "/run.sbatch");
    EXPECT_NE(script.find("\n#SBATCH --array=1,3%1\n#SBATCH --chdir=" + set + "\n"), std::string::npos);
    EXPECT_NE(script.find("\n#SBATCH --time=0:10:00\n"), std::string::npos);
    EXPECT_NE(script.find("\nkelvane_cli='" + test::binPath("kelvane-cli") + "'\n"), std::string::npos);
    EXPECT_EQ(script.find('\r'), std::string::npos);

    test::writeFile(set + "/GM1_1/status.txt", "failed\nThe solver stopped with exit status 3\n");
    test::writeFile(set + "/GM1_3/status.txt", "completed\n");
    const test::CommandResult nothing = batch("submit set --write-only");
    EXPECT_EQ(nothing.out, "Every run of " + set +
                               " has finished; nothing to submit (--retry-failed runs the failed "
                               "ones again)\n");
    const std::string retry = batch("submit set --write-only --retry-failed").out;
    EXPECT_EQ(retry.substr(0, retry.find('\n')), "wrote " + set + "/run.sbatch (1 run: 1)");

    const test::CommandResult status = batch("status set");
    EXPECT_EQ(status.exitCode, 0) << status.err;
    EXPECT_EQ(status.out, set + ": 3 runs: 2 completed, 1 failed\n"
                                "run 1 (GM1.txt at scale 1) failed: The solver stopped with exit status 3\n");
}

TEST_F(BatchCommandTest, CollectListsRunsThatHaveNotRun) {
    ASSERT_EQ(batch(plan("GM1.txt", "0.5,1")).exitCode, 0);
    const test::CommandResult result = batch("collect set -o summary.csv");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "wrote summary.csv (2 runs: 0 completed, 0 failed, 2 not run)\n");
    EXPECT_EQ(result.err, "No run has completed: the IDA curves were not drawn\n");
    EXPECT_EQ(test::readFile(dir.file("summary.csv")),
              "run,record,scale,status,peak_roof_disp,peak_drift_ratio,peak_time\r\n"
              "1,GM1.txt,0.5,not run,,,\r\n2,GM1.txt,1,not run,,,\r\n");
}

} // namespace
} // namespace kelvane
