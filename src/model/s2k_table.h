#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Locating a table of an s2k file by its header line.
namespace kelvane {

// Line indices over S2kLines: the data lines lie strictly between header and end. Both are kNoLine
// when the table is missing; end is kNoLine when the header has no blank line after it.
inline constexpr int kNoLine = -1;
struct TableRange {
    int header = kNoLine;
    int end = kNoLine;
    bool found() const { return header != kNoLine; }
    // end - header - 1: the number of data lines; -1 for a missing table, below -1 for a table
    // without its closing blank line (or one whose blank line comes before its last header).
    long long dataLineCount() const { return static_cast<long long>(end) - header - 1; }
};

// True when the line holds nothing but characters of code 32 or below.
bool isBlankLine(std::string_view line);

// Where the readers of one import are: the table they read and the line of the file they look at,
// for the failures whose messages do not say it themselves.
struct ReadingPlace {
    std::string table;
    int line = kNoLine;
};

// The ranges of several tables, found in one pass over all lines: for each keyword, the last line
// equal to it is the header (the file's first line included), the end is the first blank line
// after the first such header.
class TableIndex {
  public:
    TableIndex(const std::vector<std::string>& lines, std::initializer_list<std::string_view> keywords);
    // The range of a keyword given to the constructor (std::logic_error for any other).
    const TableRange& range(std::string_view keyword) const;
    // Whether any of the keywords has a header line.
    bool anyFound() const;

    // The readers note here where they are; the import driver names it in a failure's message.
    ReadingPlace& place() const { return place_; }

  private:
    std::vector<std::pair<std::string_view, TableRange>> ranges_;
    mutable ReadingPlace place_;
};

// The same for one table.
TableRange findTable(const std::vector<std::string>& lines, std::string_view keyword);

} // namespace kelvane
