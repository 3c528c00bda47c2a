#include "common/error.h"
#include "tcl/generator_passes.h"
#include "tcl/model_builder.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

TEST(SectionProperties, RectangleThreeHundredByFiveHundred) {
    TSECTION s;
    s.shape = ShapeRectangle;
    s.t1 = 300;
    s.t2 = 500;
    computeSectionProperties(s, 76923.08);
    EXPECT_DOUBLE_EQ(s.area, 150000);
    EXPECT_DOUBLE_EQ(s.i22, 3.125e9);
    EXPECT_DOUBLE_EQ(s.i33, 1.125e9);
    EXPECT_DOUBLE_EQ(s.av2, 125000);
    EXPECT_DOUBLE_EQ(s.av3, 125000);
    // a = 250, b = 150: 250 * 150^3 * (16/3 - 3.36 * 0.6 * (1 - 0.6^4 / 12))
    EXPECT_NEAR(s.torsion, 2.8170e9, 0.0005e9);
    EXPECT_NEAR(s.torsion, 250.0 * 150 * 150 * 150 * (16.0 / 3 - 3.36 * 0.6 * (1 - 0.1296 / 12)), 1.0);
    EXPECT_DOUBLE_EQ(s.shearModulus, 76923.08);
}

TEST(SectionProperties, PipeTwoHundredByTen) {
    TSECTION s;
    s.shape = ShapePipe;
    s.t1 = 200;
    s.t2 = 10;
    computeSectionProperties(s, 1);
    EXPECT_NEAR(s.area, 5969.03, 0.01);
    EXPECT_DOUBLE_EQ(s.av2, s.area);
    EXPECT_DOUBLE_EQ(s.av3, s.area);
    EXPECT_NEAR(s.i22, 2.701e7, 0.001e7);
    EXPECT_DOUBLE_EQ(s.i33, s.i22);
    EXPECT_NEAR(s.torsion, 5.402e7, 0.001e7);
}

TEST(SectionProperties, IShapeAndBox) {
    TSECTION i;
    i.shape = ShapeI;
    i.t1 = 400;
    i.t2 = 200;
    i.t3 = 20;
    i.t4 = 10;
    computeSectionProperties(i, 1);
    EXPECT_DOUBLE_EQ(i.area, 360 * 10 + 2 * 20 * 200);
    EXPECT_DOUBLE_EQ(i.av2, 400 * 10 * 5.0 / 6);
    EXPECT_DOUBLE_EQ(i.av3, 200 * 20 * 5.0 / 3);
    EXPECT_DOUBLE_EQ(i.i22, 1000.0 * 400 / 12 + 8e6 * 20 / 6);
    EXPECT_DOUBLE_EQ(i.i33, 2 * 200 * 20 * 190.0 * 190 + 6.4e7 * 10 / 12);
    EXPECT_DOUBLE_EQ(i.torsion, (1000.0 * 400 + 2 * 8000.0 * 200) / 3);

    TSECTION box = i;
    box.shape = ShapeBox;
    computeSectionProperties(box, 1);
    EXPECT_DOUBLE_EQ(box.area, 2 * 360 * 10 + 2 * 20 * 200);
    EXPECT_DOUBLE_EQ(box.av2, 2 * 400 * 10);
    EXPECT_DOUBLE_EQ(box.av3, 2 * 200 * 20);
    EXPECT_DOUBLE_EQ(box.i22, 2 * 95.0 * 95 * (400 * 10) + 2 * 20 * 8e6 / 12);
    EXPECT_DOUBLE_EQ(box.i33, 2 * 190.0 * 190 * (200 * 20) + 2 * 10 * 6.4e7 / 12);
    EXPECT_DOUBLE_EQ(box.torsion, 2 * 80000.0 * 80000 / (200.0 / 20 + 400.0 / 10));
}

TEST(SectionProperties, DegenerateTorsionRaisesTheFloatingPointErrors) {
    TSECTION empty;
    empty.shape = ShapeRectangle;
    try {
        computeSectionProperties(empty, 1);
        FAIL() << "no error";
    } catch (const KelvaneError& e) {
        EXPECT_STREQ(e.what(), kInvalidOperation);
    }
    TSECTION box;
    box.shape = ShapeBox;
    box.t1 = 400;
    box.t2 = 200;
    box.t4 = 10;
    try {
        computeSectionProperties(box, 1);
        FAIL() << "no error";
    } catch (const KelvaneError& e) {
        EXPECT_STREQ(e.what(), kDivisionByZero);
    }
    TSECTION flat;
    flat.shape = ShapeRectangle;
    flat.t2 = 100;
    computeSectionProperties(flat, 1);
    EXPECT_EQ(flat.torsion, 0);
}

TEST(SectionProperties, StoreAnotherShapeKeepsItsValuesAndMaterialGivesShearModulus) {
    ModelStore store;
    test::addMaterial(store, "C30", 30000, 0.2);
    test::addRectangle(store, "NCOL", NonlinearBeamColumn, 500, 500, 1);
    TSECTION& general = test::addRectangle(store, "NGEN", NonlinearBeamColumn, 0, 0, 1);
    general.shape = ShapeNone;
    general.area = 123;
    general.shearModulus = 7;
    computeSectionProperties(store);
    EXPECT_DOUBLE_EQ(store.frameSections[1].shearModulus, 12500);
    EXPECT_DOUBLE_EQ(store.frameSections[2].area, 123);
    EXPECT_DOUBLE_EQ(store.frameSections[2].shearModulus, 7);

    store.frameSections[1].material = 5;
    EXPECT_THROW(computeSectionProperties(store), KelvaneError);
}

} // namespace
} // namespace kelvane
