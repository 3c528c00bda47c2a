#include "tcl/solver_location.h"

namespace kelvane {

std::string solverExecutableName() {
#ifdef _WIN32
    return "opensees.exe";
#else
    return "opensees";
#endif
}

std::string findSolverExecutable(const std::string& programFolder, const std::string& pathVariable) {
    (void)programFolder;
    (void)pathVariable;
    return {};
}

} // namespace kelvane
