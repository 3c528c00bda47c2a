#include "slurm/slurm_cluster.h"

#include "common/number_format.h"
#include "common/number_parse.h"
#include "common/text_file.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

// An ensemble submitted to a real (one-node) Slurm cluster gives the summary that running it here
// gives.
namespace kelvane::test {
namespace {

namespace fs = std::filesystem;

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

class SlurmEnsembleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!fs::exists(binPath("opensees")))
            return skipOrFail("the OpenSees solver launcher is missing (scripts/setup.sh installs it)");
        if (!cluster.problem().empty())
            return skipOrFail("Slurm did not start: " + cluster.problem());
        fs::copy_file(dataPath("solver/GMX.txt"), dir.path() / "GM1.txt");
        // A second record: the first reversed at half its size (the solver reads plain numbers).
        std::string values;
        for (const std::string& value : loadLines(dir.file("GM1.txt")))
            values += formatGeneral(-0.5 * parseReal(value)) + "\n";
        writeFile(dir.file("GM2.txt"), values);
    }
    void skipOrFail(const std::string& reason) {
        if (runningInCi())
            FAIL() << reason;
        GTEST_SKIP() << reason;
    }
    CommandResult batch(const std::string& arguments) {
        return runCommand("cd " + quoted(dir.path().string()) + " && " + quoted(binPath("kelvane-cli")) +
                          " batch " + arguments);
    }
    void plan(const std::string& set) {
        const CommandResult planned =
            batch("plan " + quoted(dataPath("solver/shear-building.s2k")) +
                  " --records GM1.txt GM2.txt --scales 0.5:1.5:0.5 --set analysisType=5 --set gmFactor=1"
                  " --set thSteps=150 -o " +
                  set);
        ASSERT_EQ(planned.exitCode, 0) << planned.err;
    }

    SlurmCluster cluster;
    TempDir dir;
};

TEST_F(SlurmEnsembleTest, ASubmittedSetGivesTheSummaryOfTheSameSetRunHere) {
    EXPECT_EQ(cluster.listenersBeyondLoopback(), std::vector<std::string>{});
    plan("cluster");
    // Held until the refusals below are checked, so that its runs are surely still queued.
    const CommandResult submitted =
        batch("submit cluster --time 00:05:00 --max-running 2 --sbatch-option --hold");
    ASSERT_EQ(submitted.exitCode, 0) << submitted.out << submitted.err;
    const std::string marker = "submitted job ";
    const auto at = submitted.out.find(marker);
    ASSERT_NE(at, std::string::npos) << submitted.out;
    const std::string job =
        submitted.out.substr(at + marker.size(), submitted.out.find('\n', at) - at - marker.size());
    EXPECT_NE(readFile(dir.file("cluster/run.sbatch")).find("\n#SBATCH --array=1-6%2\n"), std::string::npos);
    // Runs in the queue are neither run here nor submitted again, nor planned over.
    const std::string queued =
        "Slurm job " + job + " of the ensemble \"" + (dir.path() / "cluster").string() +
        "\" still has 6 runs in the queue; wait for it to end, or cancel it (scancel " + job + ") first\n";
    EXPECT_EQ(batch("run cluster").err, queued);
    EXPECT_EQ(batch("submit cluster").err, queued);
    EXPECT_EQ(batch("plan " + quoted(dataPath("solver/shear-building.s2k")) +
                    " --records GM1.txt --scales 2 --set analysisType=5 -o cluster")
                  .err,
              queued);
    EXPECT_NE(readFile(dir.file("cluster/run.sbatch")).find("\n#SBATCH --hold\n"), std::string::npos);
    ASSERT_EQ(runCommand("scontrol release " + job).exitCode, 0);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(100);
    const auto finished = [&] {
        for (const char* run : {"GM1_0.5", "GM1_1", "GM1_1.5", "GM2_0.5", "GM2_1", "GM2_1.5"})
            if (!fs::exists(dir.path() / "cluster" / run / "status.txt"))
                return false;
        return true;
    };
    bool sawQueue = false;
    while (!finished() && std::chrono::steady_clock::now() < deadline) {
        const std::string status = batch("status cluster").out;
        sawQueue = sawQueue || status.find("Slurm job " + job + ": ") != std::string::npos;
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    ASSERT_TRUE(finished()) << batch("status cluster").out << readFile(dir.file("cluster/run.sbatch"));
    EXPECT_TRUE(sawQueue);
    const CommandResult status = batch("status cluster");
    EXPECT_EQ(status.out.substr(0, status.out.find('\n')),
              (dir.path() / "cluster").string() + ": 6 runs: 6 completed, 0 failed");
    // Each task left Slurm's output file in the set.
    EXPECT_TRUE(fs::exists(dir.path() / "cluster" / ("slurm-" + job + "_6.out")));

    plan("here");
    ASSERT_EQ(batch("run here --jobs 2").exitCode, 0);
    ASSERT_EQ(batch("collect cluster -o cluster.csv").exitCode, 0);
    ASSERT_EQ(batch("collect here -o here.csv").exitCode, 0);
    const std::string summary = readFile(dir.file("cluster.csv"));
    EXPECT_EQ(summary, readFile(dir.file("here.csv")));
    EXPECT_EQ(std::count(summary.begin(), summary.end(), '\n'), 7);
    EXPECT_EQ(summary.find("not run"), std::string::npos);

    // Every run has finished: nothing is submitted again.
    EXPECT_NE(batch("submit cluster").out.find("nothing to submit"), std::string::npos);
}

} // namespace
} // namespace kelvane::test
