#pragma once

#include "common/error.h"
#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/model_import.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace kelvane::test {

// One table of a table-format file: the header, each row indented as SAP2000 writes it, a blank line.
inline std::string sapTable(std::string_view name, std::initializer_list<std::string_view> rows) {
    std::string text = "TABLE:  \"" + std::string(name) + "\"\n";
    for (const std::string_view row : rows)
        text += "   " + std::string(row) + "\n";
    return text + "\n";
}

inline ImportedModel importTables(const std::string& text) {
    return importModelLines(splitLines(text), initPalette());
}

// The message a table-format text stops with ("" when it imports).
inline std::string tableImportFailure(const std::string& text) {
    try {
        importTables(text);
    } catch (const KelvaneError& error) {
        return error.what();
    }
    return "";
}

} // namespace kelvane::test
