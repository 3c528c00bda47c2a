#pragma once

#include "batch/batch_set.h"
#include "solver/solver_run.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

// Runs the runs of an ensemble on this machine, a number of solver processes at a time, each in
// its run folder with its output in model.log. A run that ends is judged as a single run is (exit
// status, error lines, recorder files) and its status written; a run stopped before its end gets
// none, so the next call runs it again. poll() does the work and never waits: the command line
// calls it whenever a child ends, the window on a timer.
namespace kelvane {

struct RunEnd {
    BatchRun run;
    RunStatus status;
    double seconds = 0;
    long long subdividedSteps = 0; // the steps the script's step control split
};

struct BatchProgress {
    int total = 0;     // runs in the set
    int completed = 0; // of the set, earlier calls included
    int failed = 0;
    int running = 0;
    int waiting = 0;                   // not started yet in this call
    std::optional<double> secondsLeft; // known once a run of this call has ended
    double elapsed = 0;                // since this call began
};

// The solver processes to run at once by default: the cores this process may run on.
int defaultJobCount();

class LocalBatchRunner {
  public:
    // The runs of the set that have not finished (and the failed ones when `retryFailed`), `jobs`
    // of them at a time (at least 1).
    LocalBatchRunner(std::filesystem::path setFolder, const std::vector<BatchRun>& runs, std::string solver,
                     int jobs, bool retryFailed);
    ~LocalBatchRunner();
    LocalBatchRunner(const LocalBatchRunner&) = delete;
    LocalBatchRunner& operator=(const LocalBatchRunner&) = delete;

    // Reaps the runs that ended, writes their status, and starts runs while fewer than `jobs`
    // run. A run that cannot be started is failed with the reason. Returns the runs that ended.
    std::vector<RunEnd> poll();
    bool done() const { return waiting_.empty() && running_.empty(); }
    int startedThisCall() const { return started_; }

    // Ends the running solvers (SIGTERM, then SIGKILL after `grace`) and starts no more; their runs
    // keep no status. Returns how many were running.
    int stop(std::chrono::milliseconds grace = std::chrono::seconds(3));

    BatchProgress progress() const;

  private:
    struct Running {
        BatchRun run;
        pid_t pid = 0;
        std::vector<std::string> recorders;
        FileStamps before;
        std::chrono::steady_clock::time_point started;
    };
    void startNext(std::vector<RunEnd>& ended);
    RunEnd finish(const Running& running, int exitCode, int signal);

    std::filesystem::path setFolder_;
    std::string solver_;
    int jobs_;
    int total_;
    int completed_ = 0;
    int failed_ = 0;
    int started_ = 0;
    int endedThisCall_ = 0;
    double secondsThisCall_ = 0; // the summed durations of the runs ended in this call
    std::vector<BatchRun> waiting_;
    std::vector<Running> running_;
    std::chrono::steady_clock::time_point began_;
};

} // namespace kelvane
