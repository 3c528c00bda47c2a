#include "batch/sbatch_script.h"
#include "batch/slurm_queue.h"
#include "common/error.h"

#include <algorithm>
#include <gtest/gtest.h>

// The Slurm array job of an ensemble and the reading of squeue's and sacct's answers.
namespace kelvane {
namespace {

std::vector<BatchRun> threeRuns() {
    return {{1, "GM1.txt", 0.5, "GM1_0.5"}, {2, "GM1.txt", 1, "GM1_1"}, {3, "GM2.txt", 0.5, "GM2_0.5"}};
}

bool hasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(SbatchScript, AnArrayTaskPerRunWithTheOptionsGiven) {
    SlurmOptions options;
    options.partition = "short";
    options.time = "00:30:00";
    options.extra = {"--mem=2G", "--account=quake"};
    options.maxRunning = 2;
    options.kelvaneCli = "/opt/kelvane/bin/kelvane-cli";
    const std::vector<std::string> lines = sbatchLines("/scratch/ida/set", threeRuns(), {2, 3}, options);
    EXPECT_EQ(lines.front(), "#!/bin/bash");
    for (const char* expected :
         {"#SBATCH --job-name=kelvane-set", "#SBATCH --array=2-3%2", "#SBATCH --chdir=/scratch/ida/set",
          "#SBATCH --output=/scratch/ida/set/slurm-%A_%a.out", "#SBATCH --partition=short",
          "#SBATCH --time=00:30:00", "#SBATCH --mem=2G", "#SBATCH --account=quake",
          "set_dir='/scratch/ida/set'", "kelvane_cli='/opt/kelvane/bin/kelvane-cli'", "folders[1]=GM1_0.5",
          "folders[3]=GM2_0.5", "\"$kelvane_cli\" run model.tcl >model.log 2>run-error.txt",
          "mv -f status.txt.part status.txt"})
        EXPECT_TRUE(hasLine(lines, expected)) << expected;
    // Every #SBATCH line comes before the first command, as sbatch reads them.
    const auto firstCommand = std::find(lines.begin(), lines.end(), "set_dir='/scratch/ida/set'");
    EXPECT_TRUE(std::none_of(firstCommand, lines.end(),
                             [](const std::string& line) { return line.starts_with("#SBATCH"); }));
    SlurmOptions plain;
    plain.kelvaneCli = "/usr/bin/kelvane-cli";
    const std::vector<std::string> defaults = sbatchLines("/s", threeRuns(), {1, 2, 3}, plain);
    EXPECT_TRUE(hasLine(defaults, "#SBATCH --array=1-3%3"));
    EXPECT_FALSE(std::any_of(defaults.begin(), defaults.end(), [](const std::string& line) {
        return line.starts_with("#SBATCH --partition");
    }));
}

TEST(SbatchScript, OptionsAndPathsTheScriptCannotCarryAreRefused) {
    const auto failure = [](const std::string& folder, const SlurmOptions& options) -> std::string {
        try {
            checkSlurmOptions(folder, options);
        } catch (const KelvaneError& e) {
            return e.what();
        }
        return "no error";
    };
    SlurmOptions options;
    options.kelvaneCli = "/usr/bin/kelvane-cli";
    for (const char* time : {"1:00:00", "2-12:00:00", "90", "30:00"}) {
        options.time = time;
        EXPECT_EQ(failure("/set", options), "no error") << time;
    }
    options.time = "1h";
    EXPECT_EQ(failure("/set", options),
              "The time limit '1h' is not HH:MM:SS (nor D-HH:MM:SS, MM:SS or minutes)");
    options.time.clear();
    options.partition = "a b";
    EXPECT_EQ(failure("/set", options), "The partition 'a b' holds a blank");
    options.partition.clear();
    options.extra = {"mem=2G"};
    EXPECT_EQ(failure("/set", options),
              "The sbatch option 'mem=2G' is not an option of one line starting with '-' (as --mem=2G)");
    options.extra.clear();
    EXPECT_EQ(failure("/my set", options).rfind("The path \"/my set\" holds a blank", 0), 0u);
    EXPECT_EQ(failure("/set%1", options).rfind("The path \"/set%1\" holds", 0), 0u);
}

TEST(SlurmQueue, TaskStatesFromSqueueAndSacct) {
    const std::string squeue = "42_3|RUNNING\n42_[4-6%2]|PENDING\n43_1|RUNNING\n42|RUNNING\n";
    EXPECT_EQ(parseTaskStates(squeue, "42"),
              (std::map<int, std::string>{{3, "RUNNING"}, {4, "PENDING"}, {5, "PENDING"}, {6, "PENDING"}}));
    const std::string sacct = "42_1|COMPLETED\n42_1.batch|COMPLETED\n42_2|TIMEOUT\n42_7|CANCELLED by 0\n";
    EXPECT_EQ(parseTaskStates(sacct, "42"),
              (std::map<int, std::string>{{1, "COMPLETED"}, {2, "TIMEOUT"}, {7, "CANCELLED"}}));
    EXPECT_EQ(parsedJobId("42;cluster\n"), "42");
    EXPECT_EQ(parsedJobId("17\n"), "17");
    try {
        parsedJobId("sbatch: error: Batch job submission failed\n");
        ADD_FAILURE() << "an error was taken for a job id";
    } catch (const KelvaneError& e) {
        EXPECT_STREQ(e.what(),
                     "sbatch did not print a job id but \"sbatch: error: Batch job submission failed\n\"");
    }
}

} // namespace
} // namespace kelvane
