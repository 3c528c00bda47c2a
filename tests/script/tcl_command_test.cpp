#include "support/test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

namespace kelvane {
namespace {

const std::string kMixed = std::string(KELVANE_TEST_DATA) + "/tcl/mixed_sections.s2k";

test::CommandResult runTcl(const std::string& arguments) {
    return test::runCommand("'" + test::binPath("kelvane-cli") + "' tcl " + arguments);
}

TEST(TclCommand, AppliesSettingsAndSectionFieldsAndWritesCrLfScript) {
    test::TempDir folder;
    const std::string out = folder.file("mixed.tcl");
    const test::CommandResult result =
        runTcl("'" + kMixed + "' -o '" + out +
               "' --set section.2.sectionKind=1 --set section.2.barNumNX=3 --set section.2.barNumNY=2"
               " --set section.2.topBar=900 --set section.2.bottomBar=600 --set section.1.geomTransf=2"
               " --set section.1.divideFX=3 --set section.1.divideFY=4 --set section.3.hingeLengthI=350.6"
               " --set section.3.geomTransf=3 --set section.5.divideFX=8 --set useAggregator=on --set "
               "rebarMaterial=1");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    // The model's membrane area is drawn but not written.
    EXPECT_EQ(result.err, "Warning: 1 area is not written (no section, or a section that is not a shell)\n");
    EXPECT_TRUE(test::readFile(out) == test::readFile(test::goldenPath("tcl/mixed_aggregator.tcl")))
        << "the command's script differs from the golden mixed_aggregator.tcl";
}

// A project written by `project` gives the script that its settings give on the command line;
// settings given after --project change what the project set.
TEST(TclCommand, AProjectGivesTheSameScriptAsItsSettings) {
    test::TempDir folder;
    const std::string model = folder.file("model.s2k");
    std::filesystem::copy_file(kMixed, model);
    const std::string settings =
        " --set materialDefaults=nonlinear --set section.2.elementType=2"
        " --set section.2.coreMaterial=1 --set analysisType=2 --set controlNode=9 --set dispSteps=7";
    const std::string project = folder.file("p.kelvane");
    const test::CommandResult saved = test::runCommand("'" + test::binPath("kelvane-cli") + "' project '" +
                                                       model + "' -o '" + project + "'" + settings);
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    ASSERT_EQ(runTcl("'" + model + "' -o '" + folder.file("direct.tcl") + "'" + settings).exitCode, 0);
    const test::CommandResult fromProject =
        runTcl("'" + model + "' --project '" + project + "' -o '" + folder.file("project.tcl") + "'");
    ASSERT_EQ(fromProject.exitCode, 0) << fromProject.err;
    EXPECT_EQ(fromProject.err,
              "Warning: 1 area is not written (no section, or a section that is not a shell)\n");
    EXPECT_TRUE(test::readFile(folder.file("project.tcl")) == test::readFile(folder.file("direct.tcl")));
    ASSERT_EQ(runTcl("'" + model + "' --project '" + project + "' --set dispSteps=9 -o '" +
                     folder.file("later.tcl") + "'")
                  .exitCode,
              0);
    EXPECT_NE(test::readFile(folder.file("later.tcl")).find("$step < 9}"), std::string::npos);
}

// Every command that takes --set takes --project too, and reads the project before the settings.
TEST(TclCommand, CommandsWithSettingsReadTheProject) {
    test::TempDir folder;
    const std::string missing = folder.file("missing.kelvane");
    for (const std::string& command : {"tcl '" + kMixed + "' -o '" + folder.file("m.tcl") + "'",
                                       "results '" + kMixed + "' '" + folder.path().string() + "' --step 1",
                                       "render '" + kMixed + "' -o '" + folder.file("m.png") + "'",
                                       "project '" + kMixed + "' -o '" + folder.file("m.kelvane") + "'"}) {
        const test::CommandResult result = test::runCommand("'" + test::binPath("kelvane-cli") + "' " +
                                                            command + " --project '" + missing + "'");
        EXPECT_EQ(result.exitCode, 1) << command;
        EXPECT_NE(result.err.find("Cannot open file \"" + missing + "\""), std::string::npos)
            << command << ": " << result.err;
    }
}

// A PEER NGA record is converted beside the script, which names the converted file and the
// record's time step; the record's own folder is left alone.
TEST(TclCommand, APeerRecordIsConvertedBesideTheScript) {
    test::TempDir folder;
    const std::string record = std::string(KELVANE_TEST_DATA) + "/records/west2-header.AT2";
    const test::CommandResult result =
        runTcl("'" + kMixed + "' -o '" + folder.file("th.tcl") +
               "' --set analysisType=5 --set gmFactor=2 --set gmFile=" + record);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string script = test::readFile(folder.file("th.tcl"));
    EXPECT_NE(script.find("set iGMfile \"west2-header.txt\";\r\nset iGMdirection \"1\"; \r\n"
                          "set iGMfact \"2\";  \r\nset dt 0.005;   \r\n"),
              std::string::npos);
    EXPECT_EQ(test::readFile(folder.file("west2-header.txt")),
              "98.0665\r\n196.133\r\n-294.1995\r\n392.266\r\n-490.3325\r\n588.399\r\n0\r\n");
    EXPECT_FALSE(std::filesystem::exists(std::string(KELVANE_TEST_DATA) + "/records/west2-header.txt"));

    // The Python twin does the same in a folder of its own.
    test::TempDir pythonFolder;
    const test::CommandResult python = test::runCommand(
        "'" + test::binPath("kelvane-cli") + "' py '" + kMixed + "' -o '" + pythonFolder.file("th.py") +
        "' --set analysisType=5 --set gmFactor=2 --set gmFile=" + record);
    ASSERT_EQ(python.exitCode, 0) << python.err;
    EXPECT_NE(test::readFile(pythonFolder.file("th.py"))
                  .find("iGMfile = 'west2-header.txt'\r\niGMdirection = 1\r\niGMfact = 2\r\ndt = 0.005\r\n"),
              std::string::npos);
    EXPECT_EQ(test::readFile(pythonFolder.file("west2-header.txt")),
              test::readFile(folder.file("west2-header.txt")));

    const test::CommandResult missing = runTcl("'" + kMixed + "' -o '" + folder.file("none.tcl") +
                                               "' --set analysisType=5 --set gmFile=nowhere.AT2");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err.rfind("Cannot open file \"" + folder.file("nowhere.AT2") + "\"", 0), 0u)
        << missing.err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("none.tcl")));
}

TEST(TclCommand, GenerationFailurePrintsTheMessageAloneAndKeepsThePreviousFile) {
    test::TempDir folder;
    const std::string out = folder.file("kept.tcl");
    test::writeFile(out, "previous script\r\n");
    const std::string model = "'" + kMixed + "' -o '" + out + "'";

    const std::pair<std::string, std::string> failures[] = {
        {" --set section.2.sectionKind=1 --set section.2.barNumNX=1", "Floating point division by zero\n"},
        {" --set loadSteps=0 --set loadFactor=0", "Invalid floating point operation\n"},
        {" --set section.1.cover=abc", "'abc' is not a valid floating point value\n"},
        {" --set section.10.cover=40", "Frame section 10 does not exist: the model has 9 frame sections\n"},
        {" --set storeys=3", "Unknown setting 'storeys'\n"},
    };
    for (const auto& [settings, message] : failures) {
        const test::CommandResult result = runTcl(model + settings);
        EXPECT_EQ(result.exitCode, 1) << settings;
        EXPECT_EQ(result.err, message) << settings;
    }

    EXPECT_EQ(test::readFile(out), "previous script\r\n");
    // The script is written under a temporary name while it is generated; none is left behind.
    const auto entries = std::distance(std::filesystem::directory_iterator(folder.path()),
                                       std::filesystem::directory_iterator());
    EXPECT_EQ(entries, 1);
}

TEST(TclCommand, MalformedCommandLinesAreUsageErrors) {
    EXPECT_EQ(runTcl("'" + kMixed + "'").exitCode, 2);
    EXPECT_EQ(runTcl("'" + kMixed + "' -o x.tcl --set loadSteps").exitCode, 2);
    EXPECT_EQ(runTcl("'" + kMixed + "' -o x.tcl --set").exitCode, 2);
}

} // namespace
} // namespace kelvane
