#include "common/error.h"
#include "script/generator_passes.h"
#include "script/model_builder.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

TSECTION shaped(std::int32_t shape, double t1, double t2, double t3 = 0, double t4 = 0) {
    TSECTION s;
    s.shape = shape;
    s.t1 = t1;
    s.t2 = t2;
    s.t3 = t3;
    s.t4 = t4;
    return s;
}

std::string propertiesError(TSECTION s) {
    try {
        computeSectionProperties(s, 1);
    } catch (const KelvaneError& e) {
        return e.what();
    }
    return "no error";
}

TEST(SectionProperties, RectangleAndPipeConstants) {
    TSECTION r = shaped(ShapeRectangle, 300, 500);
    computeSectionProperties(r, 76923.08);
    EXPECT_EQ(std::make_tuple(r.area, r.i22, r.i33, r.av2, r.av3, r.shearModulus),
              std::make_tuple(150000.0, 3.125e9, 1.125e9, 125000.0, 125000.0, 76923.08));
    // a = 250, b = 150: a b^3 (16/3 - 3.36 (b/a)(1 - b^4 / 12 a^4))
    EXPECT_NEAR(r.torsion, 250.0 * 150 * 150 * 150 * (16.0 / 3 - 3.36 * 0.6 * (1 - 0.1296 / 12)), 1.0);
    EXPECT_NEAR(r.torsion, 2.817e9, 0.0005e9);

    TSECTION p = shaped(ShapePipe, 200, 10);
    computeSectionProperties(p, 1);
    EXPECT_NEAR(p.area, 5969.03, 0.01);
    EXPECT_EQ(std::make_pair(p.av2, p.av3), std::make_pair(p.area, p.area));
    EXPECT_NEAR(p.i22, 2.701e7, 0.001e7);
    EXPECT_EQ(p.i33, p.i22);
    EXPECT_NEAR(p.torsion, 5.402e7, 0.001e7);
}

TEST(SectionProperties, DegenerateTorsionRaisesTheFloatingPointErrors) {
    EXPECT_EQ(propertiesError(shaped(ShapeRectangle, 0, 0)), kInvalidOperation);
    EXPECT_EQ(propertiesError(shaped(ShapeBox, 400, 200, 0, 10)), kDivisionByZero);
    EXPECT_EQ(propertiesError(shaped(ShapeRectangle, 0, 100)), "no error");
}

TEST(SectionProperties, OtherShapesKeepTheirValues) {
    ModelStore store;
    test::addMaterial(store, "C30", 30000, 0.2);
    TSECTION& general = test::addRectangle(store, "NGEN", NonlinearBeamColumn, 0, 0, 1);
    general.shape = ShapeNone;
    general.area = 123;
    general.shearModulus = 7;
    computeSectionProperties(store);
    EXPECT_EQ(std::make_pair(general.area, general.shearModulus), std::make_pair(123.0, 7.0));
}

// Properties read from the file (fillets, modifiers) stay as read for every shape; only the shear
// modulus follows the material.
TEST(SectionProperties, PropertiesFromTheFileAreNotRecomputed) {
    for (const std::int32_t shape : {ShapeNone, ShapeRectangle, ShapeI, ShapeBox, ShapePipe}) {
        SCOPED_TRACE(shape);
        ModelStore store;
        test::addMaterial(store, "C30", 30000, 0.25);
        TSECTION& section = test::addRectangle(store, "EFILE", ElasticBeamColumn, 600, 300, 1);
        section.shape = shape;
        section.t3 = section.t4 = 20;
        section.propertiesFromFile = true;
        section.area = 11;
        section.i22 = 22;
        section.i33 = 33;
        section.av2 = 4;
        section.av3 = 5;
        section.torsion = 6;
        computeSectionProperties(store);
        EXPECT_EQ(section.area, 11);
        EXPECT_EQ(section.i22, 22);
        EXPECT_EQ(section.i33, 33);
        EXPECT_EQ(section.av2, 4);
        EXPECT_EQ(section.av3, 5);
        EXPECT_EQ(section.torsion, 6);
        EXPECT_EQ(section.shearModulus, 12000);
    }
}

} // namespace
} // namespace kelvane
