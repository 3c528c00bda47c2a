#include "batch/batch_collect.h"
#include "batch/batch_plan.h"
#include "batch/batch_progress.h"
#include "batch/batch_slurm.h"
#include "batch/ensemble_fragility.h"
#include "batch/local_runner.h"
#include "batch/scale_list.h"
#include "batch/set_lock.h"
#include "cli/batch_run_loop.h"
#include "cli/command_registry.h"
#include "cli/model_setup.h"
#include "common/error.h"
#include "common/number_format.h"
#include "common/number_parse.h"
#include "common/text_file.h"
#include "solver/solver_location.h"

#ifdef KELVANE_WITH_PAINT
#include "cli/chart_application.h"
#include "paint/curve_picture.h"

#endif

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

#include <unistd.h>

// kelvane-cli batch plan|run|submit|status|collect: ensembles of ground motions and intensities
// (incremental dynamic analysis) planned from one model, run here or on a Slurm cluster, and
// summed up.
namespace kelvane::cli {
namespace {

namespace fs = std::filesystem;

// The options of one sub-command as they come: a value taken after its option, the rest positional.
class OptionReader {
  public:
    explicit OptionReader(const Arguments& args) : args_(args) {}
    bool next() { return ++at_ < args_.size(); }
    const std::string& word() const { return args_[at_]; }
    const std::string& value() {
        if (at_ + 1 >= args_.size())
            throw UsageError{word() + " needs a value"};
        return args_[++at_];
    }
    // The words after the option up to the next option: at least one.
    std::vector<std::string> values() {
        const std::string option = word();
        std::vector<std::string> taken;
        while (at_ + 1 < args_.size() && !args_[at_ + 1].starts_with("-"))
            taken.push_back(args_[++at_]);
        if (taken.empty())
            throw UsageError{option + " needs at least one value"};
        return taken;
    }

  private:
    const Arguments& args_;
    std::size_t at_ = 0; // args_[0] is the sub-command
};

int wholeNumber(const std::string& option, const std::string& text, int lowest) {
    const auto value = tryParseInt(text);
    if (!value || *value < lowest)
        throw UsageError{option + " wants a whole number of at least " + std::to_string(lowest) + ", not '" +
                         text + "'"};
    return *value;
}

// The folder by its full path, without a trailing separator.
fs::path fullFolder(const std::string& folder) {
    fs::path path = fs::absolute(folder).lexically_normal();
    return path.has_filename() ? path : path.parent_path();
}

fs::path setFolderArgument(const std::optional<std::string>& folder) {
    if (!folder)
        throw UsageError{"the ensemble's folder SET_DIR is required"};
    return fullFolder(*folder);
}

void positionalFolder(std::optional<std::string>& folder, const std::string& word) {
    if (word.starts_with("-"))
        throw UsageError{"unknown option " + word};
    if (folder)
        throw UsageError{"unexpected argument: " + word};
    folder = word;
}

std::string solverOrFail() {
    const SolverSearch search = solverSearchFromEnvironment(runningProgramFolder());
    const std::string solver = findSolverExecutable(search);
    if (solver.empty())
        fail(missingSolverMessage(search));
    return solver;
}

int planCommand(const Arguments& args) {
    OptionReader options(args);
    Arguments modelArguments;
    std::vector<std::string> records;
    std::optional<std::string> scales;
    while (options.next()) {
        const std::string& word = options.word();
        if (word == "--records")
            for (const std::string& record : options.values())
                records.push_back(record);
        else if (word == "--scales")
            scales = options.value();
        else if (word == "-o" || word == "--set" || word == "--project") {
            modelArguments.push_back(word);
            modelArguments.push_back(options.value());
        } else if (word.starts_with("-"))
            throw UsageError{"unknown option " + word};
        else
            modelArguments.push_back(word);
    }
    if (records.empty())
        throw UsageError{"--records FILE... is required"};
    if (!scales)
        throw UsageError{"--scales LIST or --scales FROM:TO:STEP is required"};
    const ModelArguments model = parseModelArguments(modelArguments);
    const std::vector<double> scaleList = parseScales(*scales);
    PreparedModel prepared = prepareModel(model);
    const fs::path set = fullFolder(model.output);
    const BatchPlan plan =
        planBatch(prepared.store, prepared.analysis, prepared.recorders, records, scaleList, set);
    for (const std::string& note : plan.notes)
        std::cerr << note << "\n";
    std::cout << "planned " << planCountsText(records.size(), scaleList.size()) << " in " << set.string()
              << "\n";
    return 0;
}

int runCommand(const Arguments& args) {
    OptionReader options(args);
    std::optional<std::string> folder;
    int jobs = defaultJobCount();
    bool retryFailed = false;
    while (options.next()) {
        const std::string& word = options.word();
        if (word == "--jobs")
            jobs = wholeNumber(word, options.value(), 1);
        else if (word == "--retry-failed")
            retryFailed = true;
        else
            positionalFolder(folder, word);
    }
    const fs::path set = setFolderArgument(folder);
    const std::vector<BatchRun> runs = readManifest(set);
    const std::string solver = solverOrFail();
    BatchSetLock lock(set);
    checkNoRunQueued(set);
    LocalBatchRunner runner(set, runs, solver, jobs, retryFailed);
    return runBatchOnTerminal(runner, ::isatty(STDERR_FILENO) == 1);
}

std::string thisCli() {
    const std::string folder = runningProgramFolder();
    return folder.empty() ? std::string("kelvane-cli") : (fs::path(folder) / "kelvane-cli").string();
}

int submitCommand(const Arguments& args) {
    OptionReader options(args);
    std::optional<std::string> folder;
    SlurmOptions slurm;
    slurm.kelvaneCli = thisCli();
    bool retryFailed = false;
    bool writeOnly = false;
    while (options.next()) {
        const std::string& word = options.word();
        if (word == "--partition")
            slurm.partition = options.value();
        else if (word == "--time")
            slurm.time = options.value();
        else if (word == "--max-running")
            slurm.maxRunning = wholeNumber(word, options.value(), 1);
        else if (word == "--sbatch-option")
            slurm.extra.push_back(options.value());
        else if (word == "--retry-failed")
            retryFailed = true;
        else if (word == "--write-only")
            writeOnly = true;
        else
            positionalFolder(folder, word);
    }
    const fs::path set = setFolderArgument(folder);
    const Submission submission = submitBatch(set, slurm, retryFailed, !writeOnly);
    if (submission.ids.empty()) {
        std::cout << "Every run of " << set.string() << " has finished; nothing to submit"
                  << (retryFailed ? "" : " (--retry-failed runs the failed ones again)") << "\n";
        return 0;
    }
    std::cout << "wrote " << submission.script.string() << " (" << submission.ids.size()
              << (submission.ids.size() == 1 ? " run: " : " runs: ") << arrayRanges(submission.ids) << ")\n";
    if (writeOnly)
        std::cout << "submit it with: sbatch " << submission.script.string() << "\n";
    else
        std::cout << "submitted job " << submission.jobId << "\n";
    return 0;
}

int statusCommand(const Arguments& args) {
    OptionReader options(args);
    std::optional<std::string> folder;
    while (options.next())
        positionalFolder(folder, options.word());
    for (const std::string& line : batchStatusLines(setFolderArgument(folder)))
        std::cout << line << "\n";
    return 0;
}

struct PictureSize {
    int width = 1000;
    int height = 700;
};

PictureSize parseSize(const std::string& text) {
    constexpr int kLargestSide = 16384;
    const auto x = text.find('x');
    const auto width = x == std::string::npos ? std::nullopt : tryParseInt(text.substr(0, x));
    const auto height = x == std::string::npos ? std::nullopt : tryParseInt(text.substr(x + 1));
    if (!width || !height || *width < 100 || *height < 100 || *width > kLargestSide || *height > kLargestSide)
        throw UsageError{"--size wants WIDTHxHEIGHT in pixels (100 to 16384 each), not '" + text + "'"};
    return {*width, *height};
}

// SUMMARY-ida.png and SUMMARY-ida.svg beside the summary; their names, or a note when this
// kelvane-cli draws no pictures.
std::vector<std::string> writeIdaPictures(const std::vector<Curve>& curves, const fs::path& summary,
                                          PictureSize size) {
    std::vector<std::string> written;
#ifdef KELVANE_WITH_PAINT
    const auto application = ensureChartApplication();
    for (const char* extension : {".png", ".svg"}) {
        const fs::path picture = summary.parent_path() / (summary.stem().string() + "-ida" + extension);
        saveCurvesPicture(kIdaTitle, curves, picture.string(), size.width, size.height);
        written.push_back(picture.string());
    }
#else
    (void)curves;
    (void)summary;
    (void)size;
    std::cerr << "This kelvane-cli was built without pictures: the IDA curves were not drawn\n";
#endif
    return written;
}

// fragility.csv beside the summary, the fit's median and dispersion (or why there is none) on
// standard output, and the curve drawn as fragility.png and fragility.svg.
void writeFragility(const std::vector<RunSummary>& summary, std::optional<double> driftLimit,
                    const fs::path& summaryPath, PictureSize size) {
    const EnsembleFragility fragility = ensembleFragility(summary, driftLimit);
    const fs::path csv = summaryPath.parent_path() / kFragilityFileName;
    saveLinesCrLf(csv.string(), fragilityCsvLines(fragility));
    std::cout << "wrote " << csv.string() << "\n";
    for (const std::string& line : fragilityResultLines(fragility))
        std::cout << line << "\n";
#ifdef KELVANE_WITH_PAINT
    const auto application = ensureChartApplication();
    for (const char* extension : {".png", ".svg"}) {
        const fs::path picture = summaryPath.parent_path() / (std::string("fragility") + extension);
        saveCurvesPicture(kFragilityTitle + std::string(": ") + limitStateText(fragility),
                          fragilityCurves(fragility), picture.string(), size.width, size.height);
        std::cout << "wrote " << picture.string() << "\n";
    }
#else
    (void)size;
#endif
}

int collectCommand(const Arguments& args) {
    OptionReader options(args);
    std::optional<std::string> folder;
    std::optional<std::string> output;
    std::optional<double> driftLimit;
    bool collapseFragility = false;
    PictureSize size;
    while (options.next()) {
        const std::string& word = options.word();
        if (word == "-o") {
            output = options.value();
        } else if (word == "--size") {
            size = parseSize(options.value());
        } else if (word == "--drift-limit") {
            const std::string& text = options.value();
            driftLimit = tryParseReal(text);
            if (!driftLimit || !(*driftLimit > 0))
                throw UsageError{"--drift-limit wants a positive drift ratio, not '" + text + "'"};
        } else if (word == "--collapse-fragility") {
            collapseFragility = true;
        } else {
            positionalFolder(folder, word);
        }
    }
    if (driftLimit && collapseFragility)
        throw UsageError{"give either --drift-limit or --collapse-fragility"};
    const fs::path set = setFolderArgument(folder);
    if (!output)
        throw UsageError{"-o SUMMARY.csv is required"};
    if (!output->ends_with(".csv"))
        throw UsageError{"-o names the summary's .csv file, not '" + *output + "'"};
    const std::vector<RunSummary> summary = collectBatch(set);
    saveLinesCrLf(*output, summaryLines(summary));
    int completed = 0, failed = 0, collapsed = 0;
    for (const RunSummary& entry : summary) {
        completed += runEnded(entry.status.state);
        collapsed += entry.status.state == RunState::Collapse;
        failed += entry.status.state == RunState::Failed;
    }
    std::cout << "wrote " << *output << " ("
              << batchCountsText(static_cast<int>(summary.size()), completed, failed, collapsed) << ")\n";
    if (driftLimit || collapseFragility)
        writeFragility(summary, driftLimit, fs::absolute(*output), size);
    if (completed == 0) {
        std::cerr << "No run has completed: the IDA curves were not drawn\n";
        return 0;
    }
    for (const std::string& picture : writeIdaPictures(idaCurves(summary), fs::absolute(*output), size))
        std::cout << "wrote " << picture << "\n";
    return 0;
}

int runBatch(const Arguments& args) {
    if (args.empty())
        throw UsageError{"a sub-command is required: plan, run, submit, status or collect"};
    const std::string& sub = args[0];
    if (sub == "plan")
        return planCommand(args);
    if (sub == "run")
        return runCommand(args);
    if (sub == "submit")
        return submitCommand(args);
    if (sub == "status")
        return statusCommand(args);
    if (sub == "collect")
        return collectCommand(args);
    throw UsageError{"unknown sub-command '" + sub + "': plan, run, submit, status or collect"};
}

const RegisterCommand reg({
    .name = "batch",
    .usage = "batch plan MODEL.s2k --records FILE... --scales LIST|FROM:TO:STEP -o SET_DIR [--project FILE] "
             "[--set NAME=VALUE]...\n"
             "       kelvane-cli batch run SET_DIR [--jobs N] [--retry-failed]\n"
             "       kelvane-cli batch submit SET_DIR [--partition P] [--time HH:MM:SS] [--max-running M] "
             "[--sbatch-option OPTION]... [--retry-failed] [--write-only]\n"
             "       kelvane-cli batch status SET_DIR\n"
             "       kelvane-cli batch collect SET_DIR -o SUMMARY.csv [--drift-limit RATIO | "
             "--collapse-fragility] "
             "[--size WxH]",
    .summary = "Plan, run (here or on Slurm) and sum up an ensemble of ground motions and scales (IDA)",
    .details =
        "plan writes SET_DIR/manifest.csv (run,record,scale,folder) and one folder per record and scale\n"
        "holding model.tcl and the record; a run's factor is gmFactor x its scale, a PEER NGA record (.AT2)\n"
        "is converted to mm/s2 and run with its own time step. The procedure must be 5 or 6 (a time\n"
        "history of the record). Nothing is written when a record, a scale or the model is refused, nor\n"
        "over a run folder that holds results.\n"
        "run runs the set here, N solvers at a time, with a progress bar on a terminal; a second call runs\n"
        "only what has not finished. A run that fails is marked failed with its first error line\n"
        "(status.txt in its folder) and the others go on. Ctrl-C ends the running solvers; their runs are\n"
        "run again by the next call. The exit status is 1 when a run of the set failed.\n"
        "submit writes SET_DIR/run.sbatch, a Slurm array job with one task per run not finished (each runs\n"
        "kelvane-cli run in its folder), and submits it with sbatch, printing the job id; --write-only\n"
        "leaves the submitting to you. status counts the folders' runs and asks squeue and sacct about the\n"
        "jobs submitted.\n"
        "collect writes the summary, run,record,scale,status,peak_roof_disp,peak_drift_ratio,peak_time: the\n"
        "largest absolute displacement of the top floor along the record's direction, the largest\n"
        "interstorey drift ratio (floors from the rigid diaphragms, else from the joints' elevations, each\n"
        "moving as the mean of its joints) and the time of that drift; and the IDA curves (scale against\n"
        "peak drift ratio, one curve per record) as SUMMARY-ida.png and SUMMARY-ida.svg beside it.\n"
        "With --drift-limit (a run exceeds it at its peak drift ratio, or by collapsing) or\n"
        "--collapse-fragility it counts the exceedances of the runs that ended at each scale and fits the\n"
        "lognormal fragility by maximum likelihood (binomial counts per scale): fragility.csv beside the\n"
        "summary, fragility_median= and fragility_beta= on standard output and the curve with the observed\n"
        "fractions as fragility.png and fragility.svg. Where every scale is all-or-nothing no dispersion\n"
        "fits: it says so and prints the counted fractions per scale.",
    .lines =
        {
            {"plan|run|submit|status|collect", "what to do with the ensemble"},
            {"MODEL.s2k", "the SAP2000 text model (plan)"},
            {"SET_DIR", "the ensemble's folder"},
            {"--records FILE...",
             "the ground-motion records (plain values, one or more a line, or PEER NGA .AT2)"},
            {"--scales SCALES",
             "the scales of every record: a list (0.5,1,1.5) or a range FROM:TO:STEP; each > 0"},
            {"-o SET_DIR", "plan: the ensemble's folder; collect: the summary's .csv file"},
            {"--project FILE", "a project saved for the model (its settings, materials and sections)"},
            {"--set NAME=VALUE",
             "a setting or field as kelvane-cli tcl takes it (analysisType=5; see kelvane-cli settings)"},
            {"--jobs N", "the solvers run at once (default: the cores of this machine)"},
            {"--retry-failed", "run the failed runs again too"},
            {"--partition P", "the Slurm partition"},
            {"--time HH:MM:SS", "the time limit of each run"},
            {"--max-running M", "the tasks Slurm runs at once (--array=...%M; default: all)"},
            {"--sbatch-option OPTION", "one more #SBATCH line, as --mem=2G (repeatable)"},
            {"--write-only", "write run.sbatch without submitting it"},
            {"--size WxH", "the pictures' width and height in pixels (default 1000x700)"},
            {"--drift-limit RATIO", "collect: fit the fragility of exceeding this peak drift ratio"},
            {"--collapse-fragility", "collect: fit the fragility of collapse"},
        },
    .run = &runBatch,
});

} // namespace
} // namespace kelvane::cli
