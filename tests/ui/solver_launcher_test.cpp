#include "common/error.h"
#include "script/ui/solver_launcher.h"
#include "support/test_support.h"
#include "ui/ui_test_support.h"

#include <QFileInfo>
#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace kelvane {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

void makeExecutable(const fs::path& file, const std::string& content = "#!/bin/sh\n") {
    test::writeFile(file.string(), content);
    fs::permissions(file, fs::perms::owner_all, fs::perm_options::add);
}

// A stand-in solver that records its working folder and its arguments beside itself, atomically.
void writeRecordingSolver(const fs::path& folder, const std::string& name = solverExecutableName()) {
    makeExecutable(folder / name, "#!/bin/sh\n"
                                  "record=\"$(dirname \"$0\")/record\"\n"
                                  "{ pwd; echo \"$#\"; printf '%s\\n' \"$@\"; } > \"$record.tmp\"\n"
                                  "mv \"$record.tmp\" \"$record\"\n");
}

std::string waitForRecord(const fs::path& record) {
    for (int attempt = 0; attempt < 200 && !fs::exists(record); ++attempt)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return fs::exists(record) ? test::readFile(record.string()) : std::string("(no record)");
}

TEST(SolverLauncher, StartsTheSolverInTheScriptFolderWithTheFullPathAsOneArgument) {
    test::ensureApplication();
    TempDir program;
    writeRecordingSolver(program.path());
    const fs::path jobFolder = program.path() / "job with blanks";
    fs::create_directory(jobFolder);
    const fs::path script = jobFolder / "frame model.tcl";
    test::writeFile(script.string(), "wipe\r\n");
    const std::string canonicalJob = fs::canonical(jobFolder).string();

    launchSolverDetached(QString::fromStdString(script.string()), {program.path().string(), "", ""});

    EXPECT_EQ(waitForRecord(program.path() / "record"),
              canonicalJob + "\n1\n" + canonicalJob + "/frame model.tcl\n");
}

TEST(SolverLauncher, APythonScriptRunsOnOpenSeesPy) {
    test::ensureApplication();
    TempDir program;
    writeRecordingSolver(program.path(), pythonSolverExecutableName());
    const fs::path script = program.path() / "frame.py";
    test::writeFile(script.string(), "import openseespy.opensees as ops\r\n");
    launchSolverDetached(QString::fromStdString(script.string()), {program.path().string(), "", ""});

    const std::string folder = fs::canonical(program.path()).string();
    EXPECT_EQ(waitForRecord(program.path() / "record"), folder + "\n1\n" + folder + "/frame.py\n");
}

TEST(SolverLauncher, UsesTheSolverOnThePathWhenTheProgramFolderHasNone) {
    test::ensureApplication();
    TempDir program, tools;
    writeRecordingSolver(tools.path());
    const fs::path script = program.path() / "frame.tcl";
    test::writeFile(script.string(), "wipe\r\n");
    launchSolverDetached(QString::fromStdString(script.string()),
                         {program.path().string(), "", "/nowhere:" + tools.path().string()});

    const std::string folder = fs::canonical(program.path()).string();
    EXPECT_EQ(waitForRecord(tools.path() / "record"), folder + "\n1\n" + folder + "/frame.tcl\n");
}

TEST(SolverLauncher, RunsTheRealSolverBesideTheProgramInTheScriptFolder) {
    test::ensureApplication();
    const fs::path programFolder = fs::path(test::binPath(solverExecutableName())).parent_path();
    if (!fs::exists(programFolder / solverExecutableName()))
        GTEST_SKIP() << "no OpenSees solver was built beside the programs";
    TempDir job;
    const fs::path folder = job.path() / "job with blanks";
    fs::create_directory(folder);
    const fs::path script = folder / "write marker.tcl";
    test::writeFile(script.string(), "puts \"hello from the solver\"\r\n"
                                     "set f [open \"marker.txt\" w]\r\nputs $f \"solved\"\r\nclose $f\r\n");

    // The watch is dropped at once: the solver runs on by itself.
    launchSolverDetached(QString::fromStdString(script.string()), {programFolder.string(), "", ""}).reset();

    const fs::path marker = folder / "marker.txt";
    for (int attempt = 0; attempt < 600 && !fs::exists(marker); ++attempt)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::this_thread::sleep_for(std::chrono::milliseconds(200)); // let the solver close the file
    ASSERT_TRUE(fs::exists(marker)) << "the solver wrote nothing into the script's folder";
    EXPECT_EQ(test::readFile(marker.string()), "solved\n");
    // Its output went to the log beside the script, and its exit status to the run's state file.
    const WatchedRunFiles files = watchedRunFiles(script);
    for (int attempt = 0; attempt < 200 && !readWatchedRunState(files.state).exitStatus; ++attempt)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(readWatchedRunState(files.state).exitStatus, 0);
    EXPECT_NE(test::readFile(files.log.string()).find("hello from the solver\n"), std::string::npos);
}

TEST(SolverLauncher, MissingSolverIsReportedWithTheInstallCommand) {
    test::ensureApplication();
    TempDir program, userFolder, onPath;
    const SolverSearch search{program.path().string(), userFolder.path().string(), onPath.path().string()};
    try {
        launchSolverDetached(QStringLiteral("/nowhere/frame.tcl"), search);
        ADD_FAILURE() << "a missing solver must be reported";
    } catch (const KelvaneError& error) {
        EXPECT_EQ(error.what(), missingSolverMessage(search));
        EXPECT_NE(std::string(error.what()).find("run: " + solverInstallerName()), std::string::npos)
            << error.what();
    }
}

} // namespace
} // namespace kelvane
