#include "common/error.h"
#include "script/model_builder.h"
#include "script/script_generator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

// What a model with nonlinear materials adds to the script: the material lines, elastic springs for
// rigid links whose material is nonlinear, and static stages that take their steps one by one.
namespace kelvane {
namespace {

using test::contains;
using ::testing::HasSubstr;

// A steel column (fiber section) and a rigid link of the same steel; a concrete material too.
ModelStore steelModel() {
    ModelStore store;
    test::addNode(store, 0, 0, 0);
    test::addNode(store, 0, 0, 3000);
    test::addNode(store, 0, 0, 3000);
    TMAT& steel = test::addMaterial(store, "STEEL", 200000, 0.3);
    steel.model = ModelSteel02;
    steel.parameters.Fy = 355, steel.parameters.E0 = 200000, steel.parameters.b = 0.01;
    steel.parameters.R0 = 18, steel.parameters.cR1 = 0.925, steel.parameters.cR2 = 0.15;
    TMAT& concrete = test::addMaterial(store, "CONC", 30000, 0.2);
    concrete.model = ModelConcrete01;
    concrete.parameters.fpc = 30, concrete.parameters.epsc0 = 0.002, concrete.parameters.fpcu = 0;
    concrete.parameters.epsU = 0.0035;
    test::addRectangle(store, "NCOL", NonlinearBeamColumn, 300, 300, 1);
    test::addRectangle(store, "RLINK", RigidLink, 300, 300, 1);
    test::addFrame(store, 1, 2, 1);
    test::addFrame(store, 2, 3, 2).release = 1;
    store.nodes[1].restraint = {0, 1, 1, 1, 1, 1, 1};
    test::addLoadCase(store, "PUSH");
    test::addLoad(store, "PUSH", LoadJointForce, 2).fx = 1000;
    return store;
}

TEST(NonlinearMaterialScript, WritesEachModelAndKeepsRigidLinksElastic) {
    ModelStore store = steelModel();
    const ScriptLines lines = generateScript(store, {}, {});
    EXPECT_TRUE(contains(lines, "uniaxialMaterial Steel02 1 355 200000 0.01 18 0.925 0.15"));
    EXPECT_TRUE(contains(lines, "uniaxialMaterial Concrete01 2 -30 -0.002 0 -0.0035"));
    EXPECT_TRUE(contains(lines, "uniaxialMaterial Elastic 502 200000"));
    EXPECT_TRUE(contains(lines, "element zeroLength 2 2 3 -mat 502 502 502 -dir 4 5 6"));

    store.materials[1].model = ModelElastic;
    const ScriptLines elastic = generateScript(store, {}, {});
    EXPECT_TRUE(contains(elastic, "element zeroLength 2 2 3 -mat 1 1 1 -dir 4 5 6"));
    EXPECT_FALSE(contains(elastic, "uniaxialMaterial Elastic 502 200000"));
}

TEST(NonlinearMaterialScript, RefusesParametersTheSolverCannotUse) {
    ModelStore store = steelModel();
    store.materials[2].parameters.epsU = 0.001;
    try {
        generateScript(store, {}, {});
        ADD_FAILURE() << "an impossible concrete was written";
    } catch (const KelvaneError& e) {
        EXPECT_STREQ(e.what(), "Material 2 (CONC): epsU must be beyond epsc0");
    }
}

// Every procedure takes its steps under step control: the test and step size of the procedure,
// the algorithms in turn, the end it watches for, and the line that says how it ended.
TEST(NonlinearMaterialScript, ProceduresTakeTheirStepsUnderStepControl) {
    const std::string algorithms =
        "    foreach kvAlgorithm {{Newton} {Newton -initial} {ModifiedNewton -initial} "
        "{KrylovNewton} {NewtonLineSearch 0.8} {BFGS}} {";
    struct Case {
        std::int32_t type;
        const char *stepLoop, *stepLine, *watch; // the loop, a step's own line, the end it watches for
    } const cases[] = {
        {SingleLoadControl, "while {$ok == 0 && $step < 100} {",
         "    integrator LoadControl [expr {$kvSize * 0.01}]", ""},
        {SingleDisplacementControl, "while {$ok == 0 && $step < 40} {",
         "    integrator DisplacementControl 2 1 [expr {$kvSize * 0.1}]",
         "    if {$kvForce < 0.8 * $kvPeak} {"},
        {TimeHistoryAnalysis, "while {$ok == 0 && $step < 1000} {",
         "        set ok [analyze 1 [expr {$kvSize * 0.02}]]",
         "    foreach {kvBelow kvAbove kvHeight} {1 2 3000} {"},
    };
    ModelStore store = steelModel();
    for (const Case& c : cases) {
        AnalysisSettings analysis;
        analysis.analysisType = c.type;
        analysis.controlNode = 2;
        analysis.dispSteps = 40;
        const ScriptLines lines = generateScript(store, analysis, {});
        // 1e-8 of the 3000 mm column, and the forces it leaves on 1e6 N/mm
        EXPECT_TRUE(contains(lines, "test NormDispAndUnbalance 3e-05 30 100 0")) << c.type;
        EXPECT_TRUE(contains(lines, c.stepLoop)) << c.type;
        EXPECT_TRUE(contains(lines, c.stepLine)) << c.type;
        EXPECT_TRUE(contains(lines, algorithms)) << c.type;
        const bool watches = std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
            return line.starts_with("        set kvEnd [format \"Analysis ended: ");
        });
        EXPECT_EQ(*c.watch != '\0', watches) << c.type;
        EXPECT_TRUE(*c.watch == '\0' || contains(lines, c.watch)) << c.type;
        EXPECT_EQ(
            lines.back(),
            "if {$kvEnd ne \"\"} {puts $kvEnd} else {puts \"Analysis completed: every step converged\"}");
    }

    AnalysisSettings analysis;
    analysis.analysisType = SingleDisplacementControl;
    analysis.controlNode = 2;
    analysis.dispSteps = 40;
    analysis.elementIterations = 30;
    EXPECT_TRUE(contains(generateScript(store, analysis, {}),
                         "element nonlinearBeamColumn 1 1 2 3 1 1 -iter 30 0.0009"));

    for (TMAT& material : store.materials)
        material.model = ModelElastic;
    const ScriptLines elastic = generateScript(store, analysis, {});
    EXPECT_EQ(elastic.back(), "analyze 40");
    EXPECT_FALSE(contains(elastic, "set ok 0"));
}

} // namespace
} // namespace kelvane
