#include "common/number_parse.h"
#include "results/recorder_files.h"
#include "results_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvane {
namespace {

using test::errorOf;

TEST(RecorderBlocks, FramesNumberWholeBlocksFromOneAndTheRemainderZero) {
    EXPECT_EQ(blockCount(250), 3);
    EXPECT_EQ(blockCount(200), 2);
    EXPECT_EQ(blockCount(0), 0);
    EXPECT_EQ(blockCount(-1), 0);
    EXPECT_EQ(frameFileNumber(250, 0), 1);
    EXPECT_EQ(frameFileNumber(250, 1), 2);
    EXPECT_EQ(frameFileNumber(250, 2), 0);
    EXPECT_EQ(frameFileNumber(200, 1), 2);
    EXPECT_EQ(frameFileNumber(40, 0), 0);
    EXPECT_EQ(recorderBlock(250, 2).firstObject, 201);
    EXPECT_EQ(recorderBlock(250, 2).objectCount, 50);
    EXPECT_EQ(recorderBlock(200, 1).objectCount, 100);
}

TEST(RecorderFileLines, LinesEndAtCrLfOrCrLf) {
    test::TempDir folder;
    test::writeFile(folder.file("mixed.out"), "1 2\r\n3 4\r5 6\n\n7 8");
    const RecorderFile file(folder.file("mixed.out"));
    ASSERT_EQ(file.lines().size(), 5u);
    EXPECT_EQ(file.lines()[1], "3 4");
    EXPECT_EQ(file.lines()[2], "5 6");
    EXPECT_EQ(file.lines()[3], "");
    EXPECT_EQ(file.lines()[4], "7 8");
}

TEST(RecorderFieldValues, ReadEveryTextExactlyAsParseRealDoes) {
    FieldViews fields;
    const std::string texts[] = {"0",      "-0",   "1.25",  "-2.5e-05", "1E+300", ".5",  "5.",    "+3",
                                 "1e-400", "1e400", "inf",  "-inf",     "nan",    "-nan", "0x1p3", "1,5",
                                 "--1",    "-",     ".",    "1e",       "e5",     "",     " 1",
                                 "1.23457e-05", "-0.000123457", "8.04647e+01", "999999999999999",
                                 "1234567890123456", "1e22", "1e23", "9.99999e-23", "4.9e-324",
                                 "0.000000000000000000001", "123456.789012345e-20", "2.5E+0003", "1e00005",
                                 "0.1", "0.3", "7e-1", "1.7976931348623157e308"};
    for (const std::string& text : texts) {
        fields.fields[0] = text;
        const std::string expectedError = errorOf([&] { parseReal(text); });
        const std::string error = errorOf([&] { fieldValue(fields, 0); });
        EXPECT_EQ(error, expectedError) << "'" << text << "'";
        if (expectedError.empty()) {
            EXPECT_EQ(fieldValue(fields, 0), parseReal(text)) << "'" << text << "'";
        }
    }
}

} // namespace
} // namespace kelvane
