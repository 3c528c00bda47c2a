#include "sections/section_fields.h"

#include "common/error.h"
#include "common/number_parse.h"

#include <charconv>
#include <string>

namespace kelvane {
namespace {

std::int32_t parseListItem(std::string_view field, std::string_view text, std::int32_t itemCount) {
    const std::int32_t item = parseInt(text);
    if (item < 1 || item > itemCount)
        fail("'" + std::string(text) + "' is not an item of " + std::string(field) + " (1.." +
             std::to_string(itemCount) + ")");
    return item;
}

std::int32_t parseColour(std::string_view text) {
    std::int32_t colour = 0;
    if (!text.empty() && text.front() == '#') {
        const std::string_view hex = text.substr(1);
        auto result = std::from_chars(hex.data(), hex.data() + hex.size(), colour, 16);
        if (hex.size() != 6 || result.ec != std::errc() || result.ptr != hex.data() + hex.size())
            fail("'" + std::string(text) + "' is not a valid colour (#RRGGBB or a decimal RGB value)");
        return colour;
    }
    colour = parseInt(text);
    if (colour < 0 || colour > 0xFFFFFF)
        fail("'" + std::string(text) + "' is not a valid colour (#RRGGBB or a decimal RGB value)");
    return colour;
}

} // namespace

void setSectionField(TSECTION& section, std::string_view field, std::string_view text) {
    struct IntegerField {
        std::string_view name;
        std::int32_t TSECTION::*member;
    };
    struct RealField {
        std::string_view name;
        double TSECTION::*member;
    };
    static const IntegerField counts[] = {
        {"divideFX", &TSECTION::divideFX},
        {"divideFY", &TSECTION::divideFY},
        {"barNumNX", &TSECTION::barNumNX},
        {"barNumNY", &TSECTION::barNumNY},
    };
    static const RealField reals[] = {
        {"topBar", &TSECTION::topBar},
        {"bottomBar", &TSECTION::bottomBar},
        {"cover", &TSECTION::cover},
        {"hingeLengthI", &TSECTION::hingeLengthI},
        {"hingeLengthJ", &TSECTION::hingeLengthJ},
    };
    if (field == "elementType") {
        section.elementType = parseListItem(field, text, 6);
        return;
    }
    if (field == "sectionKind") {
        section.sectionKind = parseListItem(field, text, 2);
        return;
    }
    if (field == "geomTransf") {
        section.geomTransf = parseListItem(field, text, 3);
        return;
    }
    if (field == "colour") {
        section.colour = parseColour(text);
        return;
    }
    for (const auto& entry : counts)
        if (entry.name == field) {
            section.*entry.member = parseInt(text);
            return;
        }
    for (const auto& entry : reals)
        if (entry.name == field) {
            section.*entry.member = parseReal(text);
            return;
        }
    fail("Unknown frame section field '" + std::string(field) + "'");
}

} // namespace kelvane
