#pragma once

#include "model/model_store.h"
#include "report/report_content.h"
#include "script/analysis_settings.h"

#include <optional>
#include <string>

namespace kelvane {

class ReportPainter;

// The report's place for the storey drift profile of the run and its target displacement (N2 /
// ASCE 41): the storeys' peak drift ratios and the target displacement with its terms. Empty
// while the program computes neither; the report then says that none was computed.
std::optional<DriftSection> driftSection(const ModelStore& store, const AnalysisSettings& analysis,
                                         const std::string& folder, ReportPainter& painter);

} // namespace kelvane
