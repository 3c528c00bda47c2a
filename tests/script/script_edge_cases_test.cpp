#include "common/error.h"
#include "script/model_builder.h"
#include "script/script_generator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

// The cases the golden scripts do not show: empty models, broken references, repeated tags, the
// floating-point errors of the load increment, chunk boundaries of the recorders and the limits
// that keep a script runnable.
namespace kelvane {
namespace {

using test::contains;
using ::testing::HasSubstr;
using ::testing::Not;

const RecorderSettings kNoRecorders{false, false, false, false, false};

ScriptLines generate(ModelStore& store, AnalysisSettings analysis = {}, RecorderSettings recorders = {}) {
    return generateScript(store, analysis, recorders);
}

std::string failure(ModelStore& store, AnalysisSettings analysis = {}) {
    try {
        generate(store, analysis);
    } catch (const KelvaneError& e) {
        return e.what();
    }
    return "no error";
}

// The lines after `puts "recorder"`.
ScriptLines tail(const ScriptLines& lines) {
    return ScriptLines(std::find(lines.begin(), lines.end(), "puts \"recorder\"") + 1, lines.end());
}

TEST(EmptyModel, WritesPreludeHeadersAndTheProcedureOnlyEveryTime) {
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
                                  "puts \"No load: load case 1 applies no load, so the static "
                                  "analysis moves nothing\"",
                                  "puts \"analysis\"",
                                  "constraints Plain",
                                  "numberer RCM",
                                  "system UmfPack",
                                  "test EnergyIncr 1.0e-6 200",
                                  "algorithm ModifiedNewton -factorOnce",
                                  "integrator LoadControl 1.000E-002",
                                  "analysis Static",
                                  "analyze 100"};
    EXPECT_EQ(generate(store), expected);
    EXPECT_EQ(generate(store), expected);
}

TEST(BrokenModels, StopWithAMessageInsteadOfReadingPastAnArray) {
    ModelStore store;
    test::addNode(store, 0, 0, 0).tiedTo = 4;
    EXPECT_EQ(failure(store), "Joint 1 refers to joint 4, which does not exist");
    store.nodes[1].tiedTo = 0;
    test::addFrame(store, 1, 1, 3);
    EXPECT_EQ(failure(store), "Frame 1 refers to frame section 3, which does not exist");
    store.frameCount = 5;
    EXPECT_THAT(failure(store), HasSubstr("frame table holds 1 records but its count is 5"));

    ModelStore unmeshed; // a section of no known shape keeps the fiber list it was given
    test::addRectangle(unmeshed, "NGEN", NonlinearBeamColumn, 0, 0, 0).shape = ShapeNone;
    unmeshed.frameSections[1].fiberCount = 81;
    EXPECT_EQ(failure(unmeshed), "Frame section 1 (NGEN) holds 81 fibers; a fiber section holds at most 80");
    // Without fibers of its own it would be a section without stiffness.
    unmeshed.frameSections[1].fiberCount = 0;
    EXPECT_THAT(failure(unmeshed),
                HasSubstr("Frame section 1 (NGEN) is not a rectangle, I, box, pipe, circle, "
                          "channel, angle, tee, double angle or double channel, and its shape "
                          "cannot be meshed into fibers"));
    unmeshed.frameSections[1].elementType = ElasticBeamColumn;
    EXPECT_THAT(failure(unmeshed), Not(HasSubstr("NGEN")));
}

TEST(BrokenModels, RepeatedTagsNameBothObjects) {
    ModelStore store;
    for (int m = 1; m <= 201; ++m)
        test::addMaterial(store, "M" + std::to_string(m), 1000, 0.2);
    test::addRectangle(store, "NCOL", NonlinearBeamColumn, 500, 300, 1);
    EXPECT_EQ(failure(store), "no error");
    AnalysisSettings aggregator;
    aggregator.useAggregator = true;
    EXPECT_EQ(failure(store, aggregator),
              "The script would give uniaxialMaterial tag 201 twice: to material 201 "
              "(M201) and to the Vy shear material of frame section 1 (NCOL)");

    ModelStore plates;
    for (int s = 1; s <= 701; ++s) {
        TSECTION& truss = test::addRectangle(plates, "T" + std::to_string(s), Truss, 100, 100, 0);
        truss.shape = ShapeNone; // its own one fiber, not meshed
        truss.fiberCount = 1;
    }
    test::addMaterial(plates, "CONC", 30000, 0.2);
    plates.shellSections = {TAREASEC{}, TAREASEC{100, 1, 1, "SLAB", 0, "CONC"}};
    plates.shellSectionCount = 1;
    EXPECT_THAT(failure(plates), HasSubstr("section tag 701 twice"));

    // The bricks' elastic material takes the number of their solid section, which a shell
    // section's material may have too, whether or not an area uses it.
    ModelStore bricks;
    for (int j = 0; j < 8; ++j)
        test::addNode(bricks, j % 2 * 100.0, j / 2 % 2 * 100.0, j / 4 * 100.0);
    test::addMaterial(bricks, "CONC", 30000, 0.2);
    bricks.solids = {TSOLID{}, TSOLID{1, 1, 2, 4, 3, 5, 6, 8, 7, ""}};
    bricks.solidCount = 1;
    bricks.shellSections = {TAREASEC{}, TAREASEC{150, 1, 1, "SLAB", 0, "CONC"}};
    bricks.shellSectionCount = 1;
    EXPECT_EQ(failure(bricks),
              "The script would give nDMaterial tag 1 twice: to the elastic nD material of the "
              "bricks of solid section 1 and to the elastic nD material of material 1 (CONC)");
    AnalysisSettings noPlates;
    noPlates.genPlateFiber = false;
    EXPECT_EQ(failure(plates, noPlates), "no error");
}

TEST(LoadAnalysis, ZeroLoadStepsRaiseTheFloatingPointErrors) {
    ModelStore store;
    test::addNode(store, 0, 0, 0); // a free control joint
    AnalysisSettings a;
    a.loadSteps = 0;
    a.dispControlCase = 2;
    for (int type : {1, 3, 6}) {
        a.analysisType = type;
        EXPECT_EQ(failure(store, a), kDivisionByZero) << "procedure " << type;
    }
    a.loadFactor = 0;
    EXPECT_EQ(failure(store, a), kInvalidOperation);
    a.analysisType = SingleDisplacementControl;
    EXPECT_EQ(failure(store, a), "no error");
}

TEST(LoadAnalysis, CaseIndexOutsideTheCasesAndRepeatedPushoverCase) {
    ModelStore store;
    test::addLoadCase(store, "DEAD");
    test::addLoad(store, "DEAD", LoadJointForce, 1).fz = -5;
    test::addLoad(store, "", LoadJointForce, 2).fz = -7; // an entry of no case
    for (int index : {0, 2, 11}) {
        AnalysisSettings a;
        a.loadControlCase = index;
        const ScriptLines lines = tail(generate(store, a, kNoRecorders));
        EXPECT_EQ(
            ScriptLines(lines.begin() + 1, lines.begin() + 5),
            (ScriptLines{"## Load Case = ", "pattern Plain " + std::to_string(index) + " Linear {",
                         "load 2 0 0 -7 0 0 0", "}"}));
    }
    test::addNode(store, 0, 0, 0); // a free control joint
    AnalysisSettings pushover;
    pushover.analysisType = GravityPushOver;
    EXPECT_THAT(failure(store, pushover), HasSubstr("both stages name load case 1"));
}

TEST(Recorders, ChunksOfHundredAndEmptyRemainders) {
    ModelStore store;
    store.nodes.resize(101);
    store.nodeCount = 100;
    test::addRectangle(store, "TBAR", Truss, 100, 100, 0);
    store.frames.resize(251);
    store.frameCount = 250;
    for (TFRAME& frame : store.frames)
        frame.section = 1;
    AnalysisSettings none;
    none.analysisType = 0;
    none.modalNumber = 2;
    EXPECT_EQ(tail(generate(store, none, RecorderSettings{true, true, false, true, false})),
              (ScriptLines{"recorder Node -file node0.out -time -nodeRange 1 100 -dof 1 2 3 disp",
                           "recorder Element -file ele1.out -time -eleRange 1 100 localForce",
                           "recorder Element -file ele2.out -time -eleRange 101 200 localForce",
                           "recorder Element -file ele0.out -time -eleRange 201 250 localForce"}));
    store.nodeCount = 0;
    EXPECT_EQ(tail(generate(store, none, RecorderSettings{true, false, false, false, true})), ScriptLines{});
}

TEST(ModalAnalysis, ModesLimitedToFreeMassDegreesOfFreedom) {
    // Two floors of four corner joints tied by a diaphragm to a master at the centre.
    ModelStore store;
    store.diaphragms = {TDIAPH{}, TDIAPH{4, {0}, 0}, TDIAPH{4, {0}, 0}};
    store.diaphragmCount = 2;
    for (int floor = 1; floor <= 2; ++floor) {
        TDIAPH& diaphragm = store.diaphragms[static_cast<std::size_t>(floor)];
        for (int corner = 0; corner < 5; ++corner) {
            const bool centre = corner == 4;
            TNODE& joint = test::addNode(store, centre ? 3000 : corner % 2 * 6000.0,
                                         centre ? 3000 : corner / 2 * 6000.0, floor * 3000.0);
            joint.mass = {0, 2.5, 2.5, 0, 0, 0, 0};
            diaphragm.members.push_back(store.nodeCount);
        }
        diaphragm.master = store.nodeCount;
    }
    AnalysisSettings modal;
    modal.analysisType = ModalAnalysis;
    auto numModes = [&] { return tail(generate(store, modal, kNoRecorders)).at(0); };
    EXPECT_EQ(numModes(), "set numModes 6"); // UX, UY and the turn of each floor
    // The default eigen solver needs twice as many mass degrees of freedom as modes: 6 modes of 6
    // take the dense solver.
    EXPECT_EQ(tail(generate(store, modal, kNoRecorders)).at(1),
              "set lambda [eigen -fullGenLapack $numModes]");
    store.nodes[6].mass = {0, 0, 0, 0, 0, 0, 0}; // one joint with mass: the floor cannot turn
    store.nodes[7].mass = store.nodes[8].mass = store.nodes[9].mass = store.nodes[6].mass;
    store.nodes[10].mass = {0, 2.5, 0, 0, 0, 0, 0};
    EXPECT_EQ(numModes(), "set numModes 4");
    store.nodes[9].mass = {0, 1, 1, 0, 0, 0, 0};
    store.nodes[1].mass[3] = 2.5; // a vertical mass stays the joint's own
    store.nodes[2].mass[3] = 2.5;
    store.nodes[2].restraint[3] = 1;
    store.nodes[5].mass[3] = 2.5; // the master's U3 is fixed by its diaphragm line
    EXPECT_EQ(numModes(), "set numModes 7");
    store.nodes[10].restraint = {0, 0, 1, 0, 0, 0, 1}; // a plane frame's master: UY and RZ held
    EXPECT_EQ(numModes(), "set numModes 5");           // the upper floor moves along X only
    modal.genMass = false; // no mass is written: the eigen solver could not start
    EXPECT_THAT(failure(store, modal), HasSubstr("The modal analysis needs mass"));

    // Mode-shape recorders stop at the modes the procedure computes: numModes for the modal one,
    // the two of the Rayleigh damping for a time history (more would write zeros).
    modal.genMass = true;
    RecorderSettings modeShapes = kNoRecorders;
    modeShapes.modalShape = true;
    const auto lastModeRecorded = [&](std::int32_t procedure) {
        modal.analysisType = procedure;
        std::string last;
        for (const std::string& line : generate(store, modal, modeShapes))
            if (line.starts_with("recorder Node -file eigen"))
                last = line.substr(0, line.find("_node"));
        return last;
    };
    EXPECT_EQ(lastModeRecorded(ModalAnalysis), "recorder Node -file eigen5");
    EXPECT_EQ(lastModeRecorded(TimeHistoryAnalysis), "recorder Node -file eigen2");
    modal.modalNumber = 1;
    EXPECT_EQ(lastModeRecorded(ModalAnalysis), "recorder Node -file eigen1");
}

TEST(ModalAnalysis, StaticProceduresWriteNoModeShapeRecorders) {
    ModelStore store;
    test::addNode(store, 0, 0, 0).mass = {0, 1, 1, 1, 0, 0, 0};
    for (int type = 1; type <= 7; ++type) {
        AnalysisSettings a;
        a.analysisType = type;
        a.dispControlCase = 2;
        a.modalNumber = 2;
        const ScriptLines lines = generate(store, a, RecorderSettings{false, false, false, false, true});
        EXPECT_EQ(
            contains(lines,
                     "recorder Node -file eigen2_node0.out -time -nodeRange 1 1 -dof 1 2 3 \"eigen 2\""),
            type >= ModalAnalysis)
            << "procedure " << type;
    }
}

TEST(SolidModels, SolidsStandAloneAndNameTheirMaterial) {
    ModelStore store;
    for (int i = 1; i <= 8; ++i)
        test::addNode(store, i % 2, (i - 1) / 2 % 2, (i - 1) / 4);
    store.solids = {TSOLID{}, TSOLID{100, 1, 2, 4, 3, 5, 6, 8, 7, ""}};
    store.solidCount = 1;
    EXPECT_EQ(failure(store),
              "Solid elements need a material: the model has no MATERIAL table (solid section 100)");
    test::addMaterial(store, "STEEL", 200000, 0.3);
    test::addMaterial(store, "CONC", 30000, 0.2);
    EXPECT_TRUE(contains(generate(store), "nDMaterial ElasticIsotropic 100 200000 0.3"));
    store.solids[1].section = 2;
    EXPECT_TRUE(contains(generate(store), "nDMaterial ElasticIsotropic 2 30000 0.2"));
    test::addRectangle(store, "NCOL", NonlinearBeamColumn, 300, 300, 1);
    test::addFrame(store, 1, 5, 1);
    EXPECT_THAT(failure(store), HasSubstr("(1 solids, 1 frames, 0 shells)"));
}

TEST(Diaphragms, AConstraintWithoutJointsFixesNoNode) {
    ModelStore store;
    test::addNode(store, 0, 0, 0);
    store.diaphragms = {TDIAPH{}, TDIAPH{0, {0}, 0}, TDIAPH{0, {0, 1}, 1}};
    store.diaphragmCount = 2;
    const ScriptLines lines = generate(store);
    EXPECT_FALSE(contains(lines, "fix 0 0 0 1 1 1 0"));
    EXPECT_TRUE(contains(lines, "fix 1 0 0 1 1 1 0")); // one joint: no tie, but its master line stays
}

// A frame whose section name matched none would get a transformation without a name (or the name
// of the one before) and no element: the frame would be missing from the analysis.
TEST(ScriptInputs, AFrameWithoutItsSectionStopsGeneration) {
    ModelStore store;
    test::addNode(store, 0, 0, 0);
    test::addNode(store, 0, 0, 3000);
    test::addFrame(store, 1, 2, 0).sectionName = "C600";
    EXPECT_EQ(failure(store), "Frame 1 names the frame section 'C600', which the model does not have");
}

// The force-based element integrates with Gauss-Lobatto (2 to 10 points in the solver), the
// displacement-based one with Gauss-Legendre (from 2 points); a shell section of a material the
// model lacks would write a plate-fiber material of material 0.
TEST(ScriptInputs, IntegrationPointsAndShellMaterialsTheSolverCanUse) {
    ModelStore store;
    test::addNode(store, 0, 0, 0);
    test::addNode(store, 0, 0, 3000);
    test::addMaterial(store, "STEEL", 200000, 0.3);
    test::addRectangle(store, "NCOL", NonlinearBeamColumn, 300, 300, 1);
    test::addFrame(store, 1, 2, 1);
    const auto withPoints = [](int points) {
        AnalysisSettings analysis;
        analysis.numIntgrPts = points;
        return analysis;
    };
    EXPECT_EQ(failure(store, withPoints(1)),
              "Force/Disp Beam Column numIntgrPts is 1: the Nonlinear BeamColumn "
              "elements (frame section NCOL) need 2 to 10 integration points");
    EXPECT_THAT(failure(store, withPoints(11)), HasSubstr("need 2 to 10 integration points"));
    EXPECT_EQ(failure(store, withPoints(10)), "no error");
    store.frameSections[1].elementType = DispBeamColumn;
    EXPECT_EQ(failure(store, withPoints(20)), "no error");
    EXPECT_THAT(failure(store, withPoints(1)),
                HasSubstr("Disp BeamColumn elements (frame section NCOL) need at least 2"));

    store.shellSections = {TAREASEC{}, TAREASEC{150, 1, 0, "SLAB150", 0, "C30"}};
    store.shellSectionCount = 1;
    EXPECT_EQ(failure(store),
              "Shell section 1 (SLAB150) names the material 'C30', which the model does not have");
    AnalysisSettings noPlates;
    noPlates.genPlateFiber = false;
    EXPECT_EQ(failure(store, noPlates), "no error");
}

} // namespace
} // namespace kelvane
