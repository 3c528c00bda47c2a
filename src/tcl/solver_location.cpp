#include "tcl/solver_location.h"

#include <filesystem>
#include <system_error>

namespace kelvane {

namespace {

#ifdef _WIN32
constexpr char kPathListSeparator = ';';
#else
constexpr char kPathListSeparator = ':';
#endif

bool isRunnableFile(const std::filesystem::path& candidate) {
    std::error_code error;
    const auto status = std::filesystem::status(candidate, error);
    if (error || !std::filesystem::is_regular_file(status)) {
        return false;
    }
#ifdef _WIN32
    return true;
#else
    using std::filesystem::perms;
    return (status.permissions() & (perms::owner_exec | perms::group_exec | perms::others_exec)) !=
           perms::none;
#endif
}

} // namespace

std::string solverExecutableName() {
#ifdef _WIN32
    return "opensees.exe";
#else
    return "opensees";
#endif
}

std::string findSolverExecutable(const std::string& programFolder, const std::string& pathVariable) {
    const std::string name = solverExecutableName();
    if (!programFolder.empty()) {
        const std::filesystem::path besideProgram = std::filesystem::path(programFolder) / name;
        if (isRunnableFile(besideProgram)) {
            return besideProgram.string();
        }
    }
    std::size_t start = 0;
    while (start <= pathVariable.size()) {
        std::size_t end = pathVariable.find(kPathListSeparator, start);
        if (end == std::string::npos) {
            end = pathVariable.size();
        }
        // An empty entry would mean the current folder; the solver is never taken from there.
        if (end > start) {
            const std::filesystem::path onPath =
                std::filesystem::path(pathVariable.substr(start, end - start)) / name;
            if (isRunnableFile(onPath)) {
                return onPath.string();
            }
        }
        start = end + 1;
    }
    return {};
}

} // namespace kelvane
