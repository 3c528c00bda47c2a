#include "import_test_support.h"

#include <gtest/gtest.h>

using namespace kelvane;
using namespace kelvane::test;

namespace {

const std::string kMaterials = table("MATERIAL", {"  NAME=STEEL  IDES=S", "    T=0  E=200000  U=.3",
                                                  "  NAME=CONC  IDES=C", "    T=0  E=30000  U=0.25"});

std::string sections(std::initializer_list<std::string_view> lines) {
    return "; model\n" + kMaterials + table("FRAME SECTION", lines);
}

} // namespace

TEST(MaterialTable, TwoLinesPerMaterialAndShearModulusFromEAndU) {
    const auto store = importText("x\n" + kMaterials);
    ASSERT_EQ(store.materialCount, 2);
    EXPECT_EQ(store.materials[1].name, "STEEL");
    EXPECT_EQ(store.materials[1].model, 1);
    EXPECT_EQ(store.materials[1].e, 200000.0);
    EXPECT_EQ(store.materials[1].nu, 0.3);
    EXPECT_EQ(store.materials[1].g, 200000.0 / 2 / 1.3);
    EXPECT_EQ(store.materials[2].g, 12000.0);
    // Keys out of place are not read.
    const auto swapped = importText("x\n" + table("MATERIAL", {"  NAME=M", "    T=0  U=.2  E=100"}));
    EXPECT_EQ(swapped.materials[1].e, 0.0);
    EXPECT_EQ(swapped.materials[1].g, 0.0);
}

TEST(MaterialTable, CountIsHalfTheDataLinesRoundedDown) {
    const auto store =
        importText("x\n" + table("MATERIAL", {"  NAME=M1", "    T=0  E=10  U=0", "  ; remark"}));
    EXPECT_EQ(store.materialCount, 1);
    EXPECT_EQ(store.materials[1].e, 10.0);
    const auto none = importText("x\n");
    EXPECT_EQ(none.materialCount, 0);
}

TEST(MaterialTable, ArithmeticAndLayoutFailuresStopTheImport) {
    EXPECT_EQ(importFailure("x\n" + table("MATERIAL", {"  NAME=M", "    T=0  E=100  U=-1"})),
              "Floating point division by zero (table MATERIAL, line 4)");
    EXPECT_EQ(importFailure("x\n" + table("MATERIAL", {"  NAME=M", "    T=0  E=0  U=-1"})),
              "Invalid floating point operation (table MATERIAL, line 4)");
    EXPECT_EQ(importFailure("x\n" + table("MATERIAL", {"  NAME=M", "    T=0  E=1O0  U=.3"})),
              "'1O0' is not a valid floating point value (table MATERIAL, line 4)");
    EXPECT_EQ(importFailure("x\n" + table("MATERIAL", {"  NAME=M1", "    T=0  E=1  U=0", "  NAME=M2"})),
              "Table \"MATERIAL\", line 5: material 2 has no room: every material takes exactly two lines, a "
              "NAME line and a property line");
    EXPECT_EQ(importFailure("x\n" + table("MATERIAL", {"  ; steel", "    T=0  E=1  U=0"})),
              "Table \"MATERIAL\", line 4: a property line stands before the first NAME line");
    EXPECT_EQ(importFailure("x\nMATERIAL\n  NAME=M\n    T=0  E=1  U=0"),
              "Range check error (table MATERIAL, line 2)");
}

TEST(MaterialTable, FailureKeepsTheJointsReadBefore) {
    ModelStore store;
    EXPECT_EQ(importFailure(store, jointsAlongX(2) + table("MATERIAL", {"  NAME=M", "    T=0  E=5  U=-1"}) +
                                       table("FRAME SECTION", {"  NAME=S  MAT=M  SH=R  T=1,1"})),
              "Floating point division by zero (table MATERIAL, line 8)");
    EXPECT_EQ(store.nodeCount, 2);
    EXPECT_EQ(store.nodes[2].x, 1000.0);
    EXPECT_EQ(store.materials[1].name, "M");
    EXPECT_EQ(store.frameSectionCount, 0);
}

TEST(FrameSectionTable, FirstLetterOfTheNameSelectsTheElement) {
    const auto store =
        importText(sections({"  NAME=NCOL  MAT=CONC  SH=R  T=600,400", "  NAME=RLINK  MAT=STEEL  SH=R  T=1,1",
                             "  NAME=BEAM  MAT=CONC  SH=R  T=1,1", "  NAME=eb  MAT=CONC  SH=R  T=1,1",
                             "  NAME=D1  MAT=CONC  SH=R  T=1,1", "  NAME=H1  MAT=CONC  SH=R  T=1,1",
                             "  NAME=T1  MAT=CONC  SH=R  T=1,1", "  NAME=C1  MAT=CONC  SH=R  T=1,1",
                             "  NAME=E1  MAT=CONC  SH=R  T=1,1", "  NAME=  MAT=CONC  SH=R  T=1,1"}));
    ASSERT_EQ(store.frameSectionCount, 10);
    const int expected[] = {0, 2, 7, 1, 1, 3, 4, 5, 6, 1, 1};
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(store.frameSections[static_cast<std::size_t>(k)].elementType, expected[k])
            << "section " << k;
}

TEST(FrameSectionTable, ShapeDimensionsDefaultsAndHingeLengths) {
    const auto store = importText(sections(
        {"  NAME=NCOL  MAT=CONC  SH=R  T=600,400", "  NAME=NI  MAT=STEEL  SH=I  T=400,200,20,10,180,16",
         "  NAME=NBOX  MAT=STEEL  SH=B  T=300,200,12,10", "  NAME=NP  MAT=STEEL  SH=P  T=219.1,8",
         "  NAME=NC  MAT=NOSUCH  SH=C  T=500"}));
    const TSECTION& rectangle = store.frameSections[1];
    EXPECT_EQ(rectangle.shape, ShapeRectangle);
    EXPECT_EQ(rectangle.t1, 600.0);
    EXPECT_EQ(rectangle.t2, 400.0);
    EXPECT_EQ(rectangle.hingeLengthI, 600.0);
    EXPECT_EQ(rectangle.hingeLengthJ, 600.0);
    EXPECT_EQ(rectangle.material, 2);
    EXPECT_EQ(rectangle.name, "NCOL");

    const TSECTION& iShape = store.frameSections[2];
    EXPECT_EQ(iShape.shape, ShapeI);
    EXPECT_EQ((std::array{iShape.t1, iShape.t2, iShape.t3, iShape.t4, iShape.t5, iShape.t6}),
              (std::array{400.0, 200.0, 20.0, 10.0, 180.0, 16.0}));
    const TSECTION& box = store.frameSections[3];
    EXPECT_EQ(box.shape, ShapeBox);
    EXPECT_EQ((std::array{box.t1, box.t2, box.t3, box.t4, box.t5}),
              (std::array{300.0, 200.0, 12.0, 10.0, 0.0}));
    const TSECTION& pipe = store.frameSections[4];
    EXPECT_EQ(pipe.shape, ShapePipe);
    EXPECT_EQ(pipe.t1, 219.1);
    EXPECT_EQ(pipe.t2, 8.0);
    EXPECT_EQ(pipe.divideFX, 20);

    EXPECT_EQ(pipe.divideFY, 2);
    const TSECTION& circle = store.frameSections[5];
    EXPECT_EQ(circle.shape, ShapeCircle);
    EXPECT_EQ(circle.t1, 500.0);
    EXPECT_EQ(circle.hingeLengthI, 500.0);
    EXPECT_EQ(circle.material, 0);
    EXPECT_EQ(std::make_pair(circle.divideFX, circle.divideFY), std::make_pair(16, 4));
    for (int k = 1; k <= 5; ++k) {
        const TSECTION& s = store.frameSections[static_cast<std::size_t>(k)];
        if (k < 4) {
            EXPECT_EQ(s.divideFX, 5);
            EXPECT_EQ(s.divideFY, 5);
        }
        EXPECT_EQ(s.barNumNX, 5);
        EXPECT_EQ(s.barNumNY, 5);
        EXPECT_EQ(s.topBar, 1000.0);
        EXPECT_EQ(s.bottomBar, 1000.0);
        EXPECT_EQ(s.cover, 35.0);
        EXPECT_EQ(s.sectionKind, 2);
        EXPECT_EQ(s.geomTransf, 1);
        EXPECT_EQ(s.fiberCount, 0);
    }
}

TEST(FrameSectionTable, MissingOrBadDimensionsStopTheImport) {
    EXPECT_EQ(importFailure(sections({"  NAME=NI  MAT=STEEL  SH=I  T=400,200,20,10"})),
              "'' is not a valid floating point value (table FRAME SECTION, line 9)");
    EXPECT_EQ(importFailure(sections({"  NAME=N  MAT=STEEL  SH=R  T=40O,200"})),
              "'40O' is not a valid floating point value (table FRAME SECTION, line 9)");
    EXPECT_EQ(importFailure("x\nFRAME SECTION\n  NAME=N  MAT=STEEL  SH=R  T=1,1\n"),
              "Range check error (table FRAME SECTION, line 2)");
}

TEST(FrameSectionTable, MaterialNamesResolveToTheLastExactMatch) {
    const auto store =
        importText("x\n" +
                   table("MATERIAL", {"  NAME=A", "    T=0  E=1  U=0", "  NAME=A", "    T=0  E=2  U=0",
                                      "  NAME=a", "    T=0  E=3  U=0"}) +
                   table("FRAME SECTION", {"  NAME=N1  MAT=A  SH=R  T=1,1", "  NAME=N2  MAT=a  SH=R  T=1,1",
                                           "  NAME=N3  MAT=A   SH=R  T=1,1"}));
    EXPECT_EQ(store.frameSections[1].material, 2);
    EXPECT_EQ(store.frameSections[2].material, 3);
    // Three spaces after the material name shift the later fields: the shape letter is not found.
    EXPECT_EQ(store.frameSections[3].material, 2);
    EXPECT_EQ(store.frameSections[3].shape, ShapeNone);
}

TEST(FrameSectionTable, ColourRepeatsEveryTwentySections) {
    std::string lines = "x\nFRAME SECTION\n";
    for (int k = 1; k <= 21; ++k)
        lines += "  NAME=S" + std::to_string(k) + "  MAT=M  SH=R  T=1,1\n";
    const auto store = importText(lines + "\n");
    const ColourTable palette = initPalette();
    EXPECT_EQ(store.frameSections[1].colour, palette[1]);
    EXPECT_EQ(store.frameSections[10].colour, palette[10]);
    EXPECT_EQ(store.frameSections[16].colour, palette[16]);
    EXPECT_EQ(store.frameSections[17].colour, palette[7]);
    EXPECT_EQ(store.frameSections[20].colour, palette[10]);
    EXPECT_EQ(store.frameSections[21].colour, store.frameSections[1].colour);
}

TEST(ShellSectionTable, OnlyShellLinesAreReadAndPackedFromOne) {
    const auto store =
        importText("x\n" + kMaterials +
                   table("SHELL SECTION", {"  NAME=MEM  MAT=CONC  MATANG=0  Membrane  TH=100,100",
                                           "  NAME=SLAB  MAT=CONC  MATANG=0  Shell  TH=150,160",
                                           "  NAME=PLATE  MAT=STEEL  MATANG=0  Plate  TH=10,10",
                                           "  NAME=ROOF  MAT=STEEL  MATANG=0  Shell  TH=120,120"}));
    ASSERT_EQ(store.shellSectionCount, 4);
    EXPECT_EQ(store.shellSections[1].name, "SLAB");
    EXPECT_EQ(store.shellSections[1].thickness, 160.0);
    EXPECT_EQ(store.shellSections[1].material, 2);
    EXPECT_EQ(store.shellSections[1].isShell, 1);
    EXPECT_EQ(store.shellSections[1].colour, initPalette()[1]);
    EXPECT_EQ(store.shellSections[2].name, "ROOF");
    EXPECT_EQ(store.shellSections[2].material, 1);
    EXPECT_EQ(store.shellSections[2].colour, initPalette()[2]);
    EXPECT_EQ(store.shellSections[3].name, "");
    EXPECT_EQ(store.shellSections[3].isShell, 0);
    EXPECT_EQ(store.shellSections[4].isShell, 0);
    EXPECT_EQ(
        importFailure("x\n" + table("SHELL SECTION", {"  NAME=S  MAT=C  MATANG=0  Shell  TH=thin,thin"})),
        "'thin' is not a valid floating point value (table SHELL SECTION, line 3)");
}
