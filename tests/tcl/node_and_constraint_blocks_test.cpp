#include "common/error.h"
#include "tcl/model_builder.h"
#include "tcl/script_generator.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

using test::between;
using test::contains;

ScriptLines generate(ModelStore& store, AnalysisSettings analysis = {}) {
    return generateScript(store, analysis, RecorderSettings{});
}

TEST(EmptyModel, WritesPreludeHeadersAndTheProcedureOnly) {
    ModelStore store;
    const ScriptLines expected = {"wipe",
                                  "puts \"System\"",
                                  "model basic -ndm 3 -ndf 6",
                                  "puts \"restraint\"",
                                  "puts \"rigidDiaphragm\"",
                                  "puts \"mass\"",
                                  "puts \"node\"",
                                  "puts \"Equal DOF\"",
                                  "puts \"material\"",
                                  "",
                                  "puts \"transformation\"",
                                  "puts \"element\"",
                                  "puts \"shell element\"",
                                  "puts \"SOLID element\"",
                                  "puts \"recorder\"",
                                  "puts \"loading\"",
                                  "## Load Case = ",
                                  "pattern Plain 1 Linear {",
                                  "}",
                                  "puts \"analysis\"",
                                  "constraints Plain",
                                  "numberer Plain",
                                  "system BandGeneral",
                                  "test EnergyIncr 1.0e-6 200",
                                  "algorithm Newton",
                                  "integrator LoadControl 1.000E-002",
                                  "analysis Static",
                                  "analyze 100"};
    EXPECT_EQ(generate(store), expected);
    // A second generation gives the same lines, not twice as many.
    EXPECT_EQ(generate(store), expected);
}

TEST(NodeBlock, CoordinatesTiesMassesAndFixities) {
    ModelStore store;
    test::addNode(store, 0, 3000, -1500);
    for (int i = 2; i <= 7; ++i)
        test::addNode(store, i * 100.0, 0, 0);
    store.nodes[2].tiedTo = 7;
    store.nodes[3].mass = {0, 0, 5, 0, 0, 0, 0}; // no U1 mass: no line
    store.nodes[4].mass = {0, 2.5, 2.5, 0, 0, 0, 1};
    store.nodes[5].restraint = {0, 1, 1, 1, 0, 0, 0};
    const ScriptLines lines = generate(store);
    const ScriptLines expected = {
        "puts \"restraint\"",
        "node 1 0.000E+000 3.000E+003 -1.500E+003",
        "node 2 7.000E+002 0.000E+000 0.000E+000",
        "node 3 3.000E+002 0.000E+000 0.000E+000",
        "node 4 4.000E+002 0.000E+000 0.000E+000",
        "node 5 5.000E+002 0.000E+000 0.000E+000",
        "node 6 6.000E+002 0.000E+000 0.000E+000",
        "node 7 7.000E+002 0.000E+000 0.000E+000",
        "puts \"rigidDiaphragm\"",
        "puts \"mass\"",
        "mass 4 2.500E+000 2.500E+000 0.000E+000 0.000E+000 0.000E+000 1.000E+000",
        "puts \"node\"",
        "fix 5 1 1 1 0 0 0;",
    };
    EXPECT_EQ(between(lines, "puts \"restraint\"", "puts \"Equal DOF\""), expected);

    AnalysisSettings noMass;
    noMass.genMass = false;
    const ScriptLines withoutMass = generate(store, noMass);
    EXPECT_TRUE(contains(withoutMass, "puts \"mass\""));
    EXPECT_FALSE(
        contains(withoutMass, "mass 4 2.500E+000 2.500E+000 0.000E+000 0.000E+000 0.000E+000 1.000E+000"));
}

TEST(NodeBlock, DiaphragmTiesFixTheMasterAndSwitchTheStaticConstraintHandler) {
    ModelStore store;
    for (int i = 1; i <= 9; ++i)
        test::addNode(store, i, 0, 3000);
    store.diaphragms.resize(3);
    store.diaphragmCount = 2;
    store.diaphragms[1] = TDIAPH{2, {0, 7, 8, 9}, 9};
    store.diaphragms[2] = TDIAPH{0, {0, 4}, 4}; // one joint only: no tie
    const ScriptLines lines = generate(store);
    EXPECT_EQ(between(lines, "puts \"rigidDiaphragm\"", "puts \"mass\""),
              (ScriptLines{"puts \"rigidDiaphragm\"", "rigidDiaphragm 3 9 7", "rigidDiaphragm 3 9 8"}));
    EXPECT_EQ(between(lines, "puts \"node\"", "puts \"Equal DOF\""),
              (ScriptLines{"puts \"node\"", "fix 9 0 0 1 1 1 0", "fix 4 0 0 1 1 1 0"}));
    EXPECT_TRUE(contains(lines, "constraints Transformation"));
    EXPECT_FALSE(contains(lines, "constraints Plain"));

    store.diaphragms[1].slaveCount = 0;
    EXPECT_TRUE(contains(generate(store), "constraints Plain"));
}

TEST(EqualDofBlock, RigidLinksTieTheirReleasedEnd) {
    ModelStore store;
    for (int i = 1; i <= 6; ++i)
        test::addNode(store, i, 0, 0);
    test::addMaterial(store, "STEEL", 200000, 0.3);
    test::addRectangle(store, "RLINK", RigidLink, 100, 100, 1);
    test::addFrame(store, 1, 2, 1).release = 1;
    test::addFrame(store, 3, 4, 1).release = 2;
    test::addFrame(store, 5, 6, 1).release = 0;
    const ScriptLines lines = generate(store);
    EXPECT_EQ(between(lines, "puts \"Equal DOF\"", "puts \"material\""),
              (ScriptLines{"puts \"Equal DOF\"", "equalDOF 1 2 1 2 3", "equalDOF 4 3 1 2 3"}));
    EXPECT_TRUE(contains(lines, "element zeroLength 3 5 6 -mat 1 1 1 -dir 4 5 6"));
}

TEST(StoreReferences, OutOfRangeReferencesStopGenerationWithAMessage) {
    ModelStore store;
    test::addNode(store, 0, 0, 0).tiedTo = 4;
    EXPECT_THROW(generate(store), KelvaneError);
    store.nodes[1].tiedTo = 0;
    test::addFrame(store, 1, 1, 3);
    try {
        generate(store);
        FAIL() << "no error";
    } catch (const KelvaneError& e) {
        EXPECT_STREQ(e.what(), "Frame 1 refers to frame section 3, which does not exist");
    }
    store.frameCount = 5; // more than the array holds
    EXPECT_THROW(generate(store), KelvaneError);
}

} // namespace
} // namespace kelvane
