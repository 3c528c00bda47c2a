#include "cli/command_registry.h"
#include "common/error.h"
#include "common/text_file.h"
#include "solver/run_progress.h"
#include "solver/solver_location.h"
#include "solver/solver_run.h"

#include <chrono>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include <unistd.h>

namespace kelvane::cli {
namespace {

constexpr int kBarWidth = 30;

// Copies the solver's output to standard output as it comes. On a terminal, standard error also
// shows a progress bar under it: the steps the recorder files hold of those the script asks for,
// and the time.
class RunWatcher final : public ProcessWatcher {
  public:
    RunWatcher(const std::string& scriptPath, bool showProgress)
        : started_(std::chrono::steady_clock::now()) {
        if (!showProgress)
            return;
        const auto lines = loadLines(scriptPath);
        const std::filesystem::path folder = std::filesystem::absolute(scriptPath).parent_path();
        const auto recorders = recorderFileNames(lines);
        asked_ = stepsAsked(lines);
        progress_.emplace(folder, recorders, stampFiles(folder, recorders));
    }

    void output(std::string_view text, bool) override {
        clearBar();
        std::cout << text << std::flush;
    }
    void tick() override { drawBar(); }
    // The bar's last state stays on the terminal.
    void finish() {
        if (!progress_)
            return;
        drawBar();
        std::cerr << "\n" << std::flush;
    }

  private:
    void drawBar() {
        if (!progress_)
            return;
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
        std::cerr << "\r" << progressBar(progress_->stepsDone(), asked_, seconds, kBarWidth) << "\x1b[K"
                  << std::flush;
        barShown_ = true;
    }
    void clearBar() {
        if (barShown_)
            std::cerr << "\r\x1b[K" << std::flush;
        barShown_ = false;
    }

    std::chrono::steady_clock::time_point started_;
    std::optional<RecorderProgress> progress_;
    long long asked_ = 0;
    bool barShown_ = false;
};

// run SCRIPT.tcl|SCRIPT.py: runs OpenSees (OpenSeesPy for a Python script) on the script in the
// script's folder and waits for it. The
// solver's console output is copied to standard output; when the run failed, its first error
// line stands alone on standard error and the exit status is 1.
int runRun(const Arguments& args) {
    if (args.size() != 1)
        throw UsageError{args.empty() ? "a script file is required" : "unexpected argument: " + args[1]};
    const SolverSearch search = solverSearchFromEnvironment(runningProgramFolder());
    const std::string executable = solverExecutableNameFor(args[0]);
    const std::string solver = findSolverExecutable(search, executable);
    if (solver.empty())
        fail(missingSolverMessage(search, executable));

    RunWatcher watcher(args[0], ::isatty(STDERR_FILENO) == 1);
    const SolverRun run = runSolverOnScript(solver, args[0], &watcher);
    watcher.finish();
    std::cout << runEndSummary(run.verdict);
    if (run.verdict.failed) {
        std::cerr << run.verdict.firstError << "\n";
        return 1;
    }
    return 0;
}

const RegisterCommand reg({
    .name = "run",
    .usage = "run SCRIPT.tcl",
    .summary = "Run OpenSees on a Tcl script, or OpenSeesPy on a Python one, in the script's folder",
    .details =
        "A .py script runs with the openseespy launcher (OpenSeesPy), any other with opensees (the Tcl\n"
        "interpreter). The solver is looked for beside kelvane-cli, then in the user's data folder\n"
        "(kelvane-install-solver puts it there), then on the PATH. Its output is copied to standard\n"
        "output as it comes. When standard error is a terminal it shows a progress bar: the steps the\n"
        "recorder files hold of those the script asks for, and the time. The exit status is 1, with\n"
        "the solver's first error line on standard error, when an error was reported or a recorder\n"
        "file of the script was not written. A nonlinear analysis that ended at its capacity (a\n"
        "pushover past its peak) or at a collapse (a time history at the collapse drift) is no\n"
        "failure: its end is repeated last, with the number of steps the step control subdivided.",
    .lines = {{"SCRIPT.tcl", "the OpenSees Tcl script, or a Python script (.py) for OpenSeesPy"}},
    .run = &runRun,
});

} // namespace
} // namespace kelvane::cli
