#include "model/tables/unit_scale.h"

#include "model/tables/table_text.h"

#include <array>
#include <utility>

namespace kelvane::tables {
namespace {

using NamedFactor = std::pair<std::string_view, double>;

// Exact by definition: the pound-force from the avoirdupois pound and standard gravity.
constexpr std::array<NamedFactor, 6> kForces = {{{"lb", 4.4482216152605},
                                                 {"kip", 4448.2216152605},
                                                 {"N", 1.0},
                                                 {"KN", 1000.0},
                                                 {"Kgf", 9.80665},
                                                 {"Tonf", 9806.65}}};
constexpr std::array<NamedFactor, 6> kLengths = {
    {{"in", 25.4}, {"ft", 304.8}, {"micron", 0.001}, {"mm", 1.0}, {"cm", 10.0}, {"m", 1000.0}}};

std::string_view trimmedPart(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= 32)
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32)
        text.remove_suffix(1);
    return text;
}

template <std::size_t N>
std::optional<double> factorOf(const std::array<NamedFactor, N>& table, std::string_view name) {
    for (const auto& [unit, factor] : table)
        if (equalsIgnoringCase(unit, name))
            return factor;
    return std::nullopt;
}

} // namespace

std::optional<UnitScale> parseCurrentUnits(std::string_view text, std::string& unknown) {
    constexpr std::string_view separators = ",-";
    const std::size_t first = text.find_first_of(separators);
    const std::string_view forceName = trimmedPart(text.substr(0, first));
    const std::string_view rest =
        first == std::string_view::npos ? std::string_view() : text.substr(first + 1);
    const std::string_view lengthName = trimmedPart(rest.substr(0, rest.find_first_of(separators)));
    const std::optional<double> force = factorOf(kForces, forceName);
    if (!force) {
        unknown = "force unit '" + std::string(forceName) + "'";
        return std::nullopt;
    }
    const std::optional<double> length = factorOf(kLengths, lengthName);
    if (!length) {
        unknown = "length unit '" + std::string(lengthName) + "'";
        return std::nullopt;
    }
    return UnitScale{*force, *length};
}

} // namespace kelvane::tables
