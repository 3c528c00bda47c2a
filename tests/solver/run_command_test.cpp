#include "solver/solver_fixture.h"

#include <filesystem>

namespace kelvane::test {
namespace {

// kelvane-cli run with the real solver: its verdict and where the solver works.
class RunCommandTest : public SolverTest {
protected:
    CommandResult run(const std::string& script) {
        return runCommand(shellQuoted(binPath("kelvane-cli")) + " run " + shellQuoted(script));
    }
};

TEST_F(RunCommandTest, ScriptInAFolderWithBlanksRunsThereAndWritesItsFiles) {
    const std::filesystem::path job = std::filesystem::path(folder()) / "job [1] $x";
    std::filesystem::create_directory(job);
    const std::string script = (job / "portal frame.tcl").string();
    writeFile(script, "model basic -ndm 3 -ndf 6\r\nnode 1 0 0 0\r\nfix 1 1 1 1 1 1 1\r\n"
                      "recorder Node -file node0.out -time -nodeRange 1 1 -dof 1 2 3 disp\r\n"
                      "puts \"done\"\r\nrecord\r\n");
    const CommandResult result = run(script);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "done\n");
    EXPECT_EQ(nonEmptyLines((job / "node0.out").string()).size(), 1u);
}

TEST_F(RunCommandTest, TclErrorFailsWithTheSolversFirstErrorLine) {
    writeFile(file("broken.tcl"), "model basic -ndm 3 -ndf 6\nnode 1 0 0 0\nnodee 2 0 0 0\n");
    const CommandResult result = run(file("broken.tcl"));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "invalid command name \"nodee\"\n");
}

TEST_F(RunCommandTest, AnalysisThatDoesNotConvergeFailsThoughTheScriptRunsToItsEnd) {
    // A free node: the stiffness matrix is singular, every step fails, the script goes on.
    writeFile(file("unstable.tcl"),
              "model basic -ndm 1 -ndf 1\nnode 1 0\nnode 2 1\nuniaxialMaterial Elastic 1 1\n"
              "element zeroLength 1 1 2 -mat 1 -dir 1\n"
              "recorder Node -file node0.out -time -node 2 -dof 1 disp\n"
              "pattern Plain 1 Linear { load 2 1 }\nsystem BandGeneral\nnumberer Plain\nconstraints Plain\n"
              "test EnergyIncr 1.0e-6 20\nalgorithm Newton\nintegrator LoadControl 0.1\nanalysis Static\n"
              "analyze 2\nputs after\n");
    const CommandResult result = run(file("unstable.tcl"));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_FALSE(result.err.empty());
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line expected: " << result.err;
}

TEST_F(RunCommandTest, MissingGroundMotionFileFailsTheRun) {
    writeFile(file("motion.tcl"),
              "model basic -ndm 1 -ndf 1\nnode 1 0\nfix 1 1\n"
              "set AccelSeries \"Series -dt 0.02 -filePath GMX.txt -factor 1\"\n"
              "pattern UniformExcitation 2 1 -accel $AccelSeries\n");
    const CommandResult result = run(file("motion.tcl"));
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_FALSE(result.err.empty());
}

} // namespace
} // namespace kelvane::test
