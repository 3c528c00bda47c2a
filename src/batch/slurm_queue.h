#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// What Slurm says of an ensemble's array jobs, through its commands squeue, sacct and sbatch.
namespace kelvane {

// The full path of a program on the PATH ("" when there is none).
std::string findOnPath(const std::string& name);

// The states by array task of job `jobId` in "JOBID_TASK|STATE" lines (squeue -r -o '%i|%T',
// sacct -P -o JobID,State); lines of other jobs, and job steps ("42_3.batch"), are left out.
// A pending range ("42_[4-6%2]|PENDING") counts for each of its tasks.
std::map<int, std::string> parseTaskStates(const std::string& output, const std::string& jobId);

struct SlurmAnswer {
    std::map<int, std::string> states; // by task
    std::string problem;               // why the command gave no answer ("" when it did)
};

// squeue's states (PENDING, RUNNING, ...) of the job's tasks still in the queue.
SlurmAnswer queuedTasks(const std::string& jobId);
// sacct's states (COMPLETED, FAILED, TIMEOUT, ...) of the job's tasks, also those that left the queue.
SlurmAnswer accountedTasks(const std::string& jobId);

// Submits the job script with `sbatch --parsable` from `folder`; returns the job id. sbatch's own
// message stops the command when it refuses.
std::string submitJob(const std::string& script, const std::string& folder);

} // namespace kelvane
