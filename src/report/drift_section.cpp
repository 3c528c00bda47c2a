#include "report/drift_section.h"

namespace kelvane {

std::optional<DriftSection> driftSection(const ModelStore&, const AnalysisSettings&, const std::string&,
                                         ReportPainter&) {
    return std::nullopt;
}

} // namespace kelvane
