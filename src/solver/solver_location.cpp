#include "solver/solver_location.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

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

// The non-empty entries of a search path; an empty entry would mean the current folder, from
// which no program is ever taken.
std::vector<std::string> pathEntries(const std::string& pathVariable) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start <= pathVariable.size()) {
        std::size_t end = pathVariable.find(kPathListSeparator, start);
        if (end == std::string::npos) {
            end = pathVariable.size();
        }
        if (end > start) {
            entries.push_back(pathVariable.substr(start, end - start));
        }
        start = end + 1;
    }
    return entries;
}

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool sameFolder(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}

} // namespace

std::string solverExecutableName() {
#ifdef _WIN32
    return "opensees.exe";
#else
    return "opensees";
#endif
}

std::string pythonSolverExecutableName() {
    return "openseespy";
}

std::string solverExecutableNameFor(const std::string& scriptPath) {
    return std::filesystem::path(scriptPath).extension() == ".py" ? pythonSolverExecutableName()
                                                                  : solverExecutableName();
}

std::string solverInstallerName() {
    return "kelvane-install-solver";
}

std::string userSolverFolder(const std::string& xdgDataHome, const std::string& home) {
    std::filesystem::path data;
    if (std::filesystem::path(xdgDataHome).is_absolute()) {
        data = xdgDataHome;
    } else if (!home.empty()) {
        data = std::filesystem::path(home) / ".local" / "share";
    } else {
        return {};
    }
    return (data / "kelvane" / "bin").string();
}

SolverSearch solverSearchFromEnvironment(const std::string& programFolder) {
    return {programFolder, userSolverFolder(environmentValue("XDG_DATA_HOME"), environmentValue("HOME")),
            environmentValue("PATH")};
}

std::string runningProgramFolder() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.parent_path().string();
}

std::string findSolverExecutable(const SolverSearch& search, const std::string& executableName) {
    std::vector<std::string> folders = {search.programFolder, search.userSolverFolder};
    for (std::string& entry : pathEntries(search.pathVariable)) {
        folders.push_back(std::move(entry));
    }
    for (const std::string& folder : folders) {
        if (folder.empty()) {
            continue;
        }
        const std::filesystem::path candidate = std::filesystem::path(folder) / executableName;
        if (isRunnableFile(candidate)) {
            // The solver runs in the script's folder, where a relative path would not lead to it.
            std::error_code error;
            const std::filesystem::path absolute = std::filesystem::absolute(candidate, error);
            return error ? candidate.string() : absolute.string();
        }
    }
    return {};
}

std::string solverInstallCommand(const SolverSearch& search) {
    if (search.programFolder.empty()) {
        return solverInstallerName();
    }
    const std::filesystem::path beside = std::filesystem::path(search.programFolder) / solverInstallerName();
    if (!isRunnableFile(beside)) {
        return solverInstallerName();
    }
    for (const std::string& entry : pathEntries(search.pathVariable)) {
        if (sameFolder(entry, search.programFolder)) {
            return solverInstallerName();
        }
    }
    return beside.string();
}

std::string missingSolverMessage(const SolverSearch& search, const std::string& executableName) {
    std::string places = "in the program folder \"" + search.programFolder + "\"";
    if (!search.userSolverFolder.empty()) {
        places += ", nor in \"" + search.userSolverFolder + "\",";
    }
    return "The OpenSees solver \"" + executableName + "\" was found neither " + places +
           " nor on the PATH. To install it for your user, run: " + solverInstallCommand(search);
}

} // namespace kelvane
