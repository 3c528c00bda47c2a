#include "batch/sbatch_script.h"

#include "common/error.h"

#include <algorithm>

namespace kelvane {
namespace {

bool onlyDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// [D-]HH:MM:SS, HH:MM:SS, MM:SS or MM, as sbatch --time takes them.
bool slurmTime(std::string_view text) {
    const std::size_t dash = text.find('-');
    if (dash != std::string_view::npos) {
        if (!onlyDigits(text.substr(0, dash)))
            return false;
        text = text.substr(dash + 1);
    }
    int parts = 0;
    std::size_t at = 0;
    while (true) {
        const std::size_t colon = text.find(':', at);
        if (!onlyDigits(
                text.substr(at, colon == std::string_view::npos ? std::string_view::npos : colon - at)))
            return false;
        ++parts;
        if (colon == std::string_view::npos)
            break;
        at = colon + 1;
    }
    return parts <= 3;
}

bool hasBlankOrLineEnd(std::string_view text) {
    return text.find_first_of(" \t\r\n") != std::string_view::npos;
}

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

std::string arrayRanges(const std::vector<int>& ids) {
    std::string ranges;
    for (std::size_t i = 0; i < ids.size();) {
        std::size_t j = i;
        while (j + 1 < ids.size() && ids[j + 1] == ids[j] + 1)
            ++j;
        ranges += (ranges.empty() ? "" : ",") + std::to_string(ids[i]);
        if (j > i)
            ranges += "-" + std::to_string(ids[j]);
        i = j + 1;
    }
    return ranges;
}

void checkSlurmOptions(const std::filesystem::path& setFolder, const SlurmOptions& options) {
    if (!options.time.empty() && !slurmTime(options.time))
        fail("The time limit '" + options.time + "' is not HH:MM:SS (nor D-HH:MM:SS, MM:SS or minutes)");
    if (hasBlankOrLineEnd(options.partition))
        fail("The partition '" + options.partition + "' holds a blank");
    for (const std::string& option : options.extra)
        if (!option.starts_with("-") || option.find_first_of("\r\n") != std::string::npos)
            fail("The sbatch option '" + option +
                 "' is not an option of one line starting with '-' (as --mem=2G)");
    for (const std::string& path : {setFolder.string(), options.kelvaneCli})
        if (path.find_first_of(" \t\r\n\"'%\\") != std::string::npos)
            fail("The path \"" + path +
                 "\" holds a blank, a quote, a backslash or a '%', which the job script's #SBATCH lines "
                 "cannot "
                 "carry; use a folder without them");
}

std::vector<std::string> sbatchLines(const std::filesystem::path& setFolder,
                                     const std::vector<BatchRun>& runs, const std::vector<int>& ids,
                                     const SlurmOptions& options) {
    const std::string set = setFolder.string();
    const int running = options.maxRunning > 0 ? options.maxRunning : static_cast<int>(ids.size());
    std::vector<std::string> lines = {
        "#!/bin/bash",
        "# The ensemble " + set + " as a Slurm array job: task N runs run N of manifest.csv in its",
        "# folder with kelvane-cli run and leaves its status in status.txt, as kelvane-cli batch run does.",
        "# Written by kelvane-cli batch submit; edit the #SBATCH lines as your cluster needs, then",
        "#   sbatch " + set + "/" + kSbatchName,
        "#SBATCH --job-name=kelvane-" + setFolder.filename().string(),
        "#SBATCH --array=" + arrayRanges(ids) + "%" + std::to_string(running),
        "#SBATCH --chdir=" + set,
        "#SBATCH --output=" + set + "/slurm-%A_%a.out",
        "#SBATCH --ntasks=1",
        "#SBATCH --cpus-per-task=1",
    };
    if (!options.partition.empty())
        lines.push_back("#SBATCH --partition=" + options.partition);
    if (!options.time.empty())
        lines.push_back("#SBATCH --time=" + options.time);
    for (const std::string& option : options.extra)
        lines.push_back("#SBATCH " + option);
    lines.insert(lines.end(), {
                                  "",
                                  "set_dir=" + shellQuoted(set),
                                  "kelvane_cli=" + shellQuoted(options.kelvaneCli),
                                  "",
                                  "# The folder of each run, by run (array task) number.",
                                  "folders=()",
                              });
    for (const BatchRun& run : runs)
        lines.push_back("folders[" + std::to_string(run.id) + "]=" + run.folder);
    lines.insert(lines.end(), {
                                  "",
                                  "folder=${folders[$SLURM_ARRAY_TASK_ID]:-}",
                                  "if [ -z \"$folder\" ]; then",
                                  "    echo \"no run $SLURM_ARRAY_TASK_ID in $set_dir/manifest.csv\" >&2",
                                  "    exit 2",
                                  "fi",
                                  "cd \"$set_dir/$folder\" || exit 1",
                                  "rm -f status.txt",
                                  "\"$kelvane_cli\" run model.tcl >model.log 2>run-error.txt",
                                  "code=$?",
                                  "collapse=$(grep -m 1 '^Analysis ended: collapse' model.log)",
                                  "if [ \"$code\" -eq 0 ] && [ -n \"$collapse\" ]; then",
                                  "    printf 'collapse\\n%s\\n' \"$collapse\" >status.txt.part",
                                  "elif [ \"$code\" -eq 0 ]; then",
                                  "    printf 'completed\\n' >status.txt.part",
                                  "elif [ -s run-error.txt ]; then",
                                  "    { printf 'failed\\n'; head -n 1 run-error.txt; } >status.txt.part",
                                  "else",
                                  "    printf 'failed\\nkelvane-cli run ended with status %s\\n' \"$code\" "
                                  ">status.txt.part",
                                  "fi",
                                  "mv -f status.txt.part status.txt",
                                  "exit \"$code\"",
                              });
    return lines;
}

std::string parsedJobId(const std::string& sbatchOutput) {
    std::string first = sbatchOutput.substr(0, sbatchOutput.find_first_of("\r\n"));
    first = first.substr(0, first.find(';'));
    if (!onlyDigits(first))
        fail("sbatch did not print a job id but \"" + sbatchOutput.substr(0, 200) + "\"");
    return first;
}

} // namespace kelvane
