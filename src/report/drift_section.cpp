#include "report/drift_section.h"

#include "assess/storey_drifts.h"
#include "common/error.h"
#include "common/number_format.h"

namespace kelvane {
namespace {

std::vector<std::vector<std::string>> storeyRows(const StoreyProfile& profile) {
    std::vector<std::vector<std::string>> rows{
        {"Storey", "Bottom (mm)", "Top (mm)", "Drift X (%)", "Drift Y (%)", "Shear X (kN)", "Shear Y (kN)"}};
    for (const StoreyValues& storey : profile.storeys)
        rows.push_back({std::to_string(storey.storey), formatF(storey.bottom, 0), formatF(storey.top, 0),
                        formatF(100 * storey.driftX, 3), formatF(100 * storey.driftY, 3),
                        profile.hasShear ? formatF(storey.shearX / 1000, 1) : "-",
                        profile.hasShear ? formatF(storey.shearY / 1000, 1) : "-"});
    return rows;
}

void addTarget(DriftSection& section, const ModelStore& store, const AnalysisSettings& analysis,
               const ReportRequest& request) {
    const PerformanceReport performance =
        assessPerformance(store, analysis, request.resultsFolder, *request.target);
    for (const std::string& line : performance.lines) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos)
            section.target.emplace_back(line.substr(0, equals), line.substr(equals + 1));
    }
    for (const std::string& note : performance.notes)
        section.target.emplace_back("note", note);
}

} // namespace

std::optional<DriftSection> driftSection(const ModelStore& store, const AnalysisSettings& analysis,
                                         const ReportRequest& request, ReportPainter& painter) {
    DriftSection section;
    try {
        const StoreyProfile profile =
            storeyProfile(store, analysis, request.resultsFolder, request.driftDirection,
                          defaultProfileMoment(analysis), std::nullopt);
        if (!profile.storeys.empty()) {
            section.storeys = storeyRows(profile);
            section.picture = ReportPicture{
                "Interstorey drift ratios along " + std::string(request.driftDirection == 2 ? "Y" : "X"),
                painter.chart(storeyDriftCurve(profile, request.driftDirection), ChartKind::Line)};
        }
        for (const std::string& note : profile.notes)
            section.target.emplace_back("note", note);
    } catch (const KelvaneError& error) {
        section.target.emplace_back("drifts not read", error.what());
    }
    if (request.target) {
        try {
            addTarget(section, store, analysis, request);
        } catch (const KelvaneError& error) {
            section.target.emplace_back("target displacement not found", error.what());
        }
    }
    if (section.storeys.empty() && section.target.empty())
        return std::nullopt;
    return section;
}

} // namespace kelvane
