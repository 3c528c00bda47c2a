#pragma once

#include "model/tables/table_text.h"

#include <optional>
#include <string>
#include <string_view>

// The rows of one table with their fields looked up by key (any order, letter case ignored), and
// the messages of a bad row: each names the table, the line in the file and the value.
namespace kelvane::tables {

class Rows {
  public:
    // The rows of the named table; a table the file lacks has none.
    Rows(const TableFile& file, std::string_view tableName);

    bool next() { return reader_ && reader_->next(); }
    const std::string& tableName() const { return name_; }

    const Field* find(std::string_view key) const;
    bool has(std::string_view key) const { return find(key) != nullptr; }
    // The value, or the fallback when the row does not carry the key.
    std::string_view text(std::string_view key, std::string_view fallback = {}) const;
    // The value of a key the row must carry (its name, its joints): stops when it is missing.
    std::string_view required(std::string_view key) const;
    double real(std::string_view key, double fallback) const;
    double requiredReal(std::string_view key) const;
    std::optional<double> optionalReal(std::string_view key) const;
    // "Yes" or "No" (letter case ignored); anything else stops.
    bool yes(std::string_view key, bool fallback) const;

    // Stops with "Table "NAME", line N: what"; the line is that of the field, else of the row.
    [[noreturn]] void fail(const std::string& what, const Field* at = nullptr) const;

  private:
    double realOf(const Field& field) const;

    std::string name_;
    std::optional<RowReader> reader_;
};

} // namespace kelvane::tables
