#include "common/error.h"
#include "sections/section_fields.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kelvane {
namespace {

using ::testing::HasSubstr;

std::string errorOf(TSECTION& s, std::string_view field, std::string_view text) {
    try {
        setSectionField(s, field, text);
    } catch (const KelvaneError& e) {
        return e.what();
    }
    return "no error";
}

TEST(SectionFields, StoresEachFieldWithItsConversion) {
    TSECTION s;
    setSectionField(s, "elementType", "4");
    setSectionField(s, "sectionKind", "1");
    setSectionField(s, "geomTransf", "3");
    setSectionField(s, "divideFX", "-3");
    setSectionField(s, "divideFY", "8");
    setSectionField(s, "barNumNX", "0");
    setSectionField(s, "barNumNY", "2");
    setSectionField(s, "topBar", "1.5E+003");
    setSectionField(s, "bottomBar", ".5");
    setSectionField(s, "cover", "40");
    setSectionField(s, "hingeLengthI", "450.25");
    setSectionField(s, "hingeLengthJ", "-1e2");
    setSectionField(s, "colour", "#FF8000");
    EXPECT_EQ(s.elementType, 4);
    EXPECT_EQ(s.sectionKind, 1);
    EXPECT_EQ(s.geomTransf, 3);
    EXPECT_EQ(s.divideFX, -3);
    EXPECT_EQ(s.divideFY, 8);
    EXPECT_EQ(s.barNumNX, 0);
    EXPECT_EQ(s.barNumNY, 2);
    EXPECT_DOUBLE_EQ(s.topBar, 1500);
    EXPECT_DOUBLE_EQ(s.bottomBar, 0.5);
    EXPECT_DOUBLE_EQ(s.cover, 40);
    EXPECT_DOUBLE_EQ(s.hingeLengthI, 450.25);
    EXPECT_DOUBLE_EQ(s.hingeLengthJ, -100);
    EXPECT_EQ(s.colour, 0xFF8000);
    setSectionField(s, "colour", "255");
    EXPECT_EQ(s.colour, 255);
}

TEST(SectionFields, RefusesBadTextKeepingTheField) {
    TSECTION s;
    s.cover = 35;
    s.divideFX = 5;
    s.elementType = 7;
    EXPECT_EQ(errorOf(s, "cover", "abc"), "'abc' is not a valid floating point value");
    EXPECT_EQ(errorOf(s, "divideFX", "2.5"), "'2.5' is not a valid integer value");
    EXPECT_THAT(errorOf(s, "elementType", "7"), HasSubstr("elementType"));
    EXPECT_THAT(errorOf(s, "sectionKind", "0"), HasSubstr("sectionKind"));
    EXPECT_THAT(errorOf(s, "colour", "#12345"), HasSubstr("colour"));
    EXPECT_THAT(errorOf(s, "colour", "16777216"), HasSubstr("colour"));
    EXPECT_EQ(errorOf(s, "shape", "2"), "Unknown frame section field 'shape'");
    EXPECT_DOUBLE_EQ(s.cover, 35);
    EXPECT_EQ(s.divideFX, 5);
    EXPECT_EQ(s.elementType, 7);
}

} // namespace
} // namespace kelvane
