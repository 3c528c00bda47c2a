#include "report/model_summary.h"

#include "common/number_format.h"
#include "model/model_mass.h"
#include "model/section_defaults.h"

#include <array>

namespace kelvane {

NameValues modelSummary(const ImportedModel& imported) {
    const ModelStore& store = imported.store;
    const std::pair<const char*, std::int32_t> counts[] = {
        {"nodeCount", store.nodeCount},
        {"frameCount", store.frameCount},
        {"shellCount", store.shellCount},
        {"areaCount", store.areaCount},
        {"solidCount", store.solidCount},
        {"materialCount", store.materialCount},
        {"frameSectionCount", store.frameSectionCount},
        {"shellSectionCount", store.shellSectionCount},
        {"diaphragmCount", store.diaphragmCount},
        {"loadCount", store.loadCount},
        {"loadCaseCount", store.loadCaseCount},
    };
    NameValues summary;
    for (const auto& [name, value] : counts)
        summary.emplace_back(name, std::to_string(value));
    const std::array<double, 3> mass = totalTranslationalMass(store);
    const char* const axes[] = {"massX", "massY", "massZ"};
    const double unit = imported.hasReport() ? imported.report.massUnit : 1.0;
    for (std::size_t k = 0; k < mass.size(); ++k)
        summary.emplace_back(axes[k], formatSignificant(mass[k] / unit, 6));
    summary.emplace_back("massUnit",
                         imported.hasReport() ? imported.report.massUnitName : "force-s2/length of the file");
    return summary;
}

std::vector<std::string> importReportLines(const ImportedModel& imported) {
    return imported.hasReport() ? tables::reportLines(imported.report) : elementTypeNameLines(imported.store);
}

} // namespace kelvane
