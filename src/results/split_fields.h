#pragma once

#include <array>
#include <string>
#include <string_view>

// The splitter of OpenSees recorder lines: fields separated by single spaces.
//
// Every space ends a field; two adjacent spaces give an empty field, and a line that begins with a
// space has two empty fields in front of its first value. Fields are trimmed of blanks and control
// characters. Only the first 1000 fields are stored; the result is the line's full field count, so
// a caller can refuse a longer line.
namespace kelvane {

inline constexpr int kFieldTableSize = 1000;

// The fields as texts of their own; entries past `count` keep what earlier lines put there.
struct FieldTable {
    std::array<std::string, kFieldTableSize> fields;
    int count = 0; // fields stored from the line split last (at most 1000)
};
int splitFields(std::string_view line, FieldTable& table);

// The same fields as views into the line (valid while the line lives); the readers' fast path.
struct FieldViews {
    std::array<std::string_view, kFieldTableSize> fields;
    int count = 0;
};
int splitFields(std::string_view line, FieldViews& views);

} // namespace kelvane
