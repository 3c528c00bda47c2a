#pragma once

#include <string>

namespace kelvane {

// The name of the OpenSees solver executable on this platform: the Tcl interpreter.
std::string solverExecutableName();
// The launcher that runs a Python script with OpenSeesPy.
std::string pythonSolverExecutableName();
// The one that runs the script: the Python launcher for a ".py" script, else the Tcl interpreter.
std::string solverExecutableNameFor(const std::string& scriptPath);

// The name of the command that installs the solver for one user (a Python environment with the
// pinned OpenSees builds and a launcher in userSolverFolder()).
std::string solverInstallerName();

// Where the solver is looked for, in this order.
struct SolverSearch {
    std::string programFolder;    // the folder of the running program
    std::string userSolverFolder; // where the solver installer puts its launcher ("" when unknown)
    std::string pathVariable;     // the search path, entries separated by ':' (';' on Windows)
};

// The user's own solver folder: DATA/kelvane/bin, DATA being XDG_DATA_HOME when it is an absolute
// path, else HOME/.local/share. "" when neither names a folder.
std::string userSolverFolder(const std::string& xdgDataHome, const std::string& home);

// The search for a program in `programFolder`, with the user's folder and the PATH taken from
// the environment.
SolverSearch solverSearchFromEnvironment(const std::string& programFolder);

// The folder of the running executable ("" when the system does not tell).
std::string runningProgramFolder();

// The solver to start, by its full path: the first runnable file of that name in the program
// folder, the user's solver folder, then the PATH (empty PATH entries, the current folder, are
// skipped; relative ones are taken from the current folder). "" when none.
std::string findSolverExecutable(const SolverSearch& search,
                                 const std::string& executableName = solverExecutableName());

// The command to type to install the solver: the installer beside the program (by its full path
// unless that folder is on the PATH), else the installer's name.
std::string solverInstallCommand(const SolverSearch& search);

// What to tell the user when findSolverExecutable found nothing: where it looked and the command
// that installs the solver.
std::string missingSolverMessage(const SolverSearch& search,
                                 const std::string& executableName = solverExecutableName());

} // namespace kelvane
