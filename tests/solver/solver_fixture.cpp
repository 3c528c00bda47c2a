#include "solver/solver_fixture.h"

#include "common/number_parse.h"
#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/model_import.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace kelvane::test {

namespace {

bool runningInCi() {
    const char* ci = std::getenv("CI");
    return ci != nullptr && std::string(ci) == "true";
}

// Runs the installed launcher on a one-line script; an empty string when the solver works, else
// what went wrong. Checked once per test process.
std::string solverProblem() {
    static const std::string problem = [] {
        const std::string launcher = binPath("opensees");
        if (!std::filesystem::exists(launcher))
            return "no solver launcher at " + launcher;
        TempDir probe;
        writeFile(probe.file("probe.tcl"), "model basic -ndm 3 -ndf 6\nnode 1 0 0 0\nputs solver-ready\n");
        const CommandResult run = runCommand(shellQuoted(launcher) + " " + shellQuoted(probe.file("probe.tcl")));
        if (run.exitCode != 0 || run.out.find("solver-ready") == std::string::npos)
            return "the solver launcher does not run: " + run.err;
        return std::string();
    }();
    return problem;
}

} // namespace

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') quoted += "'\\''";
        else quoted += c;
    }
    return quoted + "'";
}

void SolverTest::SetUp() {
    const std::string problem = solverProblem();
    if (problem.empty()) return;
    const std::string advice = "OpenSees is not installed (" + problem +
                               "); scripts/setup.sh installs it, then re-run cmake";
    if (runningInCi()) FAIL() << advice;
    GTEST_SKIP() << advice;
}

std::string SolverTest::writeScript(const std::string& modelPath, const std::vector<std::string>& settings,
                                    const std::string& name) {
    std::string command = shellQuoted(binPath("kelvane-cli")) + " tcl " + shellQuoted(modelPath) + " -o " +
                          shellQuoted(file(name));
    for (const auto& setting : settings) command += " --set " + shellQuoted(setting);
    const CommandResult result = runCommand(command);
    if (result.exitCode != 0) {
        ADD_FAILURE() << "kelvane-cli tcl failed (" << result.exitCode << "): " << result.err;
        return {};
    }
    return file(name);
}

bool SolverTest::runScript(const std::string& scriptPath) {
    const CommandResult result = runCommand(shellQuoted(binPath("kelvane-cli")) + " run " + shellQuoted(scriptPath));
    if (result.exitCode != 0) {
        ADD_FAILURE() << "the solver run failed (" << result.exitCode << "): " << result.err;
        return false;
    }
    return true;
}

std::string SolverTest::writeAndRun(const std::string& modelPath, const std::vector<std::string>& settings) {
    const std::string script = writeScript(modelPath, settings);
    if (script.empty() || !runScript(script)) return {};
    return script;
}

ModelStore importedModel(const std::string& modelPath) {
    return importModelFile(modelPath, initPalette()).store;
}

std::vector<std::string> nonEmptyLines(const std::string& path) {
    std::vector<std::string> lines;
    for (auto& line : loadLines(path))
        if (line.find_first_not_of(" \t") != std::string::npos) lines.push_back(line);
    return lines;
}

std::vector<double> numbersOf(const std::string& line) {
    std::vector<double> numbers;
    std::istringstream words(line);
    std::string word;
    while (words >> word) numbers.push_back(parseReal(word));
    return numbers;
}

} // namespace kelvane::test
