#pragma once

#include "model/colour_table.h"
#include "model/model_store.h"
#include "model/tables/import_report.h"

#include <string>
#include <vector>

// The one import of a SAP2000 text file for the program and the command line: any format, told
// apart by content. A line beginning "TABLE:" is the table format of SAP2000 7 and later; a keyword
// file with what only SAP2000 7 and 8 write (fewer than six degrees of freedom in SYSTEM, SHELL
// SECTION TYPE=, LOAD TYPE=UNIFORM and the like, SPRING) is read by key; anything else is the
// version-6 format. A file that names the program ETABS (PROGRAM "ETABS") is an ETABS model file.
namespace kelvane {

struct ImportedModel {
    ModelStore store;
    bool tableFormat = false;
    bool keywordFormat = false;  // a SAP2000 7/8 keyword file read by key
    tables::ImportReport report; // of a table-format or keyword import; empty for version 6
    bool etabsFormat = false;    // an ETABS model file (.e2k)

    bool hasReport() const { return tableFormat || keywordFormat || etabsFormat; }
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
