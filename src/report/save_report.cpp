#include "report/save_report.h"

#include "common/text_file.h"
#include "report/report_html.h"

namespace kelvane {

void saveReport(const std::string& path, const ImportedModel& imported, ModelStore& store,
                const AnalysisSettings& analysis, const RecorderSettings& recorders,
                const ReportRequest& request, ReportPainter& painter) {
    saveTextAtomically(path, reportHtml(buildReport(imported, store, analysis, recorders, request, painter)));
}

} // namespace kelvane
