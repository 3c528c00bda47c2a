#pragma once

#include "batch/batch_set.h"
#include "batch/run_peaks.h"
#include "results/curves.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The summary of an ensemble: each run's status and peaks, and the IDA curves drawn from them.
namespace kelvane {

inline constexpr const char* kSummaryHeader =
    "run,record,scale,status,peak_roof_disp,peak_drift_ratio,peak_time";

struct RunSummary {
    BatchRun run;
    RunStatus status;
    std::optional<RunPeaks> peaks; // of a completed run
};

// Reads the manifest, the storeys and every run's status, and the peaks of every completed run. A
// completed run whose recorder files cannot be read stops the collection with a message naming it.
std::vector<RunSummary> collectBatch(const std::filesystem::path& setFolder);

// The summary's CSV lines: the header, then one line per run; a run that did not complete has its
// status and empty peaks.
std::vector<std::string> summaryLines(const std::vector<RunSummary>& summary);

// One curve per record, in the order of the manifest: the scale (the intensity) against the peak
// interstorey drift ratio of its completed runs, by rising scale. A record's curve flatlines at its
// lowest scale that collapsed (the drift there is the collapse's): the scales above it are left out,
// as FEMA P-695 counts every stronger shaking a collapse too.
std::vector<Curve> idaCurves(const std::vector<RunSummary>& summary);

// The title and axes the IDA curves are drawn with.
inline constexpr const char* kIdaTitle = "IDA curves";

} // namespace kelvane
