#include "common/text_file.h"
#include "model/v14_converter.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvane {
namespace {

using Lines = std::vector<std::string>;

// The rows of the version-6 output between `table` and the next empty line.
Lines tableOf(const V14Conversion& conversion, const std::string& table) {
    const Lines& out = conversion.outputLines;
    Lines rows;
    for (std::size_t i = 0; i < out.size(); ++i)
        if (out[i] == table) {
            for (std::size_t j = i + 1; j < out.size() && !out[j].empty(); ++j)
                rows.push_back(out[j]);
            break;
        }
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

TEST(V14Converter, TwoBricksConvertByteForByte) {
    const V14Conversion conversion = convertV14(loadLines(test::dataPath("v14/two_bricks.s2k")));
    test::TempDir folder;
    saveLinesCrLf(folder.file("converted.s2k"), conversion.outputLines);
    EXPECT_EQ(test::readFile(folder.file("converted.s2k")), test::readFile(test::goldenPath("v14/two_bricks.s2k")));
    EXPECT_EQ(conversion.reportLines, (Lines{"Kelvane import Sap2000 V14 S2k file", "NJOINT = 12", "NSOLID = 2", "Finish!!"}));
    EXPECT_TRUE(conversion.missingTables.empty());
}

TEST(V14Converter, RestraintListsStartWithTheFirstSetFlagAndForceRowsReplaceEarlierOnes) {
    const Lines input = {
        "TABLE:  \"JOINT COORDINATES\"",
        "   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=0",
        "   Joint=2   CoordSys=GLOBAL   CoordType=Cartesian   XorR=1   Y=0   Z=0",
        "",
        "TABLE:  \"JOINT RESTRAINT ASSIGNMENTS\"",
        "   Joint=2   U1=No   U2=Yes   U3=Yes   R1=No   R2=No   R3=No",
        "   Joint=2   U1=No   U2=No   U3=No   R1=No   R2=No   R3=yes",
        "",
        "TABLE:  \"JOINT LOADS - FORCE\"",
        "   Joint=1   LoadPat=A   CoordSys=GLOBAL   F1=7   F2=0   F3=0   M1=0   M2=0   M3=0",
        "   Joint=1   LoadPat=B   CoordSys=GLOBAL   F1=100   F2=0   F3=0   M1=0   M2=0   M3=-5",
        "",
    };
    const V14Conversion conversion = convertV14(input);
    // Flags are never cleared; "yes" is not "Yes".
    EXPECT_EQ(tableOf(conversion, "RESTRAINT"), (Lines{"  ADD=2  DOF=,U2,U3"}));
    EXPECT_EQ(tableOf(conversion, "LOAD"), (Lines{"  NAME=PUSH", "    TYPE=FORCE", "      ADD=1  UX=1.0000E+002",
                                                   "      ADD=1  RZ=-5.0000E+000"}));
}

TEST(V14Converter, RestraintsAndLoadsNameJointRowsWhileJointsAndSolidsKeepLabels) {
    const Lines input = {
        "TABLE:  \"JOINT COORDINATES\"",
        "   Joint=10   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=0",
        "   Joint=20   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=3000",
        "",
        "TABLE:  \"JOINT RESTRAINT ASSIGNMENTS\"",
        "   Joint=20   U1=Yes   U2=No   U3=No   R1=No   R2=No   R3=Yes",
        "",
        "TABLE:  \"JOINT LOADS - FORCE\"",
        "   Joint=20   LoadPat=DEAD   CoordSys=GLOBAL   F1=0   F2=0   F3=-1E3   M1=0   M2=0   M3=0",
        "",
        "TABLE:  \"CONNECTIVITY - SOLID\"",
        "   Solid=5   Joint1=10   Joint2=20   Joint3=10   Joint4=20   Joint5=10   Joint6=20   Joint7=10   Joint8=20",
    };
    const V14Conversion conversion = convertV14(input);
    EXPECT_EQ(tableOf(conversion, "JOINT")[1], "  20  X=0.000E+000  Y=0.000E+000  Z=3.000E+003");
    EXPECT_EQ(tableOf(conversion, "RESTRAINT"), (Lines{"  ADD=2  DOF=U1,R3"}));
    EXPECT_EQ(tableOf(conversion, "LOAD").back(), "      ADD=2  UZ=-1.0000E+003");
    EXPECT_EQ(tableOf(conversion, "SOLID"), (Lines{"  5  J=10,20,10,20,10,20,10,20  SEC=100"}));
    EXPECT_EQ(conversion.v14SolidCount, 1); // the last table runs to the end of the file
}

TEST(V14Converter, MissingTablesConvertAsEmptyAndAreReported) {
    const Lines input = {"TABLE:  \"JOINT COORDINATES\"",
                         "   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=1.5   Y=-2   Z=0.25"};
    const V14Conversion conversion = convertV14(input);
    EXPECT_EQ(conversion.outputLines,
              (Lines{"SYSTEM", "  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=mm  FORCE=N", "", "JOINT",
                     "  1  X=1.500E+000  Y=-2.000E+000  Z=2.500E-001", "", "RESTRAINT", "", "LOAD", "  NAME=PUSH",
                     "    TYPE=FORCE", "", "SOLID", "", "", "END"}));
    EXPECT_EQ(conversion.reportLines,
              (Lines{"Kelvane import Sap2000 V14 S2k file", "NJOINT = 1", "NSOLID = 0", "Finish!!",
                     "Missing table: JOINT RESTRAINT ASSIGNMENTS", "Missing table: JOINT LOADS - FORCE",
                     "Missing table: CONNECTIVITY - SOLID"}));
}

TEST(V14Converter, LocatesTablesByTheirExactHeaderLine) {
    Lines input = {"TABLE: \"JOINT COORDINATES\"", "   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=1   Y=1   Z=1",
                   "", "TABLE:  \"JOINT COORDINATES\"", "", "   Joint=x"};
    // One space after "TABLE:" is no header; the real table is empty (a blank line right after it).
    EXPECT_EQ(findV14Table(input, kV14JointTable).rowCount, 0);
    EXPECT_TRUE(findV14Table(input, kV14JointTable).found);
    EXPECT_FALSE(findV14Table(input, kV14SolidTable).found);

    // A header that occurs twice: the later table counts, never a negative size.
    input = {"TABLE:  \"CONNECTIVITY - SOLID\"", "a", "", "TABLE:  \"CONNECTIVITY - SOLID\"", "b", "c"};
    const V14Table table = findV14Table(input, kV14SolidTable);
    EXPECT_EQ(table.first, 4);
    EXPECT_EQ(table.rowCount, 2);
}

TEST(V14Converter, AFieldThatIsNotANumberStopsTheConversion) {
    const std::string header = "TABLE:  \"JOINT COORDINATES\"";
    EXPECT_EQ(conversionError({header, "   Joint=1  CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=0"}),
              "'1  CoordSys' is not a valid integer value");
    EXPECT_EQ(conversionError({header, "   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=1,5   Y=0   Z=0"}),
              "'Y' is not a valid floating point value"); // the comma shifts the key "Y" into token 9
    EXPECT_EQ(conversionError({header, "   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0"}),
              "'' is not a valid floating point value");
    EXPECT_EQ(conversionError({"TABLE:  \"CONNECTIVITY - SOLID\"", "   Solid=1   Joint1=1   Joint2=2"}),
              "'' is not a valid integer value");
}

TEST(V14Converter, RowsOfUnknownJointsAreIgnoredEvenWithBadNumbers) {
    const Lines input = {
        "TABLE:  \"JOINT COORDINATES\"",
        "   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=0",
        "",
        "TABLE:  \"JOINT RESTRAINT ASSIGNMENTS\"",
        "   Joint=2   U1=Yes   U2=Yes   U3=Yes   R1=Yes   R2=Yes   R3=Yes",
        "",
        "TABLE:  \"JOINT LOADS - FORCE\"",
        "   Joint=2   LoadPat=DEAD   CoordSys=GLOBAL   F1=oops",
        "",
    };
    const V14Conversion conversion = convertV14(input);
    EXPECT_TRUE(tableOf(conversion, "RESTRAINT").empty());
    EXPECT_EQ(tableOf(conversion, "LOAD"), (Lines{"  NAME=PUSH", "    TYPE=FORCE"}));
}

} // namespace
} // namespace kelvane
