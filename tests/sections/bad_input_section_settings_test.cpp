// Malformed section settings files read from disk, one class of fault per row: the message naming
// the file and line, and sections left exactly as they were (a file is applied whole or not at all).
#include "common/error.h"
#include "sections/section_settings_file.h"
#include "support/sanitizer_build.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace kelvane {
namespace {

ModelStore twoSections() {
    ModelStore store;
    store.frameSections.resize(3);
    store.frameSectionCount = 2;
    const char* names[] = {"B300X500", "C500"};
    for (int k = 1; k <= 2; ++k) {
        TSECTION& s = store.frameSections[static_cast<std::size_t>(k)];
        s.name = names[k - 1];
        s.elementType = NonlinearBeamColumn;
        s.sectionKind = k;
        s.divideFX = s.divideFY = s.barNumNX = s.barNumNY = 4;
        s.cover = 40;
        s.topBar = s.bottomBar = 314;
        s.geomTransf = 1;
        s.hingeLengthI = s.hingeLengthJ = 500;
        s.colour = 0xFF0000;
    }
    return store;
}

// The block of C500 with one line replaced (the field before "=" names the line to replace).
std::string fileWith(const std::string& line) {
    std::vector<std::string> lines = sectionSettingsLines(twoSections());
    const auto equals = line.find('=');
    const std::string field = (equals == std::string::npos ? line : line.substr(0, equals)) + "=";
    const auto c500 = std::find(lines.begin(), lines.end(), "[C500]");
    const auto replaced =
        std::find_if(c500, lines.end(), [&](const std::string& l) { return l.rfind(field, 0) == 0; });
    if (replaced != lines.end())
        *replaced = line;
    std::string text;
    for (const std::string& l : lines)
        text += l + "\n";
    return text;
}

struct BadSettings {
    const char* fault;
    std::string text;
    std::string message; // after `Section settings file "<path>", `
};

TEST(BadSectionSettingsInput, EachFaultNamesFileAndLineAndChangesNothing) {
    const std::vector<BadSettings> rows = {
        {"non-numeric count", fileWith("divideFX=four"), "line 19: 'four' is not a valid integer value"},
        {"non-numeric length", fileWith("cover=4O"), "line 23: '4O' is not a valid floating point value"},
        {"empty field", fileWith("hingeLengthI="), "line 26: '' is not a valid floating point value"},
        {"truncated line", fileWith("topBar"),
         "line 24: \"topBar\" is neither a [section name] line nor a field=value line"},
        {"truncated file", fileWith("").substr(0, fileWith("").find("colour=#FF0000\n[C500]")),
         "line 2: section 'B300X500' lacks colour"},
        {"section the model lacks", "Kelvane frame section settings 1\n[C600]\n",
         "line 2: the model has no frame section named 'C600'"},
        {"element type out of range", fileWith("elementType=0"),
         "line 17: '0' is not an element type (1..7)"},
        {"count beyond 32 bits", fileWith("barNumNX=2147483648"),
         "line 21: '2147483648' is not a valid integer value"},
        {"over-long line", fileWith("cover=" + std::string(100000, '9') + "x"),
         "line 23: '" + std::string(100000, '9') + "x' is not a valid floating point value"},
        {"binary bytes", fileWith("colour=\xff\xfe"), "line 29: '\xff\xfe' is not a valid integer value"},
        {"NUL inside a number", fileWith(std::string("divideFY=1") + '\0' + "2"),
         "line 20: '1\\02' is not a valid integer value"},
    };
    for (const BadSettings& row : rows) {
        SCOPED_TRACE(row.fault);
        test::TempDir folder;
        const std::string path = folder.file("job.sec");
        test::writeFile(path, row.text);
        ModelStore store = twoSections();
        try {
            importSectionSettings(path, store);
            ADD_FAILURE() << "accepted";
        } catch (const KelvaneError& error) {
            EXPECT_EQ(error.what(), "Section settings file \"" + path + "\", " + row.message);
        }
        EXPECT_EQ(sectionSettingsLines(store), sectionSettingsLines(twoSections()));
    }
}

TEST(BadSectionSettingsInput, MissingFileCarriageReturnsAndNoFinalLineEnd) {
    test::TempDir folder;
    ModelStore store = twoSections();
    std::string message;
    try {
        importSectionSettings(folder.file("none.sec"), store);
    } catch (const KelvaneError& error) {
        message = error.what();
    }
    EXPECT_EQ(message, "Cannot open file \"" + folder.file("none.sec") + "\". No such file or directory");

    std::string text = fileWith("cover=55.5");
    std::replace(text.begin(), text.end(), '\n', '\r');
    text.pop_back(); // no line end after the last line
    test::writeFile(folder.file("cr.sec"), text);
    EXPECT_EQ(importSectionSettings(folder.file("cr.sec"), store), 2);
    EXPECT_EQ(store.frameSections[2].cover, 55.5);
}

// 100 MB: the two blocks, then 100 lines of a million blanks each.
TEST(BadSectionSettingsInput, HundredMegabyteFileOfBlankLinesIsApplied) {
    SKIP_LARGE_INPUT_UNDER_ASAN();
    test::TempDir folder;
    const std::string path = folder.file("large.sec");
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        const std::string head = fileWith("divideFX=9");
        std::fwrite(head.data(), 1, head.size(), file);
        const std::string blanks(1 << 20, ' ');
        for (int i = 0; i < 100; ++i) {
            std::fwrite(blanks.data(), 1, blanks.size(), file);
            std::fputc('\n', file);
        }
        std::fclose(file);
    }
    ModelStore store = twoSections();
    EXPECT_EQ(importSectionSettings(path, store), 2);
    EXPECT_EQ(store.frameSections[2].divideFX, 9);
}

} // namespace
} // namespace kelvane
