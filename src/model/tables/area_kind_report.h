#pragma once

#include "model/model_store.h"
#include "model/tables/import_report.h"

namespace kelvane::tables {

// Adds to the report what the script leaves out of an area section of its kind (both formats).
void reportAreaKind(const TAREASEC& section, ImportReport& report);

} // namespace kelvane::tables
