#include "batch/local_runner.h"

#include "batch/child_process.h"
#include "common/error.h"
#include "common/text_file.h"

#include <algorithm>
#include <thread>

#include <sched.h>

namespace kelvane {
namespace {

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string logText(const std::filesystem::path& path) {
    try {
        return loadText(path.string());
    } catch (const KelvaneError&) {
        return {};
    }
}

} // namespace

int defaultJobCount() {
    cpu_set_t cpus;
    CPU_ZERO(&cpus);
    if (::sched_getaffinity(0, sizeof cpus, &cpus) == 0 && CPU_COUNT(&cpus) > 0)
        return CPU_COUNT(&cpus);
    return std::max(1u, std::thread::hardware_concurrency());
}

LocalBatchRunner::LocalBatchRunner(std::filesystem::path setFolder, const std::vector<BatchRun>& runs,
                                   std::string solver, int jobs, bool retryFailed)
    : setFolder_(std::move(setFolder)), solver_(std::move(solver)), jobs_(std::max(1, jobs)),
      total_(static_cast<int>(runs.size())), began_(std::chrono::steady_clock::now()) {
    for (const BatchRun& run : runs) {
        const RunState state = readRunStatus(setFolder_ / run.folder).state;
        if (state == RunState::NotRun || (retryFailed && state == RunState::Failed))
            waiting_.push_back(run);
        else if (runEnded(state))
            ++completed_;
        else
            ++failed_;
    }
    std::reverse(waiting_.begin(), waiting_.end()); // taken from the back, in manifest order
}

LocalBatchRunner::~LocalBatchRunner() {
    stop(std::chrono::milliseconds(500));
}

RunEnd LocalBatchRunner::finish(const Running& running, int exitCode, int signal) {
    const std::filesystem::path folder = setFolder_ / running.run.folder;
    ProcessOutcome outcome;
    outcome.exitCode = exitCode;
    outcome.signal = signal;
    outcome.out = logText(folder / kRunLogName);
    const SolverVerdict verdict = judgeSolverRun(outcome, folder, running.recorders, running.before);
    RunEnd end{running.run,
               verdict.failed       ? RunStatus{RunState::Failed, verdict.firstError}
               : verdict.collapse() ? RunStatus{RunState::Collapse, verdict.end}
                                    : RunStatus{RunState::Completed, {}},
               secondsSince(running.started), verdict.subdividedSteps};
    try {
        writeRunStatus(folder, end.status);
    } catch (const KelvaneError& error) {
        // Without its status the run is run again by the next call; this call counts it failed.
        end.status = {RunState::Failed, error.what()};
    }
    (end.status.state == RunState::Failed ? failed_ : completed_) += 1;
    ++endedThisCall_;
    secondsThisCall_ += end.seconds;
    return end;
}

void LocalBatchRunner::startNext(std::vector<RunEnd>& ended) {
    BatchRun run = waiting_.back();
    waiting_.pop_back();
    const std::filesystem::path folder = setFolder_ / run.folder;
    Running running{run, 0, {}, {}, std::chrono::steady_clock::now()};
    try {
        clearRunStatus(folder);
        const std::filesystem::path script = folder / kRunScriptName;
        running.recorders = recorderFileNames(loadLines(script.string()));
        running.before = stampFiles(folder, running.recorders);
        running.pid =
            startChildProcess(solver_, {script.string()}, folder.string(), (folder / kRunLogName).string());
    } catch (const KelvaneError& error) {
        RunEnd end{run, {RunState::Failed, error.what()}, 0, 0};
        try {
            writeRunStatus(folder, end.status);
        } catch (const KelvaneError&) {
            // The folder cannot be written: the run is reported failed all the same.
        }
        ++failed_;
        ++endedThisCall_;
        ended.push_back(std::move(end));
        return;
    }
    ++started_;
    running_.push_back(std::move(running));
}

std::vector<RunEnd> LocalBatchRunner::poll() {
    std::vector<RunEnd> ended;
    for (auto it = running_.begin(); it != running_.end();) {
        const ChildEnd end = reapChild(it->pid, false);
        if (!end.ended) {
            ++it;
            continue;
        }
        ended.push_back(finish(*it, end.exitCode, end.signal));
        it = running_.erase(it);
    }
    while (!waiting_.empty() && static_cast<int>(running_.size()) < jobs_)
        startNext(ended);
    return ended;
}

int LocalBatchRunner::stop(std::chrono::milliseconds grace) {
    waiting_.clear();
    const int count = static_cast<int>(running_.size());
    for (const Running& running : running_)
        terminateChild(running.pid);
    const auto deadline = std::chrono::steady_clock::now() + grace;
    while (!running_.empty()) {
        for (auto it = running_.begin(); it != running_.end();)
            it = reapChild(it->pid, false).ended ? running_.erase(it) : it + 1;
        if (running_.empty())
            break;
        if (std::chrono::steady_clock::now() >= deadline) {
            for (const Running& running : running_) {
                killChild(running.pid);
                reapChild(running.pid, true);
            }
            running_.clear();
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return count;
}

BatchProgress LocalBatchRunner::progress() const {
    BatchProgress progress;
    progress.total = total_;
    progress.completed = completed_;
    progress.failed = failed_;
    progress.running = static_cast<int>(running_.size());
    progress.waiting = static_cast<int>(waiting_.size());
    progress.elapsed = secondsSince(began_);
    if (endedThisCall_ > 0 && secondsThisCall_ > 0) {
        const double mean = secondsThisCall_ / endedThisCall_;
        double work = mean * progress.waiting;
        for (const Running& running : running_)
            work += std::max(0.0, mean - secondsSince(running.started));
        progress.secondsLeft = work / jobs_;
    } else if (progress.running == 0 && progress.waiting == 0) {
        progress.secondsLeft = 0.0;
    }
    return progress;
}

} // namespace kelvane
