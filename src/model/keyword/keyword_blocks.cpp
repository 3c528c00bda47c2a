#include "model/keyword/keyword_blocks.h"

#include <cctype>

namespace kelvane::keyword {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view withoutComment(std::string_view text) {
    const std::size_t semicolon = text.find(';');
    text = text.substr(0, semicolon);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && isBlank(text[at]))
            ++at;
        const std::size_t start = at;
        while (at < text.size() && !isBlank(text[at]))
            ++at;
        if (at > start)
            words.push_back(text.substr(start, at - start));
    }
    return words;
}

KeywordLine parseDataLine(std::string_view text, int lineIndex) {
    KeywordLine line;
    line.line = lineIndex;
    while (static_cast<std::size_t>(line.indent) < text.size() &&
           isBlank(text[static_cast<std::size_t>(line.indent)]))
        ++line.indent;
    for (const std::string_view word : wordsOf(text)) {
        const std::size_t equals = word.find('=');
        if (equals != std::string_view::npos)
            line.pairs.push_back({std::string(word.substr(0, equals)), std::string(word.substr(equals + 1))});
        else if (line.pairs.empty() && line.name.empty())
            line.name = std::string(word);
        else if (!line.pairs.empty())
            line.pairs.back().value += " " + std::string(word);
    }
    return line;
}

} // namespace

bool sameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

const std::string* KeywordLine::find(std::string_view key) const {
    for (const KeyValue& pair : pairs)
        if (sameWord(pair.key, key))
            return &pair.value;
    return nullptr;
}

std::string KeywordLine::value(std::string_view key, std::string_view fallback) const {
    const std::string* found = find(key);
    return found != nullptr ? *found : std::string(fallback);
}

std::vector<KeywordBlock> readKeywordBlocks(const std::vector<std::string>& lines) {
    std::vector<KeywordBlock> blocks;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view text = withoutComment(lines[i]);
        if (text.empty())
            continue;
        const int index = static_cast<int>(i);
        if (!isBlank(text.front())) {
            if (text.find('=') == std::string_view::npos)
                blocks.push_back({std::string(text), index, {}});
            continue; // an unindented line with "=" belongs to no block
        }
        if (blocks.empty())
            continue;
        KeywordLine line = parseDataLine(text, index);
        if (!line.name.empty() || !line.pairs.empty())
            blocks.back().lines.push_back(std::move(line));
    }
    return blocks;
}

std::vector<std::string> splitList(std::string_view value) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start <= value.size()) {
        const std::size_t comma = value.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? value.size() : comma;
        items.emplace_back(value.substr(start, end - start));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return items;
}

} // namespace kelvane::keyword
