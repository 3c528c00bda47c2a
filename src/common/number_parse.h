#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Locale-independent conversion of text fields and edit boxes. The throwing forms raise
// "'%s' is not a valid integer value" / "'%s' is not a valid floating point value" with the text.
namespace kelvane {

// A signed decimal integer that fits 32 bits: optional sign, at least one digit, nothing else.
std::optional<std::int32_t> tryParseInt(std::string_view text);
std::int32_t parseInt(std::string_view text);

// A decimal number with "." as the point: optional sign, digits before the point (may be none),
// optional point and digits, optional exponent (E or e, optional sign, digits). At least one
// mantissa digit; the value must be finite.
std::optional<double> tryParseReal(std::string_view text);
double parseReal(std::string_view text);

// A switch given on a command line: 1/0, true/false, on/off (any letter case).
std::optional<bool> tryParseBool(std::string_view text);

} // namespace kelvane
