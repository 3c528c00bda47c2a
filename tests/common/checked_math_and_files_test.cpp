#include "common/checked_math.h"
#include "common/error.h"
#include "common/text_file.h"
#include "support/test_support.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kelvane;
using kelvane::test::TempDir;

TEST(CheckedMath, DivisionByZeroAndInvalidOperations) {
    EXPECT_DOUBLE_EQ(checkedDiv(1, 4), 0.25);
    EXPECT_EQ(test::errorOf([] { checkedDiv(1, 0); }), "Floating point division by zero");
    EXPECT_EQ(test::errorOf([] { checkedDiv(-3, 0); }), "Floating point division by zero");
    EXPECT_EQ(test::errorOf([] { checkedDiv(0, 0); }), "Invalid floating point operation");
    EXPECT_EQ(test::errorOf([] { checkedSqrt(-1); }), "Invalid floating point operation");
    EXPECT_EQ(test::errorOf([] { checkedAcos(1.5); }), "Invalid floating point operation");
    EXPECT_DOUBLE_EQ(checkedSqrt(0), 0);
}

TEST(TextFile, LinesEndAtCrLfOrCrLf) {
    EXPECT_EQ(splitLines(""), std::vector<std::string>{});
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\n\n"), (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(splitLines("a\r\r\n b "), (std::vector<std::string>{"a", "", " b "}));
    EXPECT_EQ(splitLines(std::string("x\0y\n", 4)), (std::vector<std::string>{std::string("x\0y", 3)}));
}

TEST(TextFile, SaveWritesCrLfAndReplacesTheTarget) {
    TempDir dir;
    const std::string path = dir.file("out.tcl");
    saveLinesCrLf(path, {"wipe", "", "x "});
    EXPECT_EQ(test::readFile(path), "wipe\r\n\r\nx \r\n");
    saveLinesCrLf(path, {"second"});
    EXPECT_EQ(test::readFile(path), "second\r\n");
    EXPECT_EQ(loadLines(path), std::vector<std::string>{"second"});
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(TextFile, FailedSaveKeepsThePreviousFileAndSaysWhy) {
    TempDir dir;
    const std::string path = dir.file("missing-folder/out.tcl");
    const std::string message = test::errorOf([&] { saveLinesCrLf(path, {"x"}); });
    EXPECT_EQ(message.rfind("Cannot create file \"" + path + "\". ", 0), 0u) << message;

    if (::geteuid() != 0) { // root may write into a read-only folder
        const std::string kept = dir.file("kept.tcl");
        test::writeFile(kept, "old");
        ::chmod(dir.path().c_str(), 0500);
        EXPECT_NE(test::errorOf([&] { saveLinesCrLf(kept, {"new"}); }), "no error");
        ::chmod(dir.path().c_str(), 0700);
        EXPECT_EQ(test::readFile(kept), "old");
    }
}

TEST(TextFile, MissingFileGivesTheOpenMessage) {
    const std::string message = test::errorOf([] { loadLines("/nonexistent/model.s2k"); });
    EXPECT_EQ(message, "Cannot open file \"/nonexistent/model.s2k\". No such file or directory");
}
