#include "batch/batch_plan.h"

#include "batch/batch_slurm.h"
#include "batch/scale_list.h"
#include "batch/set_lock.h"
#include "batch/storey_layout.h"
#include "common/error.h"
#include "common/number_format.h"
#include "common/text_file.h"
#include "script/ground_motion_file.h"
#include "script/script_generator.h"
#include "solver/watched_run.h"

#include <algorithm>
#include <system_error>

namespace kelvane {
namespace {

// A record read and checked, and what its run folders hold of it.
struct PlannedRecord {
    std::string path;
    std::string name;     // the file name as given, for the manifest
    std::string fileName; // the record's file in the run folder, as the script names it
    std::string stem;     // the run folders' prefix
    double dt = 0;
    std::size_t values = 0;
    bool peer = false;
    std::vector<double> converted; // a PEER record's values in mm/s²
};

// Letters, digits and . _ + - stay; anything else becomes '_', so the name is safe in a script
// line, a folder name and a Slurm job script alike.
std::string safeName(const std::string& name) {
    std::string safe = name;
    for (char& c : safe) {
        const bool keep = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                          c == '.' || c == '_' || c == '+' || c == '-';
        if (!keep)
            c = '_';
    }
    return safe;
}

// A record must not take the name of a file its run writes: the node recorder would empty a record
// named node0.out before the solver reads it, and the run would be shaken by nothing.
void checkRecordNameIsFree(const PlannedRecord& record) {
    const std::filesystem::path name(record.fileName);
    const bool taken = record.fileName == kRunScriptName || record.fileName == kRunLogName ||
                       record.fileName == kRunStatusName ||
                       record.fileName == watchedRunFiles(kRunScriptName).state.string() ||
                       record.fileName.starts_with(std::string(kRunStatusName) + ".") ||
                       record.fileName == kRunErrorName || name.extension() == ".out";
    if (taken)
        fail("The record \"" + record.path + "\" would be " + record.fileName +
             " in its run folder, a file the run writes (its script, log, status or recorder files); "
             "rename the record");
}

PlannedRecord readRecord(const std::string& path, const AnalysisSettings& analysis) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        fail("The record \"" + path + "\" is not a file");
    PlannedRecord record;
    record.path = path;
    record.name = std::filesystem::path(path).filename().string();
    record.peer = isPeerRecordName(path);
    if (record.peer) {
        PeerRecord peer = readPeerRecord(path);
        record.dt = peer.dt;
        record.values = peer.accelerations.size();
        record.converted = std::move(peer.accelerations);
        for (double& value : record.converted)
            value *= kStandardGravity;
        record.fileName = safeName(convertedRecordName(record.name));
    } else {
        record.values = checkPlainRecord(path);
        record.dt = analysis.gmDt;
        record.fileName = safeName(record.name);
    }
    checkRecordNameIsFree(record);
    record.stem = safeName(std::filesystem::path(record.name).stem().string());
    if (record.stem.empty() || record.stem.front() == '.')
        record.stem = "record" + record.stem;
    return record;
}

void checkProcedure(const AnalysisSettings& analysis, const RecorderSettings& recorders) {
    if (!usesGroundMotionRecord(analysis))
        fail("An ensemble shakes the model with its records: choose Time History Analysis (analysisType=5) "
             "or D+L+Time Hist Analysis (analysisType=6), not procedure " +
             std::to_string(analysis.analysisType));
    if (!recorders.nodeDisplacement)
        fail("The peaks of an ensemble are read from the joints' displacements: switch on the recorder "
             "\"Displacement of All Nodes\" (nodeDisplacement=1)");
}

AnalysisSettings runSettings(const AnalysisSettings& analysis, const PlannedRecord& record, double scale) {
    AnalysisSettings settings = analysis;
    settings.gmFile = record.fileName;
    settings.gmDt = record.dt;
    settings.gmFactor = analysis.gmFactor * scale;
    return settings;
}

void writeRecord(const PlannedRecord& record, const std::filesystem::path& folder) {
    const std::string target = (folder / record.fileName).string();
    if (!record.peer) {
        saveTextAtomically(target, loadText(record.path));
        return;
    }
    AtomicFile file(target);
    for (const double value : record.converted)
        file.write(formatGeneral(value) + "\r\n");
    file.commit();
}

std::vector<std::string> recordNotes(const std::vector<PlannedRecord>& records,
                                     const AnalysisSettings& analysis) {
    std::vector<std::string> notes;
    const double analysed = analysis.thSteps * analysis.thDt;
    bool peer = false;
    for (const PlannedRecord& record : records) {
        peer = peer || record.peer;
        const double duration = static_cast<double>(record.values) * record.dt;
        if (analysed < duration * (1 - 1e-9))
            notes.push_back("The analysis covers " + formatGeneral(analysed) + " s (thSteps x thDt) of the " +
                            formatGeneral(duration) + " s of the record " + record.name);
    }
    if (peer && analysis.gmFactor != 1)
        notes.push_back("The PEER records are run at gmFactor x scale = " + formatGeneral(analysis.gmFactor) +
                        " x scale of their recorded size (gmFactor=1 runs them as recorded)");
    return notes;
}

} // namespace

bool holdsRunResults(const std::filesystem::path& runFolder) {
    std::error_code error;
    if (!std::filesystem::is_directory(runFolder, error))
        return false;
    for (const auto& entry : std::filesystem::directory_iterator(runFolder, error)) {
        const std::string name = entry.path().filename().string();
        if (name == kRunStatusName || name == kRunLogName ||
            name == watchedRunFiles(runFolder / kRunScriptName).state.filename().string() ||
            entry.path().extension() == ".out")
            return true;
    }
    return false;
}

BatchPlan planBatch(ModelStore& store, const AnalysisSettings& analysis, const RecorderSettings& recorders,
                    const std::vector<std::string>& records, const std::vector<double>& scales,
                    const std::filesystem::path& setFolder) {
    checkProcedure(analysis, recorders);
    if (records.empty())
        fail("An ensemble needs at least one record");
    if (scales.empty())
        fail("An ensemble needs at least one scale");
    for (const double scale : scales)
        if (!(scale > 0))
            fail("The scale " + scaleText(scale) +
                 " is not greater than 0: a record is run at scales greater than 0 only");

    std::vector<PlannedRecord> planned;
    for (const std::string& path : records) {
        PlannedRecord record = readRecord(path, analysis);
        for (const PlannedRecord& other : planned)
            if (other.name == record.name || other.stem == record.stem)
                fail("The records \"" + other.path + "\" and \"" + record.path +
                     "\" would share their run folders; give them different file names");
        planned.push_back(std::move(record));
    }
    const int gravitySteps =
        analysis.analysisType == GravityTimeHistoryAnalysis ? std::max(0, analysis.loadSteps) : 0;
    const StoreyLayout storeys = storeyLayout(store, analysis.gmDirection, gravitySteps);
    // The model and every setting are checked by generating one script before any file is written.
    generateScript(store, runSettings(analysis, planned.front(), scales.front()), recorders);

    BatchPlan plan;
    for (const PlannedRecord& record : planned)
        for (const double scale : scales) {
            BatchRun run;
            run.id = static_cast<int>(plan.runs.size()) + 1;
            run.record = record.name;
            run.scale = scale;
            run.folder = record.stem + "_" + scaleText(scale);
            if (holdsRunResults(setFolder / run.folder))
                fail("The run folder \"" + (setFolder / run.folder).string() +
                     "\" holds the results of an earlier run; plan the ensemble into another folder, or "
                     "remove that one first");
            plan.runs.push_back(std::move(run));
        }

    std::error_code error;
    std::filesystem::create_directories(setFolder, error);
    if (error)
        fail(cannotCreateFileMessage(setFolder.string(), error.message()));
    const BatchSetLock lock(setFolder); // no runner may start a run while its script is rewritten
    checkNoRunQueued(setFolder);
    for (const BatchRun& run : plan.runs) {
        const PlannedRecord& record = planned[static_cast<std::size_t>(run.id - 1) / scales.size()];
        const std::filesystem::path folder = setFolder / run.folder;
        std::filesystem::create_directories(folder, error);
        if (error)
            fail(cannotCreateFileMessage(folder.string(), error.message()));
        writeRecord(record, folder);
        saveScript((folder / kRunScriptName).string(), store, runSettings(analysis, record, run.scale),
                   recorders);
    }
    saveLinesCrLf((setFolder / kStoreysName).string(), storeyLines(storeys));
    saveLinesCrLf((setFolder / kManifestName).string(), manifestLines(plan.runs));
    plan.notes = recordNotes(planned, analysis);
    return plan;
}

} // namespace kelvane
