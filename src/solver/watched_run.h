#pragma once

#include "solver/run_progress.h"
#include "solver/solver_run.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// A solver run that outlives the program that started it, and the watching of it while that
// program runs. The solver is started through a small shell that sends its output to a log file
// beside the script and writes the solver's process number and, at the end, its exit status to a
// state file: whoever watches reads those files, so nothing is lost when the program closes while
// the solver works on.
namespace kelvane {

struct WatchedRunFiles {
    std::filesystem::path log;   // SCRIPT.log: everything the solver wrote, both streams
    std::filesystem::path state; // .SCRIPT.run: "pid N", then "exit N" when the solver ended
};
WatchedRunFiles watchedRunFiles(const std::filesystem::path& script);

// What the state file says so far.
struct WatchedRunState {
    std::optional<long long> pid;
    std::optional<int> exitStatus; // as the shell reports it: 128 + N for a signal N
};
WatchedRunState readWatchedRunState(const std::filesystem::path& stateFile);

// The process outcome of an exit status as the shell reports it, with the log as its output.
ProcessOutcome watchedRunOutcome(int shellStatus, std::string log);

class WatchedRun {
  public:
    // Reads the script, its recorder files and the steps it asks for. Raises "Cannot open file" when
    // the script cannot be read.
    explicit WatchedRun(const std::string& scriptPath);

    const std::filesystem::path& script() const { return script_; }
    const std::filesystem::path& folder() const { return folder_; }
    const WatchedRunFiles& files() const { return files_; }
    long long stepsAsked() const { return stepsAsked_; }

    // The program and arguments that start `solver` on the script, to be started detached in the
    // script's folder; call begin() just before starting them.
    std::vector<std::string> command(const std::string& solver) const;

    // Removes the log and state files of an earlier run, stamps the recorder files and starts the clock.
    void begin();

    struct Poll {
        std::string output; // what the solver wrote since the last poll
        long long stepsDone = 0;
        bool ended = false; // the solver has ended; verdict() says how
    };
    // What changed since the last poll. Once the solver has ended, every later poll says so again.
    Poll poll();

    // Asks the solver to stop (SIGTERM); a poll more than `grace` later kills it when it is still
    // running. False when its process number is not known yet.
    bool stop(std::chrono::milliseconds grace = std::chrono::seconds(3));
    bool stopRequested() const { return stopAt_.has_value(); }

    double elapsedSeconds() const;
    // How the run ended (valid once a poll said ended): the verdict of the solver's exit status, its
    // output and the recorder files, as for a run the program waited for.
    const SolverVerdict& verdict() const { return verdict_; }
    const ProcessOutcome& outcome() const { return outcome_; }

  private:
    void readNewOutput(std::string& into);
    void finish(int shellStatus);
    void finishLost();

    std::filesystem::path script_;
    std::filesystem::path folder_;
    WatchedRunFiles files_;
    std::vector<std::string> recorders_;
    long long stepsAsked_ = 0;
    FileStamps before_;
    std::optional<RecorderProgress> progress_;
    std::chrono::steady_clock::time_point started_;
    std::chrono::steady_clock::time_point endedAt_;
    std::optional<std::chrono::steady_clock::time_point> stopAt_;
    std::optional<std::chrono::steady_clock::time_point> lostSince_;
    std::uintmax_t logOffset_ = 0;
    long long stepsDone_ = 0;
    std::optional<long long> pid_;
    bool ended_ = false;
    bool killed_ = false;
    ProcessOutcome outcome_;
    SolverVerdict verdict_;
};

} // namespace kelvane
