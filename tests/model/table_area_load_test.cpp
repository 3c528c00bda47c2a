// Self weight of shells and solids and uniform area loads of the table format: the resultant of
// each element shared equally by its joints, one joint force per joint and pattern.
#include "table_import_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace kelvane {
namespace {

using test::importTables;
using test::sapTable;

// kN and m. A 2 m square slab Q (joints 1-4) and a triangle T (joints 2, 5, 3) of 2 m2 beside it,
// 0.25 m thick at 24 kN/m3; a brick B of 2 x 1 x 1 m, sheared along X by half its height (the
// same volume), at 20 kN/m3 (joints 11-18).
std::string slabAndBrick() {
    std::vector<std::string> brick;
    for (int k = 0; k < 8; ++k) {
        const int x = 2 * (k == 1 || k == 2 || k == 5 || k == 6), y = (k == 2 || k == 3 || k == 6 || k == 7);
        const int z = k >= 4 ? 1 : 0;
        brick.push_back("Joint=" + std::to_string(11 + k) + "   XorR=" + std::to_string(x + 0.5 * z) +
                        "   Y=" + std::to_string(y) + "   Z=" + std::to_string(z + 5));
    }
    std::string joints = "TABLE:  \"JOINT COORDINATES\"\n";
    for (const std::string& row :
         {std::string("Joint=1   XorR=0   Y=0   Z=0"), std::string("Joint=2   XorR=2   Y=0   Z=0"),
          std::string("Joint=3   XorR=2   Y=2   Z=0"), std::string("Joint=4   XorR=0   Y=2   Z=0"),
          std::string("Joint=5   XorR=4   Y=0   Z=0")})
        joints += "   " + row + "\n";
    for (const std::string& row : brick)
        joints += "   " + row + "\n";
    return sapTable("PROGRAM CONTROL", {"CurrUnits=\"KN, m, C\""}) + joints + "\n" +
           sapTable("MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES",
                    {"Material=C   UnitWeight=24   E1=3E+07   U12=0.2",
                     "Material=SOIL   UnitWeight=20   E1=5E+04   U12=0.3"}) +
           sapTable("AREA SECTION PROPERTIES",
                    {"Section=S   Material=C   AreaType=Shell   Type=Shell-Thin   Thickness=0.25"}) +
           sapTable("CONNECTIVITY - AREA",
                    {"Area=Q   NumJoints=4   Joint1=1   Joint2=2   Joint3=3   Joint4=4",
                     "Area=T   NumJoints=3   Joint1=2   Joint2=5   Joint3=3"}) +
           sapTable("AREA SECTION ASSIGNMENTS", {"Area=Q   Section=S", "Area=T   Section=S"}) +
           sapTable("SOLID PROPERTY DEFINITIONS", {"SolidProp=FILL   Material=SOIL"}) +
           sapTable("CONNECTIVITY - SOLID",
                    {"Solid=B   Joint1=11   Joint2=12   Joint3=14   Joint4=13   Joint5=15   "
                     "Joint6=16   Joint7=18   Joint8=17"}) +
           sapTable("SOLID PROPERTY ASSIGNMENTS", {"Solid=B   SolidProp=FILL"}) +
           sapTable("LOAD PATTERN DEFINITIONS",
                    {"LoadPat=DEAD   SelfWtMult=1", "LoadPat=LIVE   SelfWtMult=0"}) +
           sapTable("AREA LOADS - UNIFORM",
                    {"Area=Q   LoadPat=LIVE   CoordSys=GLOBAL   Dir=Gravity   UnifLoad=3",
                     "Area=T   LoadPat=LIVE   CoordSys=Local   Dir=3   UnifLoad=-2",
                     "Area=Q   LoadPat=LIVE   CoordSys=GLOBAL   Dir=\"X Proj\"   UnifLoad=7"});
}

// The vertical joint force of each joint, in kN, by pattern.
std::map<std::string, std::map<std::int32_t, double>> verticalLoads(const ModelStore& store) {
    std::map<std::string, std::map<std::int32_t, double>> loads;
    for (int l = 1; l <= store.loadCount; ++l) {
        const TLOAD& load = store.loads[l];
        EXPECT_EQ(load.kind, LoadJointForce);
        EXPECT_EQ(load.fx, 0);
        EXPECT_EQ(load.fy, 0);
        EXPECT_EQ(loads[load.caseName].count(load.target), 0u) << "one force per joint and pattern";
        loads[load.caseName][load.target] = load.fz / 1000;
    }
    return loads;
}

TEST(TableAreaLoads, SelfWeightAndPressuresAreSharedEquallyByTheJointsOfEachElement) {
    const ImportedModel model = importTables(slabAndBrick());
    auto loads = verticalLoads(model.store);
    // Q weighs 24 kN, T 12 kN, B 40 kN. LIVE: 3 kN/m2 on Q; 2 kN/m2 against T's local 3, which
    // its joints' order points up; a load along X projected on Q's plane has nothing to act on.
    // (The brick's joints 11-18 are the store's joints 6-13.)
    const std::map<std::int32_t, double> dead = {{1, -6},  {2, -10}, {3, -10}, {4, -6}, {5, -4},
                                                 {6, -5},  {7, -5},  {8, -5},  {9, -5}, {10, -5},
                                                 {11, -5}, {12, -5}, {13, -5}};
    const std::map<std::int32_t, double> live = {
        {1, -3}, {2, -3 - 4.0 / 3}, {3, -3 - 4.0 / 3}, {4, -3}, {5, -4.0 / 3}};
    ASSERT_EQ(loads["DEAD"].size(), dead.size());
    for (const auto& [joint, value] : dead)
        EXPECT_NEAR(loads["DEAD"][joint], value, 1e-12) << "joint " << joint;
    ASSERT_EQ(loads["LIVE"].size(), live.size());
    for (const auto& [joint, value] : live)
        EXPECT_NEAR(loads["LIVE"][joint], value, 1e-12) << "joint " << joint;
    EXPECT_TRUE(model.report.notCarried.empty());
}

// The weight of what the script does not write as it stands: an area of a layered section is
// reported, not lost without a word; a solid without a property weighs as the first material the
// script gives it (C, 24 kN/m3: the 2 m3 brick 48 kN).
TEST(TableAreaLoads, WeightOfAreasNotWrittenIsReportedAndOfSolidsWithoutPropertyIsTheFirstMaterials) {
    std::string text = slabAndBrick();
    const auto replace = [&text](const std::string& from, const std::string& to) {
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
    };
    replace("Type=Shell-Thin", "Type=Shell-Layered/Nonlinear");
    replace("Solid=B   SolidProp=FILL", "");
    const ImportedModel model = importTables(text);
    auto dead = verticalLoads(model.store)["DEAD"];
    ASSERT_EQ(dead.size(), 8u);
    for (std::int32_t joint = 6; joint <= 13; ++joint)
        EXPECT_NEAR(dead[joint], -6, 1e-12) << "joint " << joint;
    std::vector<std::string> notCarried;
    for (const tables::NotCarried& line : model.report.notCarried)
        notCarried.push_back(line.what);
    EXPECT_NE(std::find(notCarried.begin(), notCarried.end(), "self weight of areas that are not written"),
              notCarried.end());
}

// An area whose joints lie on a line has no size and no normal: its pressure has no resultant and
// loads no joint, rather than a load of no number.
TEST(TableAreaLoads, AreaOfNoSizeTakesNoPressure) {
    const std::string text =
        sapTable("PROGRAM CONTROL", {"CurrUnits=\"KN, m, C\""}) +
        sapTable("JOINT COORDINATES", {"Joint=1   XorR=0   Y=0   Z=0", "Joint=2   XorR=1   Y=0   Z=0",
                                       "Joint=3   XorR=2   Y=0   Z=0"}) +
        sapTable("MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES",
                 {"Material=C   E1=3E+07   U12=0.2"}) +
        sapTable("AREA SECTION PROPERTIES",
                 {"Section=S   Material=C   AreaType=Shell   Type=Shell-Thin   Thickness=0.25"}) +
        sapTable("CONNECTIVITY - AREA", {"Area=L   NumJoints=3   Joint1=1   Joint2=2   Joint3=3"}) +
        sapTable("AREA SECTION ASSIGNMENTS", {"Area=L   Section=S"}) +
        sapTable("LOAD PATTERN DEFINITIONS", {"LoadPat=LIVE   SelfWtMult=0"}) +
        sapTable("AREA LOADS - UNIFORM",
                 {"Area=L   LoadPat=LIVE   CoordSys=Local   Dir=3   UnifLoad=5",
                  "Area=L   LoadPat=LIVE   CoordSys=GLOBAL   Dir=Gravity   UnifLoad=5"});
    EXPECT_EQ(importTables(text).store.loadCount, 0);
}

} // namespace
} // namespace kelvane
