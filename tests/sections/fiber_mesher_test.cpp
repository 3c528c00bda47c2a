#include "common/error.h"
#include "sections/fiber_mesher.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

namespace kelvane {
namespace {

using ::testing::HasSubstr;

constexpr std::int32_t kRebar = 9;

TSECTION rectangle(std::int32_t kind, std::int32_t nx, std::int32_t ny) {
    TSECTION s;
    s.name = "B300X500";
    s.shape = ShapeRectangle;
    s.elementType = NonlinearBeamColumn;
    s.t1 = 500;
    s.t2 = 300;
    s.material = 2;
    s.divideFX = s.divideFY = 5;
    s.barNumNX = nx;
    s.barNumNY = ny;
    s.cover = 35;
    s.topBar = 900;
    s.bottomBar = 600;
    s.sectionKind = kind;
    return s;
}

void expectFiber(const TSECTION& s, int j, double y, double z, double area, std::int32_t material) {
    SCOPED_TRACE("fiber " + std::to_string(j));
    const Fiber& f = s.fibers[static_cast<std::size_t>(j)];
    EXPECT_NEAR(f.y, y, 1e-9);
    EXPECT_NEAR(f.z, z, 1e-9);
    EXPECT_NEAR(f.area, area, 1e-9);
    EXPECT_EQ(f.material, material);
}

std::string meshError(TSECTION s) {
    try {
        meshFiberSection(s, 3, kRebar);
    } catch (const KelvaneError& e) {
        return e.what();
    }
    return "no error";
}

TEST(RectangleMesh, BeamHasGridThenTopAndBottomBarRows) {
    TSECTION s = rectangle(1, 3, 2);
    meshFiberSection(s, 1, kRebar);
    ASSERT_EQ(s.fiberCount, 30);
    expectFiber(s, 1, -120, -200, 6000, 2);
    expectFiber(s, 5, 120, -200, 6000, 2);
    expectFiber(s, 6, -120, -100, 6000, 2);
    expectFiber(s, 25, 120, 200, 6000, 2);
    expectFiber(s, 26, -115, 215, 300, kRebar);
    expectFiber(s, 27, 0, 215, 300, kRebar);
    expectFiber(s, 28, 115, 215, 300, kRebar);
    expectFiber(s, 29, -115, -215, 300, kRebar);
    expectFiber(s, 30, 115, -215, 300, kRebar);
    EXPECT_EQ(previewFiberCount(s), 30);
}

TEST(RectangleMesh, ColumnHasBottomTopAndSideRows) {
    TSECTION s = rectangle(2, 3, 2);
    meshFiberSection(s, 1, kRebar);
    ASSERT_EQ(s.fiberCount, 35);
    expectFiber(s, 26, -115, -215, 300, kRebar);
    expectFiber(s, 28, 115, -215, 300, kRebar);
    expectFiber(s, 29, -115, 215, 300, kRebar);
    expectFiber(s, 31, 115, 215, 300, kRebar);
    expectFiber(s, 32, -115, -215 + 430.0 / 3, 300, kRebar);
    expectFiber(s, 33, -115, -215 + 430.0 / 3 * 2, 300, kRebar);
    expectFiber(s, 34, 115, -215 + 430.0 / 3, 300, kRebar);
    expectFiber(s, 35, 115, -215 + 430.0 / 3 * 2, 300, kRebar);
    EXPECT_EQ(previewFiberCount(s), 35);
}

TEST(RectangleMesh, ZeroCountsLeaveOutTheirGroupWithoutError) {
    TSECTION s = rectangle(1, 0, 0);
    meshFiberSection(s, 1, kRebar);
    EXPECT_EQ(s.fiberCount, 25);
    s.divideFX = 0;
    meshFiberSection(s, 1, kRebar);
    EXPECT_EQ(s.fiberCount, 0);
    TSECTION column = rectangle(2, 0, 1);
    column.divideFY = 0;
    meshFiberSection(column, 1, kRebar);
    ASSERT_EQ(column.fiberCount, 2);
    expectFiber(column, 1, -115, 0, 600, kRebar);
    expectFiber(column, 2, 115, 0, 600, kRebar);
}

TEST(RectangleMesh, OneBarRowHasNoSpacing) {
    EXPECT_EQ(meshError(rectangle(1, 1, 2)), kDivisionByZero);
    EXPECT_EQ(meshError(rectangle(1, 3, 1)), kDivisionByZero);
    EXPECT_EQ(meshError(rectangle(2, 1, 2)), kDivisionByZero);
    TSECTION noClearWidth = rectangle(1, 1, 2);
    noClearWidth.cover = 150;
    EXPECT_EQ(meshError(noClearWidth), kInvalidOperation);
    // A column's side rows divide by the bar count plus one.
    EXPECT_EQ(meshError(rectangle(2, 2, 1)), "no error");
}

TEST(MeshLimits, RefusesMoreThanEightyFibersAndNegativeCountsNamingTheSection) {
    TSECTION big = rectangle(2, 5, 5);
    big.divideFX = big.divideFY = 8;
    big.fiberCount = 4;
    const std::string tooMany = meshError(big);
    EXPECT_THAT(tooMany, HasSubstr("Frame section 3 (B300X500)"));
    EXPECT_THAT(tooMany, HasSubstr("84 fibers"));
    TSECTION exactlyFull = rectangle(1, 3, 2);
    exactlyFull.divideFX = 5;
    exactlyFull.divideFY = 15;
    EXPECT_EQ(meshError(exactlyFull), "no error");

    TSECTION negative = rectangle(1, 3, -2);
    const std::string message = meshError(negative);
    EXPECT_THAT(message, HasSubstr("Frame section 3 (B300X500)"));
    EXPECT_THAT(message, HasSubstr("Bar Num NY"));
    TSECTION pipe;
    pipe.shape = ShapePipe;
    pipe.divideFX = -4;
    EXPECT_THAT(meshError(pipe), HasSubstr("Divide FX"));
}

TEST(IShapeMesh, FlangesThenWebFromTheBottom) {
    TSECTION s;
    s.shape = ShapeI;
    s.t1 = 400;
    s.t2 = 200;
    s.t3 = 20;
    s.t4 = 10;
    s.material = 4;
    s.divideFX = 4;
    s.divideFY = 6;
    meshFiberSection(s, 1, kRebar);
    ASSERT_EQ(s.fiberCount, 14);
    const double ys[] = {-75, -25, 25, 75};
    for (int i = 1; i <= 4; ++i) {
        expectFiber(s, i, ys[i - 1], -190, 1000, 4);
        expectFiber(s, 4 + i, ys[i - 1], 190, 1000, 4);
    }
    for (int i = 1; i <= 6; ++i)
        expectFiber(s, 8 + i, 0, -150 + 60 * (i - 1), 600, 4);
    EXPECT_EQ(previewFiberCount(s), 14);
}

TEST(BoxMesh, FlangesThenLeftAndRightWebs) {
    TSECTION s;
    s.shape = ShapeBox;
    s.t1 = 400;
    s.t2 = 200;
    s.t3 = 20;
    s.t4 = 10;
    s.material = 4;
    s.divideFX = 4;
    s.divideFY = 6;
    meshFiberSection(s, 1, kRebar);
    ASSERT_EQ(s.fiberCount, 20);
    expectFiber(s, 1, -75, -190, 1000, 4);
    expectFiber(s, 8, 75, 190, 1000, 4);
    for (int i = 1; i <= 6; ++i) {
        expectFiber(s, 8 + i, -95, -150 + 60 * (i - 1), 600, 4);
        expectFiber(s, 14 + i, 95, -150 + 60 * (i - 1), 600, 4);
    }
    EXPECT_EQ(previewFiberCount(s), 20);
}

TEST(PipeMesh, RingFromPositiveYTowardPositiveZ) {
    TSECTION s;
    s.shape = ShapePipe;
    s.t1 = 200;
    s.t2 = 10;
    s.material = 1;
    s.divideFX = 4;
    s.divideFY = 99; // not used by a pipe
    meshFiberSection(s, 1, kRebar);
    ASSERT_EQ(s.fiberCount, 4);
    const double area = (200.0 * 200 - 180.0 * 180) * std::acos(-1.0) / 4 / 4;
    expectFiber(s, 1, 95, 0, area, 1);
    expectFiber(s, 2, 0, 95, area, 1);
    expectFiber(s, 3, -95, 0, area, 1);
    expectFiber(s, 4, 0, -95, area, 1);
    EXPECT_EQ(previewFiberCount(s), std::nullopt);
}

TEST(MeshAllSections, OnlyBeamColumnAndTrussKindsAreRebuilt) {
    ModelStore store;
    store.frameSectionCount = 4;
    store.frameSections.resize(5);
    store.frameSections[1] = rectangle(1, 3, 2);
    store.frameSections[1].elementType = ElasticBeamColumn;
    store.frameSections[1].fiberCount = 1;
    store.frameSections[1].fibers[1] = Fiber{7, 8, 9, 10};
    store.frameSections[2] = rectangle(1, 3, 2);
    store.frameSections[2].elementType = CorotTruss;
    store.frameSections[3] = rectangle(1, 3, 2);
    store.frameSections[3].shape = ShapeNone;
    store.frameSections[3].fiberCount = 2;
    store.frameSections[4] = rectangle(1, 1, 2); // one-bar row: stops here
    EXPECT_THROW(meshFiberSections(store, kRebar), KelvaneError);
    EXPECT_EQ(store.frameSections[1].fiberCount, 1);
    EXPECT_EQ(store.frameSections[1].fibers[1].material, 10);
    EXPECT_EQ(store.frameSections[2].fiberCount, 30);
    EXPECT_EQ(store.frameSections[3].fiberCount, 2);
    EXPECT_EQ(previewFiberCount(store, 3), std::nullopt);
    EXPECT_EQ(previewFiberCount(store, 5), std::nullopt);
}

} // namespace
} // namespace kelvane
