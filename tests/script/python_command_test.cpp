#include "script/python_command.h"
#include "script/script_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

// A command's Python form comes from the same template and values as its Tcl line.
namespace kelvane {
namespace {

using ::testing::ElementsAre;

std::vector<std::string> python(std::string_view lineTemplate, std::initializer_list<ScriptArg> args) {
    std::vector<std::string> lines;
    appendPythonCommand(lines, lineTemplate, args);
    return lines;
}

TEST(PythonCommand, WordsBecomeArgumentsOfTheirKind) {
    // Value placeholders are numbers in the Tcl format; literal words are numbers when they read as
    // one; mixed words, quoted words and names are strings; a %s value splits into its words.
    EXPECT_THAT(python("node %D %0.4E %0.4E %0.4E", {1, 0.0, 3000.0, -1500.0}),
                ElementsAre("ops.node(1, 0.000E+000, 3.000E+003, -1.500E+003)"));
    EXPECT_THAT(python("geomTransf %s %D %0.3F %0.3F %0.3F ", {"PDelta", 7, 0.0, 0.0, 1.0}),
                ElementsAre("ops.geomTransf('PDelta', 7, 0.000, 0.000, 1.000)"));
    EXPECT_THAT(
        python("recorder Node -file node%d.out -time -nodeRange %D %D -dof 1 2 3 disp", {0, 1, 100}),
        ElementsAre("ops.recorder('Node', '-file', 'node0.out', '-time', '-nodeRange', 1, 100, '-dof', 1, "
                    "2, 3, 'disp')"));
    EXPECT_THAT(
        python("recorder Node -file eigen%d_node%d.out -time -nodeRange %D %D -dof 1 2 3 \"eigen %D\"",
               {2, 0, 1, 40, 2}),
        ElementsAre("ops.recorder('Node', '-file', 'eigen2_node0.out', '-time', '-nodeRange', 1, 40, '-dof', "
                    "1, 2, 3, 'eigen 2')"));
    EXPECT_THAT(
        python("recorder Node -file reaction%d.out -time -node %s -dof 1 2 3 reaction", {0, "1 2 17"}),
        ElementsAre("ops.recorder('Node', '-file', 'reaction0.out', '-time', '-node', 1, 2, 17, '-dof', 1, "
                    "2, 3, 'reaction')"));
    EXPECT_THAT(python("fix %D %D %D %D;", {5, 1, 1, 0}), ElementsAre("ops.fix(5, 1, 1, 0)"));
    EXPECT_THAT(python("test EnergyIncr 1.0e-6 200", {}), ElementsAre("ops.test('EnergyIncr', 1.0e-6, 200)"));
    EXPECT_THAT(python("puts \"rigidDiaphragm\"", {}), ElementsAre("print('rigidDiaphragm')"));
    EXPECT_THAT(python("##%S ", {"B'300"}), ElementsAre("##B'300"));
    EXPECT_THAT(python("uniaxialMaterial Elastic %d %0.4e", {3, 2.0e5}),
                ElementsAre("ops.uniaxialMaterial('Elastic', 3, 2.000E+005)"));
}

TEST(PythonCommand, BlocksAndTheFormsOpenSeesPyWants) {
    EXPECT_THAT(python("section Fiber %D -GJ %0.4E {", {4, 1.0e9}),
                ElementsAre("ops.section('Fiber', 4, '-GJ', 1.000E+009)"));
    EXPECT_TRUE(python("}", {}).empty());
    EXPECT_THAT(python("pattern Plain %D Linear {", {2}),
                ElementsAre("ops.timeSeries('Linear', 2)", "ops.pattern('Plain', 2, 2)"));
    EXPECT_THAT(python("element dispBeamColumn %d %d %d %d %d %d", {3, 5, 6, 4, 1003, 3}),
                ElementsAre("ops.beamIntegration('Lobatto', 3, 1003, 4)",
                            "ops.element('dispBeamColumn', 3, 5, 6, 3, 3)"));
    EXPECT_EQ(pythonString("it's \\ here"), "'it\\'s \\\\ here'");
    EXPECT_THROW(python("node %D %0.4E", {1}), std::logic_error);
    EXPECT_THROW(python("node %D", {1.5}), std::logic_error);
}

// The writer prints the same calls in either language; the procedure's own logic comes in each
// language's own lines, and block comments only in Python.
TEST(PythonCommand, TheWriterPrintsEitherLanguage) {
    ScriptLines tcl, py;
    for (auto [lines, language] :
         {std::pair{&tcl, ScriptLanguage::Tcl}, std::pair{&py, ScriptLanguage::Python}}) {
        ScriptWriter out(*lines, language);
        out.blockComment("Nodes");
        out.line("node %D %0.4E %0.4E %0.4E", {1, 0.0, 0.0, 0.0});
        out.text("analysis Static");
        out.scriptLine("set numModes %d", "numModes = %d", {6});
        out.script({"record"}, {"ops.record()"});
    }
    EXPECT_THAT(tcl, ElementsAre("node 1 0.000E+000 0.000E+000 0.000E+000", "analysis Static",
                                 "set numModes 6", "record"));
    EXPECT_THAT(py, ElementsAre("# Nodes", "ops.node(1, 0.000E+000, 0.000E+000, 0.000E+000)",
                                "ops.analysis('Static')", "numModes = 6", "ops.record()"));
}

} // namespace
} // namespace kelvane
