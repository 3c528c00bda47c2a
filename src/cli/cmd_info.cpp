#include "cli/command_registry.h"
#include "model/colour_table.h"
#include "model/model_import.h"
#include "report/model_summary.h"
#include "sections/reinforcement_summary.h"

#include <algorithm>
#include <iostream>

namespace kelvane::cli {
namespace {

// Imports a model and prints its counts, one "name=value" line each, as the store holds them
// (-1 for a count whose table was missing), then the total translational mass along X, Y and Z in
// the model file's units; the import report follows on standard error: for a table-format or
// keyword file what was read, converted and left out, for a version-6 file the element type each
// section took from its name; before it, the reinforcement of each concrete section of the file.
int runInfo(const Arguments& args) {
    if (args.size() != 1)
        throw UsageError{"info takes exactly one model file"};
    const ImportedModel imported = importModelFile(args[0], initPalette());
    for (const auto& [name, value] : modelSummary(imported))
        std::cout << name << '=' << value << '\n';
    std::cout.flush();
    // The reinforcement the Frame Section window shows, as plain text (mm2 for mm squared).
    const ModelStore& store = imported.store;
    for (int k = 1; k <= countOf(store.frameSectionCount); ++k)
        for (const SummaryRow& row : reinforcementRows(store, k)) {
            std::string line = "Section " + store.frameSections[static_cast<std::size_t>(k)].name + ": " +
                               row.caption + " " + row.value + " " + row.unit;
            std::replace(line.begin(), line.end(), '\xB2', '2');
            std::cerr << line << '\n';
        }
    for (const std::string& line : importReportLines(imported))
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
               "from the first letter of its name. Before it, each concrete section of a table-format file\n"
               "lists its bars, ties and confined strength (f'cc, ecu), one line each.",
    .lines = {{"MODEL.s2k",
               "the SAP2000 text model (version-6, keyword or table format) or ETABS model (.e2k)"}},
    .run = &runInfo,
});

} // namespace
} // namespace kelvane::cli
