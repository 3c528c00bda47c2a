#include "model/etabs/etabs_import.h"

#include "model/etabs/etabs_text.h"
#include "model/etabs/etabs_translation.h"
#include "model/tables/restated_import.h"

#include <string>
#include <vector>

namespace kelvane::etabs {
namespace {

// The name of the block a line of the file (from 0) lies in.
std::string blockOfLine(const std::vector<std::string>& fileLines, int fileLine) {
    std::string block;
    for (const EtabsBlock& candidate : readEtabsBlocks(fileLines))
        if (candidate.header < fileLine)
            block = candidate.name;
    return block;
}

} // namespace

tables::ImportReport importEtabsModel(ModelStore& store, const ColourTable& colours) {
    const TranslatedModel model = translateEtabsModel(store.s2kLines);
    const tables::ImportReport tableReport = tables::importRestatedLines(
        store, model.lines, model.origin, [&](int line) { return blockOfLine(store.s2kLines, line); },
        colours);
    tables::ImportReport report = tableReport;
    report.etabsFile = true;
    report.tablesRead = model.report.tablesRead;
    report.tablesSkipped = model.report.tablesSkipped;
    report.notCarried = model.report.notCarried;
    report.storeyLines = model.report.storeyLines;
    report.program = model.report.program;
    for (const tables::NotCarried& item : tableReport.notCarried)
        report.addNotCarried(item.what, item.count);
    return report;
}

} // namespace kelvane::etabs
