#include "model/s2k_tokenizer.h"

#include <array>

namespace kelvane {
namespace {

bool isSeparatorMark(char c) { return c == '=' || c == ',' || c == '"'; }

std::string_view trimControlAndBlanks(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= 32)
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32)
        --last;
    return text.substr(first, last - first);
}

} // namespace

bool tokenizeLine(std::string_view line, LineFields& fields) {
    for (auto& field : fields)
        field.clear();

    // Positions are 1-based character numbers; position 0 stands for the first character examined
    // a second time before the scan proper.
    std::array<std::size_t, kMaxRecordedPositions> positions{};
    int recorded = 0;
    bool overflow = false;
    auto record = [&](std::size_t position) {
        if (recorded == kMaxRecordedPositions) {
            overflow = true;
            return;
        }
        positions[static_cast<std::size_t>(recorded++)] = position;
    };

    const std::size_t length = line.size();
    for (std::size_t k = 0; k <= length && !overflow; ++k) {
        if (length > 0) {
            const char c = line[k == 0 ? 0 : k - 1];
            if (c == ' ') {
                if (recorded == 0 || positions[static_cast<std::size_t>(recorded - 1)] + 1 != k)
                    record(k);
            } else if (isSeparatorMark(c)) {
                record(k);
            }
        }
        if (k == length)
            record(length + 1);
    }
    if (overflow)
        return false;

    for (int m = 0; m + 2 < recorded; ++m) {
        const std::size_t from = positions[static_cast<std::size_t>(m + 1)];
        const std::size_t to = positions[static_cast<std::size_t>(m + 2)];
        fields[static_cast<std::size_t>(m)] = trimControlAndBlanks(line.substr(from, to - from - 1));
    }
    return true;
}

} // namespace kelvane
