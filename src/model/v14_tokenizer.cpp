#include "model/v14_tokenizer.h"

#include <cstddef>

namespace kelvane {
namespace {

bool isSeparatorChar(char c) {
    return c == '=' || c == ',' || c == '"';
}

std::string_view trimControls(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32)
        --end;
    return text.substr(begin, end - begin);
}

} // namespace

void tokenizeV14(std::string_view line, V14Tokens& tokens) {
    for (auto& token : tokens)
        token.clear();

    // Positions are 1-based character positions; position 0 stands for the first character too.
    const long long length = static_cast<long long>(line.size());
    auto charAt = [&](long long position) { return line[static_cast<std::size_t>(position - 1)]; };
    auto threeSpacesAt = [&](long long k) {
        const long long start = k == 0 ? 1 : k;
        return start + 2 <= length && charAt(start) == ' ' && charAt(start + 1) == ' ' &&
               charAt(start + 2) == ' ';
    };

    long long previous = -1; // the last recorded position, -1 before the first
    int tokenIndex = 0;
    auto record = [&](long long position) {
        if (previous >= 0 && tokenIndex < kV14TokenCount) {
            const auto begin = static_cast<std::size_t>(previous); // 0-based index of position previous + 1
            const auto count = static_cast<std::size_t>(position - previous - 1);
            tokens[static_cast<std::size_t>(tokenIndex)] = trimControls(line.substr(begin, count));
        }
        if (previous >= 0)
            ++tokenIndex;
        previous = position;
    };

    for (long long k = 0; k <= length; ++k) {
        if (threeSpacesAt(k) && (previous < 0 || previous != k - 1))
            record(k);
        if (length > 0 && isSeparatorChar(charAt(k == 0 ? 1 : k)))
            record(k);
        if (k == length)
            record(length + 1);
    }
}

} // namespace kelvane
