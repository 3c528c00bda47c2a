#include "model/s2k_table.h"

#include <stdexcept>

namespace kelvane {

bool isBlankLine(std::string_view line) {
    for (const char c : line)
        if (static_cast<unsigned char>(c) > 32)
            return false;
    return true;
}

TableIndex::TableIndex(const std::vector<std::string>& lines,
                       std::initializer_list<std::string_view> keywords) {
    for (const std::string_view keyword : keywords)
        ranges_.emplace_back(keyword, TableRange{});
    const int count = static_cast<int>(lines.size());
    for (int i = 0; i < count; ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        int blank = -1; // not looked at yet
        for (auto& [keyword, range] : ranges_) {
            if (line.size() == keyword.size() && line == keyword)
                range.header = i;
            if (range.end == kNoLine && range.found()) {
                if (blank < 0)
                    blank = isBlankLine(line) ? 1 : 0;
                if (blank == 1)
                    range.end = i;
            }
        }
    }
}

const TableRange& TableIndex::range(std::string_view keyword) const {
    for (const auto& [indexed, range] : ranges_)
        if (indexed == keyword)
            return range;
    throw std::logic_error("The table " + std::string(keyword) + " was not located");
}

bool TableIndex::anyFound() const {
    for (const auto& entry : ranges_)
        if (entry.second.found())
            return true;
    return false;
}

TableRange findTable(const std::vector<std::string>& lines, std::string_view keyword) {
    return TableIndex(lines, {keyword}).range(keyword);
}

} // namespace kelvane
