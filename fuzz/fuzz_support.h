#pragma once

#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/s2k_import.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// Helpers shared by the fuzz targets. A target may only end in one of two ways: normally, or
// through KelvaneError (the message the user sees). Anything else, and every broken invariant
// checked with FUZZ_CHECK, aborts so that libFuzzer keeps the input.
namespace kelvane::fuzz {

[[noreturn]] inline void invariantBroken(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::abort();
}

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            ::kelvane::fuzz::invariantBroken(#condition, __FILE__, __LINE__);                                \
    } while (false)

inline std::string_view asText(const unsigned char* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The store imported from the text of a model file.
inline ModelStore importedFromText(const char* text) {
    ModelStore imported;
    imported.s2kLines = splitLines(text);
    importModel(imported, initPalette());
    return imported;
}

} // namespace kelvane::fuzz
