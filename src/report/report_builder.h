#pragma once

#include "assess/performance.h"
#include "model/model_import.h"
#include "report/report_content.h"
#include "results/curve_chart.h"
#include "results/curves.h"
#include "results/section_damage.h"
#include "script/analysis_settings.h"
#include "viewer/view_state.h"

#include <optional>
#include <string>

// Gathers the report of a run: the model, its settings, the curves its procedure gives, the damage
// on the model and the drift profile. The pictures are drawn by the caller's painter.
namespace kelvane {

// Draws the report's pictures as PNG bytes: a chart, and the model with the results display given.
class ReportPainter {
  public:
    virtual ~ReportPainter() = default;
    virtual std::string chart(const Curve& curve, ChartKind kind) = 0;
    virtual std::string model(ModelStore& store, const ResultDisplay& results) = 0;
};

struct ReportRequest {
    std::string modelName;            // the title: the model file's name
    std::string resultsFolder;        // the recorder files of the run
    std::optional<std::int32_t> step; // of the damage picture; the last recorded step when empty
    DamageLimits limits;
    int driftDirection = 1; // 1 X, 2 Y: the storeys' drift profile drawn and, with `target`, pushed along
    // The target displacement of a pushover run, by the method and spectrum asked; none without one.
    std::optional<PerformanceRequest> target;
};

// The curves by procedure: the control joint's displacement against the load factor (load
// control), the pushover curve (displacement control, gravity and pushover; the control joint's
// displacement history without base reactions), the periods (modal), the control joint's
// displacement and the base shear against time (the transient ones). The damage when the run
// recorded fiber strains. What cannot be read becomes a note, not a failure.
ReportContent buildReport(const ImportedModel& imported, ModelStore& store, const AnalysisSettings& analysis,
                          const RecorderSettings& recorders, const ReportRequest& request,
                          ReportPainter& painter);

} // namespace kelvane
