#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The files of an ensemble set: SET/manifest.csv lists the runs, each run has a folder of its own
// holding its script (model.tcl), its record, the solver's output (model.log), the recorder files
// and, once it has ended, status.txt ("completed", or "failed" and the first error line).
namespace kelvane {

inline constexpr const char* kManifestName = "manifest.csv";
inline constexpr const char* kManifestHeader = "run,record,scale,folder";
inline constexpr const char* kRunScriptName = "model.tcl";
inline constexpr const char* kRunLogName = "model.log";
inline constexpr const char* kRunStatusName = "status.txt";
// The errors of kelvane-cli run in a Slurm task (the job script of sbatch_script.cpp names it).
inline constexpr const char* kRunErrorName = "run-error.txt";

struct BatchRun {
    int id = 0;         // 1..N, the Slurm array task of the run
    std::string record; // the record's file name as the user gave it, without its folder
    double scale = 0;
    std::string folder; // relative to the set's folder
};

std::vector<std::string> manifestLines(const std::vector<BatchRun>& runs);

// The runs of the set's manifest. A folder without a manifest, or a manifest line that is not
// "id,record,scale,folder" with ids 1..N in order and a folder inside the set, is refused with a
// message naming the file and line.
std::vector<BatchRun> readManifest(const std::filesystem::path& setFolder);

// A time history that reached the collapse drift ended (Collapse): it has peaks, and counts among
// the runs that ended as they should.
enum class RunState { NotRun, Completed, Collapse, Failed };

struct RunStatus {
    RunState state = RunState::NotRun;
    std::string error; // the first error line of a failed run, the "Analysis ended: collapse" line
};

// Whether the run ended with peaks to read: completed or collapsed.
inline bool runEnded(RunState state) {
    return state == RunState::Completed || state == RunState::Collapse;
}

// "completed", "collapse", "failed", "not run".
const char* runStateName(RunState state);

// What the run's status file says; NotRun when it has none. A status file that says neither
// "completed" nor "failed" counts as failed, naming what it says.
RunStatus readRunStatus(const std::filesystem::path& runFolder);
// Written whole or not at all.
void writeRunStatus(const std::filesystem::path& runFolder, const RunStatus& status);
void clearRunStatus(const std::filesystem::path& runFolder);

// The runs still to go: those without a status, and the failed ones when `retryFailed`.
std::vector<BatchRun> unfinishedRuns(const std::filesystem::path& setFolder,
                                     const std::vector<BatchRun>& runs, bool retryFailed);

} // namespace kelvane
