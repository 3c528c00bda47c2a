#pragma once

#include "common/error.h"
#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/s2k_import.h"

#include <string>
#include <string_view>

namespace kelvane::test {

// Imports the text as if it were the lines of a loaded file; a failure propagates.
inline ModelStore importText(std::string_view text) {
    ModelStore store;
    store.s2kLines = splitLines(text);
    importModel(store, initPalette());
    return store;
}

// Imports the text into the given store and returns the failure message ("" when it succeeded),
// so a test can check both the message and what the store kept.
inline std::string importFailure(ModelStore& store, std::string_view text) {
    store.s2kLines = splitLines(text);
    try {
        importModel(store, initPalette());
    } catch (const KelvaneError& error) {
        return error.what();
    }
    return "";
}

inline std::string importFailure(std::string_view text) {
    ModelStore store;
    return importFailure(store, text);
}

// A string literal with every byte, embedded NULs included.
template <std::size_t N> std::string bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

// A small table block: the header, the lines and the closing blank line.
inline std::string table(std::string_view keyword, std::initializer_list<std::string_view> lines) {
    std::string text(keyword);
    text += '\n';
    for (auto line : lines) {
        text += line;
        text += '\n';
    }
    text += '\n';
    return text;
}

// Joints 1..n along the X axis, 1000 apart; a leading comment line keeps headers off line 0.
inline std::string jointsAlongX(int n) {
    std::string text = "; model\nJOINT\n";
    for (int i = 1; i <= n; ++i)
        text += "  " + std::to_string(i) + "  X=" + std::to_string((i - 1) * 1000) + "  Y=0  Z=0\n";
    return text + "\n";
}

} // namespace kelvane::test
