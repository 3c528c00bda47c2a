#include "report/report_builder.h"

#include "common/error.h"
#include "common/number_format.h"
#include "report/drift_section.h"
#include "report/model_summary.h"
#include "results/recorder_files.h"
#include "results/result_display.h"
#include "script/fiber_strain_recorders.h"
#include "script/settings_by_name.h"

#include <filesystem>
#include <functional>

namespace kelvane {
namespace {

// The control joint's degree of freedom as the node recorders hold it: translations 1..3.
int recordedDof(std::int32_t dof) {
    return dof >= 1 && dof <= 3 ? dof : 1;
}

void addChart(ReportContent& content, ReportPainter& painter, const std::string& what,
              const std::function<Curve()>& read, ChartKind kind = ChartKind::Line) {
    try {
        const Curve curve = read();
        content.curves.push_back({curve.title, painter.chart(curve, kind)});
        for (const std::string& note : curve.notes)
            content.notes.push_back(curve.title + ": " + note);
    } catch (const KelvaneError& error) {
        content.notes.push_back(what + " not drawn: " + error.what());
    }
}

void addCurves(ReportContent& content, const ModelStore& store, const AnalysisSettings& analysis,
               const std::string& folder, ReportPainter& painter) {
    const int joint = analysis.controlNode;
    const int dof = recordedDof(analysis.controlDof);
    switch (analysis.analysisType) {
    case SingleLoadControl:
        addChart(content, painter, "The control joint's displacement",
                 [&] { return jointHistoryCurve(store, folder, joint, dof, Abscissa::LoadFactor); });
        break;
    case SingleDisplacementControl:
    case GravityPushOver:
        if (std::filesystem::exists(recorderPath(folder, "reaction0.out")))
            addChart(content, painter, "The pushover curve",
                     [&] { return pushoverCurve(store, analysis, folder, joint, dof); });
        else
            addChart(content, painter, "The control joint's displacement",
                     [&] { return jointHistoryCurve(store, folder, joint, dof, Abscissa::Step); });
        break;
    case ModalAnalysis:
        addChart(
            content, painter, "The periods", [&] { return periodCurve(readModalPeriods(folder)); },
            ChartKind::Bars);
        break;
    default: {
        const int direction = recordedDof(analysis.gmDirection);
        addChart(content, painter, "The control joint's displacement",
                 [&] { return jointHistoryCurve(store, folder, joint, direction, Abscissa::Time); });
        if (std::filesystem::exists(recorderPath(folder, "reaction0.out")))
            addChart(content, painter, "The base shear",
                     [&] { return baseShearHistory(store, folder, direction, Abscissa::Time); });
        break;
    }
    }
}

// The steps the first fiber file holds in whole lines.
std::int32_t recordedFiberSteps(const ModelStore& store, const AnalysisSettings& analysis,
                                const std::string& folder) {
    const int frameCount = countOf(store.frameCount);
    for (int b = 0; b < blockCount(frameCount); ++b) {
        const RecorderBlock block = recorderBlock(frameCount, b);
        if (!blockRecordsFibers(store, block.firstObject, block.firstObject + block.objectCount - 1, 1,
                                analysis))
            continue;
        const RecorderFile file(recorderPath(folder, fiberFileName(frameFileNumber(frameCount, b), 1)));
        const auto lines = static_cast<std::int32_t>(file.lines().size());
        return file.lastLineEnded() ? lines : lines - 1;
    }
    return 0;
}

NameValues limitValues(const DamageLimits& limits) {
    const auto value = [](double strain, const char* otherwise) {
        return strain > 0 ? formatGeneral(strain) : std::string(otherwise);
    };
    return {{"yield strain", value(limits.yieldStrain, "Fy / E0 of each steel")},
            {"spalling strain", value(limits.spallingStrain, "2 epsc0 of the cover concrete, else 0.004")},
            {"crushing strain", value(limits.crushingStrain, "epsU of the core concrete")},
            {"rebar ultimate strain", value(limits.rebarUltimateStrain, "")}};
}

void addDamage(ReportContent& content, ModelStore& store, const AnalysisSettings& analysis,
               const RecorderSettings& recorders, const ReportRequest& request, ReportPainter& painter) {
    if (!recorders.sectionStressStrain || fiberPointCount(store, analysis) == 0)
        return;
    try {
        const std::int32_t step =
            request.step.value_or(recordedFiberSteps(store, analysis, request.resultsFolder));
        ResultDisplay results;
        showDamage(readSectionDamage(store, analysis, request.resultsFolder, step, request.limits), results);
        results.DeformationScale = 1;
        readStepDisplacements(store, results, request.resultsFolder, step);
        DamageSection damage;
        for (const std::string& line : damageCountLines(results.damage)) {
            const std::size_t equals = line.find('=');
            damage.counts.emplace_back(line.substr(0, equals), line.substr(equals + 1));
        }
        damage.limits = limitValues(request.limits);
        damage.picture =
            ReportPicture{"Damage at step " + std::to_string(step) + " (deformed shape, scale 1)",
                          painter.model(store, results)};
        content.damage = std::move(damage);
    } catch (const KelvaneError& error) {
        content.notes.push_back(std::string("The damage not read: ") + error.what());
    }
}

} // namespace

ReportContent buildReport(const ImportedModel& imported, ModelStore& store, const AnalysisSettings& analysis,
                          const RecorderSettings& recorders, const ReportRequest& request,
                          ReportPainter& painter) {
    ReportContent content;
    content.title = request.modelName;
    content.resultsFolder = request.resultsFolder;
    content.modelSummary = modelSummary(imported);
    content.importReport = importReportLines(imported);
    content.analysisSettings = settingValues(analysis, recorders);
    addCurves(content, store, analysis, request.resultsFolder, painter);
    addDamage(content, store, analysis, recorders, request, painter);
    content.drifts = driftSection(store, analysis, request, painter);
    return content;
}

} // namespace kelvane
