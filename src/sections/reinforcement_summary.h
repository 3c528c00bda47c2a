#pragma once

#include "model/model_store.h"

#include <string>
#include <vector>

// A concrete section's reinforcement as SAP2000 describes it, for the Frame Section window: one
// row per box, each with its unit, and the confinement of its core.
namespace kelvane {

struct SummaryRow {
    std::string caption, value, unit;
};

// The rows of section k: nothing for a section without reinforcement from the model file or a k
// outside the table. A column with transverse bars ends with its f'cc and ecu (Mander), or a row
// saying why it has none.
std::vector<SummaryRow> reinforcementRows(const ModelStore& store, int k);

} // namespace kelvane
