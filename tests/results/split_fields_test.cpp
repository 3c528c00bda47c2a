#include "results/split_fields.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvane {
namespace {

TEST(SplitFields, SingleSpacesSeparateFieldsAndKeepTheirTexts) {
    FieldTable table;
    EXPECT_EQ(splitFields("0.5 1.0e-003 -2.0e-003 0", table), 4);
    EXPECT_EQ(table.count, 4);
    EXPECT_EQ(table.fields[0], "0.5");
    EXPECT_EQ(table.fields[1], "1.0e-003");
    EXPECT_EQ(table.fields[2], "-2.0e-003");
    EXPECT_EQ(table.fields[3], "0");
}

TEST(SplitFields, AdjacentSpacesGiveEmptyFieldsAndALeadingSpaceGivesTwo) {
    FieldTable table;
    EXPECT_EQ(splitFields("0.5  1.0", table), 3);
    EXPECT_EQ(table.fields[1], "");
    EXPECT_EQ(table.fields[2], "1.0");

    EXPECT_EQ(splitFields(" 7 8", table), 4);
    EXPECT_EQ(table.fields[0], "");
    EXPECT_EQ(table.fields[1], "");
    EXPECT_EQ(table.fields[2], "7");
    EXPECT_EQ(table.fields[3], "8");

    EXPECT_EQ(splitFields("", table), 1);
    EXPECT_EQ(table.fields[0], "");
}

TEST(SplitFields, TrimsBlanksAndControlCharactersButSplitsOnlyAtSpaces) {
    FieldTable table;
    EXPECT_EQ(splitFields("\t1.5\t 2e-3\r", table), 2);
    EXPECT_EQ(table.fields[0], "1.5");
    EXPECT_EQ(table.fields[1], "2e-3");
    EXPECT_EQ(splitFields("1\t2", table), 1);
    EXPECT_EQ(table.fields[0], "1\t2");
}

TEST(SplitFields, EntriesBeyondAShorterLineKeepTheEarlierTexts) {
    FieldTable table;
    splitFields("a b c d", table);
    splitFields("x y", table);
    EXPECT_EQ(table.count, 2);
    EXPECT_EQ(table.fields[1], "y");
    EXPECT_EQ(table.fields[2], "c");
    EXPECT_EQ(table.fields[3], "d");
}

TEST(SplitFields, StoresAtMostAThousandFieldsAndReportsTheFullCount) {
    std::string line = "0";
    for (int i = 1; i < 1000; ++i)
        line += " " + std::to_string(i);
    FieldTable table;
    EXPECT_EQ(splitFields(line, table), 1000);
    EXPECT_EQ(table.fields[999], "999");

    FieldViews views;
    EXPECT_EQ(splitFields(line + " 1000 1001", views), 1002);
    EXPECT_EQ(views.count, 1000);
    EXPECT_EQ(views.fields[999], "999");
}

TEST(SplitFields, ViewsHoldTheSameFieldsAsTexts) {
    const std::string line = " 0.1  -3e-05 4\t";
    FieldTable table;
    FieldViews views;
    ASSERT_EQ(splitFields(line, table), splitFields(line, views));
    for (int i = 0; i < table.count; ++i)
        EXPECT_EQ(table.fields[static_cast<std::size_t>(i)], views.fields[static_cast<std::size_t>(i)]) << i;
}

} // namespace
} // namespace kelvane
