#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text of an ETABS model file (.e2k): blocks opened by a line "$ NAME" ("$ POINT COORDINATES"),
// each data line a keyword followed by words, names in double quotes ("C1", "STORY3") and
// keyword-value pairs (SECTION "B30X40", HEIGHT 3.5).
namespace kelvane::etabs {

struct EtabsToken {
    std::string text;
    bool quoted = false;
};

struct EtabsLine {
    int line = 0;        // 0-based line of the file
    std::string keyword; // the first word: POINT, LINEASSIGN, MATERIAL ...
    std::vector<EtabsToken> tokens;

    // The word after the unquoted word `key` (letter case ignored), or null.
    const std::string* find(std::string_view key) const;
    bool has(std::string_view key) const { return find(key) != nullptr; }
    std::string value(std::string_view key, std::string_view fallback = {}) const;
    // The k-th word (0-based) after the keyword, or null.
    const std::string* at(std::size_t k) const { return k < tokens.size() ? &tokens[k].text : nullptr; }
};

struct EtabsBlock {
    std::string name;
    int header = 0; // 0-based line of its "$ NAME"
    std::vector<EtabsLine> lines;
};

// Every block of the file in the order of the file; a block whose name repeats the one before it
// goes on in it. The line "$ File ... saved" and "$ END OF MODEL FILE" open no block. A quote left
// open stops with a message naming the line.
std::vector<EtabsBlock> readEtabsBlocks(const std::vector<std::string>& lines);

// Whether the lines are an ETABS model file: one names the program ETABS (PROGRAM "ETABS").
bool isEtabsFile(const std::vector<std::string>& lines);

bool sameWord(std::string_view a, std::string_view b);

// The words of a value that lists several: "UX UY UZ", "TI M2I M3J".
std::vector<std::string> wordsOf(std::string_view text);

} // namespace kelvane::etabs
