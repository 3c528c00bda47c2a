#include "model/etabs/etabs_import.h"

#include "common/error.h"
#include "model/etabs/etabs_text.h"
#include "model/etabs/etabs_translation.h"
#include "model/tables/table_import.h"

#include <charconv>
#include <string_view>

namespace kelvane::etabs {
namespace {

// The table import names its place as `Table "NAME", line N: `, N a line of the restated text;
// the user sees the line of the file and its block instead.
std::string placedInFile(const std::string& message, const TranslatedModel& model,
                         const std::vector<std::string>& fileLines) {
    const std::string_view text(message);
    constexpr std::string_view lineWord = "\", line ";
    const std::size_t at = text.find(lineWord);
    if (text.substr(0, 7) != "Table \"" || at == std::string_view::npos)
        return message;
    const std::size_t numberStart = at + lineWord.size();
    std::size_t line = 0;
    const auto [end, error] = std::from_chars(text.data() + numberStart, text.data() + text.size(), line);
    if (error != std::errc() || line == 0 || line > model.origin.size() || model.origin[line - 1] < 0)
        return message;
    const int fileLine = model.origin[line - 1];
    std::string block;
    for (const EtabsBlock& candidate : readEtabsBlocks(fileLines))
        if (candidate.header < fileLine)
            block = candidate.name;
    const std::size_t rest = static_cast<std::size_t>(end - text.data());
    return "Line " + std::to_string(fileLine + 1) + " (" + block + ")" + std::string(text.substr(rest));
}

} // namespace

tables::ImportReport importEtabsModel(ModelStore& store, const ColourTable& colours) {
    const TranslatedModel model = translateEtabsModel(store.s2kLines);
    tables::ImportReport tableReport;
    try {
        tableReport = tables::importTableLines(store, model.lines, colours);
    } catch (const KelvaneError& error) {
        fail(placedInFile(error.what(), model, store.s2kLines));
    }
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
