// What the import of assignments reports as not carried, and what it still keeps of such loads.
#include "table_import_support.h"

#include "script/script_warnings.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvane {
namespace {

using test::sapTable;

// A 4 m by 3 m panel of section None, skewed by 1 m (no rectangle), on four frames, and a shell.
const std::string kModel =
    sapTable("PROGRAM CONTROL", {"CurrUnits=\"KN, m, C\""}) +
    sapTable("JOINT COORDINATES", {"Joint=1   XorR=0   Y=0   Z=0", "Joint=2   XorR=4   Y=0   Z=0",
                                   "Joint=3   XorR=5   Y=3   Z=0", "Joint=4   XorR=1   Y=3   Z=0"}) +
    sapTable("MATERIAL PROPERTIES 01 - GENERAL", {"Material=C30   Type=Concrete"}) +
    sapTable("MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES",
             {"Material=C30   E1=30000000   U12=0.2"}) +
    sapTable("FRAME SECTION PROPERTIES 01 - GENERAL",
             {"SectionName=NBEAM   Material=C30   Shape=General   Area=0.1   TorsConst=1E-03   I33=1E-03   "
              "I22=1E-03",
              "SectionName=EBEAM   Material=C30   Shape=General   Area=0.1   TorsConst=1E-03   I33=1E-03   "
              "I22=1E-03"}) +
    sapTable("CONNECTIVITY - FRAME", {"Frame=1   JointI=1   JointJ=2", "Frame=2   JointI=2   JointJ=3",
                                      "Frame=3   JointI=3   JointJ=4", "Frame=4   JointI=4   JointJ=1"}) +
    sapTable("FRAME SECTION ASSIGNMENTS", {"Frame=1   AnalSect=NBEAM", "Frame=2   AnalSect=EBEAM",
                                           "Frame=3   AnalSect=EBEAM", "Frame=4   AnalSect=EBEAM"}) +
    sapTable("AREA SECTION PROPERTIES",
             {"Section=S   Material=C30   AreaType=Shell   Type=Shell-Thin   Thickness=0.2"}) +
    sapTable("CONNECTIVITY - AREA", {"Area=P   NumJoints=4   Joint1=1   Joint2=2   Joint3=3   Joint4=4",
                                     "Area=Q   NumJoints=4   Joint1=1   Joint2=2   Joint3=3   Joint4=4"}) +
    sapTable("AREA SECTION ASSIGNMENTS", {"Area=P   Section=None", "Area=Q   Section=S"}) +
    sapTable("LOAD PATTERN DEFINITIONS", {"LoadPat=L   SelfWtMult=0"});

TEST(TableAssignmentReport, WhatCannotBeCarriedIsReportedAndTheLoadIsKept) {
    const struct {
        std::string table;
        std::string reported;
    } cases[] = {
        {sapTable("FRAME INSERTION POINT ASSIGNMENTS", {"Frame=2   CardinalPt=\"1 (Bottom Left)\""}),
         "cardinal points of frames whose section gives no depth and width"},
        {sapTable("AREA STIFFNESS MODIFIERS", {"Area=Q   f11=1   f22=0.5   f12=1   m11=1   m22=1   m12=1"}),
         "area stiffness modifiers that differ between directions or are not positive"},
        {sapTable("AREA LOADS - UNIFORM TO FRAME",
                  {"Area=P   LoadPat=L   Dir=Gravity   UnifLoad=5   DistType=\"Two way\""}),
         "area loads to frames on panels other than rectangles (and triangles two way): given to the area's "
         "corners"},
    };
    for (const auto& [table, reported] : cases) {
        SCOPED_TRACE(reported);
        const ImportedModel model = test::importTables(kModel + table);
        EXPECT_TRUE(std::any_of(model.report.notCarried.begin(), model.report.notCarried.end(),
                                [&](const tables::NotCarried& item) { return item.what == reported; }));
        // The skewed panel's 5 kN/m2 over 12 m2 still reaches its corners in full.
        double vertical = 0;
        for (int k = 1; k <= model.store.loadCount; ++k)
            vertical += model.store.loads[static_cast<std::size_t>(k)].fz;
        EXPECT_NEAR(vertical, table.find("UNIFORM TO FRAME") != std::string::npos ? -60e3 : 0, 1e-6);
    }
}

// A frame's modifiers reach the elastic elements only: once its section is given fibers, the
// script says they are not applied.
TEST(TableAssignmentReport, ModifiersOfAFrameGivenFibersAreWarnedOfWhenTheScriptIsWritten) {
    ImportedModel model =
        test::importTables(kModel + sapTable("FRAME PROPERTY MODIFIERS", {"Frame=1   I33Mod=0.35"}));
    const std::string warning =
        "1 frames with property modifiers take their stiffness from fibers: the modifiers "
        "are not applied";
    const auto warned = [&] {
        const std::vector<std::string> warnings = scriptWarnings(model.store, AnalysisSettings{});
        return std::find(warnings.begin(), warnings.end(), warning) != warnings.end();
    };
    EXPECT_FALSE(warned());
    model.store.frameSections[1].elementType = NonlinearBeamColumn;
    EXPECT_TRUE(warned());
}

// A membrane panel on two frames, 1-2 and 2-3: a load at joint 4, which only the membrane holds,
// is warned of; the same load at joint 3, at the end of a frame, is not.
TEST(TableAssignmentReport, ALoadOnAJointThatOnlyMembranesHoldIsWarnedOf) {
    const auto warnings = [&](const std::string& joint) {
        const ImportedModel model = test::importTables(
            sapTable("PROGRAM CONTROL", {"CurrUnits=\"KN, m, C\""}) +
            sapTable("JOINT COORDINATES", {"Joint=1   XorR=0   Y=0   Z=0", "Joint=2   XorR=4   Y=0   Z=0",
                                           "Joint=3   XorR=4   Y=3   Z=0", "Joint=4   XorR=0   Y=3   Z=0"}) +
            sapTable("JOINT RESTRAINT ASSIGNMENTS",
                     {"Joint=1   U1=Yes   U2=Yes   U3=Yes   R1=Yes   R2=Yes   R3=Yes"}) +
            sapTable("MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES",
                     {"Material=C30   E1=30000000   U12=0.2"}) +
            sapTable(
                "FRAME SECTION PROPERTIES 01 - GENERAL",
                {"SectionName=B   Material=C30   Shape=General   Area=0.1   TorsConst=1E-03   I33=1E-03   "
                 "I22=1E-03"}) +
            sapTable("CONNECTIVITY - FRAME",
                     {"Frame=1   JointI=1   JointJ=2", "Frame=2   JointI=2   JointJ=3"}) +
            sapTable("FRAME SECTION ASSIGNMENTS", {"Frame=1   AnalSect=B", "Frame=2   AnalSect=B"}) +
            sapTable("AREA SECTION PROPERTIES",
                     {"Section=M   Material=C30   AreaType=Shell   Type=Membrane   Thickness=0.2"}) +
            sapTable("CONNECTIVITY - AREA",
                     {"Area=P   NumJoints=4   Joint1=1   Joint2=2   Joint3=3   Joint4=4"}) +
            sapTable("AREA SECTION ASSIGNMENTS", {"Area=P   Section=M"}) +
            sapTable("LOAD PATTERN DEFINITIONS", {"LoadPat=L   SelfWtMult=0"}) +
            sapTable("JOINT LOADS - FORCE", {"Joint=" + joint + "   LoadPat=L   F3=-10"}));
        return scriptWarnings(model.store, AnalysisSettings{});
    };
    const std::string warning = "1 loaded joints are held by membranes alone, which have no stiffness across "
                                "their plane: a load across it moves them without bound (joint 4 first)";
    const std::vector<std::string> atCorner = warnings("4"), atFrame = warnings("3");
    EXPECT_NE(std::find(atCorner.begin(), atCorner.end(), warning), atCorner.end());
    EXPECT_EQ(
        std::find_if(atFrame.begin(), atFrame.end(),
                     [](const std::string& w) { return w.find("membranes alone") != std::string::npos; }),
        atFrame.end());
}

} // namespace
} // namespace kelvane
