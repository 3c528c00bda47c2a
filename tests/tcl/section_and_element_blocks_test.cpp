#include "common/error.h"
#include "tcl/model_builder.h"
#include "tcl/script_generator.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kelvane {
namespace {

using test::between;
using test::contains;

ScriptLines generate(ModelStore& store, AnalysisSettings analysis = {}) {
    return generateScript(store, analysis, RecorderSettings{});
}

// Joints 1..4, an elastic material and one section per element kind 1..7, one frame each.
ModelStore oneFramePerKind() {
    ModelStore store;
    for (int i = 1; i <= 4; ++i)
        test::addNode(store, 0, 0, i * 3000.0);
    test::addMaterial(store, "C30", 30000, 0.2);
    const char* names[] = {"", "EBEAM", "NCOL", "DCOL", "HBEAM", "TBRACE", "CBRACE", "RLINK"};
    for (int type = 1; type <= 7; ++type) {
        test::addRectangle(store, names[type], type, 500, 300, 1);
        test::addFrame(store, 1, 2, type);
    }
    return store;
}

TEST(MaterialBlock, ElasticMaterialsOnlyThenAggregatorMaterialsPerSection) {
    ModelStore store;
    test::addMaterial(store, "STEEL", 200000, 0.3);
    test::addMaterial(store, "S02", 210000, 0.3).model = 2;
    for (int s = 1; s <= 3; ++s)
        test::addRectangle(store, "NS" + std::to_string(s), NonlinearBeamColumn, 500, 300, 1);
    AnalysisSettings aggregator;
    aggregator.useAggregator = true;
    const ScriptLines lines = generate(store, aggregator);
    const ScriptLines block = between(lines, "puts \"material\"", "##NS1 ");
    ASSERT_EQ(block.size(), 11u);
    EXPECT_EQ(block[1], "uniaxialMaterial Elastic 1 2.000E+005");
    const char* tags[] = {"201", "301", "401", "202", "302", "402", "203", "303", "403"};
    for (int k = 0; k < 9; ++k)
        EXPECT_THAT(block[static_cast<std::size_t>(k + 2)],
                    ::testing::StartsWith(std::string("uniaxialMaterial Elastic ") + tags[k] + " "));
    // G * av2 of a 500 x 300 rectangle: 76923.08 * 125000
    EXPECT_EQ(block[2], "uniaxialMaterial Elastic 201 9.615E+009");
    EXPECT_TRUE(contains(lines, "section Aggregator 1002 202 Vy 302 Vz 402 T -section 2"));
}

TEST(FiberSectionBlock, BeamColumnAndTrussKindsGetFiberSectionsWithTorsion) {
    ModelStore store = oneFramePerKind();
    AnalysisSettings aggregator;
    aggregator.useAggregator = true;
    const ScriptLines lines = generate(store, aggregator);
    EXPECT_FALSE(contains(lines, "##EBEAM "));
    EXPECT_FALSE(contains(lines, "##RLINK "));
    for (const char* name : {"##NCOL ", "##DCOL ", "##HBEAM ", "##TBRACE ", "##CBRACE "})
        EXPECT_TRUE(contains(lines, name)) << name;
    // A 2 x 2 column mesh with two bars per row: 4 + 8 fibers; G * J = 12500 * 2.817E+009.
    const ScriptLines ncol = between(lines, "##NCOL ", "}");
    ASSERT_EQ(ncol.size(), 14u);
    EXPECT_EQ(ncol[1], "section Fiber 2 -GJ 3.522E+013 {");
    EXPECT_EQ(ncol[2], "fiber -7.500E+001 -1.250E+002 3.750E+004 1");
    EXPECT_EQ(ncol[6], "fiber -1.150E+002 -2.150E+002 5.000E+002 1");
    EXPECT_TRUE(contains(lines, "section Aggregator 1004 204 Vy 304 Vz 404 T -section 4"));
    EXPECT_FALSE(contains(lines, "section Aggregator 1005 205 Vy 305 Vz 405 T -section 5"));
    EXPECT_FALSE(contains(lines, "section Aggregator 1001 201 Vy 301 Vz 401 T -section 1"));
}

TEST(FiberSectionBlock, SectionOfNoKnownShapeIsWrittenEmpty) {
    ModelStore store;
    test::addMaterial(store, "C30", 30000, 0.2);
    TSECTION& general = test::addRectangle(store, "NGEN", NonlinearBeamColumn, 0, 0, 1);
    general.shape = ShapeNone;
    const ScriptLines lines = generate(store);
    EXPECT_EQ(between(lines, "##NGEN ", ""),
              (ScriptLines{"##NGEN ", "section Fiber 1 -GJ 0.000E+000 {", "}"}));
}

TEST(PlateFiberBlock, ElasticBaseMaterialsThenPlateFiberSections) {
    ModelStore store;
    test::addMaterial(store, "STEEL", 200000, 0.3);
    test::addMaterial(store, "C30", 30000, 0.2);
    store.shellSections.resize(4);
    store.shellSectionCount = 3;
    store.shellSections[1] = TAREASEC{150, 1, 2, "SLAB", 0};
    store.shellSections[2] = TAREASEC{200, 0, 1, "", 0};
    store.shellSections[3] = TAREASEC{120.5, 1, 2, "WALL", 0};
    const ScriptLines lines = generate(store);
    EXPECT_EQ(between(lines, "", "puts \"transformation\""),
              (ScriptLines{"", "nDMaterial ElasticIsotropic 2 3.000E+004 2.000E-001", "##SLAB ",
                           "nDMaterial PlateFiber 601 2", "section PlateFiber 701 601 150.00", "##WALL ",
                           "nDMaterial PlateFiber 603 2", "section PlateFiber 703 603 120.50"}));
    AnalysisSettings off;
    off.genPlateFiber = false;
    EXPECT_EQ(between(generate(store, off), "", "puts \"transformation\""), ScriptLines{""});
}

TEST(FrameBlock, TransformationsAndOneElementLinePerKind) {
    ModelStore store = oneFramePerKind();
    store.frameSections[2].geomTransf = 2;
    store.frameSections[3].geomTransf = 3;
    store.frameSections[4].hingeLengthI = 1000.4;
    store.frames[1].axis2X = -0.7071;
    const ScriptLines lines = generate(store);
    EXPECT_EQ(between(lines, "puts \"transformation\"", "puts \"shell element\""),
              (ScriptLines{
                  "puts \"transformation\"",
                  "geomTransf Linear 1 -0.707 0.000 1.000 ",
                  "geomTransf PDelta 2 0.000 0.000 1.000 ",
                  "geomTransf Corotational 3 0.000 0.000 1.000 ",
                  "geomTransf Linear 4 0.000 0.000 1.000 ",
                  "puts \"element\"",
                  "element elasticBeamColumn 1 1 2 1.500E+005 3.000E+004 1.250E+004 2.817E+009 3.125E+009 "
                  "1.125E+009 1",
                  "element nonlinearBeamColumn 2 1 2 3 2 2",
                  "element dispBeamColumn 3 1 2 3 3 3",
                  "element beamWithHinges 4 1 2 4 1000 4 500 3.000E+004 1.500E+005 1.125E+009 3.125E+009 "
                  "1.250E+004 2.817E+009 4 ",
                  "element trussSection 5 1 2 5",
                  "element corotTrussSection 6 1 2 6",
                  "element zeroLength 7 1 2 -mat 1 1 1 -dir 4 5 6",
              }));
    AnalysisSettings aggregator;
    aggregator.useAggregator = true;
    aggregator.numIntgrPts = 5;
    const ScriptLines withAggregator = generate(store, aggregator);
    EXPECT_TRUE(contains(withAggregator, "element nonlinearBeamColumn 2 1 2 5 1002 2"));
    EXPECT_TRUE(contains(withAggregator, "element trussSection 5 1 2 5"));
}

TEST(FrameBlock, FrameWithoutSectionGetsATransformationButNoElement) {
    ModelStore store;
    test::addNode(store, 0, 0, 0);
    test::addNode(store, 0, 0, 3000);
    test::addMaterial(store, "C30", 30000, 0.2);
    test::addRectangle(store, "NCOL", NonlinearBeamColumn, 500, 300, 1).geomTransf = 2;
    test::addFrame(store, 1, 2, 0);
    test::addFrame(store, 1, 2, 1);
    test::addFrame(store, 1, 2, 0);
    const ScriptLines lines = generate(store);
    EXPECT_EQ(between(lines, "puts \"transformation\"", "puts \"shell element\""),
              (ScriptLines{"puts \"transformation\"", "geomTransf  1 0.000 0.000 1.000 ",
                           "geomTransf PDelta 2 0.000 0.000 1.000 ", "geomTransf PDelta 3 0.000 0.000 1.000 ",
                           "puts \"element\"", "element nonlinearBeamColumn 2 1 2 3 1 2"}));
}

TEST(ShellBlock, TagsCountOnAfterFramesAndSkipOtherSections) {
    ModelStore store = oneFramePerKind();
    store.shellSections.resize(3);
    store.shellSectionCount = 2;
    store.shellSections[1] = TAREASEC{100, 0, 1, "MEMBRANE", 0};
    store.shellSections[2] = TAREASEC{150, 1, 1, "SLAB", 0};
    store.shells.resize(4);
    store.areaCount = 3;
    store.shells[1] = TSHELL{"MEMBRANE", 1, 1, 2, 3, 4};
    store.shells[2] = TSHELL{"", 0, 1, 2, 3, 4};
    store.shells[3] = TSHELL{"SLAB", 2, 1, 2, 4, 3};
    const ScriptLines lines = generate(store);
    EXPECT_EQ(between(lines, "puts \"shell element\"", "puts \"recorder\""),
              (ScriptLines{"puts \"shell element\"", "element ShellMITC4 10 1 2 4 3 702",
                           "puts \"SOLID element\""}));
}

// Two bricks on eight joints each, solids only.
ModelStore twoBricks() {
    ModelStore store;
    for (int i = 1; i <= 12; ++i)
        test::addNode(store, i % 2 * 1000.0, (i - 1) / 2 % 2 * 1000.0, (i - 1) / 4 * 1000.0);
    store.nodes[1].restraint = {0, 1, 1, 1, 1, 0, 0};
    store.nodes[2].restraint = {0, 0, 0, 0, 1, 1, 1}; // rotations do not exist on brick joints
    store.nodes[9].mass = {0, 2, 2, 2, 9, 9, 9};
    test::addMaterial(store, "STEEL", 200000, 0.3);
    store.solids.resize(3);
    store.solidCount = 2;
    store.solids[1] = TSOLID{100, 1, 2, 4, 3, 5, 6, 8, 7};
    store.solids[2] = TSOLID{100, 5, 6, 8, 7, 9, 10, 12, 11};
    test::addLoadCase(store, "TOP");
    TLOAD& load = test::addLoad(store, "TOP", LoadJointForce, 9);
    load.fz = -1000;
    load.mx = 5;
    return store;
}

TEST(SolidModel, BricksOnThreeDofNodesWithTheirElasticMaterial) {
    ModelStore store = twoBricks();
    const ScriptLines lines = generate(store);
    EXPECT_EQ(lines[2], "model basic -ndm 3 -ndf 3");
    EXPECT_EQ(between(lines, "puts \"mass\"", "puts \"Equal DOF\""),
              (ScriptLines{"puts \"mass\"", "mass 9 2.000E+000 2.000E+000 2.000E+000", "puts \"node\"",
                           "fix 1 1 1 1;"}));
    EXPECT_EQ(
        between(lines, "puts \"SOLID element\"", "puts \"recorder\""),
        (ScriptLines{"puts \"SOLID element\"", "nDMaterial ElasticIsotropic 100 2.000E+005 3.000E-001",
                     "element stdBrick 1 1 2 4 3 5 6 8 7 100", "element stdBrick 2 5 6 8 7 9 10 12 11 100"}));
    EXPECT_TRUE(contains(lines, "load 9 0.000E+000 0.000E+000 -1.000E+003"));

    // With several materials the section number must name one of them.
    test::addMaterial(store, "CONC", 30000, 0.2);
    EXPECT_THROW(generate(store), KelvaneError);
    store.solids[2].section = 2;
    store.solids[1].section = 2;
    EXPECT_TRUE(contains(generate(store), "nDMaterial ElasticIsotropic 2 3.000E+004 2.000E-001"));
}

TEST(SolidModel, SolidsCannotShareTheModelWithFramesShellsOrDiaphragms) {
    ModelStore withFrame = twoBricks();
    test::addRectangle(withFrame, "NCOL", NonlinearBeamColumn, 300, 300, 1);
    test::addFrame(withFrame, 1, 5, 1);
    try {
        generate(withFrame);
        FAIL() << "no error";
    } catch (const KelvaneError& e) {
        EXPECT_THAT(e.what(), ::testing::HasSubstr("2 solids, 1 frames, 0 shells"));
    }
    ModelStore withDiaphragm = twoBricks();
    withDiaphragm.diaphragms.resize(2);
    withDiaphragm.diaphragmCount = 1;
    withDiaphragm.diaphragms[1] = TDIAPH{1, {0, 10, 9}, 9};
    EXPECT_THROW(generate(withDiaphragm), KelvaneError);
}

TEST(TagCollisions, RepeatedTagsStopGenerationNamingBothObjects) {
    ModelStore store;
    for (int m = 1; m <= 201; ++m)
        test::addMaterial(store, "M" + std::to_string(m), 1000, 0.2);
    test::addRectangle(store, "NCOL", NonlinearBeamColumn, 500, 300, 1);
    EXPECT_NO_THROW(generate(store));
    AnalysisSettings aggregator;
    aggregator.useAggregator = true;
    try {
        generate(store, aggregator);
        FAIL() << "no error";
    } catch (const KelvaneError& e) {
        EXPECT_THAT(e.what(), ::testing::HasSubstr("tag 201"));
        EXPECT_THAT(e.what(), ::testing::HasSubstr("material 201 (M201)"));
        EXPECT_THAT(e.what(), ::testing::HasSubstr("frame section 1 (NCOL)"));
    }
    ModelStore plates;
    for (int s = 1; s <= 701; ++s)
        test::addRectangle(plates, "T" + std::to_string(s), Truss, 100, 100, 0).shape = ShapeNone;
    plates.shellSections.resize(2);
    plates.shellSectionCount = 1;
    plates.shellSections[1] = TAREASEC{100, 1, 0, "SLAB", 0};
    EXPECT_THROW(generate(plates), KelvaneError);
    AnalysisSettings noPlates;
    noPlates.genPlateFiber = false;
    EXPECT_NO_THROW(generate(plates, noPlates));
}

} // namespace
} // namespace kelvane
