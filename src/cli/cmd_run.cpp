#include "cli/command_registry.h"
#include "common/error.h"
#include "tcl/solver_location.h"
#include "tcl/solver_run.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

namespace kelvane::cli {
namespace {

std::string programFolder() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.parent_path().string();
}

// run SCRIPT.tcl: runs OpenSees on the script in the script's folder and waits for it. The
// solver's console output is copied to standard output; when the run failed, its first error
// line stands alone on standard error and the exit status is 1.
int runRun(const Arguments& args) {
    if (args.size() != 1)
        throw UsageError{args.empty() ? "a script file is required" : "unexpected argument: " + args[1]};
    const char* path = std::getenv("PATH");
    const std::string solver = findSolverExecutable(programFolder(), path ? path : "");
    if (solver.empty())
        fail("The OpenSees solver (" + solverExecutableName() +
             ") was found neither beside kelvane-cli nor on the PATH; scripts/setup.sh installs it");

    const SolverRun run = runSolverOnScript(solver, args[0]);
    std::cout << run.outcome.out << run.outcome.err << std::flush;
    if (run.verdict.failed) {
        std::cerr << run.verdict.firstError << "\n";
        return 1;
    }
    return 0;
}

const RegisterCommand reg("run", "run SCRIPT.tcl", &runRun);

} // namespace
} // namespace kelvane::cli
