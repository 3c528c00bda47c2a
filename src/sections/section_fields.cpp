#include "sections/section_fields.h"

#include "common/error.h"
#include "common/number_parse.h"

#include <charconv>
#include <string>
#include <type_traits>

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

template <auto Member> void setCount(TSECTION& section, std::string_view, std::string_view text) {
    section.*Member = parseInt(text);
}

template <auto Member> void setReal(TSECTION& section, std::string_view, std::string_view text) {
    section.*Member = parseReal(text);
}

// The bar counts, row areas and cover describe the bars the older way. A section whose bars come
// from the model file shows them so too; a value changed there puts the older description in
// place of the file's.
template <auto Member> void setBarField(TSECTION& section, std::string_view, std::string_view text) {
    const auto before = section.*Member;
    if constexpr (std::is_same_v<decltype(before), const std::int32_t>)
        section.*Member = parseInt(text);
    else
        section.*Member = parseReal(text);
    if (section.*Member != before && section.reinforcement.kind != ReinforcementNone) {
        section.reinforcement = TREINFORCEMENT{};
        section.bars.clear();
    }
}

template <auto Member, std::int32_t ItemCount>
void setListItem(TSECTION& section, std::string_view field, std::string_view text) {
    section.*Member = parseListItem(field, text, ItemCount);
}

void setColour(TSECTION& section, std::string_view, std::string_view text) {
    section.colour = parseColour(text);
}

struct SectionField {
    std::string_view name;
    void (*store)(TSECTION& section, std::string_view field, std::string_view text);
};

constexpr SectionField kSectionFields[] = {
    {"elementType", &setListItem<&TSECTION::elementType, 6>},
    {"sectionKind", &setListItem<&TSECTION::sectionKind, 2>},
    {"divideFX", &setCount<&TSECTION::divideFX>},
    {"divideFY", &setCount<&TSECTION::divideFY>},
    {"barNumNX", &setBarField<&TSECTION::barNumNX>},
    {"barNumNY", &setBarField<&TSECTION::barNumNY>},
    {"topBar", &setBarField<&TSECTION::topBar>},
    {"bottomBar", &setBarField<&TSECTION::bottomBar>},
    {"cover", &setBarField<&TSECTION::cover>},
    {"hingeLengthI", &setReal<&TSECTION::hingeLengthI>},
    {"hingeLengthJ", &setReal<&TSECTION::hingeLengthJ>},
    {"colour", &setColour},
    {"geomTransf", &setListItem<&TSECTION::geomTransf, 3>},
};

} // namespace

void setSectionField(TSECTION& section, std::string_view field, std::string_view text) {
    for (const SectionField& entry : kSectionFields)
        if (entry.name == field) {
            entry.store(section, field, text);
            return;
        }
    fail("Unknown frame section field '" + std::string(field) + "'");
}

std::vector<std::string_view> sectionFieldNames() {
    std::vector<std::string_view> names;
    for (const SectionField& entry : kSectionFields)
        names.push_back(entry.name);
    return names;
}

} // namespace kelvane
