#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Running the OpenSees solver to the end and judging the run. The solver's exit status alone says
// little (classic OpenSees exits 0 when a script dies on an error), so a run is judged by its
// exit status, its console output and the recorder files the script names.
namespace kelvane {

struct ProcessOutcome {
    int exitCode = -1; // the exit status when the process exited normally, else -1
    int signal = 0;    // the signal that ended the process, else 0
    std::string out;   // everything it wrote on standard output
    std::string err;   // everything it wrote on standard error
};

// Told what a process writes while it runs, and ticked about every 200 ms, so that a caller can
// show the run's progress as it goes.
class ProcessWatcher {
  public:
    virtual ~ProcessWatcher() = default;
    virtual void output(std::string_view text, bool standardError) = 0;
    virtual void tick() = 0;
};

// Starts `program` with the arguments as given (no shell, so blanks need no quoting), standard
// input empty (end-of-file at once) and the working folder `workingFolder`; waits for it and captures both
// output streams. Raises KelvaneError when the program cannot be started.
ProcessOutcome runProcess(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& workingFolder, ProcessWatcher* watcher = nullptr);

// The files named by "recorder ... -file NAME" lines, in script order, without repeats. Names
// built from Tcl variables or commands cannot be known before the run and are left out.
std::vector<std::string> recorderFileNames(const std::vector<std::string>& scriptLines);

// What a folder's files looked like before the run, so that a file left by an earlier run is
// not taken for one written by this run.
using FileStamps = std::map<std::string, std::filesystem::file_time_type>;
FileStamps stampFiles(const std::filesystem::path& folder, const std::vector<std::string>& names);

// The line a script prints when it has checked every stage of its analysis and all converged.
inline constexpr const char* kAnalysisCompletedLine = "Analysis completed: every step converged";

// The line a script prints when a stage ended before its target at what it watches for: a pushover
// whose base shear fell past its peak ("Analysis ended: capacity reached, ..."), a time history
// whose storey drift reached the collapse limit ("Analysis ended: collapse, ...").
inline constexpr const char* kAnalysisEndedPrefix = "Analysis ended: ";
inline constexpr const char* kCollapsePrefix = "Analysis ended: collapse";
// The beginning of the line a script prints when a static stage applies a load pattern without
// loads: the run is then reported with that line, not as a success.
inline constexpr std::string_view kNoLoadPrefix = "No load: ";

struct SolverVerdict {
    bool failed = false;
    std::string firstError;        // the line to show the user when the run failed
    std::string end;               // the "Analysis ended: ..." line of a run that ended so
    long long subdividedSteps = 0; // the steps the step control split, over all stages
    bool collapse() const { return end.starts_with(kCollapsePrefix); }
};

// A run failed when the process did not exit with status 0, when a line of its output reports
// an error or that a stage loaded nothing (kNoLoadPrefix), or when a recorder file is missing,
// empty or untouched since before the run. A script that printed kAnalysisCompletedLine or an
// "Analysis ended: " line has checked each of its stages itself: the warnings of steps that it
// retried and converged are not failures. The verdict also carries that end and the subdivided
// steps of the "Step control: STAGE took N steps, S subdivided" lines.
SolverVerdict judgeSolverRun(const ProcessOutcome& outcome, const std::filesystem::path& folder,
                             const std::vector<std::string>& recorderFiles, const FileStamps& before);

// What the run panel and the command line add about how a run ended: its "Analysis ended: " line and
// the steps the step control subdivided, one line each ("" when there is neither).
std::string runEndSummary(const SolverVerdict& verdict);

// The first line of solver output that reports an error ("" when none does). Colour escape
// sequences are removed and the line is trimmed. With `orFailedCommand`, a Tcl error that names
// no fault ("expected integer but got ...") counts too, with the command Tcl says it stopped at.
std::string firstErrorLine(const std::string& output, bool orFailedCommand = true);

struct SolverRun {
    std::string solver; // the executable that ran
    ProcessOutcome outcome;
    SolverVerdict verdict;
};

// Runs `solver` on the script in the script's own folder, so the files the script names resolve
// there, and judges the run.
SolverRun runSolverOnScript(const std::string& solver, const std::string& scriptPath,
                            ProcessWatcher* watcher = nullptr);

} // namespace kelvane
