#pragma once

#include "batch/batch_set.h"
#include "model/model_store.h"
#include "script/analysis_settings.h"

#include <filesystem>
#include <string>
#include <vector>

// Planning an ensemble: one run folder per record and scale, each with its script and its record,
// the manifest, and the storeys whose drifts the runs are judged by.
namespace kelvane {

struct BatchPlan {
    std::vector<BatchRun> runs;
    std::vector<std::string> notes; // what the user should know about the records (not failures)
};

// Plans a run of every record at every scale into `setFolder`: run folder RECORD_SCALE holds
// model.tcl, written with the settings given, and the record under the name the script gives it
// (a PEER NGA record converted to mm/s², with its own time step). A run's factor is gmFactor times
// its scale. The procedure must be one that shakes the model with the record (5 or 6) and must
// record the joints' displacements. Every record is read and checked, the storeys found and a
// script generated before anything is written, so a refused plan writes nothing; so is a plan
// whose run folder holds results of an earlier run, or whose set is being run just now.
BatchPlan planBatch(ModelStore& store, const AnalysisSettings& analysis, const RecorderSettings& recorders,
                    const std::vector<std::string>& records, const std::vector<double>& scales,
                    const std::filesystem::path& setFolder);

// True when the folder holds what a run leaves: a status, a solver log or recorder output.
bool holdsRunResults(const std::filesystem::path& runFolder);

} // namespace kelvane
