#include "materials/material_defaults.h"
#include "sections/fiber_mesher.h"
#include "table_import_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

// Concrete sections, bar sizes and material data of the table format, and what the report says of
// what it does not carry. Sections: COL 20 x 20, BEAM 12 wide and 24 deep, ROUND 24 across.
namespace kelvane {
namespace {

using test::sapTable;
using testing::HasSubstr;

std::string model(const std::string& units, const std::string& tables) {
    return sapTable("PROGRAM CONTROL", {"CurrUnits=\"" + units + "\""}) +
           sapTable("MATERIAL PROPERTIES 01 - GENERAL",
                    {"Material=C30   Type=Concrete", "Material=B500   Type=Rebar"}) +
           sapTable("MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES",
                    {"Material=C30   E1=25743   U12=0.2", "Material=B500   E1=200000   U12=0.3"}) +
           sapTable("FRAME SECTION PROPERTIES 01 - GENERAL",
                    {"SectionName=COL   Material=C30   Shape=Rectangular   t3=20   t2=20",
                     "SectionName=BEAM   Material=C30   Shape=Rectangular   t3=24   t2=12",
                     "SectionName=ROUND   Material=C30   Shape=Circle   t3=24   Area=452   I33=1   I22=1   "
                     "TorsConst=1"}) +
           tables;
}

std::string columns(const std::string& fields) {
    return sapTable("FRAME SECTION PROPERTIES 02 - CONCRETE COLUMN",
                    {"SectionName=COL   RebarMatL=B500   ReinfConfig=Rectangular   " + fields});
}

// A 4 x 4 column has 12 bars of one size: 4 corners, 2 more on each face, a third of the face apart.
TEST(ConcreteSectionTables, ColumnsPlaceEveryBarAtItsSizesArea) {
    struct Case {
        std::string units, fields, sizes;
        double barArea, inset; // mm2, mm from the edge to the bars' centres
    } const cases[] = {
        // 5d built in: pi 5^2 / 4; the inset is the clear cover, the 1d tie and half the bar.
        {"N, mm, C", "Cover=2   NumBars3Dir=4   NumBars2Dir=4   BarSizeL=5d   BarSizeC=1d", "", 19.635, 5.5},
        // #9 of the file's REBAR SIZES in inches, 1 in2: 645.16 mm2; 1.5 + 0.5 + 1.128 / 2 in.
        {"Kip, in, F", "Cover=1.5   NumBars3Dir=4   NumBars2Dir=4   BarSizeL=#9   BarSizeC=#4",
         sapTable("REBAR SIZES",
                  {"RebarID=#4   Area=0.2   Diameter=0.5", "RebarID=#9   Area=1   Diameter=1.128"}),
         645.16, 2.564 * 25.4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields);
        const TSECTION s =
            test::importTables(model(c.units, columns(c.fields) + c.sizes)).store.frameSections[1];
        ASSERT_EQ(s.bars.size(), 12u);
        EXPECT_EQ(s.rebarMaterial, 2);
        const double half = (c.units == "N, mm, C" ? 10 : 10 * 25.4) - c.inset;
        int corners = 0;
        for (const RebarBar& bar : s.bars) {
            EXPECT_NEAR(bar.area, c.barArea, 1e-3 * c.barArea);
            corners += std::abs(std::abs(bar.y) - half) < 1e-9 && std::abs(std::abs(bar.z) - half) < 1e-9;
        }
        EXPECT_EQ(corners, 4);
        EXPECT_NEAR(s.bars[4].y, -half / 3, 1e-9);
    }
}

TEST(ConcreteSectionTables, CircularColumnsBeamsAndWhatIsNotCarried) {
    const ImportedModel imported = test::importTables(model(
        "N, mm, C",
        sapTable(
            "FRAME SECTION PROPERTIES 02 - CONCRETE COLUMN",
            {"SectionName=ROUND   RebarMatL=B500   LatReinf=Spiral   Cover=2   NumBarsCirc=8   BarSizeL=4d   "
             "BarSizeC=1d   SpacingC=3",
             "SectionName=COL   RebarMatL=B500   Cover=8   NumBars3Dir=3   NumBars2Dir=3   BarSizeL=4d   "
             "BarSizeC=1d"}) +
            sapTable("FRAME SECTION PROPERTIES 03 - CONCRETE BEAM",
                     {"SectionName=BEAM   RebarMatL=B500   TopCover=3   BotCover=2   TopLeftArea=6   "
                      "TopRghtArea=10   "
                      "BotLeftArea=5   BotRghtArea=4"}) +
            sapTable("FRAME LOADS - GRAVITY", {"Frame=1   LoadPat=DEAD", "Frame=2   LoadPat=DEAD"})));
    // Eight bars on a circle of radius 24 / 2 - 2 - 1 - 2 = 7.
    const TSECTION& round = imported.store.frameSections[3];
    ASSERT_EQ(round.bars.size(), 8u);
    for (const RebarBar& bar : round.bars)
        EXPECT_NEAR(std::hypot(bar.y, bar.z), 7.0, 1e-12);
    // Its concrete is meshed in rings, whose areas add up to the circle's, and the bars join them.
    TSECTION meshed = round;
    meshFiberSection(meshed, 3, 0);
    ASSERT_EQ(meshed.fiberCount, meshed.divideFX * meshed.divideFY + 8);
    double concrete = 0, steel = 0;
    for (int k = 1; k <= meshed.fiberCount; ++k)
        (k <= meshed.divideFX * meshed.divideFY ? concrete : steel) += meshed.fibers[k].area;
    EXPECT_NEAR(concrete, std::numbers::pi * 12 * 12, 1e-9);
    EXPECT_NEAR(steel, 8 * round.reinforcement.barArea, 1e-12);
    // Each face of the beam takes the larger area of its two ends, as two bars at its cover.
    const std::vector<RebarBar>& beam = imported.store.frameSections[2].bars;
    ASSERT_EQ(beam.size(), 4u);
    EXPECT_EQ(
        std::vector<double>({beam[0].area + beam[1].area, beam[0].z, beam[2].area + beam[3].area, beam[2].z}),
        std::vector<double>({10, 12 - 3, 5, -(12 - 2)}));
    // COL's bars would lie 8 + 1 + 2 inside a 20 mm square: SAP2000 keeps such dummy sections.
    EXPECT_TRUE(imported.store.frameSections[1].bars.empty());
    EXPECT_THAT(
        tables::reportLines(imported.report),
        testing::IsSupersetOf({"  frame gravity loads (FRAME LOADS - GRAVITY): 2",
                               "  concrete sections whose bars do not fit the section (meshed without "
                               "bars): COL: 1",
                               "  concrete beams whose two ends differ in reinforcement (each face takes "
                               "its larger area): 1"}));
    EXPECT_THAT(tables::reportLines(imported.report), testing::Not(testing::Contains(HasSubstr("not meshed"))));
    EXPECT_THAT(test::tableImportFailure(model("N, mm, C", columns("Cover=1   NumBars3Dir=4   BarSizeL=7q"))),
                HasSubstr("line 18: BarSizeL=7q: no bar size of that name"));
}

// B500: Fy 500, Fu 575 at 0.09, E 200000: b = 75 / (200000 (0.09 - 0.0025)) = 0.004286. C30: the
// file's strain at f'c and its ultimate strain.
TEST(ConcreteSectionTables, MaterialDataGiveTheNonlinearDefaultsAndSayWhere) {
    const ImportedModel imported = test::importTables(
        model("N, mm, C", "") +
        sapTable("MATERIAL PROPERTIES 03b - CONCRETE DATA",
                 {"Material=C30   Fc=30   SFc=0.0022   SCap=0.005"}) +
        sapTable("MATERIAL PROPERTIES 03e - REBAR DATA", {"Material=B500   Fy=500   Fu=575   SMax=0.09"}));
    const TMAT& rebar = imported.store.materials[2];
    EXPECT_EQ(defaultParameters(rebar, ModelSteel02).b, 0.004286);
    EXPECT_THAT(defaultSources(rebar, ModelSteel02)[2].text, HasSubstr("from the file's Fu"));
    const MaterialParameters concrete = defaultParameters(imported.store.materials[1], ModelConcrete02);
    EXPECT_EQ(concrete.epsc0, 0.0022);
    EXPECT_EQ(concrete.epsU, 0.005);
}

} // namespace
} // namespace kelvane
