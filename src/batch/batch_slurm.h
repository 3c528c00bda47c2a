#pragma once

#include "batch/sbatch_script.h"

#include <filesystem>
#include <string>
#include <vector>

// Submitting an ensemble to Slurm and asking how it is going.
namespace kelvane {

struct Submission {
    std::filesystem::path script; // SET/run.sbatch
    std::vector<int> ids;         // the runs it runs; none when every run has finished
    std::string jobId;            // "" when not submitted
};

// Writes the job script for the runs that have not finished (and the failed ones when
// `retryFailed`); with `submit`, submits it with sbatch and keeps the job id in SET/slurm-jobs.txt.
// Nothing is written when every run has finished; a set being run here is refused.
Submission submitBatch(const std::filesystem::path& setFolder, const SlurmOptions& options, bool retryFailed,
                       bool submit);

// Stops with a message when a job submitted for the set still has runs in the Slurm queue
// (pending or running): running the set here or submitting it again would run them twice at once,
// into the same files. When squeue gives no answer (no Slurm here), nothing is stopped.
void checkNoRunQueued(const std::filesystem::path& setFolder);

// What the folders say of the set's runs, what squeue says of the jobs submitted for it (running,
// pending), and sacct of tasks that ended without writing a status (TIMEOUT, CANCELLED, ...),
// then each failed run with its first error line. A Slurm command that does not answer is named
// with its reason; the folders are read all the same.
std::vector<std::string> batchStatusLines(const std::filesystem::path& setFolder);

} // namespace kelvane
