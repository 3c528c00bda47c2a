#include "batch/slurm_queue.h"

#include "batch/sbatch_script.h"

#include "common/error.h"
#include "common/number_parse.h"
#include "common/text_file.h"
#include "solver/solver_run.h"

#include <cstdlib>
#include <filesystem>

#include <unistd.h>

namespace kelvane {
namespace {

std::string trimmedLine(const std::string& text) {
    for (const std::string& line : splitLines(text)) {
        const auto first = line.find_first_not_of(" \t");
        if (first != std::string::npos)
            return line.substr(first);
    }
    return {};
}

// Adds the tasks of "3", "4-6" or "[4-6,9%2]".
void addTasks(std::string_view tasks, const std::string& state, std::map<int, std::string>& states) {
    if (!tasks.empty() && tasks.front() == '[')
        tasks.remove_prefix(1);
    if (!tasks.empty() && tasks.back() == ']')
        tasks.remove_suffix(1);
    tasks = tasks.substr(0, tasks.find('%'));
    std::size_t at = 0;
    while (at <= tasks.size()) {
        const std::size_t comma = std::min(tasks.find(',', at), tasks.size());
        const std::string_view part = tasks.substr(at, comma - at);
        const std::size_t dash = part.find('-');
        const auto first = tryParseInt(part.substr(0, dash));
        const auto last = dash == std::string_view::npos ? first : tryParseInt(part.substr(dash + 1));
        if (first && last && *last >= *first && *last - *first < 1000000)
            for (int task = *first; task <= *last; ++task)
                states[task] = state;
        at = comma + 1;
    }
}

SlurmAnswer askSlurm(const std::string& program, const std::vector<std::string>& arguments,
                     const std::string& jobId) {
    SlurmAnswer answer;
    const std::string path = findOnPath(program);
    if (path.empty()) {
        answer.problem = program + " is not on the PATH";
        return answer;
    }
    ProcessOutcome outcome;
    try {
        outcome = runProcess(path, arguments, std::filesystem::current_path().string());
    } catch (const KelvaneError& error) {
        answer.problem = error.what();
        return answer;
    }
    if (outcome.exitCode != 0) {
        const std::string said = trimmedLine(outcome.err + outcome.out);
        // A job that has left the queue is not known to squeue any more.
        if (said.find("Invalid job id") != std::string::npos)
            return answer;
        answer.problem = program + " failed" + (said.empty() ? std::string() : ": " + said);
        return answer;
    }
    answer.states = parseTaskStates(outcome.out, jobId);
    return answer;
}

} // namespace

std::string findOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string entries = path ? path : "";
    std::size_t at = 0;
    while (at <= entries.size()) {
        const std::size_t colon = std::min(entries.find(':', at), entries.size());
        const std::string folder = entries.substr(at, colon - at);
        if (!folder.empty()) {
            const std::string candidate = folder + "/" + name;
            if (::access(candidate.c_str(), X_OK) == 0 && std::filesystem::is_regular_file(candidate))
                return candidate;
        }
        at = colon + 1;
    }
    return {};
}

std::map<int, std::string> parseTaskStates(const std::string& output, const std::string& jobId) {
    std::map<int, std::string> states;
    const std::string prefix = jobId + "_";
    for (const std::string& line : splitLines(output)) {
        const std::size_t bar = line.find('|');
        if (bar == std::string::npos || !line.starts_with(prefix))
            continue;
        const std::string task = line.substr(prefix.size(), bar - prefix.size());
        if (task.find('.') != std::string::npos)
            continue;
        std::string state = line.substr(bar + 1);
        state = state.substr(0, state.find_first_of(" |"));
        addTasks(task, state, states);
    }
    return states;
}

SlurmAnswer queuedTasks(const std::string& jobId) {
    return askSlurm("squeue", {"--noheader", "--array", "--jobs=" + jobId, "--format=%i|%T"}, jobId);
}

SlurmAnswer accountedTasks(const std::string& jobId) {
    return askSlurm("sacct",
                    {"--noheader", "--parsable2", "--allocations", "--jobs=" + jobId, "--format=JobID,State"},
                    jobId);
}

std::string submitJob(const std::string& script, const std::string& folder) {
    const std::string sbatch = findOnPath("sbatch");
    if (sbatch.empty())
        fail(
            "sbatch is not on the PATH: submit from a machine of the Slurm cluster, or run the ensemble here "
            "with kelvane-cli batch run");
    const ProcessOutcome outcome = runProcess(sbatch, {"--parsable", script}, folder);
    if (outcome.exitCode != 0) {
        const std::string said = trimmedLine(outcome.err + outcome.out);
        fail("sbatch refused the job script \"" + script + "\"" +
             (said.empty() ? std::string() : ": " + said));
    }
    return parsedJobId(outcome.out);
}

} // namespace kelvane
