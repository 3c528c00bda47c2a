#include "model/table_import_support.h"
#include "script/generator_passes.h"
#include "sections/fiber_mesher.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace kelvane {
namespace {

// Area, I33 and I22 about the centroid by parts; `left` and `bottom` are the outline's edges from
// the centroid, `plastic` the plastic modulus (0: not checked).
struct ClosedForm {
    double area, i33, i22, left, bottom, plastic;
};

ClosedForm round(double d, double inside) {
    const double i = (std::pow(d, 4) - std::pow(inside, 4)) * std::numbers::pi / 64;
    return {(d * d - inside * inside) * std::numbers::pi / 4, i, i, -d / 2, -d / 2,
            (std::pow(d, 3) - std::pow(inside, 3)) / 6};
}

// Parts (width, height, left, bottom) of an open shape, in mm from its outline's bottom left.
ClosedForm byParts(std::initializer_list<std::array<double, 4>> parts) {
    double area = 0, y = 0, z = 0, i33 = 0, i22 = 0;
    for (const auto& [w, h, l, b] : parts) {
        area += w * h, y += w * h * (l + w / 2), z += w * h * (b + h / 2);
        i33 += w * h * h * h / 12 + w * h * std::pow(b + h / 2, 2);
        i22 += h * w * w * w / 12 + w * h * std::pow(l + w / 2, 2);
    }
    y /= area, z /= area;
    return {area, i33 - area * z * z, i22 - area * y * y, -y, -z, 0};
}

// A 2 m frame along X (local 3 along -Y) of the section a table row gives (mm), inserted at a
// cardinal point.
ModelStore frameOfSection(const std::string& row, int cardinalPoint) {
    using test::sapTable;
    return test::importTables(sapTable("PROGRAM CONTROL", {"CurrUnits=\"N, mm, C\""}) +
                              sapTable("JOINT COORDINATES", {"Joint=1   XorR=0", "Joint=2   XorR=2000"}) +
                              sapTable("FRAME SECTION PROPERTIES 01 - GENERAL", {"SectionName=S   " + row}) +
                              sapTable("CONNECTIVITY - FRAME", {"Frame=F   JointI=1   JointJ=2"}) +
                              sapTable("FRAME SECTION ASSIGNMENTS", {"Frame=F   AnalSect=S"}) +
                              sapTable("FRAME INSERTION POINT ASSIGNMENTS",
                                       {"Frame=F   CardinalPt=" + std::to_string(cardinalPoint)}))
        .store;
}

// Each shape as the table format gives it (mm), meshed with its default divisions, carries the
// area and second moments of its closed form within 1 % about its centroid; an elastic element
// takes the closed forms themselves. A frame inserted at cardinal point 3, the outline's bottom on
// its -3 side, has its centroid where the parts put it.
TEST(ShapeMesh, TableShapesMeshIntoTheirClosedFormPropertiesAboutTheCentroid) {
    const std::pair<const char*, ClosedForm> rows[] = {
        {"Shape=Circle   t3=600", round(600, 0)},
        {"Shape=Pipe   t3=600   tw=100", round(600, 400)},
        {"Shape=Channel   t3=300   t2=100   tf=15   tw=10",
         byParts({{10, 270, 0, 15}, {100, 15, 0, 0}, {100, 15, 0, 285}})},
        {"Shape=Angle   t3=200   t2=90   tf=8   tw=16", byParts({{16, 192, 0, 8}, {90, 8, 0, 0}})},
        {"Shape=Tee   t3=100   t2=150   tf=25   tw=20", byParts({{20, 75, 65, 0}, {150, 25, 0, 75}})},
        {"Shape=\"Double Angle\"   t3=100   t2=210   tf=10   tw=10   dis=10",
         byParts({{10, 90, 90, 10}, {100, 10, 0, 0}, {10, 90, 110, 10}, {100, 10, 110, 0}})},
        {"Shape=\"Double Channel\"   t3=300   t2=210   tf=15   tw=10   dis=10",
         byParts({{10, 270, 90, 15},
                  {100, 15, 0, 0},
                  {100, 15, 0, 285},
                  {10, 270, 110, 15},
                  {100, 15, 110, 0},
                  {100, 15, 110, 285}})},
    };
    for (const auto& [row, e] : rows) {
        SCOPED_TRACE(row);
        ModelStore store = frameOfSection(row, 3);
        TSECTION& s = store.frameSections[1];
        s.elementType = NonlinearBeamColumn;
        meshFiberSection(s, 1, 0);
        ASSERT_EQ(s.fiberCount, meshFiberCount(s));
        ASSERT_LE(s.fiberCount, kFiberCapacity);
        double area = 0, firstY = 0, i33 = 0, i22 = 0, plastic = 0;
        for (int i = 1; i <= s.fiberCount; ++i) {
            const Fiber& f = s.fibers[static_cast<std::size_t>(i)];
            area += f.area, firstY += f.area * f.y, i33 += f.area * f.z * f.z, i22 += f.area * f.y * f.y;
            plastic += f.area * std::abs(f.z);
        }
        EXPECT_NEAR(area / e.area, 1, 0.01);
        EXPECT_NEAR(i33 / e.i33, 1, 0.01);
        EXPECT_NEAR(i22 / e.i22, 1, 0.01);
        EXPECT_NEAR(firstY, 0, 1e-9 * e.area * s.t1);
        EXPECT_NEAR(store.frames[1].assigned->offsetI[1], e.left, 1e-6);
        EXPECT_NEAR(store.frames[1].assigned->offsetI[2], -e.bottom, 1e-6);
        if (e.plastic > 0) {
            EXPECT_NEAR(plastic / e.plastic, 1, 0.02);
        }
        computeSectionProperties(s, 1);
        EXPECT_NEAR(s.i33 / e.i33, 1, 1e-9);
        EXPECT_NEAR(s.i22 / e.i22, 1, 1e-9);
    }
}

// A channel 300 x 100 x 15 x 10 along X hung from its shear centre (cardinal point 11): that lies
// e = 3 b^2 tf / (6 b tf + h tw) = 35.6 mm behind the web's centre line (b = 95, h = 285 between
// centre lines), 30.6 mm behind its back; the centroid 28.7 mm in front, toward +3, that is -Y.
TEST(ShapeMesh, ChannelHungFromItsShearCentre) {
    const ModelStore store = frameOfSection("Shape=Channel   t3=300   t2=100   tf=15   tw=10", 11);
    const double e = 3 * 95.0 * 95 * 15 / (6 * 95.0 * 15 + 285 * 10), y = (3000 * 50 + 2700 * 5) / 5700.0;
    EXPECT_NEAR(store.frames[1].assigned->offsetI[1], -(y + e - 5), 1e-9);
    EXPECT_NEAR(store.frames[1].assigned->offsetI[2], 0, 1e-9);
}

} // namespace
} // namespace kelvane
