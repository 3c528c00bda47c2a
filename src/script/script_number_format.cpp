#include "script/script_number_format.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace kelvane {
namespace {

// 10^0 .. 10^22 are exact doubles.
constexpr std::array<double, 23> kPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// A magnitude scaled below 10^9 lies within 10^9 * 2^-53 (about 1.1e-7) of the exact product, so
// its rounding to an integer is certain unless the fraction lies this close to one half.
constexpr double kScaledLimit = 1e9;
constexpr double kTieMargin = 1e-6;

// Rounds a scaled magnitude to the nearest integer; false when the rounding direction is uncertain.
bool roundScaled(double scaled, std::uint64_t& rounded) {
    if (!(scaled < kScaledLimit))
        return false;
    const auto whole = static_cast<std::uint64_t>(scaled);
    const double fraction = scaled - static_cast<double>(whole);
    if (std::fabs(fraction - 0.5) < kTieMargin)
        return false;
    rounded = whole + (fraction > 0.5 ? 1 : 0);
    return true;
}

// Writes exactly `count` digits of `value` (with leading zeros).
char* writeDigits(char* out, std::uint64_t value, int count) {
    for (int i = count - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return out + count;
}

// Scales `magnitude` by 10^power (power may be negative) with a single rounding.
bool scaleByPowerOfTen(double magnitude, int power, double& scaled) {
    if (power >= 0 && power <= 22) {
        scaled = magnitude * kPowersOfTen[static_cast<std::size_t>(power)];
        return true;
    }
    if (power < 0 && power >= -22) {
        scaled = magnitude / kPowersOfTen[static_cast<std::size_t>(-power)];
        return true;
    }
    return false;
}

// The decimal mantissa of `magnitude` with `digits` digits and its decimal exponent.
bool decimalMantissa(double magnitude, int digits, std::uint64_t& mantissa, int& exponent) {
    // magnitude lies in [2^b, 2^(b+1)), so its decimal exponent is floor(b log10 2) or one more;
    // 78913 / 2^18 is log10 2 to within 2^-20, exact enough for the binary exponents in range here.
    const int binaryExponent =
        static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7ff) - 1023;
    exponent = (binaryExponent * 78913) >> 18;
    const auto lowest = static_cast<std::uint64_t>(kPowersOfTen[static_cast<std::size_t>(digits - 1)]);
    const auto limit = lowest * 10;
    for (int attempt = 0; attempt < 2; ++attempt, ++exponent) {
        double scaled = 0;
        if (!scaleByPowerOfTen(magnitude, digits - 1 - exponent, scaled) || !roundScaled(scaled, mantissa))
            return false;
        if (mantissa < lowest)
            return false;
        if (mantissa < limit)
            return true;
        if (mantissa == limit && attempt == 1)
            return false; // cannot happen for a correct exponent; leave it to the general formatter
    }
    return false;
}

} // namespace

std::size_t writeScientificFast(char* out, double value, int significantDigits) {
    if (significantDigits < 1 || significantDigits > 9 || !std::isfinite(value))
        return 0;
    char* p = out;
    std::uint64_t mantissa = 0;
    int exponent = 0;
    if (value == 0) {
        mantissa = 0;
    } else {
        const double magnitude = std::fabs(value);
        if (magnitude < 1e-15 || magnitude >= 1e15 ||
            !decimalMantissa(magnitude, significantDigits, mantissa, exponent))
            return 0;
        if (value < 0)
            *p++ = '-';
    }
    const auto lowest =
        static_cast<std::uint64_t>(kPowersOfTen[static_cast<std::size_t>(significantDigits - 1)]);
    const std::uint64_t leading = mantissa / lowest;
    *p++ = static_cast<char>('0' + leading);
    if (significantDigits > 1) {
        *p++ = '.';
        p = writeDigits(p, mantissa - leading * lowest, significantDigits - 1);
    }
    *p++ = 'E';
    *p++ = exponent < 0 ? '-' : '+';
    p = writeDigits(p, static_cast<std::uint64_t>(exponent < 0 ? -exponent : exponent), 3);
    return static_cast<std::size_t>(p - out);
}

std::size_t writeFixedFast(char* out, double value, int decimals) {
    if (decimals < 0 || decimals > 8 || !std::isfinite(value))
        return 0;
    std::uint64_t scaled = 0;
    if (!roundScaled(std::fabs(value) * kPowersOfTen[static_cast<std::size_t>(decimals)], scaled))
        return 0;
    char* p = out;
    if (value < 0 && scaled != 0)
        *p++ = '-';
    const auto unit = static_cast<std::uint64_t>(kPowersOfTen[static_cast<std::size_t>(decimals)]);
    const std::uint64_t whole = scaled / unit;
    int wholeDigits = 1;
    for (std::uint64_t rest = whole / 10; rest != 0; rest /= 10)
        ++wholeDigits;
    p = writeDigits(p, whole, wholeDigits);
    if (decimals > 0) {
        *p++ = '.';
        p = writeDigits(p, scaled - whole * unit, decimals);
    }
    return static_cast<std::size_t>(p - out);
}

} // namespace kelvane
