#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The number templates of scripts, converted files and windows. All are locale-independent, use "."
// as the decimal point, round exact ties half to even on the binary value (as printf does) and never
// print a minus sign on a value that prints as zero.
namespace kelvane {

// "%0.nE": scientific with `significantDigits` digits in all, upper-case E, exponent sign always
// written and at least three exponent digits ("%0.4E" of 1000 is "1.000E+003").
std::string formatE(double value, int significantDigits);
inline std::string formatE4(double value) {
    return formatE(value, 4);
} // "%0.4E"
inline std::string formatE5(double value) {
    return formatE(value, 5);
} // "%0.5E"
inline std::string formatE3(double value) {
    return formatE(value, 3);
} // "%0.3E"

// "%0.nF" / "%0.nf": fixed with `decimals` digits after the point; no point when decimals is 0.
std::string formatF(double value, int decimals);

// "%d" / "%D".
std::string formatInt(std::int64_t value);

// Shortest general decimal form with up to 15 significant digits (0 is "0", 30.5 is "30.5",
// 1e-7 is "1E-7"); the form edit boxes and property grids show.
std::string formatGeneral(double value);

// The shortest text that reads back as exactly the same double, in %g style (200000, 0.1, 1e-07):
// what files that are read back (projects, settings) keep.
std::string formatRoundTrip(double value);

// `digits` significant digits (at least 1) for the numbers written on pictures: fixed form when
// the value lies within 1E-4 .. 1E12, every integer digit kept ("6000000" for 6E6 with four
// digits, "0.05000" for 0.05); "%0.nE" outside that band. Zero is "0".
std::string formatSignificant(double value, int digits);

// Appending variants for the hot path of script writing.
void appendE(std::string& out, double value, int significantDigits);
void appendF(std::string& out, double value, int decimals);
void appendInt(std::string& out, std::int64_t value);
// formatRoundTrip for scripts: zero without a sign, infinities and NaN as the other templates write them.
void appendRoundTrip(std::string& out, double value);

} // namespace kelvane
