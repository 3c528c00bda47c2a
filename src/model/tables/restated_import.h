#pragma once

#include "model/colour_table.h"
#include "model/model_store.h"
#include "model/tables/import_report.h"

#include <functional>
#include <string>
#include <vector>

// The import of a file of another format that a reader has restated as table rows (the keyword
// files of SAP2000 7/8, ETABS files).
namespace kelvane::tables {

// Imports `lines`, the restated rows; origin[k] is the line (from 0) of the original file that row
// k comes from, -1 for none. A failure the table import places at a row is placed at that line of
// the file instead, with the name of its block, which blockOf gives for a line of the file.
ImportReport importRestatedLines(ModelStore& store, const std::vector<std::string>& lines,
                                 const std::vector<int>& origin,
                                 const std::function<std::string(int)>& blockOf, const ColourTable& colours);

} // namespace kelvane::tables
