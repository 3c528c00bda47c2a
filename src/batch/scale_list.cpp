#include "batch/scale_list.h"

#include "common/error.h"
#include "common/number_format.h"
#include "common/number_parse.h"

#include <algorithm>
#include <cmath>

namespace kelvane {
namespace {

constexpr std::size_t kMostScales = 10000;

double scaleValue(std::string_view word, std::string_view what) {
    const auto value = tryParseReal(word);
    if (!value)
        fail("The " + std::string(what) + " '" + std::string(word) + "' is not a number");
    return *value;
}

// The value as its shortest text reads back: FROM + k STEP without the binary rounding of the sum.
double cleaned(double value) {
    return parseReal(formatGeneral(value));
}

std::vector<double> rangeScales(std::string_view text, std::size_t firstColon) {
    const std::size_t secondColon = text.find(':', firstColon + 1);
    if (secondColon == std::string_view::npos || text.find(':', secondColon + 1) != std::string_view::npos)
        fail("The scale range '" + std::string(text) + "' is not FROM:TO:STEP");
    const double from = scaleValue(text.substr(0, firstColon), "scale");
    const double to = scaleValue(text.substr(firstColon + 1, secondColon - firstColon - 1), "scale");
    const double step = scaleValue(text.substr(secondColon + 1), "scale step");
    if (!(step > 0))
        fail("The scale step of '" + std::string(text) + "' is " + formatGeneral(step) +
             "; it must be greater than 0");
    if (to < from)
        fail("The scale range '" + std::string(text) + "' ends below where it starts");
    // A last step that reaches TO up to rounding includes TO.
    const double steps = std::floor((to - from) / step + 1e-9);
    if (steps + 1 > static_cast<double>(kMostScales))
        fail("The scale range '" + std::string(text) + "' gives more than " + std::to_string(kMostScales) +
             " scales");
    std::vector<double> scales;
    for (int k = 0; k <= static_cast<int>(steps); ++k)
        scales.push_back(cleaned(from + k * step));
    return scales;
}

} // namespace

std::vector<double> parseScales(std::string_view text) {
    if (text.find_first_not_of(" \t") == std::string_view::npos)
        fail("No scales are given: list them (0.5,1,1.5) or give a range (FROM:TO:STEP)");
    std::vector<double> scales;
    const std::size_t colon = text.find(':');
    if (colon != std::string_view::npos) {
        scales = rangeScales(text, colon);
    } else {
        std::size_t at = 0;
        while (true) {
            const std::size_t comma = text.find(',', at);
            std::string_view word =
                text.substr(at, comma == std::string_view::npos ? text.size() - at : comma - at);
            while (!word.empty() && (word.front() == ' ' || word.front() == '\t'))
                word.remove_prefix(1);
            while (!word.empty() && (word.back() == ' ' || word.back() == '\t'))
                word.remove_suffix(1);
            if (word.empty())
                fail("The scale list '" + std::string(text) + "' has an empty entry");
            scales.push_back(cleaned(scaleValue(word, "scale")));
            if (comma == std::string_view::npos)
                break;
            at = comma + 1;
        }
    }
    for (std::size_t i = 0; i < scales.size(); ++i) {
        if (!(scales[i] > 0))
            fail("The scale " + scaleText(scales[i]) +
                 " is not greater than 0: a record is run at scales greater than 0 only");
        if (std::find(scales.begin(), scales.begin() + static_cast<std::ptrdiff_t>(i), scales[i]) !=
            scales.begin() + static_cast<std::ptrdiff_t>(i))
            fail("The scale " + scaleText(scales[i]) + " is given twice");
    }
    return scales;
}

std::string scaleText(double scale) {
    return formatGeneral(scale);
}

} // namespace kelvane
