// Malformed SAP2000 V14 files, one class of fault per row, through the converter: the message it
// stops with, or, where the converter carries the fault on, what its output then gives.
#include "import_test_support.h"
#include "model/v14_converter.h"
#include "support/sanitizer_build.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace kelvane {
namespace {

std::string jointRow(const std::string& label, const std::string& x, const std::string& z = "0") {
    return "   Joint=" + label + "   CoordSys=GLOBAL   CoordType=Cartesian   XorR=" + x + "   Y=0   Z=" + z;
}

std::string solidRow(const std::string& label, const std::string& lastJoint) {
    return "   Solid=" + label +
           "   Joint1=1   Joint2=2   Joint3=3   Joint4=4   Joint5=5   Joint6=6   Joint7=7   Joint8=" +
           lastJoint + "   GUID=";
}

std::string v14File(const std::string& firstJoint, const std::string& solid = solidRow("1", "8")) {
    std::string text = "File x.s2k\n\nTABLE:  \"JOINT COORDINATES\"\n" + firstJoint + "\n";
    for (int j = 2; j <= 8; ++j)
        text += jointRow(std::to_string(j), std::to_string(100 * j)) + "\n";
    return text + "\nTABLE:  \"CONNECTIVITY - SOLID\"\n" + solid + "\n\n";
}

std::string conversionFailure(const std::string& text) {
    try {
        convertV14(splitLines(text));
    } catch (const KelvaneError& error) {
        return error.what();
    }
    return "";
}

struct BadV14 {
    const char* fault;
    std::string text;
    std::string message;
};

TEST(BadV14Input, EachFaultStopsTheConversionWithItsMessage) {
    const std::vector<BadV14> rows = {
        {"non-numeric label", v14File(jointRow("A1", "0")), "'A1' is not a valid integer value"},
        {"comma in a coordinate", v14File(jointRow("1", "1,5")), "'Y' is not a valid floating point value"},
        {"empty field", v14File(jointRow("1", "0", "")), "'' is not a valid floating point value"},
        // Spaces right after "=" do not separate, so an empty value in mid-row takes the next key.
        {"empty field in mid-row", v14File(jointRow("1", "")), "'Y' is not a valid floating point value"},
        {"truncated row", v14File("   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0"),
         "'' is not a valid floating point value"},
        {"truncated solid row", v14File(jointRow("1", "0"), "   Solid=1   Joint1=1   Joint2=2"),
         "'' is not a valid integer value"},
        {"label beyond 32 bits", v14File(jointRow("4294967297", "0")),
         "'4294967297' is not a valid integer value"},
        {"binary bytes", v14File(jointRow("1", "\x7f\xff")),
         "'\x7f\xff' is not a valid floating point value"},
        {"NUL inside a number",
         v14File(jointRow("1", std::string("2\0"
                                           "5",
                                           3))),
         "'2\\05' is not a valid floating point value"},
    };
    for (const BadV14& row : rows) {
        SCOPED_TRACE(row.fault);
        EXPECT_EQ(conversionFailure(row.text), row.message);
    }
}

// Faults the converter passes on as they stand: the importer then names them.
TEST(BadV14Input, JointOfASolidBeyondTheJointsFailsAtImportNamingTheLine) {
    const V14Conversion converted = convertV14(splitLines(v14File(jointRow("1", "0"), solidRow("1", "99"))));
    EXPECT_EQ(converted.outputLines[converted.outputLines.size() - 4], "  1  J=1,2,3,4,5,6,7,99  SEC=100");
    ModelStore store;
    std::string text;
    for (const std::string& line : converted.outputLines)
        text += line + "\n";
    EXPECT_EQ(test::importFailure(store, text),
              "Table \"SOLID\", line 21: joint 99 does not exist (the model has joints 1..8)");
    EXPECT_EQ(store.nodeCount, 8) << "the joints read before the solid table stay";
    EXPECT_EQ(store.nodes[8].x, 800);
}

TEST(BadV14Input, LinesThatAreNotFaults) {
    // A last table without its closing blank line runs to the end of the file.
    std::string unclosed = v14File(jointRow("1", "0"));
    unclosed.resize(unclosed.size() - 2);
    EXPECT_EQ(convertV14(splitLines(unclosed)).v14SolidCount, 1);

    // A row of more than 40 tokens: the tokens past the 40th are dropped, the joint is read.
    std::string longRow = jointRow("1", "-250", "75");
    for (int i = 0; i < 30; ++i)
        longRow += "   Extra" + std::to_string(i) + "=x";
    V14Conversion converted = convertV14(splitLines(v14File(longRow)));
    EXPECT_EQ(converted.outputLines[4], "  1  X=-2.500E+002  Y=0.000E+000  Z=7.500E+001");

    // Line ends of CR alone.
    std::string crOnly = v14File(jointRow("1", "0"));
    std::replace(crOnly.begin(), crOnly.end(), '\n', '\r');
    converted = convertV14(splitLines(crOnly));
    EXPECT_EQ(converted.v14JointCount, 8);
    EXPECT_EQ(converted.v14SolidCount, 1);
}

// 100 MB: a million rows of a table the converter does not read, before the tables it reads.
TEST(BadV14Input, HundredMegabyteFileConvertsItsTables) {
    SKIP_LARGE_INPUT_UNDER_ASAN();
    test::TempDir folder;
    const std::string path = folder.file("large.s2k");
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs("TABLE:  \"PROGRAM CONTROL\"\n", file);
        const std::string row = "   ProgramName=SAP2000   Version=14.2.0   " + std::string(57, 'x') + "\n";
        for (int i = 0; i < 1'000'000; ++i)
            std::fwrite(row.data(), 1, row.size(), file);
        const std::string tables = "\n" + v14File(jointRow("1", "0"));
        std::fwrite(tables.data(), 1, tables.size(), file);
        std::fclose(file);
    }
    const V14Conversion converted = convertV14(loadLines(path));
    EXPECT_EQ(converted.v14JointCount, 8);
    EXPECT_EQ(converted.v14SolidCount, 1);
}

} // namespace
} // namespace kelvane
