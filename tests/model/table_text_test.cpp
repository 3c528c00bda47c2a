// The table-format text: locating tables, splitting rows into Key=Value pairs, quotes,
// continuation lines, comments and the unit names of CurrUnits.
#include "common/error.h"
#include "common/text_file.h"
#include "model/tables/table_rows.h"
#include "model/tables/unit_scale.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace kelvane::tables {
namespace {

using RowMap = std::map<std::string, std::string>;

// Every row of a table as key -> value, with the 1-based line it begins on.
std::vector<std::pair<int, RowMap>> rowsOf(const std::vector<std::string>& lines, const char* table) {
    const TableFile file(lines);
    std::vector<std::pair<int, RowMap>> rows;
    const LocatedTable* located = file.find(table);
    if (located == nullptr)
        return rows;
    RowReader reader(file, *located);
    while (reader.next()) {
        RowMap row;
        for (const Field& field : reader.fields())
            row[std::string(field.key)] = std::string(field.value);
        rows.emplace_back(reader.line() + 1, row);
    }
    return rows;
}

std::string failure(const std::vector<std::string>& lines, const char* table) {
    try {
        rowsOf(lines, table);
    } catch (const KelvaneError& error) {
        return error.what();
    }
    return "";
}

TEST(TableText, TablesRunToTheNextHeaderTheEndMarkOrTheEndOfTheFile) {
    const std::vector<std::string> lines = splitLines("File C:\\m.$2k was saved on 1/1/24 at 9:00:00\r\n"
                                                      "\r\n"
                                                      "TABLE:  \"B TABLE\"\r\n"
                                                      "   K=1\r\n"
                                                      "TABLE:  \"A TABLE\"\r\n"
                                                      "   K=2\r\n"
                                                      "\r\n"
                                                      "   K=3\r\n"
                                                      "END TABLE DATA\r\n"
                                                      "   K=4\r\n"
                                                      "TABLE:  \"B TABLE\"\r\n"
                                                      "   K=5");
    const TableFile file(lines);
    ASSERT_EQ(file.tables().size(), 2u);
    EXPECT_EQ(file.tables()[0].name, "B TABLE");
    EXPECT_EQ(file.tables()[0].spans.size(), 2u) << "a repeated table goes on where it is repeated";
    EXPECT_EQ(file.find("a table"), &file.tables()[1]) << "names compare without letter case";
    EXPECT_EQ(rowCount(file, file.tables()[1]), 2);
    EXPECT_EQ(rowsOf(lines, "A TABLE"),
              (std::vector<std::pair<int, RowMap>>{{6, {{"K", "2"}}}, {8, {{"K", "3"}}}}));
    EXPECT_EQ(rowsOf(lines, "B TABLE"),
              (std::vector<std::pair<int, RowMap>>{{4, {{"K", "1"}}}, {12, {{"K", "5"}}}}));
    EXPECT_TRUE(isTableFormat(lines));
    EXPECT_FALSE(isTableFormat(splitLines("JOINT\n  1  X=0  Y=0  Z=0\n ;TABLE:\n")));
}

TEST(TableText, QuotedValuesContinuationLinesCommentsAndBlankRuns) {
    const std::vector<std::string> lines =
        splitLines("TABLE:  \"T\"\n"
                   "   Name=\"I/Wide Flange\"   Notes=\"a = b, c\"\tEmpty=   Last=\"\"\n"
                   "$ a comment line\n"
                   "   Area=31.2   I33=933 _\n"
                   "        I22=301 _   \n"
                   "        JMod=1\n"
                   "   Key=a=b   _\n");
    EXPECT_EQ(rowsOf(lines, "T"),
              (std::vector<std::pair<int, RowMap>>{
                  {2, {{"Name", "I/Wide Flange"}, {"Notes", "a = b, c"}, {"Empty", ""}, {"Last", ""}}},
                  {4, {{"Area", "31.2"}, {"I33", "933"}, {"I22", "301"}, {"JMod", "1"}}},
                  {7, {{"Key", "a=b"}}}}));
    EXPECT_EQ(rowCount(TableFile(lines), TableFile(lines).tables()[0]), 3);
}

// SAP2000 writes a section's notes over several lines inside one pair of quotes.
TEST(TableText, AQuotedValueOverSeveralLinesIsOneValueAndTheRowGoesOn) {
    const std::vector<std::string> lines = {"TABLE:  \"T\"", "   Name=B1   Notes=\"Width=[25,30", "",
                                            "Height=[85,90]\"   Color=Red", "   Name=B2"};
    EXPECT_EQ(rowsOf(lines, "T"), (std::vector<std::pair<int, RowMap>>{
                                      {2, {{"Name", "B1"}, {"Notes", "Width=[25,30"}, {"Color", "Red"}}},
                                      {5, {{"Name", "B2"}}}}));
    EXPECT_EQ(rowCount(TableFile(lines), TableFile(lines).tables()[0]), 2);
}

TEST(TableText, MalformedPairsStopWithTheTableAndTheLine) {
    const struct {
        const char* row;
        const char* message;
    } cases[] = {
        {"   Joint=1   stray", "Table \"T\", line 3: 'stray' is not a Key=Value pair"},
        {"   Name=\"open", "Table \"T\", line 3: the quote opened after Name= is not closed"},
        {"   =5", "Table \"T\", line 3: a value stands without its key: '=5'"},
        {"   Name=\"a\"b",
         "Table \"T\", line 3: the quoted value of Name is followed by 'b' without a blank"},
        {"   A=1 _ B=2", "Table \"T\", line 3: '_' is not a Key=Value pair"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(failure({"x", "TABLE:  \"T\"", c.row}, "T"), c.message);
    }
}

TEST(TableRows, KeysInAnyOrderDefaultsAndConversionMessages) {
    const std::vector<std::string> lines = {"TABLE:  \"T\"", "   b=No   A=2.5E+1   Flag=yes", "   A=x1"};
    const TableFile file(lines);
    Rows rows(file, "T");
    ASSERT_TRUE(rows.next());
    EXPECT_EQ(rows.real("a", 0), 25.0);
    EXPECT_EQ(rows.real("Missing", -3), -3.0);
    EXPECT_TRUE(rows.yes("FLAG", false));
    EXPECT_FALSE(rows.yes("B", true));
    EXPECT_TRUE(rows.yes("Missing", true));
    EXPECT_EQ(rows.text("Missing", "GLOBAL"), "GLOBAL");
    ASSERT_TRUE(rows.next());
    EXPECT_THROW(
        {
            try {
                rows.real("A", 0);
            } catch (const KelvaneError& error) {
                EXPECT_STREQ(error.what(),
                             "Table \"T\", line 3: A: 'x1' is not a valid floating point value");
                throw;
            }
        },
        KelvaneError);
    EXPECT_THROW(rows.required("Joint"), KelvaneError);
    EXPECT_FALSE(rows.next());
    Rows absent(file, "NOT THERE");
    EXPECT_FALSE(absent.next());
}

TEST(UnitScale, CurrUnitsNamesForceLengthAndTemperature) {
    std::string unknown;
    const struct {
        const char* text;
        double force, length;
    } cases[] = {{"KN, m, C", 1000, 1000},
                 {"Kip, in, F", 4448.2216152605, 25.4},
                 {"N, mm, C", 1, 1},
                 {"lb, ft, F", 4.4482216152605, 304.8},
                 {"Tonf, cm, C", 9806.65, 10},
                 {"kgf, micron, C", 9.80665, 0.001},
                 {"Kip-ft", 4448.2216152605, 304.8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<UnitScale> scale = parseCurrentUnits(c.text, unknown);
        ASSERT_TRUE(scale.has_value());
        EXPECT_EQ(scale->force, c.force);
        EXPECT_EQ(scale->length, c.length);
    }
    const UnitScale kNm{1000, 1000};
    EXPECT_EQ(kNm.stress(), 1e-3);          // kN/m2 to N/mm2
    EXPECT_EQ(kNm.forcePerLength(), 1);     // kN/m to N/mm
    EXPECT_EQ(kNm.moment(), 1e6);           // kN m to N mm
    EXPECT_EQ(kNm.mass(), 1);               // kN s2/m (tonne) to N s2/mm (tonne)
    EXPECT_EQ(kNm.weightPerVolume(), 1e-6); // kN/m3 to N/mm3
    EXPECT_EQ(kNm.massPerVolume(), 1e-9);   // t/m3 to t/mm3
    EXPECT_EQ(kNm.rotationalMass(), 1e6);   // t m2 to t mm2
    EXPECT_FALSE(parseCurrentUnits("Kip, yd, F", unknown));
    EXPECT_EQ(unknown, "length unit 'yd'");
    EXPECT_FALSE(parseCurrentUnits("MN, m, C", unknown));
    EXPECT_EQ(unknown, "force unit 'MN'");
}

} // namespace
} // namespace kelvane::tables
