// Malformed table-format files, one class of fault per row: each stops the import with a message
// naming the table, the line of the file and the value.
#include "support/test_support.h"
#include "table_import_support.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace kelvane {
namespace {

using test::sapTable;

// Two joints, a material, a section, a frame and a load pattern; each row spoils one piece.
std::string
model(const std::string& joints = "Joint=2   CoordSys=GLOBAL   CoordType=Cartesian   XorR=3   Y=0   Z=0",
      const std::string& section = "SectionName=C1   Material=C30   Shape=Rectangular   t3=0.4   t2=0.4",
      const std::string& frame = "Frame=F1   JointI=1   JointJ=2", const std::string& extra = "") {
    return "File bad.$2k was saved on 1/1/24 at 9:00:00\n\n" +       // line 1, then line 2 is blank
           sapTable("PROGRAM CONTROL", {"CurrUnits=\"KN, m, C\""}) + // lines 3-5
           sapTable("JOINT COORDINATES", {"Joint=1   XorR=0   Y=0   Z=0", joints}) + // lines 6-9
           sapTable("MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES",
                    {"Material=C30   E1=3E+07   U12=0.2"}) +                   // 10-12
           sapTable("FRAME SECTION PROPERTIES 01 - GENERAL", {section}) +      // 13-15
           sapTable("CONNECTIVITY - FRAME", {frame}) +                         // 16-18
           sapTable("FRAME SECTION ASSIGNMENTS", {"Frame=F1   AnalSect=C1"}) + // 19-21
           sapTable("LOAD PATTERN DEFINITIONS", {"LoadPat=DEAD   SelfWtMult=1"}) +
           extra; // 22-24, then 25
}

struct BadTable {
    const char* fault;
    std::string text;
    std::string message;
};

std::vector<BadTable> badTables() {
    return {
        {"unknown joint",
         model("Joint=2   XorR=3   Y=0   Z=0",
               "SectionName=C1   Material=C30   Shape=Rectangular   t3=0.4   t2=0.4",
               "Frame=F1   JointI=1   JointJ=99"),
         "Table \"CONNECTIVITY - FRAME\", line 17: JointJ=99: there is no joint of that name"},
        {"unknown section", model() + sapTable("FRAME SECTION ASSIGNMENTS", {"Frame=F1   AnalSect=W99"}),
         "Table \"FRAME SECTION ASSIGNMENTS\", line 26: AnalSect=W99: there is no frame section of that "
         "name"},
        {"unknown material",
         model("Joint=2   XorR=3   Y=0   Z=0",
               "SectionName=C1   Material=C35   Shape=Rectangular   t3=0.4   t2=0.4"),
         "Table \"FRAME SECTION PROPERTIES 01 - GENERAL\", line 14: Material=C35: there is no material of "
         "that name"},
        {"unknown load pattern",
         model("Joint=2   XorR=3   Y=0   Z=0",
               "SectionName=C1   Material=C30   Shape=Rectangular   t3=0.4   t2=0.4",
               "Frame=F1   JointI=1   JointJ=2",
               sapTable("JOINT LOADS - FORCE", {"Joint=2   LoadPat=LIVE   F3=-10"})),
         "Table \"JOINT LOADS - FORCE\", line 26: LoadPat=LIVE: there is no load pattern of that name"},
        {"repeated label", model("Joint=1   XorR=3   Y=0   Z=0"),
         "Table \"JOINT COORDINATES\", line 8: Joint=1 is given a second time"},
        {"non-numeric value", model("Joint=2   XorR=3,5   Y=0   Z=0"),
         "Table \"JOINT COORDINATES\", line 8: XorR: '3,5' is not a valid floating point value"},
        {"row without its key field", model("XorR=3   Y=0   Z=0"),
         "Table \"JOINT COORDINATES\", line 8: the row has no Joint="},
        {"unclosed quote", model("Joint=2   XorR=3   Y=0   Z=0   Notes=\"corner"),
         "Table \"JOINT COORDINATES\", line 8: the quote opened after Notes= is not closed"},
        {"unknown unit", sapTable("PROGRAM CONTROL", {"ProgramName=SAP2000   CurrUnits=\"Kip, yd, F\""}),
         "Table \"PROGRAM CONTROL\", line 2: CurrUnits=\"Kip, yd, F\": unknown length unit 'yd'"},
        {"neither Yes nor No", model() + sapTable("JOINT RESTRAINT ASSIGNMENTS", {"Joint=1   U1=Y"}),
         "Table \"JOINT RESTRAINT ASSIGNMENTS\", line 26: U1=Y is neither Yes nor No"},
        {"frame of no length", model("Joint=2   XorR=0   Y=0   Z=0"),
         "Table \"CONNECTIVITY - FRAME\", line 17: frame F1 has no length (joints 1 and 2 are at the same "
         "point)"},
        {"diaphragm about X",
         model() + sapTable("CONSTRAINT DEFINITIONS - DIAPHRAGM", {"Name=D1   CoordSys=GLOBAL   Axis=X"}),
         "Table \"CONSTRAINT DEFINITIONS - DIAPHRAGM\", line 26: Axis=X: only diaphragms about the Z axis "
         "are supported"},
        {"joint of two diaphragms",
         model() + sapTable("JOINT CONSTRAINT ASSIGNMENTS", {"Joint=1   Constraint=D1   Type=Diaphragm",
                                                             "Joint=1   Constraint=D2   Type=Diaphragm"}),
         "Table \"JOINT CONSTRAINT ASSIGNMENTS\", line 27: Joint=1 is tied to diaphragm D1 and to D2"},
        {"area of five joints",
         model() +
             sapTable("CONNECTIVITY - AREA", {"Area=P5   NumJoints=5   Joint1=1   Joint2=2   Joint3=1   "
                                              "Joint4=2   Joint5=1"}),
         "Table \"CONNECTIVITY - AREA\", line 26: area P5 has 5 joints: only areas of three or four joints "
         "are "
         "supported"},
        {"unstable releases",
         model() + sapTable("FRAME RELEASE ASSIGNMENTS 1 - GENERAL", {"Frame=F1   TI=Yes   TJ=Yes"}),
         "Table \"FRAME RELEASE ASSIGNMENTS 1 - GENERAL\", line 26: frame F1 would be unstable: T is "
         "released "
         "at both ends (SAP2000 refuses such releases)"},
        {"load off the frame",
         model() + sapTable("FRAME LOADS - POINT",
                            {"Frame=F1   LoadPat=DEAD   Type=Force   Dir=Gravity   RelDist=1.5   Force=1"}),
         "Table \"FRAME LOADS - POINT\", line 26: frame F1: the load stands at 4500 mm, outside the frame's "
         "length of 3000 mm"},
        {"coordinates in another system", model("Joint=2   CoordSys=CYL1   XorR=3   Y=0   Z=0"),
         "Table \"JOINT COORDINATES\", line 8: CoordSys=CYL1: a joint in a coordinate system other than "
         "GLOBAL needs "
         "GlobalX, GlobalY and GlobalZ"},
        // Control characters separate like blanks.
        {"NUL inside a number",
         model(std::string("Joint=2   XorR=1\0"
                           "5   Y=0   Z=0",
                           29)),
         "Table \"JOINT COORDINATES\", line 8: '5' is not a Key=Value pair"},
        {"binary bytes in a value", model("Joint=2   XorR=\xfe\xff   Y=0   Z=0"),
         "Table \"JOINT COORDINATES\", line 8: XorR: '\xfe\xff' is not a valid floating point value"},
    };
}

TEST(BadTableInput, EachFaultStopsWithTheTableTheLineAndTheValue) {
    EXPECT_EQ(test::tableImportFailure(model()), "");
    for (const BadTable& row : badTables()) {
        SCOPED_TRACE(row.fault);
        EXPECT_EQ(test::tableImportFailure(row.text), row.message);
    }
}

TEST(BadTableInput, HostileRowsFailCleanlyOrImport) {
    const std::string header = "TABLE:  \"JOINT COORDINATES\"\n";
    const std::string word(10 * 1024 * 1024, 'x');
    EXPECT_EQ(test::tableImportFailure(header + "   " + word + "\n"),
              "Table \"JOINT COORDINATES\", line 2: '" + word + "' is not a Key=Value pair");
    // A row continued over a hundred thousand lines is one row.
    std::string continued = header + "   Joint=1   XorR=0   Y=0   Z=0";
    for (int i = 0; i < 100000; ++i)
        continued += "   K" + std::to_string(i) + "=1 _\n";
    const ImportedModel imported = test::importTables(continued + "   Last=1\n");
    EXPECT_EQ(imported.store.nodeCount, 1);
    EXPECT_EQ(imported.report.tablesRead.at(0).rows, 1);
}

// Mutations of the example building: the import either succeeds or stops with its message, never
// with anything else.
TEST(BadTableInput, MutatedExampleFilesFailOnlyWithImportErrors) {
    const std::string original =
        test::readFile(std::string(KELVANE_SOURCE_DIR) + "/examples/seven-storey-office.s2k");
    std::mt19937 random(20240601);
    static const char kAlphabet[] = "  =\"_\n\r\t0123456789-+.eEJointFrameLoadPatTABLE:\0\xff";
    const std::string alphabet(kAlphabet, sizeof kAlphabet - 1);
    int succeeded = 0;
    int failed = 0;
    for (int round = 0; round < 300; ++round) {
        const std::string text = test::mutatedText(original, random, alphabet, 6);
        (test::tableImportFailure(text).empty() ? succeeded : failed)++;
    }
    EXPECT_GT(succeeded, 0);
    EXPECT_GT(failed, 0);
}

} // namespace
} // namespace kelvane
