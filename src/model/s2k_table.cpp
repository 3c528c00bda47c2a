#include "model/s2k_table.h"

namespace kelvane {

bool isBlankLine(std::string_view line) {
    for (const char c : line)
        if (static_cast<unsigned char>(c) > 32)
            return false;
    return true;
}

TableRange findTable(const std::vector<std::string>& lines, std::string_view keyword) {
    TableRange range;
    const int count = static_cast<int>(lines.size());
    for (int i = 0; i < count; ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        if (line.size() == keyword.size() && line == keyword)
            range.header = i;
        if (range.end == 0 && range.header != 0 && isBlankLine(line))
            range.end = i;
    }
    return range;
}

} // namespace kelvane
