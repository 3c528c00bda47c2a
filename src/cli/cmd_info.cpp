#include "cli/command_registry.h"
#include "common/number_format.h"
#include "model/colour_table.h"
#include "model/model_import.h"
#include "model/model_mass.h"
#include "model/section_defaults.h"

#include <iostream>

namespace kelvane::cli {
namespace {

// Imports a model and prints its counts, one "name=value" line each, as the store holds them
// (-1 for a count whose table was missing), then the total translational mass along X, Y and Z in
// the model file's units; the import report follows on standard error: for a table-format or
// keyword file what was read, converted and left out, for a version-6 file the element type each
// section took from its name.
int runInfo(const Arguments& args) {
    if (args.size() != 1)
        throw UsageError{"info takes exactly one model file"};
    const ImportedModel imported = importModelFile(args[0], initPalette());
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
    for (const auto& [name, value] : counts)
        std::cout << name << '=' << value << '\n';
    const std::array<double, 3> mass = totalTranslationalMass(store);
    const char* const axes[] = {"massX", "massY", "massZ"};
    const double unit = imported.tableFormat ? imported.report.massUnit : 1.0;
    for (std::size_t k = 0; k < mass.size(); ++k)
        std::cout << axes[k] << '=' << formatSignificant(mass[k] / unit, 6) << '\n';
    std::cout << "massUnit="
              << (imported.tableFormat ? imported.report.massUnitName : "force-s2/length of the file")
              << '\n';
    std::cout.flush();
    const std::vector<std::string> report =
        imported.hasReport() ? tables::reportLines(imported.report) : elementTypeNameLines(store);
    for (const std::string& line : report)
        std::cerr << line << '\n';
    return 0;
}

const RegisterCommand reg({
    .name = "info",
    .usage = "info MODEL.s2k",
    .summary = "Import a model and print its counts and total mass, one name=value line each",
    .details = "A count is -1 when the model file has no table of that kind. massX, massY and massZ are the\n"
               "translational mass the script gives the joints, in the model file's units (massUnit).\n"
               "The import report follows on standard error: for a table-format file what was read,\n"
               "converted, split and left out; for a version-6 file the element type each section took\n"
               "from the first letter of its name.",
    .lines = {{"MODEL.s2k",
               "the SAP2000 text model (version-6, keyword or table format) or ETABS model (.e2k)"}},
    .run = &runInfo,
});

} // namespace
} // namespace kelvane::cli
