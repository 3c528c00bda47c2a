// Malformed s2k files, one class of fault per row: the message the import stops with, and what the
// readers that ran before the failure kept.
#include "import_test_support.h"
#include "support/sanitizer_build.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace kelvane {
namespace {

// Two joints and a frame between them; each row spoils one piece of it.
const std::string kJoints = "\nJOINT\n  1  X=0  Y=0  Z=0\n  2  X=1000  Y=0  Z=3000\n\n";
const std::string kSections = "MATERIAL\n  NAME=STEEL  IDES=S  M=0\n    T=0  E=200000  U=.3  A=0\n\n"
                              "FRAME SECTION\n  NAME=C400  MAT=STEEL  SH=R  T=400,400\n\n";

// Read last: after a failure in any earlier table it must not have been read.
const std::string kLoads = "LOAD\n  NAME=DEAD\n    TYPE=FORCE\n      ADD=1  UZ=-5\n\n";

struct BadImport {
    const char* fault;
    std::string text;
    std::string message;
    bool jointsKept; // the JOINT reader ran before the failure and its two joints stay
};

std::string over38Fields() {
    std::string line = "  1";
    for (int i = 0; i < 40; ++i)
        line += "  X=0";
    return line;
}

std::vector<BadImport> badImports() {
    return {
        {"non-numeric coordinate", "\nJOINT\n  1  X=abc  Y=0  Z=0\n\n",
         "'abc' is not a valid floating point value (table JOINT, line 3)", false},
        {"non-numeric joint of a frame",
         kJoints + kSections + "FRAME\n  1  J=1,B  SEC=C400  NSEG=1  ANG=0\n\n",
         "'B' is not a valid integer value (table FRAME, line 14)", true},
        {"empty field", "\nJOINT\n  1  X=  Y=0  Z=0\n\n",
         "'' is not a valid floating point value (table JOINT, line 3)", false},
        {"truncated line", "\nJOINT\n  1  X=0  Y=0\n\n",
         "'' is not a valid floating point value (table JOINT, line 3)", false},
        {"missing closing blank line", kJoints + kSections + "FRAME\n  1  J=1,2  SEC=C400  NSEG=1  ANG=0",
         "Range check error (table FRAME, line 13)", true},
        {"joint beyond the joint table",
         kJoints + kSections + "FRAME\n  1  J=1,3  SEC=C400  NSEG=1  ANG=0\n\n",
         "Table \"FRAME\", line 14: joint 3 does not exist (the model has joints 1..2)", true},
        {"joint number beyond 32 bits", kJoints + "RESTRAINT\n  ADD=99999999999  DOF=U1\n\n",
         "'99999999999' is not a valid integer value (table RESTRAINT, line 7)", true},
        {"line of more fields than a line may carry", kJoints + "RESTRAINT\n" + over38Fields() + "\n\n",
         "Table \"RESTRAINT\", line 7: the line has more than 38 fields, which is more than a line may carry",
         true},
        {"binary bytes", "\nJOINT\n  1  X=\x01\xfe\xff  Y=0  Z=0\n\n",
         "'\xfe\xff' is not a valid floating point value (table JOINT, line 3)", false},
        {"NUL inside a number",
         test::bytes("\nJOINT\n  1  X=1\0"
                     "5  Y=0  Z=0\n\n"),
         "'1\\05' is not a valid floating point value (table JOINT, line 3)", false},
    };
}

TEST(BadImportInput, EachFaultStopsWithItsMessageAndKeepsTheEarlierTables) {
    for (const BadImport& row : badImports()) {
        SCOPED_TRACE(row.fault);
        ModelStore store;
        // An unclosed table runs to the end of the file.
        const bool unclosed = row.message.starts_with(kRangeCheckError);
        EXPECT_EQ(test::importFailure(store, unclosed ? row.text : row.text + kLoads), row.message);
        if (row.jointsKept) {
            ASSERT_EQ(store.nodeCount, 2);
            EXPECT_EQ(store.nodes[2].x, 1000);
            EXPECT_EQ(store.nodes[2].z, 3000);
        }
        EXPECT_EQ(store.loadCount, 0) << "the LOAD reader ran after the failure";
        EXPECT_EQ(store.loadCaseCount, 0);
    }
}

TEST(BadImportInput, CarriageReturnLineEndsReadLikeLineFeeds) {
    std::string text = kJoints + kSections + "FRAME\n  1  J=1,2  SEC=C400  NSEG=1  ANG=0\n\n";
    for (char& c : text)
        if (c == '\n')
            c = '\r';
    const ModelStore store = test::importText(text);
    EXPECT_EQ(store.nodeCount, 2);
    EXPECT_EQ(store.frameCount, 1);
    EXPECT_EQ(store.frames[1].nodeJ, 2);
    EXPECT_EQ(store.frameSections[store.frames[1].section].name, "C400");
}

// A file of 100 MB: a million lines that belong to no table, then the joint table. Every reader
// scans all of them; the import must finish with the two joints.
TEST(BadImportInput, HundredMegabyteFileImportsItsTables) {
    SKIP_LARGE_INPUT_UNDER_ASAN();
    test::TempDir folder;
    const std::string path = folder.file("large.s2k");
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        const std::string filler = "; " + std::string(97, 'x') + "\n";
        for (int i = 0; i < 1'000'000; ++i)
            std::fwrite(filler.data(), 1, filler.size(), file);
        std::fputs(kJoints.c_str(), file);
        std::fclose(file);
    }
    ModelStore store;
    importS2kFile(store, initPalette(), path);
    EXPECT_EQ(store.s2kLines.size(), 1'000'005u);
    EXPECT_EQ(store.nodeCount, 2);
    EXPECT_EQ(store.nodes[2].z, 3000);
}

} // namespace
} // namespace kelvane
