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

TEST(NonlinearMaterialScript, StaticStagesRetryStepsAndReportCompletion) {
    ModelStore store = steelModel();
    AnalysisSettings analysis;
    analysis.analysisType = SingleDisplacementControl;
    analysis.controlNode = 2;
    analysis.dispSteps = 40;
    const ScriptLines lines = generateScript(store, analysis, {});
    const auto integrator =
        std::find(lines.begin(), lines.end(), "integrator DisplacementControl 2 1 1.000E-001");
    ASSERT_NE(integrator, lines.end());
    EXPECT_EQ(*(integrator + 2), "set ok 0");
    EXPECT_TRUE(contains(lines, "while {$ok == 0 && $step < 40} {"));
    EXPECT_TRUE(contains(lines, "        algorithm ModifiedNewton -initial"));
    EXPECT_TRUE(contains(lines,
                         "if {$ok != 0} {error \"Displacement control stopped: step [expr {$step + 1}] of 40 "
                         "did not converge\"}"));
    EXPECT_EQ(lines.back(), "puts \"Analysis completed: every step converged\"");

    for (TMAT& material : store.materials)
        material.model = ModelElastic;
    const ScriptLines elastic = generateScript(store, analysis, {});
    EXPECT_EQ(elastic.back(), "analyze 40");
    EXPECT_FALSE(contains(elastic, "set ok 0"));
}

} // namespace
} // namespace kelvane
