#include "model/model_import.h"

#include "common/text_file.h"
#include "model/s2k_import.h"
#include "model/tables/table_import.h"
#include "model/tables/table_text.h"

namespace kelvane {

ImportedModel importModelLines(std::vector<std::string> lines, const ColourTable& colours) {
    ImportedModel imported;
    imported.tableFormat = tables::isTableFormat(lines);
    imported.store.s2kLines = std::move(lines);
    if (imported.tableFormat)
        imported.report = tables::importTableModel(imported.store, colours);
    else
        importModel(imported.store, colours);
    return imported;
}

ImportedModel importModelFile(const std::string& path, const ColourTable& colours) {
    return importModelLines(loadLines(path), colours);
}

} // namespace kelvane
