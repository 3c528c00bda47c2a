#include "common/error.h"
#include "tcl/model_builder.h"
#include "tcl/script_generator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kelvane {
namespace {

using test::between;
using test::contains;

// Two load cases: DEAD with a joint force and three distributed loads, PUSH with one joint force.
ModelStore loadedModel() {
    ModelStore store;
    test::addLoadCase(store, "DEAD");
    test::addLoadCase(store, "PUSH");
    TLOAD& force = test::addLoad(store, "DEAD", LoadJointForce, 3);
    force.fz = -1000;
    force.mx = 2.5;
    for (int direction = 1; direction <= 4; ++direction) {
        TLOAD& spread = test::addLoad(store, "DEAD", LoadDistributed, 7);
        spread.direction = direction;
        spread.fx = 12.5;
    }
    test::addLoad(store, "PUSH", LoadJointForce, 4).fx = 500;
    test::addLoad(store, "", LoadNone, 9);
    return store;
}

ScriptLines analysisLines(ModelStore& store, AnalysisSettings analysis) {
    const ScriptLines lines =
        generateScript(store, analysis, RecorderSettings{false, false, false, false, false});
    return ScriptLines(std::find(lines.begin(), lines.end(), "puts \"recorder\"") + 1, lines.end());
}

const ScriptLines kStaticSolver = {"puts \"analysis\"",  "constraints Plain",          "numberer Plain",
                                   "system BandGeneral", "test EnergyIncr 1.0e-6 200", "algorithm Newton"};

ScriptLines concat(std::initializer_list<ScriptLines> parts) {
    ScriptLines all;
    for (const ScriptLines& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(LoadAnalysisBlock, LoadControlWritesTheCasePatternAndIncrement) {
    ModelStore store = loadedModel();
    const ScriptLines expected = concat({
        {"puts \"loading\"", "## Load Case = DEAD", "pattern Plain 1 Linear {",
         "load 3 0.000E+000 0.000E+000 -1.000E+003 2.500E+000 0.000E+000 0.000E+000",
         "eleLoad -ele 7 -type -beamUniform 0 0 1.250E+001",
         "eleLoad -ele 7 -type -beamUniform 0 1.250E+001 0",
         "eleLoad -ele 7 -type -beamUniform -1.250E+001 0 0", "}"},
        kStaticSolver,
        {"integrator LoadControl 1.000E-002", "analysis Static", "analyze 100"},
    });
    EXPECT_EQ(analysisLines(store, AnalysisSettings{}), expected);
}

TEST(LoadAnalysisBlock, DisplacementControlUsesTheControlNumbers) {
    ModelStore store = loadedModel();
    AnalysisSettings a;
    a.analysisType = SingleDisplacementControl;
    a.dispControlCase = 2;
    a.controlNode = 4;
    a.controlDof = 2;
    a.controlDisp = 0.1;
    a.dispSteps = 30;
    const ScriptLines expected = concat({
        {"puts \"loading\"", "## Load Case = PUSH", "pattern Plain 2 Linear {",
         "load 4 5.000E+002 0.000E+000 0.000E+000 0.000E+000 0.000E+000 0.000E+000", "}"},
        kStaticSolver,
        {"integrator DisplacementControl 4 2 1.000E-001", "analysis Static", "analyze 30"},
    });
    EXPECT_EQ(analysisLines(store, a), expected);
}

TEST(LoadAnalysisBlock, GravityThenPushoverHoldsTheGravityLoads) {
    ModelStore store = loadedModel();
    AnalysisSettings a;
    a.analysisType = GravityPushOver;
    a.dispControlCase = 2;
    const ScriptLines lines = analysisLines(store, a);
    const auto gravity = test::indexOf(lines, "puts \"gravity\"");
    const auto hold = test::indexOf(lines, "loadConst -time 0.0");
    const auto pushover = test::indexOf(lines, "puts \"pushover\"");
    EXPECT_EQ(gravity, 0);
    EXPECT_EQ(hold, test::indexOf(lines, "analyze 100") + 1);
    EXPECT_EQ(pushover, hold + 1);
    EXPECT_TRUE(contains(lines, "pattern Plain 2 Linear {"));

    a.dispControlCase = 1;
    try {
        analysisLines(store, a);
        FAIL() << "no error";
    } catch (const KelvaneError& e) {
        EXPECT_THAT(e.what(), ::testing::HasSubstr("load case 1"));
    }
}

TEST(LoadAnalysisBlock, ZeroLoadStepsRaiseTheDivisionErrors) {
    ModelStore store = loadedModel();
    AnalysisSettings a;
    a.loadSteps = 0;
    for (int type : {1, 3, 6}) {
        a.analysisType = type;
        a.dispControlCase = 2;
        try {
            analysisLines(store, a);
            FAIL() << "no error for procedure " << type;
        } catch (const KelvaneError& e) {
            EXPECT_STREQ(e.what(), kDivisionByZero);
        }
    }
    a.analysisType = 1;
    a.loadFactor = 0;
    try {
        analysisLines(store, a);
        FAIL() << "no error";
    } catch (const KelvaneError& e) {
        EXPECT_STREQ(e.what(), kInvalidOperation);
    }
    a.analysisType = 2; // displacement control does not divide
    EXPECT_NO_THROW(analysisLines(store, a));
}

TEST(LoadAnalysisBlock, CaseIndexOutsideTheModelNamesTheEmptyCase) {
    ModelStore store = loadedModel();
    for (int index : {0, 3, 11}) {
        AnalysisSettings a;
        a.loadControlCase = index;
        const ScriptLines lines = analysisLines(store, a);
        EXPECT_EQ(lines[1], "## Load Case = ");
        EXPECT_EQ(lines[2], "pattern Plain " + std::to_string(index) + " Linear {");
        EXPECT_EQ(lines[3], "}");
    }
}

TEST(LoadAnalysisBlock, ModalAndTransientProceduresAreFixedText) {
    ModelStore store = loadedModel();
    AnalysisSettings a;
    a.analysisType = ModalAnalysis;
    a.genMass = false; // no masses counted: the full twelve modes
    EXPECT_EQ(analysisLines(store, a),
              (ScriptLines{"set numModes 12", "set lambda [eigen  $numModes]", "set period \"Periods.txt\"",
                           "set Periods [open $period \"w\"]", "puts $Periods \" $lambda\"", "close $Periods",
                           "record"}));

    a.analysisType = TimeHistoryAnalysis;
    const ScriptLines timeHistory = analysisLines(store, a);
    ASSERT_EQ(timeHistory.size(), 33u);
    EXPECT_EQ(timeHistory[0], " ");
    EXPECT_EQ(timeHistory[11], "rayleigh $alphaM $betaKcurr 0 0  ");
    EXPECT_EQ(timeHistory[13], "set IDloadTag 1001;");
    EXPECT_EQ(timeHistory.back(), "analyze 1000 0.02");

    a.analysisType = GravityTimeHistoryAnalysis;
    const ScriptLines combined = analysisLines(store, a);
    EXPECT_EQ(combined[0], "puts \"gravity\"");
    const auto hold = test::indexOf(combined, "loadConst -time 0.0");
    ASSERT_GT(hold, 0);
    EXPECT_EQ(ScriptLines(combined.begin() + hold + 1, combined.end()), timeHistory);

    a.analysisType = MultipleSupportExcitation;
    const ScriptLines multi = analysisLines(store, a);
    ASSERT_EQ(multi.size(), 42u);
    EXPECT_EQ(multi[13 + 10], "pattern MultiSupport  1   { ");
    EXPECT_EQ(multi.back(), "analyze 1000 0.02 ");

    a.analysisType = 8;
    EXPECT_EQ(analysisLines(store, a), ScriptLines{});
}

// A two-storey building: per floor four corner joints tied by a diaphragm to a master at the centre.
ModelStore twoFloorDiaphragms() {
    ModelStore store;
    store.diaphragms.resize(3);
    store.diaphragmCount = 2;
    for (int floor = 1; floor <= 2; ++floor) {
        TDIAPH& diaphragm = store.diaphragms[static_cast<std::size_t>(floor)];
        diaphragm.members.push_back(0);
        for (int corner = 0; corner < 4; ++corner) {
            test::addNode(store, corner % 2 * 6000.0, corner / 2 * 6000.0, floor * 3000.0);
            diaphragm.members.push_back(store.nodeCount);
        }
        test::addNode(store, 3000, 3000, floor * 3000.0);
        diaphragm.slaveCount = 4;
        diaphragm.master = store.nodeCount;
        diaphragm.members.push_back(store.nodeCount);
    }
    return store;
}

std::string numModesLine(ModelStore& store, bool genMass = true) {
    AnalysisSettings a;
    a.analysisType = ModalAnalysis;
    a.genMass = genMass;
    return analysisLines(store, a).at(0);
}

TEST(ModalAnalysis, AsksForNoMoreModesThanFreeMassDegreesOfFreedom) {
    ModelStore masters = twoFloorDiaphragms();
    masters.nodes[5].mass = {0, 10, 10, 0, 0, 0, 0};
    masters.nodes[10].mass = {0, 10, 10, 10, 0, 0, 0}; // U3 of a master is fixed by its diaphragm line
    EXPECT_EQ(numModesLine(masters), "set numModes 4");

    ModelStore corners = twoFloorDiaphragms();
    for (int n : {1, 2, 3, 4, 6, 7, 8, 9})
        corners.nodes[static_cast<std::size_t>(n)].mass = {0, 2.5, 2.5, 0, 0, 0, 0};
    EXPECT_EQ(numModesLine(corners), "set numModes 6"); // UX, UY and the floor's turn, twice
    corners.nodes[1].mass[3] = 2.5;                     // a vertical mass stays the joint's own
    corners.nodes[2].mass[3] = 2.5;
    corners.nodes[2].restraint[3] = 1;
    EXPECT_EQ(numModesLine(corners), "set numModes 7");
    EXPECT_EQ(numModesLine(corners, false), "set numModes 12");

    ModelStore tall;
    for (int n = 1; n <= 5; ++n)
        test::addNode(tall, 0, 0, n * 3000.0).mass = {0, 1, 1, 1, 0, 0, 0};
    EXPECT_EQ(numModesLine(tall), "set numModes 12"); // 15 free mass components
}

TEST(ModalAnalysis, StaticProceduresWriteNoModeShapeRecorders) {
    ModelStore store;
    test::addNode(store, 0, 0, 0);
    RecorderSettings modes{false, false, false, false, true};
    for (int type = 1; type <= 7; ++type) {
        AnalysisSettings a;
        a.analysisType = type;
        a.dispControlCase = 2;
        a.modalNumber = 2;
        const ScriptLines lines = generateScript(store, a, modes);
        EXPECT_EQ(
            contains(lines,
                     "recorder Node -file eigen2_node0.out -time -nodeRange 1 1 -dof 1 2 3 \"eigen 2\""),
            type >= ModalAnalysis)
            << "procedure " << type;
    }
}

} // namespace
} // namespace kelvane
