#include "common/number_parse.h"
#include "results/recorder_files.h"
#include "results_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvane {
namespace {

TEST(RecorderFiles, FrameFilesNumberWholeBlocksFromOneAndTheRemainderZero) {
    EXPECT_EQ(blockCount(250), 3);
    EXPECT_EQ(blockCount(-1), 0);
    EXPECT_EQ(frameFileNumber(250, 0), 1);
    EXPECT_EQ(frameFileNumber(250, 1), 2);
    EXPECT_EQ(frameFileNumber(250, 2), 0);
    EXPECT_EQ(frameFileNumber(200, 1), 2);
    EXPECT_EQ(recorderBlock(250, 2).objectCount, 50);
}

TEST(RecorderFiles, LinesEndAtCrLfOrCrLf) {
    test::TempDir folder;
    test::writeFile(folder.file("mixed.out"), "1 2\r\n3 4\r5 6\n\n7 8");
    const RecorderFile file(folder.file("mixed.out"));
    EXPECT_EQ(file.lines(), (std::vector<std::string_view>{"1 2", "3 4", "5 6", "", "7 8"}));
}

// Plain and not so plain numbers, and texts that are no numbers at all.
// clang-format off
const std::string kNumberTexts[] = {
    "0", "-0", "1.25", "-2.5e-05", "1E+300", ".5", "5.", "-.25", "+3", "3E+2", "1e-400", "1e400", "inf",
    "-nan", "0x1p3", "1,5", "--1", "-", ".", "1e", "1.5e", "", " 1", "1.23457e-05", "999999999999999",
    "1234567890123456", "1e22", "1e23", "9.99999e-23", "4.9e-324", "0.000000000000000000001",
    "123456.789012345e-20", "2.5E+0003", "1e00005", "0.3", "7e-1"};
// clang-format on

// The fast number reading must give the very double (or the very message) parseReal gives.
TEST(RecorderFiles, FieldValuesReadEveryTextExactlyAsParseRealDoes) {
    FieldViews fields;
    fields.fields.resize(1);
    for (const std::string& text : kNumberTexts) {
        fields.fields[0] = text;
        const std::string expectedError = test::errorOf([&] { parseReal(text); });
        EXPECT_EQ(test::errorOf([&] { fieldValue(fields, 0); }), expectedError) << "'" << text << "'";
        if (expectedError.empty()) {
            EXPECT_EQ(fieldValue(fields, 0), parseReal(text)) << "'" << text << "'";
        }
    }
}

// The same texts as the value field of a recorder line, where a plain line is read in one pass.
TEST(RecorderFiles, LineValuesReadEveryTextExactlyAsParseRealDoes) {
    test::TempDir folder;
    std::string content;
    for (const std::string& text : kNumberTexts)
        if (!text.empty() && text.front() != ' ')
            content += "0 " + text + (content.size() % 3 == 0 ? "\r\n" : "\n");
    test::writeFile(folder.file("values.out"), content);
    const RecorderFile file(folder.file("values.out"));
    std::vector<double> values;
    long long line = 0;
    for (const std::string& text : kNumberTexts) {
        if (text.empty() || text.front() == ' ')
            continue;
        ++line;
        const std::string expectedError = test::errorOf([&] { parseReal(text); });
        int valuesRead = -1;
        EXPECT_EQ(test::errorOf([&] { readRecorderValues(file, line, 2, values, valuesRead); }), expectedError)
            << "'" << text << "'";
        EXPECT_EQ(valuesRead, expectedError.empty() ? 1 : 0) << "'" << text << "'";
        if (expectedError.empty()) {
            EXPECT_EQ(values[1], parseReal(text)) << "'" << text << "'";
        }
    }
}

} // namespace
} // namespace kelvane
