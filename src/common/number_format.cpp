#include "common/number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace kelvane {
namespace {

// True when every digit of the text is '0' (the text may carry a sign, a point and an exponent
// after the last digit of the mantissa).
bool mantissaIsZero(std::string_view text) {
    for (char c : text) {
        if (c == 'e' || c == 'E')
            break;
        if (c >= '1' && c <= '9')
            return false;
    }
    return true;
}

void appendNonFinite(std::string& out, double value) {
    if (std::isnan(value))
        out += "NAN";
    else
        out += value < 0 ? "-INF" : "INF";
}

} // namespace

void appendE(std::string& out, double value, int significantDigits) {
    if (!std::isfinite(value)) {
        appendNonFinite(out, value);
        return;
    }
    const int precision = significantDigits > 1 ? significantDigits - 1 : 0;
    std::array<char, 64> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::scientific, precision);
    std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    if (!text.empty() && text.front() == '-' && mantissaIsZero(text))
        text.remove_prefix(1);
    const std::size_t e = text.find('e');
    out.append(text.substr(0, e));
    out += 'E';
    std::string_view exponent = text.substr(e + 1);
    char sign = '+';
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
        sign = exponent.front();
        exponent.remove_prefix(1);
    }
    out += sign;
    for (std::size_t digits = exponent.size(); digits < 3; ++digits)
        out += '0';
    out.append(exponent);
}

void appendF(std::string& out, double value, int decimals) {
    if (!std::isfinite(value)) {
        appendNonFinite(out, value);
        return;
    }
    std::array<char, 400> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed,
                                decimals < 0 ? 0 : decimals);
    std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    if (!text.empty() && text.front() == '-' && mantissaIsZero(text))
        text.remove_prefix(1);
    out.append(text);
}

void appendInt(std::string& out, std::int64_t value) {
    std::array<char, 24> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

void appendRoundTrip(std::string& out, double value) {
    if (!std::isfinite(value)) {
        appendNonFinite(out, value);
        return;
    }
    if (value == 0.0) {
        out += '0';
        return;
    }
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general);
    out.append(buffer.data(), result.ptr);
}

std::string formatE(double value, int significantDigits) {
    std::string out;
    appendE(out, value, significantDigits);
    return out;
}

std::string formatF(double value, int decimals) {
    std::string out;
    appendF(out, value, decimals);
    return out;
}

std::string formatInt(std::int64_t value) {
    std::string out;
    appendInt(out, value);
    return out;
}

std::string formatRoundTrip(double value) {
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general);
    return std::string(buffer.data(), result.ptr);
}

std::string formatGeneral(double value) {
    if (!std::isfinite(value)) {
        std::string out;
        appendNonFinite(out, value);
        return out;
    }
    if (value == 0.0)
        return "0";
    // Round to 15 significant digits first; the decimal exponent of the rounded value decides
    // between the fixed and the scientific form.
    std::array<char, 64> buffer{};
    auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific, 14);
    std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const bool negative = text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    const std::size_t e = text.find('e');
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(), exponent);
    std::string digits;
    for (char c : text.substr(0, e))
        if (c != '.')
            digits += c;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent < -5 || exponent >= 15) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += 'E';
        if (exponent < 0)
            out += '-';
        appendInt(out, exponent < 0 ? -exponent : exponent);
        return out;
    }
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
        return out;
    }
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
        out += digits;
        out.append(integerDigits - digits.size(), '0');
    } else {
        out.append(digits, 0, integerDigits);
        out += '.';
        out.append(digits, integerDigits);
    }
    return out;
}

std::string formatSignificant(double value, int digits) {
    if (!std::isfinite(value) || value == 0.0)
        return formatGeneral(value);
    const int precision = digits > 1 ? digits - 1 : 0;
    const double magnitude = std::fabs(value);
    if (magnitude < 1e-4 || magnitude >= 1e12)
        return formatE(value, precision + 1);
    // The decimal exponent of the value as rounded to `digits` digits (9.9996 rounds to 10.00).
    std::array<char, 64> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                std::chars_format::scientific, precision);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t e = text.find('e');
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(), exponent);
    return formatF(value, precision - exponent > 0 ? precision - exponent : 0);
}

} // namespace kelvane
