#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace kelvane {
namespace {

std::string v14Command(const std::string& input, const std::string& output) {
    return "'" + test::binPath("kelvane-cli") + "' v14 '" + input + "' -o '" + output + "'";
}

TEST(V14Command, WritesTheConvertedFileAndPrintsTheReport) {
    test::TempDir folder;
    const test::CommandResult result =
        test::runCommand(v14Command(test::dataPath("v14/two_bricks.s2k"), folder.file("out.s2k")));
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Kelvane import Sap2000 V14 S2k file\nNJOINT = 12\nNSOLID = 2\nFinish!!\n");
    EXPECT_EQ(test::readFile(folder.file("out.s2k")), test::readFile(test::goldenPath("v14/two_bricks.s2k")));
}

TEST(V14Command, AFailedConversionPrintsOnlyTheMessageAndWritesNothing) {
    test::TempDir folder;
    test::writeFile(folder.file("bad.s2k"),
                    "TABLE:  \"JOINT COORDINATES\"\r\n   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=1O0   Y=0   Z=0\r\n");
    test::writeFile(folder.file("out.s2k"), "previous\r\n");
    const test::CommandResult result = test::runCommand(v14Command(folder.file("bad.s2k"), folder.file("out.s2k")));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "'1O0' is not a valid floating point value\n");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(test::readFile(folder.file("out.s2k")), "previous\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);

    const test::CommandResult missing =
        test::runCommand(v14Command(folder.file("none.s2k"), folder.file("other.s2k")));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err.rfind("Cannot open file \"" + folder.file("none.s2k") + "\". ", 0), 0u) << missing.err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("other.s2k")));
}

TEST(V14Command, AMissingOutputNameIsAUsageError) {
    const test::CommandResult result =
        test::runCommand("'" + test::binPath("kelvane-cli") + "' v14 '" + test::dataPath("v14/two_bricks.s2k") + "'");
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("usage: kelvane-cli v14 IN.s2k -o OUT.s2k"), std::string::npos) << result.err;
}

} // namespace
} // namespace kelvane
