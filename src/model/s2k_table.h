#pragma once

#include <string>
#include <string_view>
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

// One pass over all lines: the last line equal to the keyword is the header (a header on line 0 is
// never recognised), the end is the first blank line after the first such header.
TableRange findTable(const std::vector<std::string>& lines, std::string_view keyword);

} // namespace kelvane
