#include "common/number_parse.h"

#include "common/error.h"

#include <charconv>
#include <cmath>
#include <string>

namespace kelvane {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the decimal-number grammar; from_chars alone would also take "inf", "nan" and hex.
bool isDecimalNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t mantissaDigits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    return i == text.size();
}

} // namespace

std::optional<std::int32_t> tryParseInt(std::string_view text) {
    // One sign at most: "+" is dropped (from_chars does not take it), "-" is left to from_chars.
    std::string_view digits = text;
    std::size_t firstDigit = 0;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    else if (!digits.empty() && digits.front() == '-')
        firstDigit = 1;
    if (digits.size() == firstDigit)
        return std::nullopt;
    for (std::size_t i = firstDigit; i < digits.size(); ++i)
        if (!isDigit(digits[i]))
            return std::nullopt;
    std::int32_t value = 0;
    auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

std::int32_t parseInt(std::string_view text) {
    if (auto value = tryParseInt(text))
        return *value;
    fail(notValidIntegerMessage(std::string(text)));
}

std::optional<double> tryParseReal(std::string_view text) {
    if (!isDecimalNumber(text))
        return std::nullopt;
    std::string_view number = text;
    if (number.front() == '+')
        number.remove_prefix(1);
    double value = 0.0;
    auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Below the smallest double (1e-400 say) the number is still a number: it reads as the
        // nearest double, zero. Above the largest it stays an error.
        long double wide = 0.0L;
        result = std::from_chars(number.data(), number.data() + number.size(), wide);
        value = static_cast<double>(wide);
    }
    if (result.ec != std::errc() || result.ptr != number.data() + number.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double parseReal(std::string_view text) {
    if (auto value = tryParseReal(text))
        return *value;
    fail(notValidFloatMessage(std::string(text)));
}

std::optional<bool> tryParseBool(std::string_view text) {
    std::string lower;
    for (char c : text)
        lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (lower == "1" || lower == "true" || lower == "on")
        return true;
    if (lower == "0" || lower == "false" || lower == "off")
        return false;
    return std::nullopt;
}

} // namespace kelvane
