#pragma once

#include "model/colour_table.h"
#include "model/model_store.h"
#include "model/tables/import_report.h"

// The import of a SAP2000 7/8 keyword file (SYSTEM, JOINT, ..., SHELL SECTION TYPE=, LOAD
// TYPE=UNIFORM) into the model store, in newtons and millimetres.
namespace kelvane::keyword {

// Imports the store's S2kLines, which stay. The report lists the blocks read and skipped and what
// is not carried. A failure names the line of the file and its block.
tables::ImportReport importKeywordModel(ModelStore& store, const ColourTable& colours);

} // namespace kelvane::keyword
