#include "batch/batch_set.h"

#include "batch/batch_csv.h"
#include "batch/scale_list.h"
#include "common/error.h"
#include "common/number_parse.h"
#include "common/text_file.h"

#include <system_error>

namespace kelvane {

std::vector<std::string> manifestLines(const std::vector<BatchRun>& runs) {
    std::vector<std::string> lines{kManifestHeader};
    for (const BatchRun& run : runs)
        lines.push_back(csvLine({std::to_string(run.id), run.record, scaleText(run.scale), run.folder}));
    return lines;
}

std::vector<BatchRun> readManifest(const std::filesystem::path& setFolder) {
    const std::filesystem::path path = setFolder / kManifestName;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        fail("\"" + setFolder.string() + "\" is not an ensemble set: it has no " + kManifestName +
             " (kelvane-cli batch plan writes one)");
    const std::vector<std::string> lines = loadLines(path.string());
    const auto refuse = [&](std::size_t line, const std::string& message) {
        fail("Manifest \"" + path.string() + "\", line " + std::to_string(line) + ": " + message);
    };
    if (lines.empty() || lines[0] != kManifestHeader)
        refuse(1, std::string("the first line is not \"") + kManifestHeader + "\"");
    std::vector<BatchRun> runs;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty())
            continue;
        const std::string where = "Manifest \"" + path.string() + "\", line " + std::to_string(i + 1);
        const std::vector<std::string> fields = splitCsvLine(lines[i], where);
        if (fields.size() != 4)
            refuse(i + 1, "a run has 4 fields (run,record,scale,folder), this line " +
                              std::to_string(fields.size()));
        BatchRun run;
        const auto id = tryParseInt(fields[0]);
        const auto scale = tryParseReal(fields[2]);
        if (!id || *id != static_cast<int>(runs.size()) + 1)
            refuse(i + 1, "the run is '" + fields[0] + "', not " + std::to_string(runs.size() + 1));
        if (!scale || !(*scale > 0))
            refuse(i + 1, "the scale '" + fields[2] + "' is not a number greater than 0");
        const std::filesystem::path folder(fields[3]);
        if (fields[3].empty() || folder.is_absolute() || fields[3].find("..") != std::string::npos)
            refuse(i + 1, "the folder '" + fields[3] + "' is not a folder inside the set");
        run.id = *id;
        run.record = fields[1];
        run.scale = *scale;
        run.folder = fields[3];
        runs.push_back(std::move(run));
    }
    if (runs.empty())
        fail("Manifest \"" + path.string() + "\" lists no runs");
    return runs;
}

const char* runStateName(RunState state) {
    switch (state) {
    case RunState::Completed:
        return "completed";
    case RunState::Collapse:
        return "collapse";
    case RunState::Failed:
        return "failed";
    case RunState::NotRun:
        break;
    }
    return "not run";
}

RunStatus readRunStatus(const std::filesystem::path& runFolder) {
    const std::filesystem::path path = runFolder / kRunStatusName;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return {};
    const std::vector<std::string> lines = loadLines(path.string());
    const std::string first = lines.empty() ? std::string() : lines[0];
    if (first == "completed")
        return {RunState::Completed, {}};
    if (first == "failed" || first == "collapse")
        return {first == "failed" ? RunState::Failed : RunState::Collapse,
                lines.size() > 1 ? lines[1] : std::string()};
    return {RunState::Failed, "the status file \"" + path.string() + "\" says \"" + first + "\""};
}

void writeRunStatus(const std::filesystem::path& runFolder, const RunStatus& status) {
    std::string text = std::string(runStateName(status.state)) + "\n";
    if (status.state == RunState::Failed || status.state == RunState::Collapse)
        text += status.error + "\n";
    saveTextAtomically((runFolder / kRunStatusName).string(), text);
}

void clearRunStatus(const std::filesystem::path& runFolder) {
    std::error_code error;
    std::filesystem::remove(runFolder / kRunStatusName, error);
    if (error)
        fail("Cannot remove the status of the run in \"" + runFolder.string() + "\": " + error.message());
}

std::vector<BatchRun> unfinishedRuns(const std::filesystem::path& setFolder,
                                     const std::vector<BatchRun>& runs, bool retryFailed) {
    std::vector<BatchRun> left;
    for (const BatchRun& run : runs) {
        const RunState state = readRunStatus(setFolder / run.folder).state;
        if (state == RunState::NotRun || (retryFailed && state == RunState::Failed))
            left.push_back(run);
    }
    return left;
}

} // namespace kelvane
