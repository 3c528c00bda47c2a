#include "solver/solver_fixture.h"

#include "batch/child_process.h"
#include "common/number_format.h"
#include "common/number_parse.h"
#include "common/text_file.h"

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <thread>

// Ensembles of the shear building (supports 1 to 4, diaphragm masters 17, 18, 19 at 3000, 6000
// and 9000) run here with kelvane-cli batch through the real solver, and their summaries checked
// against the recorder files.
namespace kelvane::test {
namespace {

namespace fs = std::filesystem;

constexpr int kStoreyHeight = 3000;
constexpr int kMasters[] = {17, 18, 19};

// The peaks an engineer reads off a node file: the floors' sway along X is the masters' UX (field
// 1 + 3 (joint - 1) after the time), the ground stands still.
struct HandPeaks {
    double roof = 0, drift = 0, time = 0;
};
HandPeaks handPeaks(const std::string& nodeFile) {
    HandPeaks peaks;
    for (const std::string& line : nonEmptyLines(nodeFile)) {
        const std::vector<double> values = numbersOf(line);
        double below = 0;
        for (int master : kMasters) {
            const double sway = values.at(static_cast<std::size_t>(1 + 3 * (master - 1)));
            const double drift = std::abs(sway - below) / kStoreyHeight;
            if (drift > peaks.drift) {
                peaks.drift = drift;
                peaks.time = values[0];
            }
            below = sway;
        }
        peaks.roof = std::max(peaks.roof, std::abs(below));
    }
    return peaks;
}

// The fields of the summary's lines after the header.
std::vector<std::vector<std::string>> summaryRows(const std::string& path) {
    std::vector<std::vector<std::string>> rows;
    const std::vector<std::string> lines = loadLines(path);
    EXPECT_EQ(lines.at(0), "run,record,scale,status,peak_roof_disp,peak_drift_ratio,peak_time");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::vector<std::string> fields(1);
        for (char c : lines[i]) {
            if (c == ',')
                fields.emplace_back();
            else
                fields.back().push_back(c);
        }
        rows.push_back(fields);
    }
    return rows;
}

class EnsembleRunTest : public SolverTest {
  protected:
    void SetUp() override {
        SolverTest::SetUp();
        if (IsSkipped() || HasFailure())
            return;
        fs::copy_file(dataPath("solver/GMX.txt"), file("GM1.txt"));
        // The same motion at half its size and reversed, as a PEER record in g.
        std::string peer = "PEER NGA STRONG MOTION DATABASE RECORD\nTEST, HALF OF GM1\n"
                           "ACCELERATION TIME SERIES IN UNITS OF G\n";
        const std::vector<std::string> values = nonEmptyLines(file("GM1.txt"));
        peer += "NPTS=  " + std::to_string(values.size()) + ", DT=   .0200 SEC\n";
        for (const std::string& value : values) {
            char text[32];
            std::snprintf(text, sizeof text, " %.12E\n", -0.5 * parseReal(value) / 9806.65);
            peer += text;
        }
        writeFile(file("HALF.AT2"), peer);
    }

    CommandResult batch(const std::string& arguments) {
        return runCommand("cd " + shellQuoted(folder()) + " && " + shellQuoted(binPath("kelvane-cli")) +
                          " batch " + arguments);
    }
    void plan(const std::string& records, const std::string& scales, int steps) {
        const CommandResult planned =
            batch("plan " + shellQuoted(dataPath("solver/shear-building.s2k")) + " --records " + records +
                  " --scales " + scales + " --set analysisType=5 --set gmFactor=1 --set thSteps=" +
                  std::to_string(steps) + " -o set");
        ASSERT_EQ(planned.exitCode, 0) << planned.err;
    }
    std::string runFile(const std::string& run, const std::string& name) const {
        return file("set/" + run + "/" + name);
    }
};

TEST_F(EnsembleRunTest, TheSummaryHoldsThePeaksOfTheRecorderFiles) {
    plan("GM1.txt HALF.AT2", "1.5,0.5,1", 250);
    const CommandResult run = batch("run set --jobs 2");
    ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("\n6 runs: 6 completed, 0 failed (6 run now, "), std::string::npos) << run.out;
    const CommandResult collected = batch("collect set -o summary.csv");
    ASSERT_EQ(collected.exitCode, 0) << collected.err;

    const auto rows = summaryRows(file("summary.csv"));
    ASSERT_EQ(rows.size(), 6u);
    const char* folders[] = {"GM1_1.5", "GM1_0.5", "GM1_1", "HALF_1.5", "HALF_0.5", "HALF_1"};
    std::vector<double> drift;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        ASSERT_EQ(rows[r].size(), 7u);
        EXPECT_EQ(rows[r][0], std::to_string(r + 1));
        EXPECT_EQ(rows[r][1], r < 3 ? "GM1.txt" : "HALF.AT2");
        EXPECT_EQ(rows[r][3], "completed");
        EXPECT_EQ(nonEmptyLines(runFile(folders[r], "node0.out")).size(), 250u) << folders[r];
        const HandPeaks hand = handPeaks(runFile(folders[r], "node0.out"));
        EXPECT_GT(hand.roof, 0.01) << folders[r];
        EXPECT_EQ(rows[r][4], formatGeneral(hand.roof)) << folders[r];
        EXPECT_EQ(rows[r][5], formatGeneral(hand.drift)) << folders[r];
        EXPECT_EQ(rows[r][6], formatGeneral(hand.time)) << folders[r];
        drift.push_back(parseReal(rows[r][5]));
    }
    // The building is elastic: the drifts grow with the scale, and half the motion gives half the
    // drift (to the six digits the recorder writes).
    EXPECT_NEAR(drift[0], 3 * drift[1], 1e-5 * drift[0]);
    EXPECT_NEAR(drift[2], 2 * drift[1], 1e-5 * drift[2]);
    for (int r = 0; r < 3; ++r)
        EXPECT_NEAR(drift[static_cast<std::size_t>(r + 3)], 0.5 * drift[static_cast<std::size_t>(r)],
                    1e-5 * drift[static_cast<std::size_t>(r)]);
    // The PEER record was converted from g to mm/s².
    const double recorded = numbersOf(loadLines(file("GM1.txt")).at(10)).at(0);
    EXPECT_NEAR(numbersOf(loadLines(runFile("HALF_1", "HALF.txt")).at(10)).at(0), -0.5 * recorded,
                1e-9 * std::abs(recorded));
    EXPECT_GT(fs::file_size(file("summary-ida.png")), 5000u);
    EXPECT_NE(readFile(file("summary-ida.svg")).find("<svg"), std::string::npos);

    // A drift limit between the drifts of scale 1 passes one run at scales 1 and 1.5 (of GM1 at 2 and 3
    // times its drift at 0.5; HALF reaches 1.5 times it) and none at 0.5.
    const CommandResult fragility =
        batch("collect set -o summary.csv --drift-limit " + formatGeneral(1.7 * drift[1]));
    ASSERT_EQ(fragility.exitCode, 0) << fragility.err;
    const std::vector<std::string> counts = loadLines(file("fragility.csv"));
    ASSERT_EQ(counts.size(), 8u);
    EXPECT_EQ(counts[5].substr(0, 8), "0.5,2,0,");
    EXPECT_EQ(counts[6].substr(0, 6), "1,2,1,");
    EXPECT_EQ(counts[7].substr(0, 8), "1.5,2,1,");
    const std::string median = counts[1].substr(counts[1].find(',') + 1);
    EXPECT_NE(fragility.out.find("fragility_median=" + median + "\n"), std::string::npos) << fragility.out;
    EXPECT_NE(fragility.out.find("fragility_beta="), std::string::npos) << fragility.out;
    EXPECT_GT(parseReal(median), 1.0);

    // A second call finds nothing left to run.
    const CommandResult again = batch("run set --jobs 2");
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out.substr(0, again.out.find(" (")), "6 runs: 6 completed, 0 failed");
}

// The runner's children (its solvers) as /proc lists them.
std::vector<pid_t> childrenOf(pid_t parent) {
    std::vector<pid_t> children;
    const std::string path =
        "/proc/" + std::to_string(parent) + "/task/" + std::to_string(parent) + "/children";
    std::error_code error;
    if (!fs::exists(path, error))
        return children;
    for (const double pid : numbersOf(readFile(path)))
        children.push_back(static_cast<pid_t>(pid));
    return children;
}

bool processGone(pid_t pid) {
    const std::string stat = "/proc/" + std::to_string(pid) + "/stat";
    std::error_code error;
    if (!fs::exists(stat, error))
        return true;
    const std::string text = readFile(stat);
    const auto close = text.rfind(')');
    return close != std::string::npos && text.substr(close + 2, 1) == "Z";
}

template <class Condition> bool waitFor(Condition condition, std::chrono::seconds bound) {
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

TEST_F(EnsembleRunTest, ARunnerStoppedHalfWayLeavesItsRunningRunForTheNextCall) {
    plan("GM1.txt", "0.5,1,1.5,2", 1000);
    const std::string cli = binPath("kelvane-cli");
    const auto startRunner = [&](const std::string& log) {
        return startChildProcess(cli, {"batch", "run", (fs::path(folder()) / "set").string(), "--jobs", "1"},
                                 folder(), file(log));
    };
    const auto runningSecondRun = [&] {
        return fs::exists(runFile("GM1_0.5", "status.txt")) && fs::exists(runFile("GM1_1", "model.log")) &&
               !fs::exists(runFile("GM1_1", "status.txt"));
    };

    // Ctrl-C: the running solver is ended and its run keeps no status.
    pid_t runner = startRunner("first.log");
    ASSERT_TRUE(waitFor(runningSecondRun, std::chrono::seconds(60))) << readFile(file("first.log"));
    ::kill(runner, SIGINT);
    const ChildEnd interrupted = reapChild(runner, true);
    EXPECT_EQ(interrupted.exitCode, 130) << readFile(file("first.log"));
    EXPECT_NE(
        readFile(file("first.log"))
            .find("Stopped: 1 running run was ended; 3 runs are left for the next kelvane-cli batch run\n"),
        std::string::npos)
        << readFile(file("first.log"));
    EXPECT_FALSE(fs::exists(runFile("GM1_1", "status.txt")));
    const auto firstDone = fs::last_write_time(runFile("GM1_0.5", "status.txt"));

    // Killed outright: its solver dies with it.
    runner = startRunner("second.log");
    ASSERT_TRUE(waitFor([&] { return !childrenOf(runner).empty(); }, std::chrono::seconds(30)));
    const std::vector<pid_t> solvers = childrenOf(runner);
    ::kill(runner, SIGKILL);
    reapChild(runner, true);
    for (pid_t solver : solvers)
        EXPECT_TRUE(waitFor([&] { return processGone(solver); }, std::chrono::seconds(10)))
            << "solver " << solver;
    EXPECT_FALSE(fs::exists(runFile("GM1_1", "status.txt")));

    const CommandResult resumed = batch("run set --jobs 1");
    ASSERT_EQ(resumed.exitCode, 0) << resumed.out << resumed.err;
    EXPECT_EQ(resumed.out.find("run 1 "), std::string::npos) << resumed.out;
    for (const char* line :
         {"run 2 GM1.txt at scale 1: completed", "run 3 GM1.txt at scale 1.5: completed",
          "run 4 GM1.txt at scale 2: completed", "4 runs: 4 completed, 0 failed (3 run now"})
        EXPECT_NE(resumed.out.find(line), std::string::npos) << line << "\n" << resumed.out;
    EXPECT_EQ(fs::last_write_time(runFile("GM1_0.5", "status.txt")), firstDone);
    // The run that was ended twice is whole: 1000 steps, its drift twice that of scale 0.5.
    EXPECT_EQ(nonEmptyLines(runFile("GM1_1", "node0.out")).size(), 1000u);
    EXPECT_NEAR(handPeaks(runFile("GM1_1", "node0.out")).drift,
                2 * handPeaks(runFile("GM1_0.5", "node0.out")).drift,
                1e-5 * handPeaks(runFile("GM1_1", "node0.out")).drift);
}

TEST_F(EnsembleRunTest, AFailedRunIsMarkedWithItsErrorAndTheOthersGoOn) {
    plan("GM1.txt", "1,2,3", 100);
    fs::remove(runFile("GM1_2", "GM1.txt"));
    const CommandResult run = batch("run set --jobs 2");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("run 2 GM1.txt at scale 2: failed: ERROR Cannot open file GM1.txt ("),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("3 runs: 2 completed, 1 failed"), std::string::npos) << run.out;
    EXPECT_EQ(readFile(runFile("GM1_2", "status.txt")), "failed\nERROR Cannot open file GM1.txt\n");
    EXPECT_EQ(readFile(runFile("GM1_3", "status.txt")), "completed\n");

    ASSERT_EQ(batch("collect set -o summary.csv").exitCode, 0);
    const auto rows = summaryRows(file("summary.csv"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1], (std::vector<std::string>{"2", "GM1.txt", "2", "failed", "", "", ""}));
    EXPECT_EQ(rows[2][3], "completed");
    EXPECT_NE(
        batch("status set").out.find("run 2 (GM1.txt at scale 2) failed: ERROR Cannot open file GM1.txt\n"),
        std::string::npos);

    // Another call leaves a failed run alone unless asked to run it again.
    EXPECT_EQ(batch("run set").out.find("run 2 "), std::string::npos);
    fs::copy_file(file("GM1.txt"), runFile("GM1_2", "GM1.txt"));
    const CommandResult retried = batch("run set --retry-failed");
    EXPECT_EQ(retried.exitCode, 0) << retried.out;
    EXPECT_NE(retried.out.find("run 2 GM1.txt at scale 2: completed"), std::string::npos) << retried.out;
}

TEST_F(EnsembleRunTest, ARunWhoseStatusCannotBeWrittenIsFailedAndTheOthersGoOn) {
    plan("GM1.txt", "1,2", 50);
    // The script itself puts a folder where its status would go.
    const std::string script = readFile(runFile("GM1_1", "model.tcl"));
    writeFile(runFile("GM1_1", "model.tcl"), script + "file mkdir status.txt/in-the-way\r\n");
    const CommandResult run = batch("run set --jobs 1");
    EXPECT_EQ(run.exitCode, 1);
    const auto failedLine = run.out.find("run 1 GM1.txt at scale 1: failed: ");
    ASSERT_NE(failedLine, std::string::npos) << run.out << run.err;
    EXPECT_NE(run.out.substr(failedLine, run.out.find('\n', failedLine) - failedLine).find("status.txt"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("run 2 GM1.txt at scale 2: completed"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("2 runs: 1 completed, 1 failed"), std::string::npos) << run.out;

    // Without a status the run is run again.
    fs::remove_all(runFile("GM1_1", "status.txt"));
    writeFile(runFile("GM1_1", "model.tcl"), script);
    const CommandResult again = batch("run set");
    EXPECT_EQ(again.exitCode, 0) << again.out << again.err;
    EXPECT_NE(again.out.find("run 1 GM1.txt at scale 1: completed"), std::string::npos) << again.out;
}

} // namespace
} // namespace kelvane::test
