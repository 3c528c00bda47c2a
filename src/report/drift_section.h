#pragma once

#include "model/model_store.h"
#include "report/report_builder.h"
#include "report/report_content.h"
#include "script/analysis_settings.h"

#include <optional>

namespace kelvane {

// The report's storey drift profile of the run (the last step of a static procedure, the peak of a
// transient one) with its picture, and the target displacement of a pushover with every quantity
// of its method and the storeys' drifts there, when the request asks for one. What cannot be read
// becomes a row saying why; empty when neither could be read.
std::optional<DriftSection> driftSection(const ModelStore& store, const AnalysisSettings& analysis,
                                         const ReportRequest& request, ReportPainter& painter);

} // namespace kelvane
