#pragma once

#include "model/keyword/keyword_blocks.h"
#include "model/tables/import_report.h"

#include <string>
#include <vector>

// A SAP2000 7/8 keyword file restated as the table format, row by row, so that the one table
// import carries both with the same meaning (units, active degrees of freedom, area types, loads).
namespace kelvane::keyword {

struct TranslatedModel {
    std::vector<std::string> lines; // the table-format text
    // For each of its lines, the keyword file's line (0-based) it was made from, -1 for a header.
    std::vector<int> origin;
    // The keyword blocks read and skipped, and what the translation could not carry.
    tables::ImportReport report;
};

// Stops with a message naming the file's line and block where a value cannot be restated.
TranslatedModel translateKeywordModel(const std::vector<std::string>& fileLines);

// Whether the lines are a keyword file that the version-6 reader would misread: a SYSTEM block
// with fewer than six active degrees of freedom, a SHELL SECTION with TYPE=, a LOAD of another
// TYPE than FORCE or DISTRIBUTED, or joint springs (SPRING).
bool isKeywordFormat(const std::vector<std::string>& fileLines);

} // namespace kelvane::keyword
