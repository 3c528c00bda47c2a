#pragma once

#include "model/colour_table.h"
#include "model/model_store.h"
#include "model/tables/import_report.h"

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

// The import of a file of another format that a reader has restated as table rows (the keyword
// files of SAP2000 7/8, ETABS files).
namespace kelvane::tables {

// The table rows of a restated file in the making, table by table in the order each is first used,
// each row with the line (from 0) of the file it restates.
class RestatedTables {
  public:
    void add(const std::string& table, int fileLine, const std::string& text);
    // A row restating `from`, a line of the file read (anything with its `line`).
    template <class FileLine>
    void row(const std::string& table, const FileLine& from, const std::string& text) {
        add(table, from.line, text);
    }
    // Appends the tables as text, each a header line (restating no line of the file) and its rows.
    void writeTo(std::vector<std::string>& lines, std::vector<int>& origin) const;

  private:
    struct Table {
        std::string name;
        std::vector<std::pair<int, std::string>> rows;
    };
    std::vector<Table> tables_;
    std::map<std::string, std::size_t> index_;
};

// Imports `lines`, the restated rows; origin[k] is the line (from 0) of the original file that row
// k comes from, -1 for none. A failure the table import places at a row is placed at that line of
// the file instead, with the name of its block, which blockOf gives for a line of the file.
ImportReport importRestatedLines(ModelStore& store, const std::vector<std::string>& lines,
                                 const std::vector<int>& origin,
                                 const std::function<std::string(int)>& blockOf, const ColourTable& colours);

} // namespace kelvane::tables
