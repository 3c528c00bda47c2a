#include "batch/batch_collect.h"

#include "batch/batch_csv.h"
#include "batch/scale_list.h"
#include "batch/storey_layout.h"
#include "common/error.h"
#include "common/number_format.h"

#include <algorithm>

namespace kelvane {

std::vector<RunSummary> collectBatch(const std::filesystem::path& setFolder) {
    const std::vector<BatchRun> runs = readManifest(setFolder);
    const StoreyLayout storeys = readStoreyLayout(setFolder / kStoreysName);
    std::vector<RunSummary> summary;
    for (const BatchRun& run : runs) {
        RunSummary entry{run, readRunStatus(setFolder / run.folder), std::nullopt};
        if (runEnded(entry.status.state)) {
            try {
                entry.peaks = readRunPeaks(storeys, (setFolder / run.folder).string());
            } catch (const KelvaneError& error) {
                fail("Run " + std::to_string(run.id) + " (" + run.folder + "): " + error.what());
            }
        }
        summary.push_back(std::move(entry));
    }
    return summary;
}

std::vector<std::string> summaryLines(const std::vector<RunSummary>& summary) {
    std::vector<std::string> lines{kSummaryHeader};
    for (const RunSummary& entry : summary) {
        std::vector<std::string> fields{std::to_string(entry.run.id),
                                        entry.run.record,
                                        scaleText(entry.run.scale),
                                        runStateName(entry.status.state),
                                        "",
                                        "",
                                        ""};
        if (entry.peaks) {
            fields[4] = formatGeneral(entry.peaks->roofDisplacement);
            fields[5] = formatGeneral(entry.peaks->driftRatio);
            fields[6] = formatGeneral(entry.peaks->time);
        }
        lines.push_back(csvLine(fields));
    }
    return lines;
}

std::vector<Curve> idaCurves(const std::vector<RunSummary>& summary) {
    std::vector<Curve> curves;
    for (const RunSummary& entry : summary) {
        auto curve = std::find_if(curves.begin(), curves.end(),
                                  [&](const Curve& c) { return c.title == entry.run.record; });
        if (curve == curves.end()) {
            Curve fresh;
            fresh.title = entry.run.record;
            fresh.xTitle = "Peak interstorey drift ratio";
            fresh.yTitle = "Scale of the record";
            fresh.xColumn = "peak drift ratio";
            fresh.yColumn = "scale";
            curves.push_back(std::move(fresh));
            curve = curves.end() - 1;
        }
        if (!entry.peaks)
            continue;
        // By rising scale: the manifest keeps the order the scales were given in.
        std::size_t at = 0;
        while (at < curve->y.size() && curve->y[at] < entry.run.scale)
            ++at;
        curve->x.insert(curve->x.begin() + static_cast<std::ptrdiff_t>(at), entry.peaks->driftRatio);
        curve->y.insert(curve->y.begin() + static_cast<std::ptrdiff_t>(at), entry.run.scale);
    }
    // A record's curve flatlines at the lowest scale that collapsed: the runs above it say nothing more.
    for (Curve& curve : curves) {
        double collapse = 0;
        bool collapsed = false;
        for (const RunSummary& entry : summary)
            if (entry.run.record == curve.title && entry.status.state == RunState::Collapse && entry.peaks &&
                (!collapsed || entry.run.scale < collapse)) {
                collapse = entry.run.scale;
                collapsed = true;
            }
        std::size_t keep = 0;
        while (collapsed && keep < curve.y.size() && curve.y[keep] <= collapse)
            ++keep;
        if (collapsed) {
            curve.x.resize(keep);
            curve.y.resize(keep);
        }
    }
    return curves;
}

} // namespace kelvane
