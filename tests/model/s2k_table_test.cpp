#include "common/text_file.h"
#include "model/s2k_table.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace kelvane;

namespace {
TableRange find(std::string_view text, std::string_view keyword) {
    return findTable(splitLines(text), keyword);
}
} // namespace

TEST(FindTable, BodyLiesBetweenHeaderAndFirstBlankLine) {
    const auto range = find("SYSTEM\n\nJOINT\n  1\n  2\n \t\n  x\n\n", "JOINT");
    EXPECT_EQ(range.header, 2);
    EXPECT_EQ(range.end, 5);
    EXPECT_EQ(range.dataLineCount(), 2);
}

TEST(FindTable, HeaderMustMatchTheWholeLineAnywhereInTheFile) {
    for (const char* text : {"x\nJOINT \n  1\n\n", "x\njoint\n  1\n\n", ""}) {
        const auto missing = find(text, "JOINT");
        EXPECT_FALSE(missing.found()) << text;
        EXPECT_EQ(missing.header, kNoLine);
        EXPECT_EQ(missing.dataLineCount(), -1);
    }
    const auto atTop = find("JOINT\n  1\n\n", "JOINT");
    EXPECT_TRUE(atTop.found());
    EXPECT_EQ(atTop.header, 0);
    EXPECT_EQ(atTop.end, 2);
    EXPECT_EQ(atTop.dataLineCount(), 1);
    EXPECT_LT(find("JOINT\n  1", "JOINT").dataLineCount(), -1); // unclosed
    // FRAME and FRAME SECTION never match each other.
    const std::string text = "x\nFRAME SECTION\n  s\n\nFRAME\n  f1\n  f2\n\n";
    EXPECT_EQ(find(text, "FRAME").header, 4);
    EXPECT_EQ(find(text, "FRAME").end, 7);
    EXPECT_EQ(find(text, "FRAME SECTION").header, 1);
    EXPECT_EQ(find(text, "FRAME SECTION").end, 3);
}

TEST(FindTable, RepeatedHeaderStartsAtTheLastButEndsAfterTheFirst) {
    // The blank line after the first header lies before the second one: an empty (negative) body.
    const auto apart = find("x\nLOAD\n  a\n\nLOAD\n  b\n\n", "LOAD");
    EXPECT_EQ(apart.header, 4);
    EXPECT_EQ(apart.end, 3);
    EXPECT_LT(apart.dataLineCount(), 0);
    const auto together = find("x\nLOAD\n  a\nLOAD\n  b\n\n", "LOAD");
    EXPECT_EQ(together.header, 3);
    EXPECT_EQ(together.end, 5);
}

TEST(FindTable, TableWithoutClosingBlankLineHasNoEnd) {
    const auto range = find("x\nJOINT\n  1\n  2", "JOINT");
    EXPECT_EQ(range.header, 1);
    EXPECT_EQ(range.end, kNoLine);
    EXPECT_LT(range.dataLineCount(), -1);
}

TEST(FindTable, BlankMeansOnlyCharactersOfCode32OrBelow) {
    EXPECT_TRUE(isBlankLine(""));
    EXPECT_TRUE(isBlankLine(std::string_view(" \t\x01\0", 4)));
    EXPECT_FALSE(isBlankLine(" \xA0"));
    EXPECT_FALSE(isBlankLine(" ;"));
}

TEST(FindTable, OneIndexOfSeveralTablesGivesEachTheRangeOfItsOwnSearch) {
    const auto lines =
        splitLines("x\nFRAME SECTION\n  s\n\nFRAME\n  f1\nLOAD\n  a\n\n\nLOAD\n  b\n\nJOINT\n  1");
    const TableIndex index(lines, {"FRAME", "FRAME SECTION", "LOAD", "JOINT", "MASS"});
    for (const char* keyword : {"FRAME", "FRAME SECTION", "LOAD", "JOINT", "MASS"}) {
        const TableRange alone = findTable(lines, keyword);
        EXPECT_EQ(index.range(keyword).header, alone.header) << keyword;
        EXPECT_EQ(index.range(keyword).end, alone.end) << keyword;
    }
    EXPECT_EQ(index.range("LOAD").header, 10);
    EXPECT_EQ(index.range("LOAD").end, 8);
    EXPECT_EQ(index.range("FRAME").end, 8);
    EXPECT_THROW(index.range("SOLID"), std::logic_error);
}
