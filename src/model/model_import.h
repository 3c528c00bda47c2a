#pragma once

#include "model/colour_table.h"
#include "model/model_store.h"
#include "model/tables/import_report.h"

#include <string>
#include <vector>

// The one import of a SAP2000 text file for the program and the command line: either format,
// told apart by content (a line beginning "TABLE:" is the table format of SAP2000 7 and later,
// anything else the version-6 format).
namespace kelvane {

struct ImportedModel {
    ModelStore store;
    bool tableFormat = false;
    tables::ImportReport report; // of a table-format import; empty for version 6
};

// Imports the lines into a fresh store, which keeps them as its S2kLines. A failure propagates
// and leaves nothing behind, so a caller's model stays as it was. Lines that hold none of the
// tables of either format (a picture, some other text, an empty file) are refused with
// "ORIGIN holds none of the tables of a SAP2000 model"; `origin` says what the lines are
// ("The file \"frame.s2k\"").
ImportedModel importModelLines(std::vector<std::string> lines, const ColourTable& colours,
                               const std::string& origin = "The text");

// Loads the file and imports it.
ImportedModel importModelFile(const std::string& path, const ColourTable& colours);

// The lines of the last model imported again (its file dialog cancelled): with none loaded yet,
// the empty model.
ImportedModel reimportModelLines(std::vector<std::string> lines, const ColourTable& colours);

} // namespace kelvane
