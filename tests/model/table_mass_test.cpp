// Mass of table-format models as SAP2000 computes it, lumped to the joints, in N s^2/mm (which is
// also kN s^2/m, the files' unit: the tonne).
#include "model/model_import.h"
#include "model/model_mass.h"
#include "support/test_support.h"
#include "table_import_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvane::test {
namespace {

struct MassCase {
    const char* file;
    std::int32_t joint;
    double jointMass; // along X, Y and Z alike
    double total;
    std::vector<std::string> reportLines;
};

// mass-frame-slab-solid.s2k, concrete of 2.4 t/m3: the 3 m column of 0.09 m2 at MMod 2 weighs
// 1.296 t and carries 0.5 t/m added (1.5 t), the 4 m x 4 m slab 0.2 m thick 7.68 t and 0.1 t/m2
// added (1.6 t), the 1 m3 brick 2.4 t, joint 4 1 t, joint 5 9.80665 kN by weight: 16.476 t in
// all. Joint 2, at the column's top and a slab corner: 0.648 + 0.75 + 1.92 + 0.4 = 3.718 t.
// mass-dead-live-cantilever.s2k, mass source 1.0 DEAD + 0.25 LIVE of a massless column: DEAD is
// 100 kN at the top and 10 kN/m over its 3 m (130 kN / g = 13.2563 t), LIVE 40 kN at the top. Top:
// (100 + 15 + 0.25 x 40) / 9.80665 = 12.7465 t; the column's base takes the other 15 kN.
// keyword-element-mass.s2k, the version-6 format in N and mm: the same column without modifier
// (0.648 t), slab (7.68 t) and brick (2.4 t) of M=2.4E-09, and 1 t on joint 4: 11.728 t; joint 2
// 0.324 + 1.92 = 2.244 t.
TEST(ModelMass, ElementsAddedMassesAndLoadPatternsAreLumpedToTheJoints) {
    const MassCase cases[] = {
        {"tables/mass-frame-slab-solid.s2k",
         2,
         3.718,
         16.476,
         {"Mass: SAP2000's default (the file names no mass source): element self mass, added masses",
          "  joint added masses: 1.00000 KN-s2/m", "  joint added masses by weight: 1.00000 KN-s2/m",
          "  element self mass: 11.3760 KN-s2/m", "  frame and area added masses: 3.10000 KN-s2/m"}},
        {"tables/mass-dead-live-cantilever.s2k",
         2,
         125 / 9.80665,
         140 / 9.80665,
         {"Mass: mass source MSSSRC1: element self mass, added masses, load patterns",
          "  load pattern DEAD x 1: 13.2563 KN-s2/m", "  load pattern LIVE x 0.25: 1.01972 KN-s2/m",
          "Load patterns without loads: EMPTY", "  load patterns none of whose loads is written (WIND): 1"}},
        {"import/keyword-element-mass.s2k", 2, 2.244, 11.728, {}},
    };
    for (const MassCase& c : cases) {
        SCOPED_TRACE(c.file);
        const ImportedModel imported = importModelFile(dataPath(c.file), initPalette());
        const DofValues& mass = imported.store.nodes[static_cast<std::size_t>(c.joint)].mass;
        for (std::size_t dof = 1; dof <= 3; ++dof)
            EXPECT_NEAR(mass[dof], c.jointMass, 1e-9 * c.jointMass) << dof;
        for (const double total : totalTranslationalMass(imported.store))
            EXPECT_NEAR(total, c.total, 1e-9 * c.total);
        const std::vector<std::string> lines = tables::reportLines(imported.report);
        for (const std::string& line : c.reportLines)
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
}

// The source a modal case names wins over the default (which stands in for one the file lacks); a
// source without element mass leaves the elements out; the older MASSES 1 table names its source by
// MassFrom.
TEST(TableMass, TheMassSourceDecidesWhatIsCounted) {
    const std::string model =
        sapTable("PROGRAM CONTROL", {"CurrUnits=\"KN, m, C\""}) +
        sapTable("JOINT COORDINATES", {"Joint=1   XorR=0   Y=0   Z=0", "Joint=2   XorR=0   Y=0   Z=2"}) +
        sapTable("MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES",
                 {"Material=M   UnitMass=3   E1=1000   U12=0.2"}) +
        sapTable("FRAME SECTION PROPERTIES 01 - GENERAL",
                 {"SectionName=S   Material=M   Shape=General   Area=0.5   I33=1   I22=1   TorsConst=1"}) +
        sapTable("CONNECTIVITY - FRAME", {"Frame=1   JointI=1   JointJ=2"}) +
        sapTable("FRAME SECTION ASSIGNMENTS", {"Frame=1   AnalSect=S"}) +
        sapTable("LOAD PATTERN DEFINITIONS", {"LoadPat=DEAD   SelfWtMult=0"}) +
        sapTable("JOINT LOADS - FORCE", {"Joint=2   LoadPat=DEAD   F3=-98.0665"});
    const std::string bothSources =
        sapTable("MASS SOURCE",
                 {"MassSource=ELEMENTS   Elements=Yes   Masses=Yes   Loads=No   IsDefault=Yes",
                  "MassSource=LOADS   Elements=No   Masses=No   Loads=Yes   IsDefault=No   LoadPat=DEAD   "
                  "Multiplier=2"});
    const std::pair<std::string, double> cases[] = {
        {"", 3.0}, // SAP2000's default: 3 t/m3 x 0.5 m2 x 2 m
        {bothSources, 3.0},
        {bothSources + sapTable("LOAD CASE DEFINITIONS", {"Case=MODAL   Type=LinModal   MassSource=LOADS"}),
         20.0}, // 2 x 98.0665 kN / g
        {bothSources + sapTable("LOAD CASE DEFINITIONS", {"Case=MODAL   Type=LinModal   MassSource=GONE"}),
         3.0}, // a source the file lacks: the default, reported
        {sapTable("MASS SOURCE 1 - GENERAL", {"MassSource=S1   Elements=No   Loads=Yes   IsDefault=Yes"}) +
             sapTable("MASS SOURCE 2 - LOADS", {"MassSource=S1   LoadPat=DEAD   Multiplier=1"}),
         10.0},
        {sapTable("MASSES 1 - MASS SOURCE", {"MassFrom=Masses"}), 0.0},
        {sapTable("MASSES 1 - MASS SOURCE", {"MassFrom=\"Element and Additional Masses\""}), 3.0},
    };
    for (const auto& [source, total] : cases) {
        SCOPED_TRACE(source);
        const ImportedModel imported = importTables(model + source);
        EXPECT_NEAR(totalTranslationalMass(imported.store)[0], total, 1e-9);
    }
}

// A model whose only area is a membrane writes no element: the report says both.
TEST(ModelMass, AModelThatWritesNothingIsReported) {
    const ImportedModel imported = importTables(
        sapTable("JOINT COORDINATES", {"Joint=1   XorR=0   Y=0   Z=0", "Joint=2   XorR=1   Y=0   Z=0",
                                       "Joint=3   XorR=1   Y=1   Z=0"}) +
        sapTable("AREA SECTION PROPERTIES", {"Section=M   AreaType=Membrane   Type=Membrane   Thickness=1"}) +
        sapTable("CONNECTIVITY - AREA", {"Area=1   NumJoints=3   Joint1=1   Joint2=2   Joint3=3"}) +
        sapTable("AREA SECTION ASSIGNMENTS", {"Area=1   Section=M"}));
    const std::vector<std::string> lines = tables::reportLines(imported.report);
    for (const char* line : {"  areas whose section is not a shell (not written): 1",
                             "  elements: the model has none, so its script defines joints only: 1"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
}

} // namespace
} // namespace kelvane::test
