#include "batch/batch_slurm.h"

#include "batch/batch_progress.h"
#include "batch/scale_list.h"
#include "batch/set_lock.h"
#include "batch/slurm_queue.h"
#include "common/error.h"
#include "common/text_file.h"

#include <map>
#include <sstream>
#include <system_error>

namespace kelvane {
namespace {

struct SubmittedJob {
    std::string id;
    std::string runs; // the runs as --array gives them: 1-3,5
};

std::vector<SubmittedJob> submittedJobs(const std::filesystem::path& setFolder) {
    std::vector<SubmittedJob> jobs;
    std::error_code error;
    const std::filesystem::path path = setFolder / kSlurmJobsName;
    if (!std::filesystem::is_regular_file(path, error))
        return jobs;
    for (const std::string& line : loadLines(path.string())) {
        std::istringstream words(line);
        SubmittedJob job;
        if (words >> job.id >> job.runs)
            jobs.push_back(job);
    }
    return jobs;
}

std::string runName(const BatchRun& run) {
    return "run " + std::to_string(run.id) + " (" + run.record + " at scale " + scaleText(run.scale) + ")";
}

} // namespace

void checkNoRunQueued(const std::filesystem::path& setFolder) {
    for (const SubmittedJob& job : submittedJobs(setFolder)) {
        const std::size_t queued = queuedTasks(job.id).states.size();
        if (queued > 0)
            fail("Slurm job " + job.id + " of the ensemble \"" + setFolder.string() + "\" still has " +
                 std::to_string(queued) + (queued == 1 ? " run" : " runs") +
                 " in the queue; wait for it to end, or cancel it (scancel " + job.id + ") first");
    }
}

Submission submitBatch(const std::filesystem::path& setFolder, const SlurmOptions& options, bool retryFailed,
                       bool submit) {
    const std::vector<BatchRun> runs = readManifest(setFolder);
    checkSlurmOptions(setFolder, options);
    const BatchSetLock lock(setFolder); // runs going here would run twice
    checkNoRunQueued(setFolder);
    Submission submission;
    submission.script = setFolder / kSbatchName;
    for (const BatchRun& run : unfinishedRuns(setFolder, runs, retryFailed))
        submission.ids.push_back(run.id);
    if (submission.ids.empty())
        return submission;
    std::vector<std::string> lines = sbatchLines(setFolder, runs, submission.ids, options);
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n"; // bash reads a CR as part of the line
    saveTextAtomically(submission.script.string(), text);
    if (!submit)
        return submission;
    submission.jobId = submitJob(submission.script.string(), setFolder.string());
    std::vector<std::string> jobs;
    for (const SubmittedJob& job : submittedJobs(setFolder))
        jobs.push_back(job.id + " " + job.runs);
    jobs.push_back(submission.jobId + " " + arrayRanges(submission.ids));
    saveLinesCrLf((setFolder / kSlurmJobsName).string(), jobs);
    return submission;
}

std::vector<std::string> batchStatusLines(const std::filesystem::path& setFolder) {
    const std::vector<BatchRun> runs = readManifest(setFolder);
    std::map<int, RunStatus> statuses;
    int completed = 0, failed = 0, collapsed = 0;
    for (const BatchRun& run : runs) {
        const RunStatus status = readRunStatus(setFolder / run.folder);
        completed += runEnded(status.state);
        collapsed += status.state == RunState::Collapse;
        failed += status.state == RunState::Failed;
        statuses[run.id] = status;
    }
    std::vector<std::string> lines{
        setFolder.string() + ": " +
        batchCountsText(static_cast<int>(runs.size()), completed, failed, collapsed)};

    const std::vector<SubmittedJob> jobs = submittedJobs(setFolder);
    std::map<int, std::string> queued;    // the latest job's word on each run still queued
    std::map<int, std::string> accounted; // and on the runs that left the queue
    std::vector<std::string> problems;
    for (const SubmittedJob& job : jobs) {
        const SlurmAnswer queue = queuedTasks(job.id);
        if (!queue.problem.empty())
            problems.push_back("Slurm job " + job.id + ": " + queue.problem);
        for (const auto& [task, state] : queue.states)
            queued[task] = state;
        const SlurmAnswer account = accountedTasks(job.id);
        if (!account.problem.empty())
            problems.push_back("Slurm job " + job.id + ": " + account.problem);
        for (const auto& [task, state] : account.states)
            accounted[task] = state;
    }
    if (!jobs.empty()) {
        std::map<std::string, int> counts;
        for (const auto& [task, state] : queued)
            if (statuses.count(task) && statuses[task].state == RunState::NotRun)
                ++counts[state];
        std::string queueLine = "Slurm job" + std::string(jobs.size() > 1 ? "s" : "");
        for (std::size_t i = 0; i < jobs.size(); ++i)
            queueLine += (i == 0 ? " " : ", ") + jobs[i].id;
        queueLine += ":";
        if (counts.empty())
            queueLine += " no run in the queue";
        bool firstCount = true;
        for (const auto& [state, count] : counts) {
            queueLine += std::string(firstCount ? " " : ", ") + std::to_string(count) + " " + state;
            firstCount = false;
        }
        lines.push_back(queueLine);
    }
    lines.insert(lines.end(), problems.begin(), problems.end());
    for (const BatchRun& run : runs) {
        const RunStatus& status = statuses[run.id];
        if (status.state == RunState::Failed)
            lines.push_back(runName(run) + " failed: " + status.error);
        const auto account = accounted.find(run.id);
        if (status.state == RunState::NotRun && !queued.count(run.id) && account != accounted.end() &&
            account->second != "RUNNING" && account->second != "PENDING")
            lines.push_back(runName(run) + " ended in Slurm as " + account->second + " without a status");
    }
    return lines;
}

} // namespace kelvane
