#include "common/text_file.h"
#include "model/v14_converter.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace kelvane {
namespace {

using Lines = std::vector<std::string>;

// The output rows between the line `table` and the next empty line.
Lines tableOf(const V14Conversion& conversion, const std::string& table) {
    const Lines& out = conversion.outputLines;
    auto row = std::find(out.begin(), out.end(), table);
    Lines rows;
    for (row = row == out.end() ? row : row + 1; row != out.end() && !row->empty(); ++row)
        rows.push_back(*row);
    return rows;
}

std::string conversionError(const Lines& input) {
    try {
        convertV14(input);
    } catch (const std::exception& error) {
        return error.what();
    }
    return "";
}

const std::string kJoints = "TABLE:  \"JOINT COORDINATES\"";
const std::string kRestraints = "TABLE:  \"JOINT RESTRAINT ASSIGNMENTS\"";
const std::string kForces = "TABLE:  \"JOINT LOADS - FORCE\"";
std::string jointRow(int label, const std::string& z) {
    return "   Joint=" + std::to_string(label) +
           "   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=" + z;
}

TEST(V14Converter, TwoBricksConvertByteForByte) {
    const V14Conversion conversion = convertV14(loadLines(test::dataPath("v14/two_bricks.s2k")));
    test::TempDir folder;
    saveLinesCrLf(folder.file("converted.s2k"), conversion.outputLines);
    EXPECT_EQ(test::readFile(folder.file("converted.s2k")),
              test::readFile(test::goldenPath("v14/two_bricks.s2k")));
    EXPECT_EQ(conversion.reportLines,
              (Lines{"Kelvane import Sap2000 V14 S2k file", "NJOINT = 12", "NSOLID = 2", "Finish!!"}));
}

TEST(V14Converter, RestraintsAndForcesNameJointRowsAndAccumulateAsSpecified) {
    const Lines input = {
        kJoints,
        jointRow(10, "0"),
        jointRow(20, "3000"),
        "",
        kRestraints,
        "   Joint=20   U1=No   U2=Yes   U3=Yes   R1=No   R2=No   R3=No",
        "   Joint=20   U1=No   U2=No   U3=No   R1=No   R2=No   R3=yes", // flags are never cleared; "yes" is
                                                                        // no flag
        "   Joint=99   U1=Yes   U2=Yes   U3=Yes   R1=Yes   R2=Yes   R3=Yes",
        "",
        kForces,
        "   Joint=20   LoadPat=A   CoordSys=GLOBAL   F1=7   F2=0   F3=0   M1=0   M2=0   M3=0",
        "   Joint=20   LoadPat=B   CoordSys=GLOBAL   F1=100   F2=0   F3=0   M1=0   M2=0   M3=-5",
        "   Joint=99   LoadPat=B   CoordSys=GLOBAL   F1=oops",
        "",
    };
    const V14Conversion conversion = convertV14(input);
    EXPECT_EQ(tableOf(conversion, "JOINT")[1], "  20  X=0.000E+000  Y=0.000E+000  Z=3.000E+003");
    EXPECT_EQ(tableOf(conversion, "RESTRAINT"), (Lines{"  ADD=2  DOF=,U2,U3"}));
    EXPECT_EQ(tableOf(conversion, "LOAD"),
              (Lines{"  NAME=PUSH", "    TYPE=FORCE", "      ADD=2  UX=1.0000E+002",
                     "      ADD=2  MZ=-5.0000E+000"}));
}

TEST(V14Converter, MissingTablesConvertAsEmptyAndAreReported) {
    const Lines input = {kJoints,
                         "   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=1.5   Y=-2   Z=0.25"};
    const V14Conversion conversion = convertV14(input); // the last table runs to the end of the file
    EXPECT_EQ(conversion.outputLines,
              (Lines{"SYSTEM", "  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=mm  FORCE=N", "", "JOINT",
                     "  1  X=1.500E+000  Y=-2.000E+000  Z=2.500E-001", "", "RESTRAINT", "", "LOAD",
                     "  NAME=PUSH", "    TYPE=FORCE", "", "SOLID", "", "", "END"}));
    EXPECT_EQ(conversion.reportLines,
              (Lines{"Kelvane import Sap2000 V14 S2k file", "NJOINT = 1", "NSOLID = 0", "Finish!!",
                     "Missing table: JOINT RESTRAINT ASSIGNMENTS", "Missing table: JOINT LOADS - FORCE",
                     "Missing table: CONNECTIVITY - SOLID"}));
}

TEST(V14Converter, TheSolidPropertysMaterialIsWrittenBeforeTheSolids) {
    const Lines base = {kJoints, jointRow(1, "0"), "", "TABLE:  \"CONNECTIVITY - SOLID\"", ""};
    const auto withTables = [&](const std::string& property, const std::string& material) {
        Lines input = base;
        input.insert(input.end(),
                     {"TABLE:  \"SOLID PROPERTY DEFINITIONS\"", property, "   SolidProp=OTHER   Material=C25",
                      "", "TABLE:  \"MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES\"",
                      "   Material=C25   UnitWeight=2.4E-05   E1=25000   U12=0.2", material, ""});
        return input;
    };
    // Keys are looked up wherever they stand in the row.
    const V14Conversion conversion =
        convertV14(withTables("   SolidProp=SOLID1   Material=STEEL   MatAngleA=0",
                              "   Material=STEEL   U12=0.3   UnitMass=7.85E-09   E1=199948"));
    const Lines& out = conversion.outputLines;
    const auto solid = std::find(out.begin(), out.end(), "SOLID");
    ASSERT_GE(solid - out.begin(), 4);
    EXPECT_EQ((Lines(solid - 4, solid)),
              (Lines{"MATERIAL", "  NAME=STEEL", "    T=0  E=1.999E+005  U=3.000E-001", ""}));
    EXPECT_EQ(*(solid - 5), "") << "after the LOAD table's empty line";
    EXPECT_EQ(conversion.reportLines,
              (Lines{"Kelvane import Sap2000 V14 S2k file", "NJOINT = 1", "NSOLID = 0", "Finish!!",
                     "Material: STEEL", "Missing table: JOINT RESTRAINT ASSIGNMENTS",
                     "Missing table: JOINT LOADS - FORCE"}));

    // A material that table 02 does not give, or no such tables: nothing is added or reported.
    for (const Lines& input :
         {withTables("   SolidProp=SOLID1   Material=S355", "   Material=STEEL   E1=1   U12=0"), base}) {
        const V14Conversion without = convertV14(input);
        EXPECT_EQ(std::find(without.outputLines.begin(), without.outputLines.end(), "MATERIAL"),
                  without.outputLines.end());
        EXPECT_EQ(without.reportLines.size(), 6u);
    }
    EXPECT_EQ(conversionError(withTables("   SolidProp=SOLID1   Material=STEEL",
                                         "   Material=STEEL   E1=2e5x   U12=0.3")),
              "'2e5x' is not a valid floating point value");
}

TEST(V14Converter, LocatesTablesByTheirExactHeaderLine) {
    Lines input = {"TABLE: \"JOINT COORDINATES\"", jointRow(1, "1"), "", kJoints, "", "   Joint=x"};
    EXPECT_EQ(findV14Table(input, kV14JointTable).rowCount, 0); // one space after "TABLE:" is no header
    EXPECT_TRUE(findV14Table(input, kV14JointTable).found);
    input = {kJoints, "a", kJoints, "b", "c", "", "d"}; // a header repeated inside its table
    EXPECT_EQ(findV14Table(input, kV14JointTable).first, 3);
    EXPECT_EQ(findV14Table(input, kV14JointTable).rowCount, 2);
}

TEST(V14Converter, ATableGivenTwiceStopsTheConversionInsteadOfLosingRows) {
    for (const char* table : {kV14JointTable, kV14RestraintTable, kV14ForceTable, kV14SolidTable}) {
        const std::string header = std::string("TABLE:  \"") + table + "\"";
        EXPECT_EQ(conversionError({header, "", header, ""}), "Range check error") << table;
    }
}

TEST(V14Converter, AFieldThatIsNotANumberStopsTheConversion) {
    EXPECT_EQ(
        conversionError({kJoints, "   Joint=1  CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=0"}),
        "'1  CoordSys' is not a valid integer value"); // two spaces do not separate
    EXPECT_EQ(conversionError(
                  {kJoints, "   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=1,5   Y=0   Z=0"}),
              "'Y' is not a valid floating point value"); // the comma shifts the key "Y" into token 9
    EXPECT_EQ(conversionError({kJoints, jointRow(1, "")}), "'' is not a valid floating point value");
    EXPECT_EQ(conversionError({"TABLE:  \"CONNECTIVITY - SOLID\"", "   Solid=1   Joint1=1   Joint2=2"}),
              "'' is not a valid integer value");
}

} // namespace
} // namespace kelvane
