#pragma once

#include "report/report_builder.h"

#include <string>

namespace kelvane {

// Builds the report and writes it as one HTML file, through a temporary file so that a failed
// save leaves an earlier report whole. The desktop program's Save Report and `kelvane-cli report`
// both come here.
void saveReport(const std::string& path, const ImportedModel& imported, ModelStore& store,
                const AnalysisSettings& analysis, const RecorderSettings& recorders,
                const ReportRequest& request, ReportPainter& painter);

} // namespace kelvane
