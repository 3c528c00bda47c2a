#include "cli/command_registry.h"
#include "common/error.h"
#include "solver/solver_location.h"
#include "solver/solver_run.h"

#include <iostream>
#include <string>

namespace kelvane::cli {
namespace {

// run SCRIPT.tcl: runs OpenSees on the script in the script's folder and waits for it. The
// solver's console output is copied to standard output; when the run failed, its first error
// line stands alone on standard error and the exit status is 1.
int runRun(const Arguments& args) {
    if (args.size() != 1)
        throw UsageError{args.empty() ? "a script file is required" : "unexpected argument: " + args[1]};
    const SolverSearch search = solverSearchFromEnvironment(runningProgramFolder());
    const std::string solver = findSolverExecutable(search);
    if (solver.empty())
        fail(missingSolverMessage(search));

    const SolverRun run = runSolverOnScript(solver, args[0]);
    std::cout << run.outcome.out << run.outcome.err << std::flush;
    if (run.verdict.failed) {
        std::cerr << run.verdict.firstError << "\n";
        return 1;
    }
    return 0;
}

const RegisterCommand reg({
    .name = "run",
    .usage = "run SCRIPT.tcl",
    .summary = "Run OpenSees on a script in the script's folder and wait for it",
    .details = "The solver is looked for beside kelvane-cli, then in the user's data folder\n"
               "(kelvane-install-solver puts it there), then on the PATH. Its output is copied to standard\n"
               "output. The exit status is 1, with the solver's first error line on standard error, when an\n"
               "error was reported or a recorder file of the script was not written.",
    .lines = {{"SCRIPT.tcl", "the OpenSees Tcl script"}},
    .run = &runRun,
});

} // namespace
} // namespace kelvane::cli
