#pragma once

#include "model/model_store.h"
#include "model/s2k_table.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What every table reader shares: the located table, the tokenizer call per line, field
// conversions with the runtime's messages, and range checks of joint, frame and constraint numbers.
namespace kelvane {

class TableReader {
  public:
    TableReader(ModelStore& store, const TableIndex& tables, std::string_view keyword);

    const TableRange& range() const { return range_; }
    long long dataLineCount() const { return range_.dataLineCount(); }
    // Data lines are firstLine() .. endLine() - 1 (none for a missing table).
    int firstLine() const { return range_.header + 1; }
    int endLine() const { return range_.end; }

    // Splits S2kLines[lineIndex] into the store's LineFields. Any line index is accepted: past the
    // last line of the file the fields are all empty.
    void tokenize(int lineIndex);
    // Makes lineIndex the line that messages name, for values kept from an earlier pass.
    void atLine(int lineIndex);

    // Whether field n of S2kLines[lineIndex] equals the text, without splitting the whole line.
    bool lineFieldEquals(int lineIndex, int n, std::string_view text) const;

    const std::string& field(int n) const { return store_.lineFields[static_cast<std::size_t>(n)]; }
    bool fieldIs(int n, std::string_view text) const { return field(n) == text; }
    std::int32_t intField(int n) const;
    double realField(int n) const;
    // An integer field that names a joint (1..nodeCount) or a frame (1..frameCount).
    std::int32_t jointField(int n) const { return jointNumber(field(n)); }
    std::int32_t frameField(int n) const;
    std::int32_t jointNumber(std::string_view text) const;

    // Stops the import with a message naming the table and the current line (1-based).
    [[noreturn]] void failOnLine(const std::string& what) const;

  private:
    std::int32_t checkedReference(std::string_view text, const char* what, std::int32_t count) const;

    ModelStore& store_;
    std::string keyword_;
    TableRange range_;
    ReadingPlace& place_;
    int currentLine_ = kNoLine;
};

// Sizes a table's array to count + 1 zero-filled entries (entry 0 only, for a missing table whose
// count is -1); a count below -1 (a table without its closing blank line) is a negative array size
// and raises "Range check error".
template <class Record> void sizeTableArray(std::vector<Record>& array, long long count);

// Resolves a name against records 1..count: the last exact, case-sensitive match, 0 for none.
template <class Record>
std::int32_t findByName(const std::vector<Record>& records, std::int32_t count, std::string_view name) {
    std::int32_t found = 0;
    const std::int32_t last =
        std::min<std::int32_t>(countOf(count), static_cast<std::int32_t>(records.size()) - 1);
    for (std::int32_t i = 1; i <= last; ++i)
        if (records[static_cast<std::size_t>(i)].name == name)
            found = i;
    return found;
}

} // namespace kelvane
