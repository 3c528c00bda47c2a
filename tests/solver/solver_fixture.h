#pragma once

#include "model/model_store.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace kelvane::test {

// A test that writes a script with kelvane-cli, runs the real OpenSees on it and reads back what
// it wrote, all in a fresh folder. Without an installed solver the test is skipped, except in CI
// (CI=true), where a missing solver is a failure.
class SolverTest : public ::testing::Test {
  protected:
    void SetUp() override;

    // kelvane-cli tcl MODEL -o FOLDER/NAME --set ...; an empty string when generation failed
    // (the failure is recorded).
    std::string writeScript(const std::string& modelPath, const std::vector<std::string>& settings,
                            const std::string& name = "model.tcl");
    // kelvane-cli run SCRIPT; records a failure with the solver's error line when the run failed.
    // A script writeScript wrote is then also written as Python, run by OpenSeesPy in a folder of
    // its own and its recorder files compared with the Tcl run's.
    bool runScript(const std::string& scriptPath);
    // Both steps; the script's path, or "" when either failed.
    std::string writeAndRun(const std::string& modelPath, const std::vector<std::string>& settings);

    // One load step of load case `loadCase` with the base reactions recorded, and `settings` after;
    // the model with its joints' displacements read back.
    ModelStore runLoadCase(const std::string& modelPath, int loadCase,
                           std::vector<std::string> settings = {});
    // The vertical reactions (UZ, every third value from the fourth) of the last step recorded.
    std::vector<double> verticalReactions() const;

    std::string folder() const { return dir_.path().string(); }
    const std::string& tclOutput() const { return tclOutput_; } // of the script writeScript wrote
    std::string file(const std::string& name) const { return dir_.file(name); }

  private:
    void runPythonTwin();
    void crossCheckFrameForces(const std::filesystem::path& tclFolder,
                               const std::filesystem::path& pythonFolder, const std::string& anyForceFile);

    TempDir dir_;
    std::string tclOutput_;
    // The script writeScript wrote last, and what it was written from.
    struct WrittenScript {
        std::string script;
        std::string model;
        std::vector<std::string> settings;
    } written_;
};

// The model as the importer reads it (either format), for the result readers.
ModelStore importedModel(const std::string& modelPath);
// The non-empty lines of a text file.
std::vector<std::string> nonEmptyLines(const std::string& path);
// The numbers of one line, separated by blanks.
std::vector<double> numbersOf(const std::string& line);
// A path quoted for the shell.
std::string shellQuoted(const std::string& text);

// A test name from a data file's name: the part before its first dot, '-' as '_'.
inline std::string testNameOfFile(std::string file) {
    file = file.substr(0, file.find('.'));
    for (char& c : file)
        if (c == '-')
            c = '_';
    return file;
}

} // namespace kelvane::test
