#include "model/etabs/etabs_text.h"

#include "common/error.h"

#include <cctype>

namespace kelvane::etabs {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::vector<EtabsToken> tokensOf(std::string_view text, int lineIndex) {
    std::vector<EtabsToken> tokens;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && isBlank(text[at]))
            ++at;
        if (at >= text.size())
            break;
        if (text[at] == '"') {
            const std::size_t close = text.find('"', at + 1);
            if (close == std::string_view::npos)
                fail("Line " + std::to_string(lineIndex + 1) +
                     ": a quote is left open: " + std::string(text.substr(at)));
            tokens.push_back({std::string(text.substr(at + 1, close - at - 1)), true});
            at = close + 1;
            continue;
        }
        const std::size_t start = at;
        while (at < text.size() && !isBlank(text[at]) && text[at] != '"')
            ++at;
        tokens.push_back({std::string(text.substr(start, at - start)), false});
    }
    return tokens;
}

bool opensNoBlock(std::string_view name) {
    return sameWord(name.substr(0, 5), "File ") || sameWord(name, "END OF MODEL FILE");
}

} // namespace

bool sameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (std::toupper(static_cast<unsigned char>(a[k])) != std::toupper(static_cast<unsigned char>(b[k])))
            return false;
    return true;
}

std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> words;
    for (const EtabsToken& token : tokensOf(text, 0))
        words.push_back(token.text);
    return words;
}

const std::string* EtabsLine::find(std::string_view key) const {
    for (std::size_t k = 0; k + 1 < tokens.size(); ++k)
        if (!tokens[k].quoted && sameWord(tokens[k].text, key))
            return &tokens[k + 1].text;
    return nullptr;
}

std::string EtabsLine::value(std::string_view key, std::string_view fallback) const {
    const std::string* found = find(key);
    return found != nullptr ? *found : std::string(fallback);
}

std::vector<EtabsBlock> readEtabsBlocks(const std::vector<std::string>& lines) {
    std::vector<EtabsBlock> blocks;
    bool inBlock = false;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string_view text = trimmed(lines[k]);
        const int lineIndex = static_cast<int>(k);
        if (!text.empty() && text.front() == '$') {
            const std::string_view name = trimmed(text.substr(1));
            inBlock = !opensNoBlock(name);
            if (inBlock && (blocks.empty() || !sameWord(blocks.back().name, name)))
                blocks.push_back({std::string(name), lineIndex, {}});
            continue;
        }
        if (text.empty() || !inBlock)
            continue;
        std::vector<EtabsToken> tokens = tokensOf(text, lineIndex);
        EtabsLine line;
        line.line = lineIndex;
        line.keyword = tokens.front().text;
        line.tokens.assign(std::make_move_iterator(tokens.begin() + 1),
                           std::make_move_iterator(tokens.end()));
        blocks.back().lines.push_back(std::move(line));
    }
    return blocks;
}

bool isEtabsFile(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        const std::string_view text = trimmed(line);
        if (text.size() < 8 || !sameWord(text.substr(0, 8), "PROGRAM "))
            continue;
        const std::string_view rest = trimmed(text.substr(8));
        if (sameWord(rest.substr(0, 7), "\"ETABS\""))
            return true;
    }
    return false;
}

} // namespace kelvane::etabs
