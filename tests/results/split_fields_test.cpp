#include "results/split_fields.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvane {
namespace {

TEST(SplitFields, SpacesEndFieldsWithTheLeadingSpaceAndTrimmingRules) {
    FieldTable table;
    EXPECT_EQ(splitFields("0.5 1.0e-003 -2.0e-003 0", table), 4);
    EXPECT_EQ(table.fields[1], "1.0e-003");
    EXPECT_EQ(table.fields[3], "0");
    EXPECT_EQ(splitFields("0.5  1.0", table), 3); // two spaces: an empty field 1
    EXPECT_EQ(table.fields[1], "");
    EXPECT_EQ(splitFields(" 7 8", table), 4); // a leading space: two empty fields in front
    EXPECT_EQ(table.fields[1], "");
    EXPECT_EQ(table.fields[2], "7");
    EXPECT_EQ(splitFields("\t1.5\t 2e-3\r", table), 2); // only spaces split; blanks and controls are trimmed
    EXPECT_EQ(table.fields[0], "1.5");
    EXPECT_EQ(table.fields[1], "2e-3");
    EXPECT_EQ(table.fields[3], "8"); // past this line's fields the earlier texts stay
}

TEST(SplitFields, StoresEveryFieldOfALongLine) {
    std::string line = "0";
    for (int i = 1; i < 1201; ++i) // a force recorder of 100 frames
        line += " " + std::to_string(i);
    FieldViews views;
    EXPECT_EQ(splitFields(line, views), 1201);
    EXPECT_EQ(views.count, 1201);
    EXPECT_EQ(views.fields[1200], "1200");
    EXPECT_EQ(splitFields("7 8", views), 2);
    EXPECT_EQ(views.fields[1], "8");
}

} // namespace
} // namespace kelvane
