#include "materials/material_defaults.h"
#include "model/tables/table_import.h"
#include "support/test_support.h"
#include "table_import_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

// Concrete sections, bar sizes and material data of the table format, and what the report says of
// what it does not carry.
namespace kelvane {
namespace {

using test::sapTable;

std::string model(const std::string& units, const std::string& sectionTables) {
    return sapTable("PROGRAM CONTROL",
                    {"ProgramName=SAP2000   Version=24.1.0   CurrUnits=\"" + units + "\""}) +
           sapTable("MATERIAL PROPERTIES 01 - GENERAL",
                    {"Material=C30   Type=Concrete", "Material=B500   Type=Rebar"}) +
           sapTable("MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES",
                    {"Material=C30   E1=25743   U12=0.2", "Material=B500   E1=200000   U12=0.3"}) +
           sapTable("FRAME SECTION PROPERTIES 01 - GENERAL",
                    {"SectionName=COL   Material=C30   Shape=Rectangular   t3=20   t2=20",
                     "SectionName=BEAM   Material=C30   Shape=Rectangular   t3=24   t2=12",
                     "SectionName=ROUND   Material=C30   Shape=Circle   t3=24   Area=452.4   I33=16286   "
                     "I22=16286   "
                     "TorsConst=32572"}) +
           sectionTables;
}

std::string column(std::string_view fields) {
    return "SectionName=COL   RebarMatL=B500   RebarMatC=B500   ReinfConfig=Rectangular   LatReinf=Ties   " +
           std::string(fields);
}

struct ColumnCase {
    std::string name, units, fields, sizes;
    double barArea, inset; // mm2, mm from the edge to the bars' centres
};

// A 4 x 4 column has 12 bars, all of one size: 4 corners, 2 more on each face.
TEST(ConcreteSectionTables, ColumnsPlaceEveryBarAtItsSizesArea) {
    const ColumnCase cases[] = {
        // 25d built in: pi 25^2 / 4 = 490.87; 500 mm square, 40 clear to 10d ties: 40 + 10 + 12.5.
        {"built-in 25d", "N, mm, C",
         "Cover=40   NumBars3Dir=4   NumBars2Dir=4   BarSizeL=25d   BarSizeC=10d   SpacingC=100", "", 490.87,
         62.5},
        // #9 of the file's REBAR SIZES, in inches: 1 in2 = 645.16 mm2; 1.5 in + #4 0.5 in + 1.128 / 2 in.
        {"file #9 in inches", "Kip, in, F",
         "Cover=1.5   NumBars3Dir=4   NumBars2Dir=4   BarSizeL=#9   BarSizeC=#4",
         sapTable("REBAR SIZES",
                  {"RebarID=#4   Area=0.2   Diameter=0.5", "RebarID=#9   Area=1   Diameter=1.128"}),
         645.16, 2.564 * 25.4},
        // A file's size overrides the one built in: 25d of 500 mm2.
        {"file overrides", "N, mm, C", "Cover=40   NumBars3Dir=4   NumBars2Dir=4   BarSizeL=25d",
         sapTable("REBAR SIZES", {"RebarID=25d   Area=500   Diameter=25"}), 500, 52.5},
    };
    for (const ColumnCase& c : cases) {
        SCOPED_TRACE(c.name);
        const bool mm = c.units == "N, mm, C";
        std::string text = model(
            c.units, sapTable("FRAME SECTION PROPERTIES 02 - CONCRETE COLUMN", {column(c.fields)}) + c.sizes);
        if (mm) // the sections in mm: 500 square
            text = std::string(text).replace(text.find("t3=20   t2=20"), 13, "t3=500   t2=500");
        const ImportedModel imported = test::importTables(text);
        const TSECTION& s = imported.store.frameSections[1];
        ASSERT_EQ(s.bars.size(), 12u);
        EXPECT_EQ(s.rebarMaterial, 2);
        EXPECT_EQ(s.material, 1);
        const double half = (mm ? 500 : 20 * 25.4) / 2 - c.inset;
        int corners = 0;
        for (const RebarBar& bar : s.bars) {
            EXPECT_NEAR(bar.area, c.barArea, 0.01 * c.barArea);
            EXPECT_LE(std::abs(bar.y), half + 1e-9);
            EXPECT_LE(std::abs(bar.z), half + 1e-9);
            corners += std::abs(std::abs(bar.y) - half) < 1e-6 && std::abs(std::abs(bar.z) - half) < 1e-6;
        }
        EXPECT_EQ(corners, 4);
        // The middle bars of a face split it in three equal spaces.
        EXPECT_NEAR(s.bars[4].y, -half / 3, 1e-6);
        EXPECT_NEAR(s.bars[4].z, -half, 1e-6);
    }
}

TEST(ConcreteSectionTables, CircularColumnsAndBeamsTakeTheirOwnLayouts) {
    const ImportedModel imported = test::importTables(
        model("N, mm, C", sapTable("FRAME SECTION PROPERTIES 02 - CONCRETE COLUMN",
                                   {"SectionName=ROUND   RebarMatL=B500   ReinfConfig=Circular   "
                                    "LatReinf=Spiral   Cover=2   NumBarsCirc=8   "
                                    "BarSizeL=4d   BarSizeC=1d   SpacingC=3"}) +
                              sapTable("FRAME SECTION PROPERTIES 03 - CONCRETE BEAM",
                                       {"SectionName=BEAM   RebarMatL=B500   TopCover=3   BotCover=2   "
                                        "TopLeftArea=6   TopRghtArea=10   "
                                        "BotLeftArea=5   BotRghtArea=4"})));
    const TSECTION& beam = imported.store.frameSections[2];
    // Each face takes the larger area of its two ends, as two bars at its cover.
    ASSERT_EQ(beam.bars.size(), 4u);
    EXPECT_EQ(beam.bars[0].area + beam.bars[1].area, 10.0);
    EXPECT_EQ(beam.bars[2].area + beam.bars[3].area, 5.0);
    EXPECT_EQ(beam.bars[0].z, 12 - 3.0);
    EXPECT_EQ(beam.bars[2].z, -(12 - 2.0));
    // Eight bars on a circle of radius 24 / 2 - 2 - 1 - 2 = 7.
    const TSECTION& round = imported.store.frameSections[3];
    ASSERT_EQ(round.bars.size(), 8u);
    for (const RebarBar& bar : round.bars)
        EXPECT_NEAR(std::hypot(bar.y, bar.z), 7.0, 1e-12);
    EXPECT_TRUE(round.reinforcement.spiral);
    EXPECT_THAT(
        tables::reportLines(imported.report),
        testing::Contains(testing::HasSubstr("concrete beams whose two ends differ in reinforcement")));
}

TEST(ConcreteSectionTables, BadDescriptionsStopNamingTableLineAndValue) {
    const std::string kTable = "FRAME SECTION PROPERTIES 02 - CONCRETE COLUMN";
    EXPECT_THAT(
        test::tableImportFailure(model(
            "N, mm, C", sapTable(kTable, {column("Cover=1   NumBars3Dir=4   NumBars2Dir=4   BarSizeL=7q")}))),
        testing::HasSubstr("BarSizeL=7q: no bar size of that name"));
    EXPECT_THAT(test::tableImportFailure(model(
                    "N, mm, C",
                    sapTable(kTable, {column("Cover=1   NumBars3Dir=-4   NumBars2Dir=4   BarSizeL=2d")}))),
                testing::HasSubstr("NumBars3Dir=-4: a bar count must be a whole number"));
    EXPECT_THAT(test::tableImportFailure(
                    model("N, mm, C", sapTable(kTable, {"SectionName=NONE   RebarMatL=B500   Cover=1"}))),
                testing::HasSubstr("line 18: SectionName=NONE: there is no frame section of that name"));
}

// Tables of analysis meaning that the import does not carry are listed with their rows, and so is
// a section whose bars do not fit it (SAP2000 keeps such dummy sections).
TEST(ConcreteSectionTables, TheReportListsWhatIsNotCarried) {
    const ImportedModel imported = test::importTables(
        model("N, mm, C",
              sapTable("FRAME SECTION PROPERTIES 02 - CONCRETE COLUMN",
                       {column("Cover=8   NumBars3Dir=3   NumBars2Dir=3   BarSizeL=4d   BarSizeC=1d")}) +
                  sapTable("FRAME LOADS - GRAVITY", {"Frame=1   LoadPat=DEAD   MultiplierZ=-1",
                                                     "Frame=2   LoadPat=DEAD   MultiplierZ=-1"})));
    EXPECT_THAT(tables::reportLines(imported.report),
                testing::IsSupersetOf(
                    {"  frame gravity loads (FRAME LOADS - GRAVITY): 2",
                     "  concrete sections whose bars do not fit the section (meshed without bars): COL: 1"}));
    EXPECT_TRUE(imported.store.frameSections[1].bars.empty());
}

// B500: Fy 500, Fu 575 at 0.09, E 200000: b = 75 / (200000 (0.09 - 0.0025)) = 0.004286. C30: the
// file's strain at f'c and its ultimate strain.
TEST(ConcreteSectionTables, MaterialDataGiveTheNonlinearDefaultsAndSayWhere) {
    ImportedModel imported = test::importTables(
        model("N, mm, C", "") +
        sapTable("MATERIAL PROPERTIES 03b - CONCRETE DATA",
                 {"Material=C30   Fc=30   SFc=0.0022   SCap=0.005"}) +
        sapTable("MATERIAL PROPERTIES 03e - REBAR DATA",
                 {"Material=B500   Fy=500   Fu=575   EffFy=550   SHard=0.01   SMax=0.09"}));
    const TMAT& rebar = imported.store.materials[2];
    const MaterialParameters steel = defaultParameters(rebar, ModelSteel02);
    EXPECT_EQ(steel.Fy, 500.0);
    EXPECT_EQ(steel.b, 0.004286);
    const MaterialParameters concrete = defaultParameters(imported.store.materials[1], ModelConcrete02);
    EXPECT_EQ(concrete.fpc, 30.0);
    EXPECT_EQ(concrete.epsc0, 0.0022);
    EXPECT_EQ(concrete.epsU, 0.005);
    const std::vector<DefaultSource> sources = defaultSources(rebar, ModelSteel02);
    ASSERT_EQ(sources.size(), 6u);
    EXPECT_EQ(sources[0].text, "the file's Fy");
    EXPECT_THAT(sources[2].text, testing::HasSubstr("Fu"));
    TMAT plain = rebar;
    plain.fu = 0;
    EXPECT_EQ(defaultParameters(plain, ModelSteel02).b, 0.01);
    EXPECT_THAT(defaultSources(plain, ModelSteel02)[2].text, testing::HasSubstr("usual value"));
}

} // namespace
} // namespace kelvane
