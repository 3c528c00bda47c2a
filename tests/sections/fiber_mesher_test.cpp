#include "common/error.h"
#include "sections/fiber_mesher.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace kelvane {
namespace {

using ::testing::HasSubstr;

constexpr std::int32_t kRebar = 9;

// A 300 wide, 500 deep rectangle of material 2 with a 5 x 5 grid, cover 35, bar rows of 900 and 600.
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

TSECTION flanged(std::int32_t shape) {
    TSECTION s;
    s.shape = shape;
    s.t1 = 400;
    s.t2 = 200;
    s.t3 = 20;
    s.t4 = 10;
    s.material = 4;
    s.divideFX = 4;
    s.divideFY = 6;
    return s;
}

// Expects fibers first.. to hold the given (y, z, area, material) in order.
void expectFibers(const TSECTION& s, int first, const std::vector<Fiber>& expected) {
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Fiber& f = s.fibers[static_cast<std::size_t>(first) + i];
        SCOPED_TRACE("fiber " + std::to_string(first + static_cast<int>(i)));
        EXPECT_NEAR(f.y, expected[i].y, 1e-9);
        EXPECT_NEAR(f.z, expected[i].z, 1e-9);
        EXPECT_NEAR(f.area, expected[i].area, 1e-9);
        EXPECT_EQ(f.material, expected[i].material);
    }
}

std::string meshError(TSECTION s) {
    try {
        meshFiberSection(s, 3, kRebar);
    } catch (const KelvaneError& e) {
        return e.what();
    }
    return "no error";
}

TEST(RectangleMesh, BeamGridThenTopAndBottomRows) {
    TSECTION s = rectangle(1, 3, 2);
    meshFiberSection(s, 1, kRebar);
    ASSERT_EQ(s.fiberCount, 30);
    EXPECT_EQ(previewFiberCount(s), 30);
    expectFibers(s, 1, {{-120, -200, 6000, 2}, {-60, -200, 6000, 2}});
    expectFibers(s, 5, {{120, -200, 6000, 2}, {-120, -100, 6000, 2}});
    expectFibers(s, 25,
                 {{120, 200, 6000, 2},
                  {-115, 215, 300, kRebar},
                  {0, 215, 300, kRebar},
                  {115, 215, 300, kRebar},
                  {-115, -215, 300, kRebar},
                  {115, -215, 300, kRebar}});
}

TEST(RectangleMesh, ColumnBottomTopAndSideRows) {
    TSECTION s = rectangle(2, 3, 2);
    meshFiberSection(s, 1, kRebar);
    ASSERT_EQ(s.fiberCount, 35);
    EXPECT_EQ(previewFiberCount(s), 35);
    const double z1 = -215 + 430.0 / 3, z2 = -215 + 430.0 / 3 * 2;
    expectFibers(s, 26,
                 {{-115, -215, 300, kRebar},
                  {0, -215, 300, kRebar},
                  {115, -215, 300, kRebar},
                  {-115, 215, 300, kRebar},
                  {0, 215, 300, kRebar},
                  {115, 215, 300, kRebar},
                  {-115, z1, 300, kRebar},
                  {-115, z2, 300, kRebar},
                  {115, z1, 300, kRebar},
                  {115, z2, 300, kRebar}});
}

TEST(RectangleMesh, EmptyGroupsOneBarRowsAndLimits) {
    TSECTION noBars = rectangle(2, 0, 0);
    meshFiberSection(noBars, 1, kRebar);
    EXPECT_EQ(noBars.fiberCount, 25); // the concrete grid alone

    // A mesh without concrete, or bars on the edge or outside it, is another section than the one
    // drawn: refused, naming the box.
    TSECTION noGrid = rectangle(2, 0, 1);
    noGrid.divideFY = 0;
    EXPECT_EQ(meshError(noGrid),
              "Frame section 3 (B300X500): \"Divide FY\": a fiber mesh needs 1 division or more, not 0");
    for (const double cover : {150.0, 200.0}) {
        TSECTION barsOutside = rectangle(1, 1, 2);
        barsOutside.cover = cover;
        EXPECT_THAT(meshError(barsOutside), HasSubstr("\"Cover\": " + std::to_string(int(cover))));
    }

    EXPECT_EQ(meshError(rectangle(1, 1, 2)), kDivisionByZero);
    EXPECT_EQ(meshError(rectangle(1, 3, 1)), kDivisionByZero);
    EXPECT_EQ(meshError(rectangle(2, 1, 2)), kDivisionByZero);
    EXPECT_EQ(meshError(rectangle(2, 2, 1)), "no error");

    TSECTION full = rectangle(1, 3, 2);
    full.divideFY = 15; // 75 + 5 = 80 fibers: the list is full
    EXPECT_EQ(meshError(full), "no error");
    TSECTION tooMany = rectangle(2, 5, 5);
    tooMany.divideFX = tooMany.divideFY = 8;
    EXPECT_THAT(meshError(tooMany), HasSubstr("Frame section 3 (B300X500) needs 84 fibers"));
    EXPECT_THAT(meshError(rectangle(1, 3, -2)),
                HasSubstr("Frame section 3 (B300X500): \"Bar Num NY\" is -2"));
}

TEST(FlangedMesh, IAndBoxFlangesThenWebsFromTheBottom) {
    TSECTION i = flanged(ShapeI);
    meshFiberSection(i, 1, kRebar);
    ASSERT_EQ(i.fiberCount, 14);
    EXPECT_EQ(previewFiberCount(i), 14);
    expectFibers(i, 1,
                 {{-75, -190, 1000, 4},
                  {-25, -190, 1000, 4},
                  {25, -190, 1000, 4},
                  {75, -190, 1000, 4},
                  {-75, 190, 1000, 4}});
    expectFibers(i, 8, {{75, 190, 1000, 4}, {0, -150, 600, 4}, {0, -90, 600, 4}});
    expectFibers(i, 14, {{0, 150, 600, 4}});

    TSECTION box = flanged(ShapeBox);
    meshFiberSection(box, 1, kRebar);
    ASSERT_EQ(box.fiberCount, 20);
    EXPECT_EQ(previewFiberCount(box), 20);
    expectFibers(box, 8, {{75, 190, 1000, 4}, {-95, -150, 600, 4}});
    expectFibers(box, 14, {{-95, 150, 600, 4}, {95, -150, 600, 4}});
    expectFibers(box, 20, {{95, 150, 600, 4}});
}

TEST(PipeMesh, RingFromPositiveYTowardPositiveZ) {
    TSECTION s;
    s.shape = ShapePipe;
    s.t1 = 200;
    s.t2 = 10;
    s.material = 1;
    s.divideFX = 4;
    s.divideFY = 1;
    meshFiberSection(s, 1, kRebar);
    ASSERT_EQ(s.fiberCount, 4);
    EXPECT_EQ(previewFiberCount(s), std::nullopt);
    // The ring's fibers lie where they carry its second moment: r^2 = (100^2 + 90^2) / 2.
    const double area = (200.0 * 200 - 180.0 * 180) * std::acos(-1.0) / 4 / 4, r = std::sqrt(9050.0);
    expectFibers(s, 1, {{r, 0, area, 1}, {0, r, area, 1}, {-r, 0, area, 1}, {0, -r, area, 1}});
    s.divideFX = -4;
    EXPECT_THAT(meshError(s), HasSubstr("\"Divide FX\" is -4"));
    s.divideFX = 4;
    s.divideFY = -1;
    EXPECT_THAT(meshError(s), HasSubstr("\"Divide FY\" is -1"));
}

// A 400 square column with cover 50 on an 8 x 8 grid of 50 mm cells: the bars' centre lines at
// +-150 fall on grid lines, so the outer ring of cells is cover and the inner 6 x 6 is the core.
TEST(RectangleMesh, ConfinedCoreTakesTheCoreMaterialInsideTheBarLines) {
    TSECTION s = rectangle(2, 3, 1);
    s.t1 = s.t2 = 400;
    s.cover = 50;
    s.divideFX = s.divideFY = 8;
    s.coreMaterial = 5;
    s.rebarMaterial = 7;
    meshFiberSection(s, 1, kRebar);
    int core = 0, cover = 0;
    for (int i = 1; i <= 64; ++i) {
        const Fiber& f = s.fibers[static_cast<std::size_t>(i)];
        const bool inside = std::abs(f.y) < 150 && std::abs(f.z) < 150;
        EXPECT_EQ(f.material, inside ? 5 : 2) << "fiber " << i << " at " << f.y << ", " << f.z;
        (inside ? core : cover) += 1;
    }
    EXPECT_EQ(core, 36);
    EXPECT_EQ(cover, 28);
    for (int i = 65; i <= s.fiberCount; ++i)
        EXPECT_EQ(s.fibers[static_cast<std::size_t>(i)].material, 7) << "the section's own rebar material";

    s.coreMaterial = 0;
    s.rebarMaterial = 0;
    meshFiberSection(s, 1, kRebar);
    EXPECT_EQ(s.fibers[28].material, 2);
    EXPECT_EQ(s.fibers[65].material, kRebar);

    ModelStore store;
    store.materialCount = 2;
    store.materials.resize(3);
    store.frameSectionCount = 1;
    store.frameSections = {TSECTION{}, s};
    store.frameSections[1].coreMaterial = 3;
    try {
        meshFiberSections(store, kRebar);
        ADD_FAILURE() << "a core material outside the table was accepted";
    } catch (const KelvaneError& e) {
        EXPECT_STREQ(e.what(), "Frame section 1 (B300X500): the core material is material 3, which does not "
                               "exist (the model has 2 materials)");
    }
}

TEST(MeshAllSections, OnlyBeamColumnAndTrussKindsAreRebuiltUntilAFailure) {
    ModelStore store;
    store.frameSectionCount = 4;
    store.frameSections = {TSECTION{}, rectangle(1, 3, 2), rectangle(1, 3, 2), rectangle(1, 3, 2),
                           rectangle(1, 1, 2)};
    store.frameSections[1].elementType = ElasticBeamColumn;
    store.frameSections[1].fiberCount = 1;
    store.frameSections[2].elementType = CorotTruss;
    store.frameSections[3].shape = ShapeNone;
    store.frameSections[3].fiberCount = 2;
    EXPECT_THROW(meshFiberSections(store, kRebar), KelvaneError); // section 4 has a one-bar row
    EXPECT_EQ(store.frameSections[1].fiberCount, 1);
    EXPECT_EQ(store.frameSections[2].fiberCount, 30);
    EXPECT_EQ(store.frameSections[3].fiberCount, 2);
    EXPECT_EQ(previewFiberCount(store, 3), std::nullopt);
    EXPECT_EQ(previewFiberCount(store, 5), std::nullopt);
}

} // namespace
} // namespace kelvane
