#pragma once

#include <string>

namespace kelvane {

// The name of the OpenSees solver executable on this platform.
std::string solverExecutableName();

// The solver to start: the executable beside the program when it is there, else the first one
// found on the search path (entries separated by ':' or ';' on Windows). Returns "" when none.
std::string findSolverExecutable(const std::string& programFolder, const std::string& pathVariable);

} // namespace kelvane
