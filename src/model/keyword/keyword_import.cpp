#include "model/keyword/keyword_import.h"

#include "model/keyword/keyword_translation.h"
#include "model/section_defaults.h"
#include "model/tables/restated_import.h"

#include <string>
#include <vector>

namespace kelvane::keyword {
namespace {

// The name of the block a line of the file (from 0) lies in.
std::string blockOfLine(const std::vector<std::string>& fileLines, int fileLine) {
    std::string block;
    for (const KeywordBlock& candidate : readKeywordBlocks(fileLines))
        if (candidate.header < fileLine)
            block = candidate.name;
    return block;
}

} // namespace

tables::ImportReport importKeywordModel(ModelStore& store, const ColourTable& colours) {
    const TranslatedModel model = translateKeywordModel(store.s2kLines);
    const tables::ImportReport tableReport = tables::importRestatedLines(
        store, model.lines, model.origin, [&](int line) { return blockOfLine(store.s2kLines, line); },
        colours);
    // Keyword files keep the convention of their format: a section's element type is the first
    // letter of its name.
    applyElementTypesFromNames(store);
    tables::ImportReport report = tableReport;
    report.keywordFile = true;
    report.tablesRead = model.report.tablesRead;
    report.tablesSkipped = model.report.tablesSkipped;
    report.notCarried = model.report.notCarried;
    for (const tables::NotCarried& item : tableReport.notCarried)
        report.addNotCarried(item.what, item.count);
    report.elementTypeLines = elementTypeNameLines(store);
    return report;
}

} // namespace kelvane::keyword
