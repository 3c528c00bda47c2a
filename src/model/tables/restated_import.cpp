#include "model/tables/restated_import.h"

#include "common/error.h"
#include "model/tables/table_import.h"

#include <charconv>
#include <string_view>

namespace kelvane::tables {
namespace {

// The table import names its place as `Table "NAME", line N: `, N a line of the restated text;
// the user sees the line of the file and its block instead.
std::string placedInFile(const std::string& message, const std::vector<int>& origin,
                         const std::function<std::string(int)>& blockOf) {
    const std::string_view text(message);
    constexpr std::string_view lineWord = "\", line ";
    const std::size_t at = text.find(lineWord);
    if (text.substr(0, 7) != "Table \"" || at == std::string_view::npos)
        return message;
    const std::size_t numberStart = at + lineWord.size();
    std::size_t line = 0;
    const auto [end, error] = std::from_chars(text.data() + numberStart, text.data() + text.size(), line);
    if (error != std::errc() || line == 0 || line > origin.size() || origin[line - 1] < 0)
        return message;
    const int fileLine = origin[line - 1];
    const std::size_t rest = static_cast<std::size_t>(end - text.data());
    return "Line " + std::to_string(fileLine + 1) + " (" + blockOf(fileLine) + ")" +
           std::string(text.substr(rest));
}

} // namespace

void RestatedTables::add(const std::string& table, int fileLine, const std::string& text) {
    auto found = index_.find(table);
    if (found == index_.end()) {
        found = index_.emplace(table, tables_.size()).first;
        tables_.push_back({table, {}});
    }
    tables_[found->second].rows.push_back({fileLine, "   " + text});
}

void RestatedTables::writeTo(std::vector<std::string>& lines, std::vector<int>& origin) const {
    for (const Table& table : tables_) {
        lines.push_back("TABLE:  \"" + table.name + "\"");
        origin.push_back(-1);
        for (const auto& [line, text] : table.rows) {
            lines.push_back(text);
            origin.push_back(line);
        }
    }
}

ImportReport importRestatedLines(ModelStore& store, const std::vector<std::string>& lines,
                                 const std::vector<int>& origin,
                                 const std::function<std::string(int)>& blockOf, const ColourTable& colours) {
    try {
        return importTableLines(store, lines, colours);
    } catch (const KelvaneError& error) {
        fail(placedInFile(error.what(), origin, blockOf));
    }
}

} // namespace kelvane::tables
