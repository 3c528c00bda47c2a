#include "model/model_import.h"

#include "common/error.h"
#include "common/text_file.h"
#include "model/etabs/etabs_import.h"
#include "model/etabs/etabs_text.h"
#include "model/keyword/keyword_import.h"
#include "model/keyword/keyword_translation.h"
#include "model/s2k_import.h"
#include "model/tables/table_import.h"
#include "model/tables/table_text.h"

namespace kelvane {

namespace {

[[noreturn]] void refuseTablelessLines(const std::string& origin) {
    fail(origin + " holds none of the tables of a SAP2000 model");
}

} // namespace

ImportedModel importModelLines(std::vector<std::string> lines, const ColourTable& colours,
                               const std::string& origin) {
    ImportedModel imported;
    if (etabs::isEtabsFile(lines)) {
        imported.etabsFormat = true;
        imported.store.s2kLines = std::move(lines);
        imported.report = etabs::importEtabsModel(imported.store, colours);
        return imported;
    }
    imported.tableFormat = tables::isTableFormat(lines);
    imported.keywordFormat = !imported.tableFormat && keyword::isKeywordFormat(lines);
    if (!imported.tableFormat && !holdsS2kTables(lines))
        refuseTablelessLines(origin);
    imported.store.s2kLines = std::move(lines);
    if (imported.keywordFormat) {
        imported.report = keyword::importKeywordModel(imported.store, colours);
    } else if (imported.tableFormat) {
        imported.report = tables::importTableModel(imported.store, colours);
        if (imported.report.tablesRead.empty())
            refuseTablelessLines(origin);
    } else {
        importModel(imported.store, colours);
    }
    return imported;
}

ImportedModel importModelFile(const std::string& path, const ColourTable& colours) {
    return importModelLines(loadLines(path), colours, "The file \"" + path + "\"");
}

ImportedModel reimportModelLines(std::vector<std::string> lines, const ColourTable& colours) {
    if (lines.empty()) {
        ImportedModel empty;
        importModel(empty.store, colours);
        return empty;
    }
    return importModelLines(std::move(lines), colours);
}

} // namespace kelvane
