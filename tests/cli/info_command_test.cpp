#include "support/test_support.h"

#include <gtest/gtest.h>

using namespace kelvane::test;

namespace {

CommandResult info(const std::string& arguments) {
    return runCommand("'" + binPath("kelvane-cli") + "' info " + arguments);
}

} // namespace

// A version-6 model's report names the element type each section took from its name.
TEST(InfoCommand, PrintsEveryCountOfTheExampleInOrder) {
    const auto result = info("'" + std::string(KELVANE_SOURCE_DIR) + "/examples/three-storey-rc-frame.s2k'");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "nodeCount=40\nframeCount=65\nshellCount=12\nareaCount=12\nsolidCount=-1\nmaterialCount=2\n"
              "frameSectionCount=7\nshellSectionCount=2\ndiaphragmCount=3\nloadCount=39\nloadCaseCount=2\n"
              "massX=604.844\nmassY=604.844\nmassZ=604.844\nmassUnit=force-s2/length of the file\n");
    EXPECT_EQ(result.err, "Element types from the first letter of each section's name:\n"
                          "  NC500X500: Nonlinear BeamColumn (first letter N)\n"
                          "  DC450X450: Disp BeamColumn (first letter D)\n"
                          "  NB300X600: Nonlinear BeamColumn (first letter N)\n"
                          "  HB300X600: Beam with Hinge (first letter H)\n"
                          "  EB300X500: Elastic BeamColumn (first letter E)\n"
                          "  TBR168X8: Truss (first letter T)\n"
                          "  RGUSSET: Rigid Link (first letter R)\n");
}

TEST(InfoCommand, MissingTablesPrintTheRawCounts) {
    const auto result = info("'" + dataPath("import/no-joint-table.s2k") + "'");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "nodeCount=-1\nframeCount=-1\nshellCount=0\nareaCount=-1\nsolidCount=-1\nmaterialCount=1\n"
              "frameSectionCount=1\nshellSectionCount=-1\ndiaphragmCount=0\nloadCount=0\nloadCaseCount=0\n"
              "massX=0\nmassY=0\nmassZ=0\nmassUnit=force-s2/length of the file\n");
}

TEST(InfoCommand, FailuresPrintTheMessageAloneAndExitWithOne) {
    const auto bad = info("'" + dataPath("import/material-poisson-minus-one.s2k") + "'");
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "Floating point division by zero (table MATERIAL, line 9)\n");

    TempDir folder;
    const std::string missing = folder.file("missing.s2k");
    const auto absent = info("'" + missing + "'");
    EXPECT_EQ(absent.exitCode, 1);
    EXPECT_EQ(absent.err, "Cannot open file \"" + missing + "\". No such file or directory\n");

    EXPECT_EQ(info("").exitCode, 2);
}

TEST(InfoCommand, FilesWithoutTheTablesOfAModelAreRefused) {
    TempDir folder;
    for (const auto& [name, content] :
         {std::pair{"empty.s2k", std::string()}, std::pair{"notes.txt", std::string("JOINT \nnotes\n")},
          std::pair{"photo.png", std::string("\x89PNG\r\n\x1a\n\0\0", 10)}}) {
        const std::string path = folder.file(name);
        writeFile(path, content);
        const auto refused = info("'" + path + "'");
        EXPECT_EQ(refused.exitCode, 1) << name;
        EXPECT_EQ(refused.out, "");
        EXPECT_EQ(refused.err, "The file \"" + path + "\" holds none of the tables of a SAP2000 model\n");
    }
}

TEST(InfoCommand, TableFormatFilesPrintTheCountsThenTheImportReportOnStandardError) {
    const auto result = info("'" + dataPath("tables/cantilever-rotated-kip-in.s2k") + "'");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "nodeCount=2\nframeCount=1\nshellCount=0\nareaCount=0\nsolidCount=0\nmaterialCount=1\n"
              "frameSectionCount=1\nshellSectionCount=0\ndiaphragmCount=0\nloadCount=4\nloadCaseCount=3\n"
              "massX=0\nmassY=0\nmassZ=0\nmassUnit=Kip-s2/in\n");
    EXPECT_EQ(result.err.rfind("SAP2000 table-format import\nUnits: Kip, in, F converted to N and mm\n", 0),
              0u)
        << result.err;
    EXPECT_NE(result.err.find("\n  FRAME LOCAL AXES ASSIGNMENTS 1 - TYPICAL: 1 row\n"), std::string::npos);
    EXPECT_NE(result.err.find("\nNot carried: nothing\n"), std::string::npos);

    TempDir folder;
    writeFile(folder.file("bad.$2k"), "TABLE:  \"JOINT COORDINATES\"\n   Joint=1   XorR=x\n");
    const auto bad = info("'" + folder.file("bad.$2k") + "'");
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err,
              "Table \"JOINT COORDINATES\", line 2: XorR: 'x' is not a valid floating point value\n");
}

// The example building carries every table of analysis meaning: its report lists nothing left out.
TEST(InfoCommand, TheTableFormatExampleReportsThatItCarriesEverything) {
    const auto result = info("'" + std::string(KELVANE_SOURCE_DIR) + "/examples/seven-storey-office.s2k'");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "nodeCount=103\nframeCount=203\nshellCount=42\nareaCount=42\nsolidCount=0\nmaterialCount=3\n"
              "frameSectionCount=4\nshellSectionCount=1\ndiaphragmCount=7\nloadCount=609\nloadCaseCount=4\n"
              "massX=1121.04\nmassY=1121.04\nmassZ=1121.04\nmassUnit=KN-s2/m\n");
    const std::string tail = "Joints created for diaphragms: 7 (~FLOOR1, ~FLOOR2, ~FLOOR3, ~FLOOR4, ~FLOOR5, "
                             "~FLOOR6, ~FLOOR7)\nNot carried: nothing\n";
    ASSERT_GE(result.err.size(), tail.size());
    EXPECT_EQ(result.err.substr(result.err.size() - tail.size()), tail) << result.err;
}
