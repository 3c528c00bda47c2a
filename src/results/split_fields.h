#pragma once

#include <string>
#include <string_view>
#include <vector>

// The splitter of OpenSees recorder lines: fields separated by single spaces.
//
// Every space ends a field; two adjacent spaces give an empty field, and a line that begins with a
// space has two empty fields in front of its first value. Fields are trimmed of blanks and control
// characters. Every field is stored, however many the line holds: a recorder of 100 frames writes
// 1201 fields a line, and the count of a line is bounded by its length (a field per character at
// most), which the file it came from bounds in turn. The result is the line's field count.
namespace kelvane {

// The fields as texts of their own; the table grows to the longest line split into it, and entries
// past `count` keep what earlier lines put there.
struct FieldTable {
    std::vector<std::string> fields;
    int count = 0; // fields of the line split last
};
int splitFields(std::string_view line, FieldTable& table);

// The same fields as views into the line (valid while the line lives); the readers' fast path.
struct FieldViews {
    std::vector<std::string_view> fields;
    int count = 0;
};
int splitFields(std::string_view line, FieldViews& views);

} // namespace kelvane
