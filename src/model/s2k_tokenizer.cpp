#include "model/s2k_tokenizer.h"

#include <array>

namespace kelvane {
namespace {

enum CharacterClass : unsigned char { Ordinary = 0, Space = 1, Mark = 2 };

// Spaces and the separator marks "=", "," and the double quote; every other byte is ordinary.
constexpr std::array<unsigned char, 256> kClasses = [] {
    std::array<unsigned char, 256> classes{};
    classes[static_cast<unsigned char>(' ')] = Space;
    classes[static_cast<unsigned char>('=')] = Mark;
    classes[static_cast<unsigned char>(',')] = Mark;
    classes[static_cast<unsigned char>('"')] = Mark;
    return classes;
}();

unsigned char classOf(char c) {
    return kClasses[static_cast<unsigned char>(c)];
}

std::string_view trimControlAndBlanks(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= 32)
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32)
        --last;
    return text.substr(first, last - first);
}

// Feeds every recorded position, the closing one (length + 1) included, to `record` in order.
// Positions are 1-based character numbers; position 0 stands for the first character, which is
// examined once more before the scan proper. Stops as soon as `record` returns false.
template <class Record> void scanPositions(std::string_view line, Record record) {
    const std::size_t length = line.size();
    const char* const text = line.data();
    std::size_t last = 0;
    bool any = false;
    auto take = [&](std::size_t position) {
        last = position;
        any = true;
        return record(position);
    };
    if (length > 0 && classOf(text[0]) != Ordinary && !take(0))
        return;
    for (std::size_t k = 1; k <= length; ++k) {
        const unsigned char kind = classOf(text[k - 1]);
        if (kind == Ordinary)
            continue;
        // A space right after a recorded position does not separate again.
        if (kind == Space && any && last + 1 == k)
            continue;
        if (!take(k))
            return;
    }
    take(length + 1);
}

} // namespace

bool tokenizeLine(std::string_view line, LineFields& fields) {
    std::array<std::size_t, kMaxRecordedPositions + 1> positions; // filled up to `recorded`
    int recorded = 0;
    scanPositions(line, [&](std::size_t position) {
        positions[static_cast<std::size_t>(recorded++)] = position;
        return recorded <= kMaxRecordedPositions;
    });
    if (recorded > kMaxRecordedPositions) {
        for (auto& field : fields)
            field.clear();
        return false;
    }

    std::size_t m = 0;
    for (; static_cast<int>(m) + 2 < recorded; ++m) {
        const std::size_t from = positions[m + 1];
        const std::size_t to = positions[m + 2];
        fields[m] = trimControlAndBlanks(line.substr(from, to - from - 1));
    }
    for (; m < fields.size(); ++m)
        fields[m].clear();
    return true;
}

bool fieldEquals(std::string_view line, int n, std::string_view text) {
    // Field n lies between the recorded positions n + 1 and n + 2 (0-based).
    const int needed = n + 3;
    std::array<std::size_t, kMaxRecordedPositions> positions;
    int recorded = 0;
    scanPositions(line, [&](std::size_t position) {
        positions[static_cast<std::size_t>(recorded++)] = position;
        return recorded < needed;
    });
    if (recorded < needed)
        return text.empty();
    const std::size_t from = positions[static_cast<std::size_t>(n + 1)];
    const std::size_t to = positions[static_cast<std::size_t>(n + 2)];
    return trimControlAndBlanks(line.substr(from, to - from - 1)) == text;
}

} // namespace kelvane
