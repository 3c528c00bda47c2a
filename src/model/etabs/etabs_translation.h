#pragma once

#include "model/tables/import_report.h"

#include <string>
#include <vector>

// An ETABS model file restated as SAP2000's table format, row by row, so that the one table import
// carries it with the same meaning: points in plan placed at the storeys their lines and areas are
// assigned to, one joint per point and storey ("12@STORY3"), one diaphragm per name and storey.
namespace kelvane::etabs {

struct TranslatedModel {
    std::vector<std::string> lines; // the table-format text
    // For each of its lines, the ETABS file's line (0-based) it was made from, -1 for a header.
    std::vector<int> origin;
    // The blocks read and skipped, what the translation could not carry, the storeys and the
    // joints created at each.
    tables::ImportReport report;
};

// Stops with a message naming the file's line and block where a value cannot be restated.
TranslatedModel translateEtabsModel(const std::vector<std::string>& fileLines);

} // namespace kelvane::etabs
