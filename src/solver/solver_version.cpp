#include "solver/solver_version.h"

#include "common/error.h"
#include "solver/solver_run.h"

#include <filesystem>
#include <system_error>

namespace kelvane {

std::string solverVersion(const std::string& solver) {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::absolute(solver, error);
    if (error) {
        return {};
    }
    ProcessOutcome outcome;
    try {
        outcome = runProcess(program.string(), {"--version"}, program.parent_path().string());
    } catch (const KelvaneError&) {
        return {};
    }
    if (outcome.exitCode != 0) {
        return {};
    }
    const std::string firstLine = outcome.out.substr(0, outcome.out.find_first_of("\r\n"));
    const auto begin = firstLine.find_first_not_of(" \t");
    const auto end = firstLine.find_last_not_of(" \t");
    return begin == std::string::npos ? std::string() : firstLine.substr(begin, end - begin + 1);
}

std::string solverVersionLine(const SolverSearch& search) {
    const std::string solver = findSolverExecutable(search);
    if (solver.empty()) {
        return "OpenSees: not found. " + missingSolverMessage(search);
    }
    const std::string version = solverVersion(solver);
    return "OpenSees " + (version.empty() ? std::string() : version + " ") + "(" + solver + ")";
}

} // namespace kelvane
