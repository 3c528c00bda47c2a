#pragma once

#include "model/model_import.h"
#include "report/report_content.h"

#include <string>
#include <vector>

// What `kelvane-cli info` prints of an imported model, for the command and the report alike.
namespace kelvane {

// The counts as the store holds them (-1 for a count whose table was missing), the total
// translational mass along X, Y and Z in the model file's units and that unit's name.
NameValues modelSummary(const ImportedModel& imported);

// The import report: for a table-format or keyword file what was read, converted and left out,
// for a version-6 file the element type each section took from its name.
std::vector<std::string> importReportLines(const ImportedModel& imported);

} // namespace kelvane
