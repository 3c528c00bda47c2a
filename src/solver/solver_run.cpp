#include "solver/solver_run.h"

#include "common/error.h"
#include "common/number_parse.h"
#include "common/text_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <set>
#include <sstream>
#include <system_error>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelvane {

namespace {

// A pipe whose ends close themselves; the child's copies are closed by exec (O_CLOEXEC).
struct Pipe {
    int read = -1;
    int write = -1;
    Pipe() {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0)
            fail("Cannot create a pipe for the solver: " + std::string(std::strerror(errno)));
        read = ends[0];
        write = ends[1];
    }
    ~Pipe() {
        closeRead();
        closeWrite();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    void closeRead() {
        if (read >= 0)
            ::close(read);
        read = -1;
    }
    void closeWrite() {
        if (write >= 0)
            ::close(write);
        write = -1;
    }
};

// Puts `fd` at `target` for the program about to be executed. dup2 onto itself would keep the
// close-on-exec flag, which happens when the parent runs with a standard stream closed.
bool placeAt(int fd, int target) {
    if (fd == target)
        return ::fcntl(fd, F_SETFD, 0) == 0;
    return ::dup2(fd, target) >= 0;
}

// Runs in the forked child: only async-signal-safe calls until exec. On failure the child
// reports errno through `report` and exits. Standard input is a pipe whose write end the parent
// closes at once, so the child reads end-of-file: this does not depend on /dev/null being the
// null device, which it is not in every container.
[[noreturn]] void execChild(const std::string& program, std::vector<char*>& argv, const std::string& folder,
                            Pipe& in, Pipe& out, Pipe& err, Pipe& report) {
    int step = 0;
    if (!placeAt(in.read, STDIN_FILENO))
        step = 1;
    else if (!placeAt(out.write, STDOUT_FILENO) || !placeAt(err.write, STDERR_FILENO))
        step = 2;
    else if (::chdir(folder.c_str()) != 0)
        step = 3;
    else
        ::execv(program.c_str(), argv.data());
    const int reported[2] = {step == 0 ? 4 : step, errno};
    [[maybe_unused]] auto written = ::write(report.write, reported, sizeof reported);
    ::_exit(127);
}

std::string startFailureMessage(const std::string& program, const std::string& folder, int step, int error) {
    const std::string reason = std::strerror(error);
    if (step == 3)
        return "Cannot run the solver in the folder \"" + folder + "\": " + reason;
    return "Cannot start the solver \"" + program + "\": " + reason;
}

constexpr auto kTickInterval = std::chrono::milliseconds(200);

// Reads both streams until both are closed; polling keeps a full pipe from blocking the child.
void drainStreams(Pipe& out, Pipe& err, ProcessOutcome& outcome, ProcessWatcher* watcher) {
    std::array<char, 65536> buffer{};
    auto nextTick = std::chrono::steady_clock::now() + kTickInterval;
    while (out.read >= 0 || err.read >= 0) {
        if (watcher && std::chrono::steady_clock::now() >= nextTick) {
            watcher->tick();
            nextTick = std::chrono::steady_clock::now() + kTickInterval;
        }
        pollfd fds[2] = {{out.read, POLLIN, 0}, {err.read, POLLIN, 0}};
        const int timeout = watcher ? static_cast<int>(kTickInterval.count()) : -1;
        if (::poll(fds, 2, timeout) < 0) {
            if (errno == EINTR)
                continue;
            fail("Cannot read the solver's output: " + std::string(std::strerror(errno)));
        }
        Pipe* pipes[2] = {&out, &err};
        std::string* targets[2] = {&outcome.out, &outcome.err};
        for (int i = 0; i < 2; ++i) {
            if (pipes[i]->read < 0 || fds[i].revents == 0)
                continue;
            const ssize_t count = ::read(pipes[i]->read, buffer.data(), buffer.size());
            if (count > 0) {
                targets[i]->append(buffer.data(), static_cast<std::size_t>(count));
                if (watcher)
                    watcher->output(std::string_view(buffer.data(), static_cast<std::size_t>(count)), i == 1);
            } else if (count == 0 || errno != EINTR)
                pipes[i]->closeRead();
        }
    }
}

void waitForChild(pid_t child, ProcessOutcome& outcome) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR)
            fail("Cannot wait for the solver: " + std::string(std::strerror(errno)));
    }
    if (WIFEXITED(status))
        outcome.exitCode = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        outcome.signal = WTERMSIG(status);
}

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return text;
}

// Removes terminal colour sequences (ESC [ ... letter), which the solver puts around "FAILURE".
std::string withoutEscapes(const std::string& line) {
    std::string clean;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\x1b' && i + 1 < line.size() && line[i + 1] == '[') {
            i += 2;
            while (i < line.size() && !(line[i] >= '@' && line[i] <= '~'))
                ++i;
            continue;
        }
        clean += line[i];
    }
    return clean;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Words with which OpenSees and Tcl announce that something went wrong.
bool reportsError(const std::string& line) {
    static const char* const markers[] = {
        "error",     "fail",    "warning",  "invalid",      "abort",
        "can't",     "cannot",  "couldn't", "wrong # args", "no such",
        "not found", "missing", "unable",   "singular",     "segmentation fault",
    };
    const std::string lower = lowerCase(line);
    // The dense eigen solver, which scripts ask for on purpose (small models), says that it is slow.
    if (lower.find("'fullgenlapack' eigen solver is very slow") != std::string::npos)
        return false;
    // The Tcl interpreter's twoNodeLink between nodes apart takes its y vector only after an x
    // vector, which it calls not allowed and leaves aside (the nodes give x).
    if (lower.find("x orientation not allowed for non zero-length link") != std::string::npos)
        return false;
    return std::any_of(std::begin(markers), std::end(markers),
                       [&](const char* marker) { return lower.find(marker) != std::string::npos; });
}

std::string lastLine(const std::string& output) {
    const auto lines = splitLines(output);
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        std::string clean = trimmed(withoutEscapes(*line));
        if (!clean.empty())
            return clean;
    }
    return {};
}

std::string exitDescription(const ProcessOutcome& outcome) {
    if (outcome.signal != 0) {
        const char* name = ::strsignal(outcome.signal);
        return "The solver was ended by signal " + std::to_string(outcome.signal) + " (" +
               (name ? name : "unknown") + ")";
    }
    return "The solver stopped with exit status " + std::to_string(outcome.exitCode);
}

std::string recorderFileProblem(const std::filesystem::path& folder, const std::string& name,
                                const FileStamps& before) {
    std::error_code error;
    const auto path = folder / name;
    if (!std::filesystem::is_regular_file(path, error))
        return "The solver did not write the recorder file " + name;
    const auto written = std::filesystem::last_write_time(path, error);
    const auto earlier = before.find(name);
    if (!error && earlier != before.end() && earlier->second == written)
        return "The solver did not write the recorder file " + name +
               " (the file is left from an earlier run)";
    if (std::filesystem::file_size(path, error) == 0 && !error)
        return "The solver wrote no line to the recorder file " + name;
    return {};
}

} // namespace

ProcessOutcome runProcess(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& workingFolder, ProcessWatcher* watcher) {
    std::vector<std::string> argvText;
    argvText.push_back(program);
    argvText.insert(argvText.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& argument : argvText)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    Pipe in, out, err, report;
    const pid_t child = ::fork();
    if (child < 0)
        fail("Cannot start the solver \"" + program + "\": " + std::strerror(errno));
    if (child == 0)
        execChild(program, argv, workingFolder, in, out, err, report);

    in.closeRead();
    in.closeWrite();
    out.closeWrite();
    err.closeWrite();
    report.closeWrite();
    int reported[2] = {0, 0};
    ssize_t count;
    do {
        count = ::read(report.read, reported, sizeof reported);
    } while (count < 0 && errno == EINTR);

    ProcessOutcome outcome;
    try {
        drainStreams(out, err, outcome, watcher);
    } catch (...) {
        // Leave no solver running unattended and no zombie behind.
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        throw;
    }
    waitForChild(child, outcome);
    if (count == static_cast<ssize_t>(sizeof reported))
        fail(startFailureMessage(program, workingFolder, reported[0], reported[1]));
    return outcome;
}

namespace {

// The file of a Tcl line "recorder ... -file NAME ...", "" for any other line.
std::string tclRecorderFile(const std::string& line) {
    std::istringstream words(line);
    std::string word;
    if (!(words >> word) || word != "recorder")
        return {};
    while (words >> word && word != "-file") {
    }
    std::string name;
    if (word != "-file" || !(words >> name) || name.find_first_of("$[\"{") != std::string::npos)
        return {};
    return name;
}

// The file of a Python line "ops.recorder(..., '-file', 'NAME', ...)", "" for any other line.
std::string pythonRecorderFile(const std::string& line) {
    const std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line.compare(start, 13, "ops.recorder(") != 0)
        return {};
    const std::size_t option = line.find("'-file', '", start);
    if (option == std::string::npos)
        return {};
    const std::size_t first = option + 10;
    const std::size_t end = line.find('\'', first);
    if (end == std::string::npos || line.find('\\', first) < end)
        return {};
    return line.substr(first, end - first);
}

} // namespace

std::vector<std::string> recorderFileNames(const std::vector<std::string>& scriptLines) {
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (const auto& line : scriptLines) {
        std::string name = tclRecorderFile(line);
        if (name.empty())
            name = pythonRecorderFile(line);
        if (!name.empty() && seen.insert(name).second)
            names.push_back(name);
    }
    return names;
}

FileStamps stampFiles(const std::filesystem::path& folder, const std::vector<std::string>& names) {
    FileStamps stamps;
    for (const auto& name : names) {
        std::error_code error;
        const auto time = std::filesystem::last_write_time(folder / name, error);
        if (!error)
            stamps[name] = time;
    }
    return stamps;
}

std::string firstErrorLine(const std::string& output, bool orFailedCommand) {
    // A Python traceback (the interpreter's own failure) names the error in its last,
    // unindented line; the source lines above it say nothing to the user.
    bool inTraceback = false;
    const auto lines = splitLines(output);
    std::string previous;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const std::string clean = trimmed(withoutEscapes(line));
        // A Tcl error whose message carries no telling word (or no text at all): name the
        // command that failed, which Tcl quotes on the line after "while executing".
        if (orFailedCommand && clean == "while executing" && i + 1 < lines.size()) {
            const std::string command = trimmed(lines[i + 1]);
            return previous.empty() ? "The solver stopped at the script line " + command
                                    : previous + " (at " + command + ")";
        }
        if (!clean.empty())
            previous = clean;
        if (clean.rfind("Traceback (most recent call last)", 0) == 0) {
            inTraceback = true;
            continue;
        }
        if (inTraceback) {
            if (clean.empty() || line[0] == ' ' || line[0] == '\t')
                continue;
            return clean;
        }
        if (reportsError(clean))
            return clean;
    }
    return {};
}

namespace {

bool reportsCompletion(const std::string& output) {
    for (const auto& line : splitLines(output))
        if (trimmed(withoutEscapes(line)).ends_with(kAnalysisCompletedLine))
            return true;
    return false;
}

// OpenSeesPy's warnings may end without a line end, so the script's lines are looked for within
// the lines of its output.
std::string endLine(const std::string& output) {
    for (const auto& line : splitLines(output)) {
        const std::string clean = trimmed(withoutEscapes(line));
        if (const std::size_t at = clean.find(kAnalysisEndedPrefix); at != std::string::npos)
            return clean.substr(at);
    }
    return {};
}

// The sum of S over the lines "Step control: ... took N steps, S subdivided, ...".
long long subdividedSteps(const std::string& output) {
    long long total = 0;
    for (const auto& line : splitLines(output)) {
        const std::string clean = trimmed(withoutEscapes(line));
        const std::size_t end = clean.find(" subdivided");
        const std::size_t start = clean.rfind(", ", end);
        if (clean.find("Step control: ") == std::string::npos || end == std::string::npos ||
            start == std::string::npos)
            continue;
        if (const auto count = tryParseInt(std::string_view(clean).substr(start + 2, end - start - 2)))
            total += *count;
    }
    return total;
}

// The line with which a nonlinear script stops a stage whose step did not converge: it says more
// than the solver's warnings before it.
std::string stageStopLine(const std::string& output) {
    for (const auto& line : splitLines(output)) {
        const std::string clean = trimmed(withoutEscapes(line));
        if (clean.find(" stopped: step ") != std::string::npos &&
            clean.find(" did not converge") != std::string::npos)
            return clean;
    }
    return {};
}

// The line that says a static stage loaded nothing, if the output holds one.
std::string noLoadLine(const std::string& output) {
    for (const auto& line : splitLines(output)) {
        const std::string clean = trimmed(withoutEscapes(line));
        if (clean.rfind(kNoLoadPrefix, 0) == 0)
            return clean;
    }
    return {};
}

} // namespace

SolverVerdict judgeSolverRun(const ProcessOutcome& outcome, const std::filesystem::path& folder,
                             const std::vector<std::string>& recorderFiles, const FileStamps& before) {
    std::string end = endLine(outcome.out);
    if (end.empty())
        end = endLine(outcome.err);
    const bool completed = reportsCompletion(outcome.out) || reportsCompletion(outcome.err) || !end.empty();
    std::string line = stageStopLine(outcome.err);
    if (line.empty())
        line = stageStopLine(outcome.out);
    if (line.empty())
        line = noLoadLine(outcome.out);
    if (line.empty())
        line = noLoadLine(outcome.err);
    // The solver writes its own messages ("ERROR Cannot open file GMX.txt") to standard output and
    // Tcl's report of the command that failed to standard error: the message that names the fault
    // comes first.
    for (const bool orFailedCommand : {false, true}) {
        if (line.empty() && !completed)
            line = firstErrorLine(outcome.err, orFailedCommand);
        if (line.empty() && !completed)
            line = firstErrorLine(outcome.out, orFailedCommand);
    }
    if (line.empty() && (outcome.signal != 0 || outcome.exitCode != 0)) {
        // Not every message the solver stops with carries a telling word; the last thing it
        // said before it stopped is then the best lead.
        std::string last = lastLine(outcome.err);
        if (last.empty() && outcome.signal == 0)
            last = lastLine(outcome.out);
        line = exitDescription(outcome) + (last.empty() ? "" : ": " + last);
    }
    for (std::size_t i = 0; line.empty() && i < recorderFiles.size(); ++i)
        line = recorderFileProblem(folder, recorderFiles[i], before);
    return {!line.empty(), line, end, subdividedSteps(outcome.out) + subdividedSteps(outcome.err)};
}

std::string runEndSummary(const SolverVerdict& verdict) {
    std::string summary;
    if (!verdict.end.empty())
        summary += verdict.end + "\n";
    if (verdict.subdividedSteps > 0)
        summary += std::to_string(verdict.subdividedSteps) +
                   (verdict.subdividedSteps == 1 ? " step was" : " steps were") +
                   " subdivided by the step control\n";
    return summary;
}

SolverRun runSolverOnScript(const std::string& solver, const std::string& scriptPath,
                            ProcessWatcher* watcher) {
    const auto scriptLines = loadLines(scriptPath);
    const std::filesystem::path script = std::filesystem::absolute(scriptPath);
    const std::filesystem::path folder = script.parent_path();
    const auto recorders = recorderFileNames(scriptLines);
    const FileStamps before = stampFiles(folder, recorders);

    SolverRun run;
    run.solver = solver;
    run.outcome = runProcess(solver, {script.string()}, folder.string(), watcher);
    run.verdict = judgeSolverRun(run.outcome, folder, recorders, before);
    return run;
}

} // namespace kelvane
