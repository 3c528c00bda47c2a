#pragma once

#include <string>
#include <string_view>
#include <vector>

// The text of a SAP2000 keyword file (versions 6 to 8): data blocks opened by a line that starts
// in the first column with the block's name ("JOINT", "SHELL SECTION"), each data line indented,
// made of an optional leading name and Key=Value pairs separated by blanks. A value may go on past
// a blank ("TYPE=DISTRIBUTED SPAN"); ";" starts a comment.
namespace kelvane::keyword {

struct KeyValue {
    std::string key;
    std::string value;
};

struct KeywordLine {
    int line = 0;     // 0-based line of the file
    int indent = 0;   // leading blanks
    std::string name; // the leading word without "=" (a joint, frame or shell name); may be empty
    std::vector<KeyValue> pairs;

    // The value of the key (letter case ignored), or null.
    const std::string* find(std::string_view key) const;
    bool has(std::string_view key) const { return find(key) != nullptr; }
    std::string value(std::string_view key, std::string_view fallback = {}) const;
};

struct KeywordBlock {
    std::string name;
    int header = 0; // 0-based line of the block's name
    std::vector<KeywordLine> lines;
};

// Every block of the file in the order of the file; lines before the first block are left out.
std::vector<KeywordBlock> readKeywordBlocks(const std::vector<std::string>& lines);

// The comma-separated items of a value: "U1,U2,R3", "0,1".
std::vector<std::string> splitList(std::string_view value);

bool sameWord(std::string_view a, std::string_view b);

} // namespace kelvane::keyword
