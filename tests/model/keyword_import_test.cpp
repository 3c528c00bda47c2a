// SAP2000 7/8 keyword files read by key: told apart from version-6 files, area types, the active
// degrees of freedom, the import report and the place of a failure.
#include "support/test_support.h"
#include "table_import_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace kelvane {
namespace {

using test::importTables;
using test::tableImportFailure;

const std::string kJoints = "SYSTEM\n  DOF=UX,UZ,RY  LENGTH=M  FORCE=KN\n\nJOINT\n  1  X=0  Y=0  Z=0\n"
                            "  2  X=1  Y=0  Z=0\n  3  X=1  Y=0  Z=1\n  4  X=0  Y=0  Z=1\n\n"
                            "MATERIAL\n  NAME=CONC  IDES=C  M=2.4  W=24\n    T=0  E=3E+07  U=.2  A=0\n\n";

std::string withSection(const std::string& section) {
    return kJoints + "SHELL SECTION\n  NAME=S  MAT=CONC  " + section +
           "\n\nSHELL\n  1  J=1,2,4,3  SEC=S\n\n" +
           "LOAD\n  NAME=L  CSYS=0\n    TYPE=UNIFORM  ELEM=SHELL\n      ADD=1  UY=-5\n    TYPE=TEMPERATURE\n"
           "      ADD=1  T=10\n\nPDELTA\n  LOAD=L\n";
}

TEST(KeywordImportTest, ShellSectionTypesAndThicknesses) {
    struct Case {
        const char* section;
        std::int32_t kind;
        double thickness, bending;
    };
    const Case cases[] = {
        {"TYPE=Shell,Thin  TH=.2", AreaShellThin, 200, 0},
        {"TYPE=Shell  TH=.2,.3", AreaShellThin, 200, 300},
        {"TYPE=Shell,Thick  TH=.2  THB=.25", AreaShellThick, 200, 250},
        {"TYPE=Plate,Thin  TH=.1", AreaPlateThin, 100, 0},
        {"TYPE=Plate,Thick  TH=.1", AreaPlateThick, 100, 0},
        {"TYPE=Membrane  TH=.15", AreaMembrane, 150, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section);
        const ImportedModel model = importTables(withSection(c.section));
        ASSERT_TRUE(model.keywordFormat);
        const TAREASEC& section = model.store.shellSections[1];
        EXPECT_EQ(section.isShell, 1);
        EXPECT_EQ(section.kind, c.kind);
        EXPECT_DOUBLE_EQ(section.thickness, c.thickness);
        EXPECT_DOUBLE_EQ(section.bendThickness, c.bending);
        EXPECT_EQ(model.store.shells[1].node3, 3); // the ring 1, 2, 3, 4 of J=1,2,4,3
        // 5 kN/m2 on 1 m2 along Y, a quarter at each joint, in N.
        ASSERT_EQ(model.store.loadCount, 4);
        EXPECT_DOUBLE_EQ(model.store.loads[1].fy, -1250.0);
    }
}

TEST(KeywordImportTest, InactiveDegreesOfFreedomAreRestrainedAndTheReportNamesWhatIsLeftOut) {
    const ImportedModel model = importTables(withSection("TYPE=Shell,Thin  TH=.2"));
    for (int joint = 1; joint <= 4; ++joint) {
        const DofFlags& r = model.store.nodes[joint].restraint;
        EXPECT_EQ((std::array{r[1], r[2], r[3], r[4], r[5], r[6]}), (std::array{0, 1, 0, 1, 0, 1}));
    }
    const std::vector<std::string> lines = tables::reportLines(model.report);
    const auto has = [&](const std::string& text) {
        return std::find(lines.begin(), lines.end(), text) != lines.end();
    };
    EXPECT_TRUE(has("SAP2000 keyword-format import"));
    EXPECT_TRUE(has("Units: KN, M, C converted to N and mm"));
    EXPECT_TRUE(has("  SHELL SECTION: 1 row"));
    EXPECT_TRUE(has("  P-delta (PDELTA): 1"));
    EXPECT_TRUE(has("  loads of LOAD TYPE=TEMPERATURE: 1"));
}

// Self weight of a frame of W = 24 kN/m3 from the area of its shape's T= dimensions (in m2): 24 A
// N/mm along the 1 m frame from joint 1 to joint 2.
TEST(KeywordImportTest, FrameShapesWeighByTheAreaOfTheirDimensions) {
    const std::pair<const char*, double> shapes[] = {{"SH=R  T=.5,.2", 0.1},
                                                     {"SH=I  T=.3,.2,.015,.01,.2,.015", 0.0087},
                                                     {"SH=B  T=.3,.2,.01,.01", 0.0096},
                                                     {"SH=P  T=.2,.01", 0.0059690260418206},
                                                     {"SH=C  T=.2", 0.031415926535897934}};
    for (const auto& [shape, area] : shapes) {
        SCOPED_TRACE(shape);
        const ImportedModel model = importTables(
            kJoints + "FRAME SECTION\n  NAME=F  MAT=CONC  " + shape + "\n\nFRAME\n  1  J=1,2  SEC=F\n\n" +
            "LOAD\n  NAME=DEAD\n    TYPE=GRAVITY  ELEM=FRAME\n      ADD=*  UZ=-1\n");
        double total = 0;
        for (int l = 1; l <= model.store.loadCount; ++l)
            total += model.store.loads[l].fx;
        EXPECT_NEAR(std::abs(total), 24 * area, 1e-9);
    }
}

TEST(KeywordImportTest, FormatsAreToldApartAndFailuresNameTheFileLine) {
    EXPECT_FALSE(importModelFile(test::dataPath("solver/square-slab.s2k"), initPalette()).keywordFormat);
    const std::string badJoint = kJoints + "SHELL SECTION\n  NAME=S  MAT=CONC  TYPE=Membrane  TH=.1\n\n"
                                           "SHELL\n  1  J=1,2,9,3  SEC=S\n";
    EXPECT_NE(tableImportFailure(badJoint).find("Line 18 (SHELL): "), std::string::npos)
        << tableImportFailure(badJoint);
}

} // namespace
} // namespace kelvane
