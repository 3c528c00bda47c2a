#pragma once

#include "model/colour_table.h"
#include "model/model_store.h"

#include <array>
#include <string>
#include <vector>

namespace kelvane {

// Every import starts from zero-filled arrays (entry 0 of each): only S2kLines survives.
void resetModel(ModelStore& store);

// Replaces the store's S2kLines with the lines of the file (CR, LF or CR LF line ends).
void loadS2kFile(ModelStore& store, const std::string& path);

// The import driver: resets the counts and the arrays, then runs the table readers in their fixed
// order (joints, constraints, restraints, masses, materials, frame sections, shell sections,
// frames, shells, solids, loads) and the rigid-link pass, over the store's S2kLines. A failure
// stops the import where it happened; what the earlier readers stored stays. Its message is
// followed by the table and the file line it happened on ("'abc' is not a valid floating point
// value (table JOINT, line 12)") unless it names them itself.
void importModel(ModelStore& store, const ColourTable& colours);

// Whether the lines hold the header line of any table the driver reads.
bool holdsS2kTables(const std::vector<std::string>& lines);

// Loads a file and imports it.
void importS2kFile(ModelStore& store, const ColourTable& colours, const std::string& path);

// The texts of the 17 status-bar panels after an import: the fixed labels and the counts
// (each the larger of 0 and the count). Panel 1 (interaction mode) and panel 16 stay empty here.
using StatusPanels = std::array<std::string, 17>;
StatusPanels modelCountPanels(const ModelStore& store);

} // namespace kelvane
