#include "cli/batch_run_loop.h"

#include "batch/batch_progress.h"
#include "batch/scale_list.h"
#include "solver/run_progress.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <iostream>

namespace kelvane::cli {
namespace {

constexpr int kBarWidth = 30;

// Blocks the signals the loop waits for, and restores the mask when it ends.
class WaitedSignals {
  public:
    WaitedSignals() {
        sigemptyset(&set_);
        for (int signal : {SIGCHLD, SIGINT, SIGTERM, SIGHUP})
            sigaddset(&set_, signal);
        sigprocmask(SIG_BLOCK, &set_, &previous_);
    }
    ~WaitedSignals() { sigprocmask(SIG_SETMASK, &previous_, nullptr); }
    WaitedSignals(const WaitedSignals&) = delete;
    WaitedSignals& operator=(const WaitedSignals&) = delete;

    // The signal that came within the time (0 when none did).
    int wait(long milliseconds) {
        timespec timeout{milliseconds / 1000, (milliseconds % 1000) * 1000000};
        const int signal = sigtimedwait(&set_, nullptr, &timeout);
        return signal < 0 ? 0 : signal;
    }

  private:
    sigset_t set_;
    sigset_t previous_;
};

std::string endLine(const RunEnd& end) {
    std::string line = "run " + std::to_string(end.run.id) + " " + end.run.record + " at scale " +
                       scaleText(end.run.scale) + ": " + runStateName(end.status.state);
    if (end.status.state == RunState::Failed || end.status.state == RunState::Collapse)
        line += ": " + end.status.error;
    const std::string subdivided =
        end.subdividedSteps > 0 ? ", " + std::to_string(end.subdividedSteps) + " steps subdivided" : "";
    return line + " (" + formatElapsed(end.seconds) + subdivided + ")";
}

} // namespace

int runBatchOnTerminal(LocalBatchRunner& runner, bool showProgress) {
    WaitedSignals signals;
    bool barShown = false;
    const auto clearBar = [&] {
        if (barShown)
            std::cerr << "\r\x1b[K" << std::flush;
        barShown = false;
    };
    const auto drawBar = [&] {
        if (!showProgress)
            return;
        std::cerr << "\r" << batchProgressBar(runner.progress(), kBarWidth) << "\x1b[K" << std::flush;
        barShown = true;
    };
    int stoppedBy = 0;
    while (true) {
        const std::vector<RunEnd> ended = runner.poll();
        if (!ended.empty())
            clearBar();
        for (const RunEnd& end : ended)
            std::cout << endLine(end) << "\n";
        std::cout << std::flush;
        drawBar();
        if (runner.done())
            break;
        const int signal = signals.wait(500);
        if (signal == SIGINT || signal == SIGTERM || signal == SIGHUP) {
            stoppedBy = signal;
            break;
        }
    }
    if (stoppedBy != 0) {
        const int stopped = runner.stop();
        clearBar();
        const BatchProgress progress = runner.progress();
        const int left = progress.total - progress.completed - progress.failed;
        std::cerr << "Stopped: " << stopped << " running " << (stopped == 1 ? "run was" : "runs were")
                  << " ended; " << left << (left == 1 ? " run is" : " runs are")
                  << " left for the next kelvane-cli batch run\n";
        return 130;
    }
    if (barShown)
        std::cerr << "\n";
    const BatchProgress progress = runner.progress();
    std::cout << batchCountsText(progress.total, progress.completed, progress.failed) << " ("
              << runner.startedThisCall() << " run now, " << formatElapsed(progress.elapsed) << ")\n";
    return progress.failed > 0 || progress.completed < progress.total ? 1 : 0;
}

} // namespace kelvane::cli
