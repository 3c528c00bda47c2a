#include "solver/watched_run.h"

#include "common/number_parse.h"
#include "common/text_file.h"

#include <cerrno>
#include <cstdio>
#include <sstream>
#include <system_error>
#include <utility>

#include <signal.h>

namespace kelvane {
namespace {

// $1 solver, $2 script, $3 log, $4 state. The solver reads an empty input (a pipe from ':') and
// writes both streams to the log, where the shell's own word on how it ended ("Killed") follows; the
// state file is replaced whole, never seen half written.
constexpr const char* kWatchingShell = "exec 2>>\"$3\"\n"
                                       ": | \"$1\" \"$2\" >\"$3\" 2>&1 &\n"
                                       "pid=$!\n"
                                       "printf 'pid %s\\n' \"$pid\" >\"$4.tmp\" && mv -f \"$4.tmp\" \"$4\"\n"
                                       "wait \"$pid\"\n"
                                       "status=$?\n"
                                       "printf 'pid %s\\nexit %s\\n' \"$pid\" \"$status\" >\"$4.tmp\" && "
                                       "mv -f \"$4.tmp\" \"$4\"\n";

// How long a solver that is gone may leave its exit status unwritten before the run counts as lost.
constexpr auto kLostAfter = std::chrono::seconds(2);

bool processAlive(long long pid) {
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

std::string readIfPresent(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return {};
    return loadText(path.string());
}

} // namespace

WatchedRunFiles watchedRunFiles(const std::filesystem::path& script) {
    const std::filesystem::path folder = script.parent_path();
    const std::string stem = script.stem().string();
    return {folder / (stem + ".log"), folder / ("." + stem + ".run")};
}

WatchedRunState readWatchedRunState(const std::filesystem::path& stateFile) {
    WatchedRunState state;
    std::string text;
    try {
        text = readIfPresent(stateFile);
    } catch (const std::exception&) {
        return state; // being replaced just now; the next poll reads it
    }
    for (const std::string& line : splitLines(text)) {
        std::istringstream words(line);
        std::string key, value;
        if (!(words >> key >> value))
            continue;
        if (key == "pid")
            if (const auto pid = tryParseInt(value); pid && *pid > 0)
                state.pid = *pid;
        if (key == "exit")
            if (const auto status = tryParseInt(value))
                state.exitStatus = *status;
    }
    return state;
}

ProcessOutcome watchedRunOutcome(int shellStatus, std::string log) {
    ProcessOutcome outcome;
    if (shellStatus > 128 && shellStatus < 128 + 65)
        outcome.signal = shellStatus - 128;
    else
        outcome.exitCode = shellStatus;
    outcome.out = std::move(log);
    return outcome;
}

WatchedRun::WatchedRun(const std::string& scriptPath)
    : script_(std::filesystem::absolute(scriptPath)), folder_(script_.parent_path()),
      files_(watchedRunFiles(script_)) {
    const std::vector<std::string> lines = loadLines(script_.string());
    recorders_ = recorderFileNames(lines);
    stepsAsked_ = kelvane::stepsAsked(lines);
}

std::vector<std::string> WatchedRun::command(const std::string& solver) const {
    return {"/bin/sh",
            "-c",
            kWatchingShell,
            "kelvane-run",
            solver,
            script_.string(),
            files_.log.string(),
            files_.state.string()};
}

void WatchedRun::begin() {
    std::error_code error;
    std::filesystem::remove(files_.log, error);
    // Written now, so that a folder the run cannot write in is reported before the solver starts.
    saveTextAtomically(files_.state.string(), "start\n");
    before_ = stampFiles(folder_, recorders_);
    progress_.emplace(folder_, recorders_, before_);
    started_ = std::chrono::steady_clock::now();
}

void WatchedRun::readNewOutput(std::string& into) {
    std::FILE* log = std::fopen(files_.log.c_str(), "rb");
    if (!log)
        return;
    if (std::fseek(log, static_cast<long>(logOffset_), SEEK_SET) == 0) {
        char buffer[65536];
        std::size_t count;
        while ((count = std::fread(buffer, 1, sizeof buffer, log)) > 0) {
            into.append(buffer, count);
            logOffset_ += count;
        }
    }
    std::fclose(log);
}

void WatchedRun::finish(int shellStatus) {
    ended_ = true;
    endedAt_ = std::chrono::steady_clock::now();
    outcome_ = watchedRunOutcome(shellStatus, readIfPresent(files_.log));
    verdict_ = judgeSolverRun(outcome_, folder_, recorders_, before_);
    if (stopAt_)
        verdict_ = {true,
                    "Stopped by the user at " + progressText(stepsDone_, stepsAsked_, elapsedSeconds()),
                    {},
                    verdict_.subdividedSteps};
}

void WatchedRun::finishLost() {
    ended_ = true;
    endedAt_ = std::chrono::steady_clock::now();
    outcome_ = {};
    outcome_.out = readIfPresent(files_.log);
    const std::string line = firstErrorLine(outcome_.out);
    verdict_ = {true,
                "The solver ended without its exit status being written to \"" + files_.state.string() +
                    "\"" + (line.empty() ? "" : ": " + line),
                {},
                0};
}

WatchedRun::Poll WatchedRun::poll() {
    Poll result;
    if (ended_) {
        result.stepsDone = stepsDone_;
        result.ended = true;
        return result;
    }
    readNewOutput(result.output);
    if (progress_)
        stepsDone_ = progress_->stepsDone();
    const WatchedRunState state = readWatchedRunState(files_.state);
    if (state.pid)
        pid_ = state.pid;
    const auto now = std::chrono::steady_clock::now();
    if (state.exitStatus) {
        finish(*state.exitStatus);
        readNewOutput(result.output);
        if (progress_)
            stepsDone_ = progress_->stepsDone();
    } else if (pid_ && !processAlive(*pid_)) {
        if (!lostSince_)
            lostSince_ = now;
        else if (now - *lostSince_ > kLostAfter)
            finishLost();
    } else if (pid_ && stopAt_ && !killed_ && now > *stopAt_) {
        ::kill(static_cast<pid_t>(*pid_), SIGKILL);
        killed_ = true;
    }
    result.stepsDone = stepsDone_;
    result.ended = ended_;
    return result;
}

bool WatchedRun::stop(std::chrono::milliseconds grace) {
    if (ended_)
        return false;
    if (!pid_)
        pid_ = readWatchedRunState(files_.state).pid;
    if (!pid_)
        return false;
    ::kill(static_cast<pid_t>(*pid_), SIGTERM);
    stopAt_ = std::chrono::steady_clock::now() + grace;
    return true;
}

double WatchedRun::elapsedSeconds() const {
    const auto end = ended_ ? endedAt_ : std::chrono::steady_clock::now();
    return std::chrono::duration<double>(end - started_).count();
}

} // namespace kelvane
