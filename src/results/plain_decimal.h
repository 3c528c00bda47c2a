#pragma once

#include <cstdint>
#include <string_view>

// The fast reading of the plain decimal numbers that fill recorder files.
namespace kelvane {

inline bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// The exactly representable powers of ten.
inline constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                          1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Ends both readings: `c` must stop at a space or at `end`, and the power of ten must be exact.
// Sets `value` and returns `c`, or nullptr when the text needs the general path.
[[gnu::always_inline]] inline const char* finishPlainDecimal(const char* c, const char* const end,
                                                             std::uint64_t mantissa, long power,
                                                             bool negative, double& value) {
    if (c != end && *c != ' ')
        return nullptr;
    if (power < -22 || power > 22)
        return nullptr;
    const double magnitude = static_cast<double>(mantissa);
    value = power < 0 ? magnitude / kPowersOfTen[-power] : magnitude * kPowersOfTen[power];
    if (negative)
        value = -value;
    return c;
}

// Reads a number as the solver writes it ("-1.23457e-05") from `c` up to the first space or
// `end`, and returns where it stopped; nullptr when the text is anything else. At most 15 digits
// and a decimal exponent within +-22 make the mantissa and the power of ten exact doubles, so one
// multiplication or division gives the correctly rounded value, the same double any exact parser
// gives. A text refused here takes the general path (parseReal).
[[gnu::always_inline]] inline const char* parsePlainDecimalField(const char* c, const char* const end,
                                                                 double& value) {
    const bool negative = c != end && *c == '-';
    if (negative)
        ++c;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int fractionDigits = 0;
    for (; c != end && isDecimalDigit(*c); ++c, ++digits)
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(*c - '0');
    if (c != end && *c == '.')
        for (++c; c != end && isDecimalDigit(*c); ++c, ++digits, ++fractionDigits)
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(*c - '0');
    if (digits == 0 || digits > 15)
        return nullptr;
    int exponent = 0;
    if (c != end && (*c == 'e' || *c == 'E')) {
        ++c;
        const bool negativeExponent = c != end && *c == '-';
        if (c != end && (*c == '-' || *c == '+'))
            ++c;
        int exponentDigits = 0;
        for (; c != end && isDecimalDigit(*c) && exponentDigits < 4; ++c, ++exponentDigits)
            exponent = exponent * 10 + (*c - '0');
        if (exponentDigits == 0)
            return nullptr;
        if (negativeExponent)
            exponent = -exponent;
    }
    return finishPlainDecimal(c, end, mantissa, exponent - fractionDigits, negative, value);
}

// The same reading for text that lies in a buffer whose character at `end` may be read and is a
// line end or NUL (a line of a file held in a std::string): the digit loops need no bounds check.
[[gnu::always_inline]] inline const char* parsePlainDecimalFieldInText(const char* c, const char* const end,
                                                                       double& value) {
    const bool negative = *c == '-';
    c += negative ? 1 : 0;
    std::uint64_t mantissa = 0;
    const char* const integerStart = c;
    while (isDecimalDigit(*c))
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(*c++ - '0');
    long digits = c - integerStart;
    long fractionDigits = 0;
    if (*c == '.') {
        const char* const fractionStart = ++c;
        while (isDecimalDigit(*c))
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(*c++ - '0');
        fractionDigits = c - fractionStart;
        digits += fractionDigits;
    }
    if (digits == 0 || digits > 15)
        return nullptr;
    long exponent = 0;
    if (*c == 'e' || *c == 'E') {
        ++c;
        const bool negativeExponent = *c == '-';
        c += *c == '-' || *c == '+' ? 1 : 0;
        const char* const exponentStart = c;
        while (isDecimalDigit(*c) && c - exponentStart < 4)
            exponent = exponent * 10 + (*c++ - '0');
        if (c == exponentStart)
            return nullptr;
        if (negativeExponent)
            exponent = -exponent;
    }
    return finishPlainDecimal(c, end, mantissa, exponent - fractionDigits, negative, value);
}

// The whole text as one plain number.
inline bool parsePlainDecimal(std::string_view text, double& value) {
    const char* const end = text.data() + text.size();
    return text.find(' ') == std::string_view::npos && parsePlainDecimalField(text.data(), end, value) == end;
}

} // namespace kelvane
