#include "common/error.h"
#include "sections/section_fields.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace kelvane {
namespace {

std::string errorOf(TSECTION& s, std::string_view field, std::string_view text) {
    try {
        setSectionField(s, field, text);
    } catch (const KelvaneError& e) {
        return e.what();
    }
    return "no error";
}

TEST(SectionFields, StoresEachFieldWithTheWindowsConversion) {
    TSECTION s;
    const std::pair<const char*, const char*> values[] = {
        {"elementType", "4"}, {"sectionKind", "1"}, {"geomTransf", "3"},        {"divideFX", "-3"},
        {"divideFY", "8"},    {"barNumNX", "0"},    {"barNumNY", "2"},          {"topBar", "1.5E+003"},
        {"bottomBar", ".5"},  {"cover", "40"},      {"hingeLengthI", "450.25"}, {"hingeLengthJ", "-1e2"},
        {"colour", "#FF8000"}};
    std::vector<std::string_view> stored;
    for (const auto& [field, text] : values) {
        setSectionField(s, field, text);
        stored.emplace_back(field);
    }
    // The listed names (shown by the command line's completion) are exactly the fields stored.
    std::vector<std::string_view> listed = sectionFieldNames();
    std::sort(listed.begin(), listed.end());
    std::sort(stored.begin(), stored.end());
    EXPECT_EQ(listed, stored);
    EXPECT_EQ(std::make_tuple(s.elementType, s.sectionKind, s.geomTransf, s.divideFX, s.divideFY, s.barNumNX,
                              s.barNumNY, s.colour),
              std::make_tuple(4, 1, 3, -3, 8, 0, 2, 0xFF8000));
    EXPECT_EQ(std::make_tuple(s.topBar, s.bottomBar, s.cover, s.hingeLengthI, s.hingeLengthJ),
              std::make_tuple(1500.0, 0.5, 40.0, 450.25, -100.0));
}

TEST(SectionFields, RefusesBadTextKeepingTheField) {
    TSECTION s;
    s.cover = 35;
    s.elementType = RigidLink;
    EXPECT_EQ(errorOf(s, "cover", "abc"), "'abc' is not a valid floating point value");
    EXPECT_EQ(errorOf(s, "divideFX", "2.5"), "'2.5' is not a valid integer value");
    EXPECT_EQ(errorOf(s, "elementType", "7"), "'7' is not an item of elementType (1..6)");
    EXPECT_EQ(errorOf(s, "colour", "#12345"),
              "'#12345' is not a valid colour (#RRGGBB or a decimal RGB value)");
    EXPECT_EQ(errorOf(s, "shape", "2"), "Unknown frame section field 'shape'");
    EXPECT_EQ(s.cover, 35);
    EXPECT_EQ(s.elementType, RigidLink);
}

} // namespace
} // namespace kelvane
