#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Locating a table of an s2k file by its header line.
namespace kelvane {

// Line indices over S2kLines: the data lines lie strictly between header and end. Both are 0 when
// the table is missing; end is 0 when the header has no blank line after it.
struct TableRange {
    int header = 0;
    int end = 0;
    // end - header - 1: the number of data lines, negative for a table without its closing blank line.
    long long dataLineCount() const { return static_cast<long long>(end) - header - 1; }
};

// True when the line holds nothing but characters of code 32 or below.
bool isBlankLine(std::string_view line);

// The ranges of several tables, found in one pass over all lines: for each keyword, the last line
// equal to it is the header (a header on line 0 is never recognised), the end is the first blank
// line after the first such header.
class TableIndex {
  public:
    TableIndex(const std::vector<std::string>& lines, std::initializer_list<std::string_view> keywords);
    // The range of a keyword given to the constructor (std::logic_error for any other).
    const TableRange& range(std::string_view keyword) const;

  private:
    std::vector<std::pair<std::string_view, TableRange>> ranges_;
};

// The same for one table.
TableRange findTable(const std::vector<std::string>& lines, std::string_view keyword);

} // namespace kelvane
