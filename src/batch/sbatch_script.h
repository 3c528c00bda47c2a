#pragma once

#include "batch/batch_set.h"

#include <filesystem>
#include <string>
#include <vector>

// The Slurm array job of an ensemble: SET/run.sbatch, one task per run, task N running
// `kelvane-cli run` on the script of run N and writing the run's status as `batch run` does. It is
// plain bash with #SBATCH lines, for the user to read and edit.
namespace kelvane {

inline constexpr const char* kSbatchName = "run.sbatch";
inline constexpr const char* kSlurmJobsName = "slurm-jobs.txt";

struct SlurmOptions {
    std::string partition;          // --partition, "" for the cluster's default
    std::string time;               // --time limit of each task, "" for the partition's
    std::vector<std::string> extra; // more #SBATCH options, each as given ("--mem=2G")
    int maxRunning = 0;             // the array's %M: tasks running at once (0: all of them)
    std::string kelvaneCli;         // the kelvane-cli the tasks run, by its full path
};

// "1-6", "1,3,5-9": the ids (ascending) as sbatch's --array takes them.
std::string arrayRanges(const std::vector<int>& ids);

// Refuses options and paths the #SBATCH lines or the script could not carry: a time that is not
// [D-]HH:MM:SS, MM:SS or minutes, a partition or option with a blank or a line end, an option not
// starting with '-', and a set folder or program path with a blank, a quote or a '%'.
void checkSlurmOptions(const std::filesystem::path& setFolder, const SlurmOptions& options);

// The job script for the runs `ids` of the set (every run's folder is listed, so that an edited
// --array can run others).
std::vector<std::string> sbatchLines(const std::filesystem::path& setFolder,
                                     const std::vector<BatchRun>& runs, const std::vector<int>& ids,
                                     const SlurmOptions& options);

// The job id sbatch --parsable printed ("42" or "42;cluster"); refuses anything else.
std::string parsedJobId(const std::string& sbatchOutput);

} // namespace kelvane
