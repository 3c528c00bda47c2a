// Saves that fail part-way: a missing folder, a target that cannot be replaced, a stream that stops
// accepting bytes (a file size limit) and a full disk. Every one reports "Cannot create file" with
// the system's reason, leaves the previous file as it was and leaves no temporary file behind.
#include "common/error.h"
#include "common/text_file.h"
#include "model/model_store.h"
#include "sections/section_settings_file.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <regex>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kelvane {
namespace {

namespace fs = std::filesystem;

// The three savers of the program, each asked to write about 200 KB.
struct Saver {
    const char* name;
    std::function<void(const std::string& path)> save;
};

std::vector<Saver> savers() {
    return {
        {"lines with CR LF",
         [](const std::string& path) { saveLinesCrLf(path, std::vector<std::string>(20000, "123456789")); }},
        {"text", [](const std::string& path) { saveTextAtomically(path, std::string(200000, 'x')); }},
        {"section settings",
         [](const std::string& path) {
             ModelStore store;
             store.frameSections.resize(1);
             for (int k = 1; k <= 800; ++k) {
                 store.frameSections.emplace_back();
                 store.frameSections.back().name = "S" + std::to_string(k);
             }
             store.frameSectionCount = 800;
             exportSectionSettings(path, store);
         }},
    };
}

std::vector<std::string> filesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SaveFailure, MissingFolderIsReportedWithTheSystemsReason) {
    test::TempDir folder;
    const std::string path = folder.file("missing/job.tcl");
    for (const Saver& saver : savers()) {
        SCOPED_TRACE(saver.name);
        EXPECT_EQ(test::errorOf([&] { saver.save(path); }),
                  "Cannot create file \"" + path + "\". No such file or directory");
    }
}

TEST(SaveFailure, TargetThatCannotBeReplacedStaysAndNoTemporaryFileIsLeft) {
    test::TempDir folder;
    const std::string path = folder.file("job.tcl");
    fs::create_directory(path); // a folder of that name: the final rename cannot replace it
    test::writeFile(folder.file("job.tcl/inside"), "kept");
    for (const Saver& saver : savers()) {
        SCOPED_TRACE(saver.name);
        EXPECT_EQ(test::errorOf([&] { saver.save(path); }),
                  "Cannot create file \"" + path + "\". Is a directory");
        EXPECT_EQ(test::readFile(folder.file("job.tcl/inside")), "kept");
        EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"job.tcl"});
    }
}

// RLIMIT_FSIZE makes every write past 64 KB fail (EFBIG) the way a failing disk or stream does.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(SaveFailure, StreamThatStopsMidWayKeepsThePreviousFile) {
    test::TempDir folder;
    const std::string path = folder.file("job.tcl");
    for (const Saver& saver : savers()) {
        SCOPED_TRACE(saver.name);
        test::writeFile(path, "previous script\r\n");
        std::string message;
        {
            FileSizeLimit limit(64 * 1024);
            message = test::errorOf([&] { saver.save(path); });
        }
        EXPECT_EQ(message, "Cannot create file \"" + path + "\". File too large");
        EXPECT_EQ(test::readFile(path), "previous script\r\n");
        EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"job.tcl"});
    }
}

// A full disk: a 64 KB tmpfs mounted for the test. Mounting needs root.
TEST(SaveFailure, FullDiskKeepsThePreviousFile) {
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a small tmpfs to fill needs root";
    test::TempDir folder;
    const std::string disk = folder.file("disk");
    fs::create_directory(disk);
    if (mount("kelvane-full", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    const std::string path = disk + "/job.tcl";
    for (const Saver& saver : savers()) {
        SCOPED_TRACE(saver.name);
        test::writeFile(path, "previous script\r\n");
        EXPECT_EQ(test::errorOf([&] { saver.save(path); }),
                  "Cannot create file \"" + path + "\". No space left on device");
        EXPECT_EQ(test::readFile(path), "previous script\r\n");
        EXPECT_EQ(filesIn(disk), std::vector<std::string>{"job.tcl"});
    }
    EXPECT_EQ(umount(disk.c_str()), 0);
}

TEST(SaveFailure, ASaveThatSucceedsReplacesTheFileWhole) {
    test::TempDir folder;
    const std::string path = folder.file("job.tcl");
    test::writeFile(path, std::string(100000, 'o'));
    saveLinesCrLf(path, {"wipe", "", "model basic -ndm 3 -ndf 6"});
    EXPECT_EQ(test::readFile(path), "wipe\r\n\r\nmodel basic -ndm 3 -ndf 6\r\n");
    EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"job.tcl"});
    // An ordinary file, as the user's umask makes it (the temporary file starts as owner-only).
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(static_cast<mode_t>(fs::status(path).permissions()), 0666 & ~mask);
}

// Every file the program writes goes through the atomic savers of text_file.cpp (or QSaveFile):
// no other source opens a file for writing.
TEST(SaveFailure, NoSourceWritesAFileAroundTheAtomicSave) {
    const std::regex stream(R"(std::ofstream|std::fstream|fopen\s*\([^;]*"[wa])");
    const std::regex qtWrite(R"(QIODevice::(WriteOnly|ReadWrite|Append))");
    std::vector<std::string> offenders;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(KELVANE_SOURCE_DIR) / "src")) {
        if (!entry.is_regular_file() || entry.path().filename() == "text_file.cpp")
            continue;
        const std::string text = test::readFile(entry.path().string());
        if (std::regex_search(text, stream) ||
            (std::regex_search(text, qtWrite) && text.find("QSaveFile") == std::string::npos))
            offenders.push_back(entry.path().lexically_relative(KELVANE_SOURCE_DIR).string());
    }
    EXPECT_EQ(offenders, std::vector<std::string>{});
}

} // namespace
} // namespace kelvane
