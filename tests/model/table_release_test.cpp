// Frame end releases and partial fixity of the table format, and the release sets refused as
// unstable.
#include "table_import_support.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

using test::importTables;
using test::sapTable;
using test::tableImportFailure;

// One frame B from joint 1 to joint 2 in kN and m, with the given release row (and partial fixity
// rows, if any).
std::string releasedBeam(const std::string& releases, const std::string& fixity = "") {
    return sapTable("PROGRAM CONTROL", {"CurrUnits=\"KN, m, C\""}) +
           sapTable("JOINT COORDINATES", {"Joint=1   XorR=0   Y=0   Z=0", "Joint=2   XorR=6   Y=0   Z=0"}) +
           sapTable("MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES",
                    {"Material=S   E1=2E+08   U12=0.3"}) +
           sapTable(
               "FRAME SECTION PROPERTIES 01 - GENERAL",
               {"SectionName=EB   Material=S   Shape=General   Area=0.01   TorsConst=1E-06   I33=2E-04   "
                "I22=1E-04"}) +
           sapTable("CONNECTIVITY - FRAME", {"Frame=B   JointI=1   JointJ=2"}) +
           sapTable("FRAME SECTION ASSIGNMENTS", {"Frame=B   AnalSect=EB"}) +
           sapTable("FRAME RELEASE ASSIGNMENTS 1 - GENERAL", {"Frame=B   " + releases}) +
           (fixity.empty()
                ? ""
                : sapTable("FRAME RELEASE ASSIGNMENTS 2 - PARTIAL FIXITY", {"Frame=B   " + fixity}));
}

TEST(TableReleases, ReleasedComponentsAndTheirSpringsInNewtonsAndMillimetres) {
    const ImportedModel model =
        importTables(releasedBeam("PI=No   V2I=Yes   TI=Yes   M3I=Yes   M2J=Yes   M3J=Yes   PartialFix=Yes",
                                  "V2I=30   TI=0   M3I=5000   M2J=7   M3J=0   PJ=99"));
    const TFRAME& beam = model.store.frames[1];
    EXPECT_EQ(beam.assigned->releaseI, (DofFlags{0, 0, 1, 0, 1, 0, 1}));
    EXPECT_EQ(beam.assigned->releaseJ, (DofFlags{0, 0, 0, 0, 0, 1, 1}));
    // kN/m is N/mm; kN m/rad is 1e6 N mm/rad. A spring where nothing is released (PJ) is no spring.
    EXPECT_EQ(beam.assigned->fixityI, (DofValues{0, 0, 30, 0, 0, 0, 5e9}));
    EXPECT_EQ(beam.assigned->fixityJ, (DofValues{0, 0, 0, 0, 0, 7e6, 0}));
    EXPECT_EQ(beam.release, 2) << "the rigid-link tie stays as version 6 reads it";
    EXPECT_TRUE(model.report.notCarried.empty());

    const TFRAME noFixity = importTables(releasedBeam("M3I=Yes   PartialFix=No", "M3I=5000")).store.frames[1];
    EXPECT_EQ(noFixity.assigned->fixityI[6], 0) << "PartialFix=No: the release is complete";
}

TEST(TableReleases, ReleaseSetsThatLeaveTheFrameUnstableAreRefusedAsSap2000RefusesThem) {
    const std::string unstable = "Table \"FRAME RELEASE ASSIGNMENTS 1 - GENERAL\", line 21: frame B would be "
                                 "unstable: ";
    const struct {
        std::string releases;
        std::string fixity;
        std::string reason; // empty: stable
    } cases[] = {
        {"PI=Yes   PJ=Yes", "", "P is released at both ends"},
        {"V2I=Yes   V2J=Yes", "", "V2 is released at both ends"},
        {"TI=Yes   TJ=Yes   M2I=Yes", "", "T is released at both ends"},
        {"M3I=Yes   M3J=Yes   V2J=Yes", "", "M3 is released at both ends and V2 at end J"},
        {"M2I=Yes   M2J=Yes   V3I=Yes", "", "M2 is released at both ends and V3 at end I"},
        {"M2I=Yes   M3I=Yes   M2J=Yes   M3J=Yes   TI=Yes", "", ""},
        {"PI=Yes   V2I=Yes   V3I=Yes   TI=Yes   M2I=Yes   M3I=Yes", "", ""},
        {"M3I=Yes   M3J=Yes   V2I=Yes   PartialFix=Yes", "V2I=50", ""},
        {"PI=Yes   PJ=Yes   PartialFix=Yes", "PJ=1E+06", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.releases);
        const std::string failure = tableImportFailure(releasedBeam(c.releases, c.fixity));
        EXPECT_EQ(failure, c.reason.empty() ? "" : unstable + c.reason + " (SAP2000 refuses such releases)");
    }
}

} // namespace
} // namespace kelvane
