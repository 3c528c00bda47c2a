#include "common/error.h"
#include "solver/solver_run.h"
#include "support/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include <unistd.h>

namespace kelvane {
namespace {

using test::TempDir;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(RecorderFileNames, TakesTheFileOfEveryRecorderLineOnce) {
    const std::vector<std::string> script = {
        "recorder Node -file node0.out -time -nodeRange 1 100 -dof 1 2 3 disp",
        "recorder Element -file ele0_secs.out -time -eleRange 1 40 section 1 deformation",
        "recorder Node -file eigen1_node0.out -time -nodeRange 1 100 -dof 1 2 3 \"eigen 1\"",
        "  recorder Node -file node0.out -time -nodeRange 1 100 -dof 1 2 3 disp",
        "# recorder Node -file commented.out",
        "recorder Node -file $name -time",
        "recorder Node -file",
        "puts \"recorder\"",
        "node 1 0 0 0",
        "ops.recorder('Node', '-file', 'node1.out', '-time', '-nodeRange', 101, 150, '-dof', 1, 2, 3, "
        "'disp')",
        "    ops.recorder('Element', '-file', 'ele0.out', '-time', '-eleRange', 1, 3, 'localForce')",
        "ops.recorder('Node', '-file', 'it\\'s.out')",
    };
    EXPECT_THAT(recorderFileNames(script),
                ElementsAre("node0.out", "ele0_secs.out", "eigen1_node0.out", "node1.out", "ele0.out"));
}

TEST(FirstErrorLine, FindsTheSolversComplaintsAndIgnoresOrdinaryOutput) {
    EXPECT_EQ(firstErrorLine("System\nrestraint\nrecorder\nanalysis\n"), "");
    EXPECT_EQ(firstErrorLine("loading\n\x1b[0;31m   FAILURE\x1b[0m :: Iter:   200, EnergyIncr: 5000\n"),
              "FAILURE :: Iter:   200, EnergyIncr: 5000");
    EXPECT_EQ(firstErrorLine("invalid command name \"foo\"\n    while executing\n\"foo bar\"\n"),
              "invalid command name \"foo\"");
    EXPECT_EQ(firstErrorLine(
                  "WARNING - ForceBeamColumn3d::update - failed\r\nLoadControl::update - model failed\r\n"),
              "WARNING - ForceBeamColumn3d::update - failed");
    EXPECT_EQ(firstErrorLine("couldn't read file \"GMX.txt\": no such file or directory\n"),
              "couldn't read file \"GMX.txt\": no such file or directory");
    EXPECT_EQ(firstErrorLine("\n    while executing\n\"element stdBrick 1 1 2 4 3 5 6 8 7 100\"\n"),
              "The solver stopped at the script line \"element stdBrick 1 1 2 4 3 5 6 8 7 100\"");
    EXPECT_EQ(
        firstErrorLine("analysis\nexpected integer but got \"x\"\n    while executing\n\"analyze x\"\n"),
        "expected integer but got \"x\" (at \"analyze x\")");
    // The interpreter's own failure: the last line of the traceback says what happened.
    EXPECT_EQ(
        firstErrorLine("Traceback (most recent call last):\n  File \"x.py\", line 1, in <module>\n"
                       "    raise InterpreterError(err) from None\n"
                       "opensees.tcl.InterpreterError: wrong # args: should be \"info script ?filename?\"\n"),
        "opensees.tcl.InterpreterError: wrong # args: should be \"info script ?filename?\"");
}

class JudgeSolverRun : public ::testing::Test {
  protected:
    ProcessOutcome cleanExit() const {
        ProcessOutcome outcome;
        outcome.exitCode = 0;
        outcome.out = "System\nanalysis\n";
        return outcome;
    }
    TempDir dir;
};

TEST_F(JudgeSolverRun, CleanExitWithEveryRecorderFileWrittenSucceeds) {
    test::writeFile(dir.file("node0.out"), "1 0 0 0\n");
    const SolverVerdict verdict = judgeSolverRun(cleanExit(), dir.path(), {"node0.out"}, {});
    EXPECT_FALSE(verdict.failed) << verdict.firstError;
}

TEST_F(JudgeSolverRun, ExitStatusZeroIsNotEnough) {
    ProcessOutcome outcome = cleanExit();
    outcome.err = "invalid command name \"foo\"\n";
    test::writeFile(dir.file("node0.out"), "1 0 0 0\n");
    const SolverVerdict verdict = judgeSolverRun(outcome, dir.path(), {"node0.out"}, {});
    EXPECT_TRUE(verdict.failed);
    EXPECT_EQ(verdict.firstError, "invalid command name \"foo\"");
}

// The solver names a missing record on standard output; Tcl then reports on standard error only
// the command that failed, in words that name no fault.
TEST_F(JudgeSolverRun, TheMessageThatNamesTheFaultWinsOverTheFailedCommand) {
    ProcessOutcome outcome = cleanExit();
    outcome.exitCode = 1;
    outcome.out = "recorder\nERROR Cannot open file GMX.txt\n      in <series> for -accel flag\n";
    outcome.err =
        "expected integer but got \"-dt\"\n    while executing\n\"pattern UniformExcitation 2 1\"\n";
    EXPECT_EQ(judgeSolverRun(outcome, dir.path(), {}, {}).firstError, "ERROR Cannot open file GMX.txt");
    outcome.out = "recorder\n";
    EXPECT_EQ(judgeSolverRun(outcome, dir.path(), {}, {}).firstError,
              "expected integer but got \"-dt\" (at \"pattern UniformExcitation 2 1\")");
}

// A nonlinear script checks its own stages: the warnings of a step that a fallback algorithm
// converged do not fail the run, and a stage that stopped is named by the script's own line.
TEST_F(JudgeSolverRun, ANonlinearScriptsOwnVerdictDecides) {
    test::writeFile(dir.file("node0.out"), "1 0 0 0\n");
    ProcessOutcome recovered = cleanExit();
    recovered.out =
        "pushover\nWARNING - ForceBeamColumn3d::update - failed to get compatible element forces\n"
        "   FAILURE :: Failed to update the model\n" +
        std::string(kAnalysisCompletedLine) + "\n";
    EXPECT_FALSE(judgeSolverRun(recovered, dir.path(), {"node0.out"}, {}).failed);
    // The completion line does not excuse a missing recorder file or a failing exit.
    EXPECT_TRUE(judgeSolverRun(recovered, dir.path(), {"node0.out", "ele0.out"}, {}).failed);
    recovered.exitCode = 1;
    EXPECT_TRUE(judgeSolverRun(recovered, dir.path(), {"node0.out"}, {}).failed);

    ProcessOutcome stopped = cleanExit();
    stopped.out = "WARNING - ForceBeamColumn3d::update - failed\n";
    stopped.err =
        "Displacement control stopped: step 98 of 200 did not converge\n    while executing\n\"if ...\"\n";
    const SolverVerdict verdict = judgeSolverRun(stopped, dir.path(), {"node0.out"}, {});
    EXPECT_TRUE(verdict.failed);
    EXPECT_EQ(verdict.firstError, "Displacement control stopped: step 98 of 200 did not converge");

    // A stage that ended at what it watches for is no failure; the steps split are counted over stages.
    ProcessOutcome ended = cleanExit();
    ended.out =
        "Step control: Load control took 10 steps, 2 subdivided, smallest step 1/4\n"
        "WARNING - failedStep control: Time history took 300.5 steps, 13 subdivided, smallest step 1/64\n"
        "Analysis ended: collapse, storey drift ratio 0.1002 in storey 1 at time 6.01 s (step 300.5 of "
        "500)\n";
    const SolverVerdict collapse = judgeSolverRun(ended, dir.path(), {"node0.out"}, {});
    EXPECT_TRUE(!collapse.failed && collapse.collapse());
    EXPECT_EQ(runEndSummary(collapse).substr(99), "15 steps were subdivided by the step control\n");
}

TEST_F(JudgeSolverRun, ExitStatusAndSignalFailTheRunEvenWithoutAMessage) {
    ProcessOutcome outcome = cleanExit();
    outcome.exitCode = 253;
    outcome.out.clear();
    EXPECT_EQ(judgeSolverRun(outcome, dir.path(), {}, {}).firstError,
              "The solver stopped with exit status 253");
    // Without a telling word, the last thing the solver said leads to the cause.
    outcome.out = "gravity\nanalysis\nNode::getEigenvectors() - eigenvectors have not been set\n\n";
    EXPECT_EQ(
        judgeSolverRun(outcome, dir.path(), {}, {}).firstError,
        "The solver stopped with exit status 253: Node::getEigenvectors() - eigenvectors have not been set");
    outcome.exitCode = -1;
    outcome.signal = 11;
    const SolverVerdict verdict = judgeSolverRun(outcome, dir.path(), {}, {});
    EXPECT_TRUE(verdict.failed);
    EXPECT_EQ(verdict.firstError.find("The solver was ended by signal 11"), 0u) << verdict.firstError;
    EXPECT_THAT(verdict.firstError, ::testing::Not(HasSubstr("eigenvectors")));
}

TEST_F(JudgeSolverRun, MissingEmptyOrStaleRecorderFilesFailTheRun) {
    EXPECT_EQ(judgeSolverRun(cleanExit(), dir.path(), {"node0.out"}, {}).firstError,
              "The solver did not write the recorder file node0.out");

    test::writeFile(dir.file("node0.out"), "");
    EXPECT_EQ(judgeSolverRun(cleanExit(), dir.path(), {"node0.out"}, {}).firstError,
              "The solver wrote no line to the recorder file node0.out");

    test::writeFile(dir.file("node0.out"), "1 0 0 0\n");
    const FileStamps before = stampFiles(dir.path(), {"node0.out", "absent.out"});
    EXPECT_EQ(before.count("absent.out"), 0u);
    EXPECT_THAT(judgeSolverRun(cleanExit(), dir.path(), {"node0.out"}, before).firstError,
                HasSubstr("left from an earlier run"));
}

TEST_F(JudgeSolverRun, FileRewrittenDuringTheRunCounts) {
    test::writeFile(dir.file("node0.out"), "old\n");
    const FileStamps before = stampFiles(dir.path(), {"node0.out"});
    std::filesystem::last_write_time(dir.file("node0.out"), before.at("node0.out") + std::chrono::seconds(1));
    EXPECT_FALSE(judgeSolverRun(cleanExit(), dir.path(), {"node0.out"}, before).failed);
}

// A stand-in program written by the test: a shell script that reports its arguments and folder.
std::string writeStandIn(const TempDir& dir, const std::string& body) {
    const std::string path = dir.file("stand-in");
    test::writeFile(path, "#!/bin/sh\n" + body);
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

TEST(RunProcess, PassesArgumentsUnsplitInTheWorkingFolderAndCapturesBothStreams) {
    TempDir dir;
    const std::filesystem::path work = dir.path() / "job folder";
    std::filesystem::create_directory(work);
    const std::string program = writeStandIn(dir, "echo \"$#|$1\"; pwd; echo oops >&2; cat; exit 3\n");
    const ProcessOutcome outcome = runProcess(program, {"a b; $(c)"}, work.string());
    EXPECT_EQ(outcome.exitCode, 3);
    EXPECT_EQ(outcome.signal, 0);
    // One argument, blanks and shell characters untouched; standard input is empty.
    EXPECT_EQ(outcome.out, "1|a b; $(c)\n" + std::filesystem::canonical(work).string() + "\n");
    EXPECT_EQ(outcome.err, "oops\n");
}

// A program started from a desktop launcher or a service may have no standard input at all; the
// solver must still get an empty one rather than none.
TEST(RunProcess, GivesTheChildAnEmptyInputWhenTheParentHasNone) {
    TempDir dir;
    const std::string program = writeStandIn(dir, "cat; echo done\n");
    const int savedInput = ::dup(STDIN_FILENO);
    ASSERT_GE(savedInput, 0);
    ::close(STDIN_FILENO);
    ProcessOutcome outcome;
    try {
        outcome = runProcess(program, {}, dir.path().string());
    } catch (...) {
        ::dup2(savedInput, STDIN_FILENO);
        ::close(savedInput);
        throw;
    }
    ::dup2(savedInput, STDIN_FILENO);
    ::close(savedInput);
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.out, "done\n");
    EXPECT_EQ(outcome.err, "");
}

TEST(RunProcess, DrainsLargeOutputOnBothStreamsWithoutBlocking) {
    TempDir dir;
    const std::string program =
        writeStandIn(dir, "i=0; while [ $i -lt 4000 ]; do echo \"out line $i of a long run\"; "
                          "echo \"err line $i of a long run\" >&2; i=$((i+1)); done\n");
    const ProcessOutcome outcome = runProcess(program, {}, dir.path().string());
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 4000);
    EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 4000);
}

TEST(RunProcess, ReportsSignalsAndProgramsThatCannotStart) {
    TempDir dir;
    const ProcessOutcome killed = runProcess(writeStandIn(dir, "kill -9 $$\n"), {}, dir.path().string());
    EXPECT_EQ(killed.signal, 9);
    EXPECT_EQ(killed.exitCode, -1);

    EXPECT_THROW(
        {
            try {
                runProcess(dir.file("no-such-solver"), {}, dir.path().string());
            } catch (const KelvaneError& error) {
                EXPECT_THAT(error.what(), HasSubstr("Cannot start the solver"));
                throw;
            }
        },
        KelvaneError);
    EXPECT_THROW(runProcess(writeStandIn(dir, "exit 0\n"), {}, dir.file("no-such-folder")), KelvaneError);
}

TEST(RunSolverOnScript, RunsInTheScriptsFolderAndChecksTheNamedRecorders) {
    TempDir dir;
    const std::filesystem::path job = dir.path() / "my job";
    std::filesystem::create_directory(job);
    test::writeFile((job / "frame.tcl").string(),
                    "recorder Node -file node0.out -time -nodeRange 1 2 -dof 1 2 3 disp\r\n"
                    "recorder Element -file ele0.out -time -eleRange 1 1 localForce\r\n");
    // A solver that writes only the first of the two files, in its working folder.
    const std::string solver = writeStandIn(dir, "[ -f \"$1\" ] || exit 9\necho '1 0 0 0' > node0.out\n");
    const SolverRun run = runSolverOnScript(solver, (job / "frame.tcl").string());
    EXPECT_EQ(run.outcome.exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(job / "node0.out"));
    EXPECT_TRUE(run.verdict.failed);
    EXPECT_EQ(run.verdict.firstError, "The solver did not write the recorder file ele0.out");

    EXPECT_THROW(runSolverOnScript(solver, (job / "missing.tcl").string()), KelvaneError);
}

TEST(RunCommand, RefusesToRunWhenNoSolverIsFound) {
    TempDir dir;
    const std::string cli = dir.file("kelvane-cli");
    std::filesystem::copy_file(test::binPath("kelvane-cli"), cli);
    test::writeFile(dir.file("model.tcl"), "puts hello\n");
    const test::CommandResult result =
        test::runCommand("PATH=" + dir.file("empty") + " XDG_DATA_HOME=" + dir.file("data") + " '" + cli +
                         "' run '" + dir.file("model.tcl") + "'");
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_THAT(result.err, HasSubstr("To install it for your user, run: kelvane-install-solver"));
    EXPECT_EQ(result.out, "");
}

} // namespace
} // namespace kelvane
