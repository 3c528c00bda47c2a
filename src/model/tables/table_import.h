#pragma once

#include "model/colour_table.h"
#include "model/model_store.h"
#include "model/tables/import_report.h"

#include <string>
#include <vector>

// The import of a SAP2000 table-format file into the model store, in newtons and millimetres.
namespace kelvane::tables {

// Imports the store's S2kLines: resets the store (the lines stay), then reads joints, materials,
// frame sections, frames, areas, solids, diaphragms, restraints, masses, load patterns and loads,
// and ties the rigid links. Returns what was read and what was not carried. A failure stops with a
// message naming the table, the line and the value; the store is then left part-filled, so callers
// import into a store of their own (see importModelLines).
ImportReport importTableModel(ModelStore& store, const ColourTable& colours);

// The same import from table-format lines other than the store's (a keyword file restated as
// tables); the store's S2kLines stay as they are.
ImportReport importTableLines(ModelStore& store, const std::vector<std::string>& lines,
                              const ColourTable& colours);

} // namespace kelvane::tables
