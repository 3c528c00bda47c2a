#include "common/error.h"
#include "common/number_parse.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kelvane;

TEST(NumberParse, IntegersAreSignedDecimals) {
    EXPECT_EQ(parseInt("42"), 42);
    EXPECT_EQ(parseInt("-7"), -7);
    EXPECT_EQ(parseInt("+7"), 7);
    EXPECT_EQ(parseInt("2147483647"), 2147483647);
    for (const char* bad : {"", "-", "+", "+-4", "-+4", "--4", "++4", "1.0", "12a", " 1", "2147483648", "0x10", "1e3"})
        EXPECT_FALSE(tryParseInt(bad).has_value()) << bad;
}

TEST(NumberParse, IntegerFailureNamesTheText) {
    try {
        parseInt("abc");
        FAIL() << "no error raised";
    } catch (const KelvaneError& error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid integer value");
    }
    try {
        parseInt("");
        FAIL() << "no error raised";
    } catch (const KelvaneError& error) {
        EXPECT_STREQ(error.what(), "'' is not a valid integer value");
    }
}

TEST(NumberParse, RealsTakeTheFormsOfTheFileFormat) {
    EXPECT_DOUBLE_EQ(parseReal("1.5E+000"), 1.5);
    EXPECT_DOUBLE_EQ(parseReal("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(parseReal(".5"), 0.5);
    EXPECT_DOUBLE_EQ(parseReal("-.5e-3"), -0.0005);
    EXPECT_DOUBLE_EQ(parseReal("+2"), 2.0);
    EXPECT_DOUBLE_EQ(parseReal("3."), 3.0);
    EXPECT_DOUBLE_EQ(parseReal("1e3"), 1000.0);
    EXPECT_EQ(parseReal("1e-400"), 0.0); // below the smallest double: still a number
    EXPECT_TRUE(std::signbit(parseReal("-1e-400")));
    EXPECT_GT(parseReal("1e-310"), 0.0);
    for (const char* bad : {"", ".", "-", "+-1", "e5", "1e", "1e+", "1,5", "inf", "nan", "0x1p3", "1.2.3", "1e999",
                            "1e99999"})
        EXPECT_FALSE(tryParseReal(bad).has_value()) << bad;
}

TEST(NumberParse, RealFailureNamesTheText) {
    try {
        parseReal("abc");
        FAIL() << "no error raised";
    } catch (const KelvaneError& error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid floating point value");
    }
}

TEST(NumberParse, Switches) {
    EXPECT_EQ(tryParseBool("ON"), true);
    EXPECT_EQ(tryParseBool("true"), true);
    EXPECT_EQ(tryParseBool("1"), true);
    EXPECT_EQ(tryParseBool("off"), false);
    EXPECT_EQ(tryParseBool("False"), false);
    EXPECT_EQ(tryParseBool("0"), false);
    EXPECT_FALSE(tryParseBool("yes").has_value());
}
