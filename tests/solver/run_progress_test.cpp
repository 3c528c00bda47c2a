#include "solver/run_progress.h"
#include "solver/terminal_codes.h"
#include "support/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace kelvane {
namespace {

using test::TempDir;

TEST(TerminalCodes, ColourCodesOfTheSolversWarningsAreDropped) {
    const std::pair<std::string, std::string> cases[] = {
        {"\x1b[0;31m FAILURE\x1b[0m ok", " FAILURE ok"},
        {"WARNING \x1b[1;33mslow\x1b[0m\n", "WARNING slow\n"},
        {"plain [0;31m text", "plain [0;31m text"}, // no escape, nothing to drop
        {"cut \x1b[0;3", "cut "},
        {"lone \x1b end", "lone  end"},
    };
    for (const auto& [raw, shown] : cases)
        EXPECT_EQ(withoutTerminalCodes(raw), shown) << raw;
}

TEST(StepsAsked, CountsAnalyzeCommandsAndStepLoopsNotTheRetriesInside) {
    const std::vector<std::string> nonlinearGravityPushover = {
        "integrator LoadControl 1.000E-001",
        "analysis Static",
        "set ok 0",
        "while {$ok == 0 && $step < 10} {",
        "    set ok [analyze 1]",
        "    if {$ok != 0} {",
        "        set ok [analyze 1]",
        "    }",
        "    if {$ok == 0} {incr step}",
        "}",
        "if {$ok != 0} {error \"Load control stopped: step [expr {$step + 1}] of 10 did not converge\"}",
        "loadConst -time 0.0",
        "while {$ok == 0 && $step < 40} {",
        "    set ok [analyze 1]",
        "}",
    };
    EXPECT_EQ(stepsAsked(nonlinearGravityPushover), 50);
    EXPECT_EQ(stepsAsked({"analyze 100", "  analyze 1000 0.02", "analyze 5;", "# analyze 7", "analyzed 3"}),
              1105);
    EXPECT_EQ(stepsAsked({"set lambda [eigen  $numModes]", "record"}), 0);

    const std::vector<std::string> pythonTwin = {
        "ok = 0",
        "while ok == 0 and step < 10:",
        "    ok = ops.analyze(1)",
        "    if ok != 0:",
        "        ok = ops.analyze(1)",
        "if ok != 0:",
        "    raise RuntimeError('stopped')",
        "ops.analyze(1000, 0.02)",
        "ops.analyze(5)",
    };
    EXPECT_EQ(stepsAsked(pythonTwin), 1015);
}

TEST(RecorderProgress, CountsCompleteLinesOfTheFullestFileAsTheyGrow) {
    TempDir dir;
    test::writeFile(dir.file("node0.out"), "1 0\n2 0\n3 0\n"); // left from an earlier run
    const FileStamps before = stampFiles(dir.path(), {"node0.out", "reaction0.out"});
    RecorderProgress progress(dir.path(), {"node0.out", "reaction0.out"}, before);
    EXPECT_EQ(progress.stepsDone(), 0);

    // The solver starts the file afresh; its modification time must differ from the old one.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    test::writeFile(dir.file("node0.out"), "0.1 1 2\n0.2 1");
    std::filesystem::last_write_time(dir.file("node0.out"), before.at("node0.out") + std::chrono::seconds(1));
    EXPECT_EQ(progress.stepsDone(), 1); // the partly written line is no step yet
    test::writeFile(dir.file("reaction0.out"), "0.1 -1\n0.2 -2\n0.3 -3\n");
    EXPECT_EQ(progress.stepsDone(), 3);
}

TEST(ProgressText, StepsOfStepsAskedAndTheTime) {
    EXPECT_EQ(progressText(37, 200, 12.7), "step 37 of 200, 0:12 elapsed");
    EXPECT_EQ(progressText(1, 0, 3725), "1 step, 1:02:05 elapsed");
    EXPECT_EQ(progressBar(5, 20, 61, 10), "[##--------]  5/20 steps  1:01");
    EXPECT_EQ(progressBar(25, 20, 0, 4), "[####]  25/20 steps  0:00");
    EXPECT_EQ(progressBar(7, 0, 0, 4), "7 steps  0:00");
}

// The watcher sees the output as it comes and is ticked while the program is silent.
TEST(RunProcess, TellsAWatcherTheOutputAndTicksWhileItWaits) {
    TempDir dir;
    const std::string program = dir.file("stand-in");
    test::writeFile(program, "#!/bin/sh\necho first\nsleep 0.7\necho late >&2\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    struct Recorder final : ProcessWatcher {
        std::string seen;
        int ticks = 0;
        void output(std::string_view text, bool error) override {
            seen += (error ? "E:" : "O:") + std::string(text);
        }
        void tick() override {
            ++ticks;
            seen += "|";
        }
    } watcher;
    const ProcessOutcome outcome = runProcess(program, {}, dir.path().string(), &watcher);
    EXPECT_EQ(outcome.out, "first\n");
    EXPECT_GE(watcher.ticks, 2);
    EXPECT_THAT(watcher.seen, ::testing::StartsWith("O:first\n||")); // ticked during the silence
    EXPECT_THAT(watcher.seen, ::testing::HasSubstr("|E:late\n"));
}

} // namespace
} // namespace kelvane
