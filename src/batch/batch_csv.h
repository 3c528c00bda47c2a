#pragma once

#include <string>
#include <string_view>
#include <vector>

// The comma-separated lines of manifests and summaries: a field holding a comma, a quote or a
// line end is quoted, its quotes doubled.
namespace kelvane {

std::string csvLine(const std::vector<std::string>& fields);

// The fields of one line; a quoted field may hold commas and doubled quotes. An unterminated
// quote is refused with a message naming `where`.
std::vector<std::string> splitCsvLine(std::string_view line, const std::string& where);

} // namespace kelvane
