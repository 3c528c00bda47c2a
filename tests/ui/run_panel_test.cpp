#include "app/session.h"
#include "solver/ui/run_panel.h"
#include "solver/watched_run.h"
#include "support/test_support.h"
#include "ui/main_window_fixture.h"
#include "ui/ui_test_support.h"

#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <signal.h>

// The run panel against stand-in solvers (shell scripts that behave as the solver would) and the
// real one: progress, output, how the run ended, Stop, and a second run while one is going.
namespace kelvane {
namespace {

namespace fs = std::filesystem;

// Writes one recorder line a step, as the solver does, and says which step it took.
const char* const kStepsSolver = "#!/bin/sh\n"
                                 ": > node0.out\n"
                                 "echo System\n"
                                 "i=1\n"
                                 "while [ $i -le 5 ]; do\n"
                                 "  sleep 0.15\n"
                                 "  echo \"$i 0 0 0\" >> node0.out\n"
                                 "  echo \"step $i\"\n"
                                 "  i=$((i+1))\n"
                                 "done\n";
const char* const kFailingSolver =
    "#!/bin/sh\n"
    "echo analysis\n"
    "echo 'couldn'\"'\"'t read file \"GMX.txt\": no such file or directory' >&2\n"
    "exit 1\n";
// A solver that ignores the polite request to stop and must be killed.
const char* const kStubbornSolver = "#!/bin/sh\n"
                                    "trap '' TERM\n"
                                    ": > node0.out\n"
                                    "i=1\n"
                                    "while [ $i -le 100 ]; do\n"
                                    "  echo \"$i 0 0 0\" >> node0.out\n"
                                    "  sleep 0.1\n"
                                    "  i=$((i+1))\n"
                                    "done\n";

class RunPanelTest : public ::testing::Test {
  protected:
    void TearDown() override {
        // Leave no stand-in running: stop it by its process number.
        if (panel.running()) {
            panel.findChild<QPushButton*>("stopButton")->click();
            test::waitUntil([this] { return !panel.running(); }, 10);
        }
    }

    // A stand-in solver in a program folder of its own, and a script in a job folder with blanks.
    std::string prepare(const std::string& solverText, const std::string& name = "frame model.tcl") {
        fs::create_directories(program.path() / "bin");
        const fs::path solver = program.path() / "bin" / solverExecutableName();
        test::writeFile(solver.string(), solverText);
        fs::permissions(solver, fs::perms::owner_all);
        panel.setSolverSearch({(program.path() / "bin").string(), "", ""});
        const fs::path folder = program.path() / "job folder";
        fs::create_directories(folder);
        const std::string script = (folder / name).string();
        test::writeFile(script, "recorder Node -file node0.out -time -nodeRange 1 1 -dof 1 2 3 disp\r\n"
                                "analyze 5\r\n");
        return script;
    }
    QString status() const { return panel.statusText(); }

    const bool applicationReady = (test::ensureApplication(), true);
    test::TempDir program;
    test::ErrorCapture errors;
    Session session;
    RunPanel panel{session};
};

TEST_F(RunPanelTest, ShowsTheStepsAndTheOutputAsTheyComeAndHowTheRunFinished) {
    const std::string script = prepare(kStepsSolver);
    QSignalSpy ended(&panel, &RunPanel::runEnded);
    panel.runScript(QString::fromStdString(script));
    EXPECT_TRUE(panel.isVisible());
    EXPECT_TRUE(panel.running());
    auto* progress = panel.findChild<QProgressBar*>("progress");
    EXPECT_EQ(progress->maximum(), 5);
    // The program goes on while the solver works: the panel shows a step between the first and the last.
    EXPECT_TRUE(test::waitUntil([&] { return progress->value() >= 1 && progress->value() < 5; }))
        << status().toStdString();
    EXPECT_TRUE(status().startsWith("Running: step ")) << status().toStdString();
    ASSERT_TRUE(test::waitUntil([&] { return !panel.running(); }));
    EXPECT_TRUE(status().startsWith("Finished: step 5 of 5, 0:0")) << status().toStdString();
    EXPECT_EQ(panel.outputText(), "System\nstep 1\nstep 2\nstep 3\nstep 4\nstep 5\n");
    ASSERT_EQ(ended.count(), 1);
    EXPECT_TRUE(ended.at(0).at(0).toBool());
    EXPECT_EQ(session.lastRunFolder, fs::path(script).parent_path().string());
    EXPECT_TRUE(errors.messages().isEmpty());
}

TEST_F(RunPanelTest, AFailedRunShowsTheSolversFirstErrorLine) {
    const std::string script = prepare(kFailingSolver);
    QSignalSpy ended(&panel, &RunPanel::runEnded);
    panel.runScript(QString::fromStdString(script));
    ASSERT_TRUE(test::waitUntil([&] { return !panel.running(); }));
    EXPECT_EQ(status(), "Failed: couldn't read file \"GMX.txt\": no such file or directory");
    EXPECT_TRUE(panel.outputText().contains("analysis\n"));
    ASSERT_EQ(ended.count(), 1);
    EXPECT_FALSE(ended.at(0).at(0).toBool());
}

// A solver that floods its output (here 1 MB at once) shows the end of it; the log keeps it all.
TEST_F(RunPanelTest, AFloodOfOutputShowsItsEndAndTheLogKeepsAll) {
    const std::string script =
        prepare("#!/bin/sh\nyes 'WARNING - one more iteration' | head -c 1048576\necho; echo last line\n");
    panel.runScript(QString::fromStdString(script));
    ASSERT_TRUE(test::waitUntil([&] { return !panel.running(); }));
    const QString shown = panel.outputText();
    EXPECT_TRUE(shown.contains("bytes of output are not shown here; frame model.log keeps them all]"))
        << shown.left(200).toStdString();
    EXPECT_TRUE(shown.endsWith("last line\n"));
    EXPECT_LT(shown.size(), 300 * 1024);
    EXPECT_EQ(fs::file_size(watchedRunFiles(script).log), 1048576u + 11u);
}

TEST_F(RunPanelTest, StopEndsASolverThatIgnoresTheRequestToo) {
    const std::string script = prepare(kStubbornSolver);
    panel.runScript(QString::fromStdString(script));
    auto* progress = panel.findChild<QProgressBar*>("progress");
    ASSERT_TRUE(test::waitUntil([&] { return progress->value() >= 2; }));
    const WatchedRunState state = readWatchedRunState(watchedRunFiles(script).state);
    ASSERT_TRUE(state.pid);
    panel.findChild<QPushButton*>("stopButton")->click();
    EXPECT_TRUE(status().startsWith("Stopping: ")) << status().toStdString();
    ASSERT_TRUE(test::waitUntil([&] { return !panel.running(); }, 10));
    EXPECT_TRUE(status().startsWith("Stopped by the user at step ")) << status().toStdString();
    EXPECT_NE(::kill(static_cast<pid_t>(*state.pid), 0), 0) << "the solver is still running";
}

TEST_F(RunPanelTest, ASecondRunWhileOneIsGoingAsksFirst) {
    const std::string first = prepare(kStubbornSolver);
    const std::string second = (fs::path(first).parent_path() / "second.tcl").string();
    test::writeFile(second, "analyze 5\r\n");
    panel.runScript(QString::fromStdString(first));
    ASSERT_TRUE(test::waitUntil([&] { return panel.findChild<QProgressBar*>("progress")->value() >= 1; }));

    QStringList questions;
    bool answer = false;
    const QuestionAnswerer previous = setQuestionAnswerer([&](QWidget*, const QString& text) {
        questions << text;
        return answer;
    });
    panel.runScript(QString::fromStdString(second));
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].startsWith("OpenSees is still running frame model.tcl (step "))
        << questions[0].toStdString();
    EXPECT_TRUE(questions[0].endsWith(". Stop that run and run second.tcl?")) << questions[0].toStdString();
    EXPECT_TRUE(panel.running());
    EXPECT_TRUE(status().startsWith("Running: "));

    // Yes: the first run is stopped, and the second starts once it has ended.
    fs::path solver = program.path() / "bin" / solverExecutableName();
    answer = true;
    panel.runScript(QString::fromStdString(second));
    test::writeFile(solver.string(), "#!/bin/sh\necho second run\n");
    setQuestionAnswerer(previous);
    ASSERT_TRUE(test::waitUntil([&] { return panel.outputText() == "second run\n" && !panel.running(); }, 10))
        << status().toStdString();
    EXPECT_TRUE(status().startsWith("Finished: step 0 of 5")) << status().toStdString();
}

// The real solver through the panel: the portal frame's push finishes with every step.
TEST(RunPanelWithTheSolver, RunsAScriptToItsEndAndReportsTheFailureOfAnother) {
    test::ensureApplication();
    const fs::path bin = fs::path(test::binPath(solverExecutableName())).parent_path();
    if (!fs::exists(bin / solverExecutableName()))
        GTEST_SKIP() << "no OpenSees solver was built beside the programs";
    test::TempDir job;
    const std::string script = job.file("portal.tcl");
    const test::CommandResult written =
        test::runCommand("'" + test::binPath("kelvane-cli") + "' tcl '" +
                         test::dataPath("solver/portal.s2k") + "' -o '" + script +
                         "' --set analysisType=2 --set controlNode=5 --set controlDisp=0.05 --set "
                         "dispSteps=20 --set baseReactions=1");
    ASSERT_EQ(written.exitCode, 0) << written.err;
    Session session;
    RunPanel panel(session);
    panel.setSolverSearch({bin.string(), "", ""});
    panel.runScript(QString::fromStdString(script));
    ASSERT_TRUE(test::waitUntil([&] { return !panel.running(); }, 60));
    EXPECT_TRUE(panel.statusText().startsWith("Finished: step 20 of 20, "))
        << panel.statusText().toStdString();
    EXPECT_TRUE(panel.outputText().contains("analysis\n")) << panel.outputText().toStdString();

    // The portal has no mass: the time history's eigen command fails.
    const test::CommandResult history = test::runCommand("'" + test::binPath("kelvane-cli") + "' tcl '" +
                                                         test::dataPath("solver/portal.s2k") + "' -o '" +
                                                         job.file("history.tcl") + "' --set analysisType=5");
    ASSERT_EQ(history.exitCode, 0) << history.err;
    panel.runScript(QString::fromStdString(job.file("history.tcl")));
    ASSERT_TRUE(test::waitUntil([&] { return !panel.running(); }, 60));
    EXPECT_EQ(panel.statusText().toStdString(),
              "Failed: ArpackSolver::solve - no. of modes requested is invalid");
}

// "Run OpenSEES" asks for the script and hands it to the panel.
class RunOpenSeesCommandTest : public test::MainWindowFixture {};

TEST_F(RunOpenSeesCommandTest, TheToolbarButtonRunsThePickedScriptInThePanel) {
    auto* panel = toolWindow<RunPanel>();
    ASSERT_NE(panel, nullptr);
    const fs::path bin = temp.path() / "bin";
    fs::create_directories(bin);
    test::writeFile((bin / solverExecutableName()).string(), "#!/bin/sh\necho \"ran $1\"\n");
    fs::permissions(bin / solverExecutableName(), fs::perms::owner_all);
    panel->setSolverSearch({bin.string(), "", ""});
    const std::string script = temp.file("frame.tcl");
    test::writeFile(script, "puts hello\r\n");
    dialogs.answer(QString::fromStdString(script));
    button("toolButton26")->click();
    EXPECT_EQ(dialogs.requests().back(), "open|OpenSees script (*.tcl *.py)|tcl");
    EXPECT_TRUE(panel->isVisible());
    ASSERT_TRUE(test::waitUntil([&] { return !panel->running(); }));
    EXPECT_EQ(panel->outputText().toStdString(), "ran " + script + "\n");
    EXPECT_TRUE(panel->statusText().startsWith("Finished: 0 steps")) << panel->statusText().toStdString();
    EXPECT_TRUE(errors.messages().isEmpty()) << errors.messages().join("\n").toStdString();
    // The result windows' dialogs now start in the run's folder.
    EXPECT_EQ(suggestedDialogFile(QString()), QString::fromStdString(temp.path().string()) + "/");
}

} // namespace
} // namespace kelvane
