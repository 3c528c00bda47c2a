#pragma once

#include "model/model_store.h"

#include <string_view>

// Splitting one s2k data line into LineFields.
namespace kelvane {

// The tokenizer records at most this many separator positions, so a line yields at most 38 fields.
inline constexpr int kMaxRecordedPositions = kLineFieldCount;

// Fills all 40 fields from the line. Separators are runs of spaces (a run of r spaces records its
// 1st, 3rd, 5th, ... space), "=", "," and the double quote; the first character is examined twice,
// and the first two recorded positions produce no field. Each field is trimmed of characters of
// code 32 or below. Returns false, leaving the fields empty, when the line has more separators than
// the recorded positions allow.
[[nodiscard]] bool tokenizeLine(std::string_view line, LineFields& fields);

// Whether field n (0..37) of the line, as tokenizeLine splits it, equals the text; only the start of
// the line up to that field is scanned, so a line with too many separators is not detected here.
bool fieldEquals(std::string_view line, int n, std::string_view text);

} // namespace kelvane
