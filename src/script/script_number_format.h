#pragma once

#include <cstddef>

// Fast forms of the script's number templates for the hot path of script writing. They give exactly
// the text of appendE and appendF (common/number_format.h): a value is scaled by an exact power of
// ten in one correctly rounded operation, and every case that this cannot decide with certainty
// (values near a rounding tie, very large or very small magnitudes, non-finite values) is left to
// the general formatter.
namespace kelvane {

// Room a fast form needs at most.
inline constexpr std::size_t kFastNumberRoom = 32;

// The fast paths alone: they write into `out` (at least kFastNumberRoom bytes) and return the
// number of characters, or 0 when the value needs the general formatter.
std::size_t writeScientificFast(char* out, double value, int significantDigits);
std::size_t writeFixedFast(char* out, double value, int decimals);

} // namespace kelvane
