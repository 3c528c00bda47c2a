#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace kelvane {
namespace {

test::CommandResult runV14(const std::string& arguments) {
    return test::runCommand("'" + test::binPath("kelvane-cli") + "' v14 " + arguments);
}

TEST(V14Command, WritesTheConvertedFileAndPrintsTheReport) {
    test::TempDir folder;
    const test::CommandResult result =
        runV14("'" + test::dataPath("v14/two_bricks.s2k") + "' -o '" + folder.file("out.s2k") + "'");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Kelvane import Sap2000 V14 S2k file\nNJOINT = 12\nNSOLID = 2\nFinish!!\n");
    EXPECT_EQ(test::readFile(folder.file("out.s2k")), test::readFile(test::goldenPath("v14/two_bricks.s2k")));
    EXPECT_EQ(runV14("'" + test::dataPath("v14/two_bricks.s2k") + "'").exitCode, 2); // no -o
}

TEST(V14Command, AFailedConversionPrintsOnlyTheMessageAndWritesNothing) {
    test::TempDir folder;
    test::writeFile(folder.file("bad.s2k"), "TABLE:  \"JOINT COORDINATES\"\r\n   Joint=1   CoordSys=GLOBAL   "
                                            "CoordType=Cartesian   XorR=1O0   Y=0   Z=0\r\n");
    test::writeFile(folder.file("out.s2k"), "previous\r\n");
    const test::CommandResult result =
        runV14("'" + folder.file("bad.s2k") + "' -o '" + folder.file("out.s2k") + "'");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "'1O0' is not a valid floating point value\n");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(test::readFile(folder.file("out.s2k")), "previous\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2); // no temporary left
}

} // namespace
} // namespace kelvane
