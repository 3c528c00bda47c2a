#pragma once

#include "model/colour_table.h"
#include "model/model_store.h"
#include "model/tables/import_report.h"

// The import of an ETABS model file (.e2k) into the model store, in newtons and millimetres.
namespace kelvane::etabs {

// Imports the store's S2kLines, which stay. The report lists the blocks read and skipped, the
// storeys with the joints created at each, and what is not carried. A failure names the line of
// the file and its block.
tables::ImportReport importEtabsModel(ModelStore& store, const ColourTable& colours);

} // namespace kelvane::etabs
