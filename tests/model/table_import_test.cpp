// The mapping of each table-format table into the model store, in newtons and millimetres.
#include "table_import_support.h"

#include "model/section_defaults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace kelvane {
namespace {

using test::importTables;
using test::sapTable;

const std::string kUnits =
    sapTable("PROGRAM CONTROL", {"ProgramName=SAP2000   Version=24.1.0   CurrUnits=\"KN, m, C\""});

// A plane frame in X-Z (kN, m): columns at X = 0 and 6, storeys at Z = 3.2 and 6.4, a beam per
// floor, a diaphragm D1 over both floors, an inclined brace and a rigid link.
const std::string kFrame =
    kUnits + sapTable("ACTIVE DEGREES OF FREEDOM", {"UX=Yes   UY=No   UZ=Yes   RX=No   RY=Yes   RZ=No"}) +
    sapTable("JOINT COORDINATES", {"Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=0   "
                                   "GlobalX=0   GlobalY=0   GlobalZ=0",
                                   "Joint=2   CoordSys=GLOBAL   CoordType=Cartesian   XorR=6   Y=0   Z=0",
                                   "Joint=A3   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=3.2",
                                   "Joint=A4   XorR=6   Y=0   Z=3.2", "Joint=~5   XorR=0   Y=0   Z=6.4",
                                   "Joint=6   XorR=6   Y=0   Z=6.4", "Joint=7   XorR=6.5   Y=0   Z=3.2"}) +
    sapTable("JOINT RESTRAINT ASSIGNMENTS", {"Joint=1   U1=Yes   U2=Yes   U3=Yes   R1=Yes   R2=Yes   R3=Yes",
                                             "Joint=2   U1=Yes   U2=Yes   U3=Yes   R1=No   R2=No   R3=No"}) +
    sapTable("MATERIAL PROPERTIES 01 - GENERAL",
             {"Material=C30   Type=Concrete", "Material=S355   Type=Steel"}) +
    sapTable(
        "MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES",
        {"Material=C30   UnitWeight=25   UnitMass=2.5   E1=30000000   U12=0.2",
         "Material=S355   UnitWeight=76.97   UnitMass=7.849   E1=200000000   G12=76923076.9   U12=0.3"}) +
    sapTable("FRAME SECTION PROPERTIES 01 - GENERAL",
             {"SectionName=NC400   Material=C30   Shape=Rectangular   t3=0.4   t2=0.4",
              "SectionName=EW12   Material=S355   Shape=\"I/Wide Flange\"   t3=0.3   t2=0.2   tf=0.015   "
              "tw=0.01 _",
              "     Area=0.0057   TorsConst=3E-07   I33=9E-05   I22=2E-05   AS2=0.003   AS3=0.005   AMod=1   "
              "A2Mod=0.5 _",
              "     JMod=2   I2Mod=1   I3Mod=0.5   WMod=1",
              "SectionName=RLINK   Material=S355   Shape=Box/Tube   t3=0.2   t2=0.1   tf=0.01   tw=0.008",
              "SectionName=TPIPE   Material=S355   Shape=Pipe   t3=0.1   tw=0.005",
              "SectionName=GEN   Material=S355   Shape=General   Area=0.01   TorsConst=1E-06   I33=2E-05   "
              "I22=1E-05"}) +
    sapTable("CONNECTIVITY - FRAME",
             {"Frame=C1   JointI=1   JointJ=A3   IsCurved=No", "Frame=C2   JointI=2   JointJ=A4",
              "Frame=C3   JointI=A3   JointJ=~5", "Frame=C4   JointI=A4   JointJ=6",
              "Frame=B1   JointI=A3   JointJ=A4", "Frame=B2   JointI=~5   JointJ=6",
              "Frame=BR   JointI=1   JointJ=A4", "Frame=L1   JointI=A4   JointJ=7"}) +
    sapTable("FRAME SECTION ASSIGNMENTS",
             {"Frame=C1   SectionType=Rectangular   AutoSelect=N.A.   AnalSect=NC400   DesignSect=NC400   "
              "MatProp=Default",
              "Frame=C2   AnalSect=NC400", "Frame=C3   AnalSect=NC400", "Frame=C4   AnalSect=NC400",
              "Frame=B1   AnalSect=EW12", "Frame=B2   AnalSect=EW12", "Frame=BR   AnalSect=TPIPE",
              "Frame=L1   AnalSect=RLINK"}) +
    sapTable("FRAME LOCAL AXES ASSIGNMENTS 1 - TYPICAL",
             {"Frame=B1   Angle=90   MirrorAbt2=No   MirrorAbt3=No   AdvanceAxes=No"}) +
    sapTable("FRAME RELEASE ASSIGNMENTS 1 - GENERAL",
             {"Frame=L1   PI=No   V2I=No   V3I=No   TI=No   M2I=No   M3I=No   PJ=No   V2J=No   V3J=No   "
              "TJ=No   M2J=No   M3J=Yes",
              "Frame=B2   M3I=Yes   PartialFix=No"}) +
    sapTable("CONSTRAINT DEFINITIONS - DIAPHRAGM", {"Name=D1   CoordSys=GLOBAL   Axis=Z   MultiLevel=No"}) +
    sapTable("JOINT CONSTRAINT ASSIGNMENTS",
             {"Joint=A3   Constraint=D1   Type=Diaphragm", "Joint=A4   Constraint=D1   Type=Diaphragm",
              "Joint=~5   Constraint=D1   Type=Diaphragm", "Joint=6   Constraint=D1   Type=Diaphragm",
              "Joint=1   Constraint=B9   Type=Body"}) +
    sapTable("JOINT ADDED MASS ASSIGNMENTS",
             {"Joint=A3   CoordSys=GLOBAL   Mass1=2.5   Mass2=2.5   Mass3=0   MMI1=0   MMI2=0   MMI3=10",
              "Joint=A3   Mass1=0.5"}) +
    sapTable("GRID LINES", {"CoordSys=GLOBAL   AxisDir=X   GridID=A   XRYZCoord=0",
                            "CoordSys=GLOBAL   AxisDir=X   GridID=B   XRYZCoord=6"}) +
    sapTable("FRAME LOADS - TEMPERATURE", {"Frame=B1   LoadPat=DEAD   Type=Temperature   Temp=20"});

const ImportedModel& frameModel() {
    static const ImportedModel imported = importTables(kFrame);
    return imported;
}

bool reports(const ImportedModel& model, const std::string& what, long long count) {
    return std::any_of(
        model.report.notCarried.begin(), model.report.notCarried.end(),
        [&](const tables::NotCarried& item) { return item.what == what && item.count == count; });
}

TEST(TableImport, JointsKeepTheirLabelsAndTakeMillimetresInAnyCoordinateSystem) {
    const ModelStore store =
        importTables(kUnits +
                     sapTable("JOINT COORDINATES",
                              {"Joint=A12   CoordSys=GLOBAL   CoordType=Cartesian   XorR=1.5   Y=2   Z=3.25",
                               "Joint=~3   CoordSys=GLOBAL   CoordType=Cylindrical   XorR=2   T=90   Z=1",
                               "Joint=7   CoordSys=GLOBAL   CoordType=Spherical   XorR=2   A=90   B=90",
                               "Joint=8   CoordSys=LOCAL1   CoordType=Cartesian   XorR=9   Y=9   Z=9   "
                               "GlobalX=1   GlobalY=-1   GlobalZ=0.5"}))
            .store;
    ASSERT_EQ(store.nodeCount, 4);
    EXPECT_EQ(store.nodes[1].label, "A12");
    EXPECT_EQ(store.nodes[2].label, "~3");
    EXPECT_EQ((std::array<double, 3>{store.nodes[1].x, store.nodes[1].y, store.nodes[1].z}),
              (std::array<double, 3>{1500, 2000, 3250}));
    EXPECT_NEAR(store.nodes[2].x, 0, 1e-9);
    EXPECT_DOUBLE_EQ(store.nodes[2].y, 2000);
    EXPECT_DOUBLE_EQ(store.nodes[2].z, 1000);
    EXPECT_NEAR(store.nodes[3].x, 0, 1e-9);
    EXPECT_DOUBLE_EQ(store.nodes[3].y, 2000);
    EXPECT_NEAR(store.nodes[3].z, 0, 1e-9);
    EXPECT_EQ((std::array<double, 3>{store.nodes[4].x, store.nodes[4].y, store.nodes[4].z}),
              (std::array<double, 3>{1000, -1000, 500}));
}

TEST(TableImport, MaterialsTakeTypeConstantsStrengthsAndUnitWeights) {
    const ModelStore store =
        importTables(
            kUnits +
            sapTable("MATERIAL PROPERTIES 01 - GENERAL",
                     {"Material=C30   Type=Concrete", "Material=S355   Type=Steel",
                      "Material=B500   Type=Rebar", "Material=AL   Type=Aluminum"}) +
            sapTable("MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES",
                     {"Material=C30   UnitWeight=24.5   UnitMass=2.5   E1=31000000   U12=0.2",
                      "Material=S355   UnitWeight=76.97   E1=2E+08   G12=76923076.9   U12=0.3",
                      "Material=EXTRA   E1=1000   U12=0.25"}) +
            sapTable("MATERIAL PROPERTIES 03a - STEEL DATA", {"Material=S355   Fy=355000   Fu=510000"}) +
            sapTable("MATERIAL PROPERTIES 03b - CONCRETE DATA", {"Material=C30   Fc=30000"}) +
            sapTable("MATERIAL PROPERTIES 03e - REBAR DATA", {"Material=B500   Fy=500000"}))
            .store;
    ASSERT_EQ(store.materialCount, 5);
    const TMAT& c30 = store.materials[1];
    EXPECT_EQ(c30.designType, DesignConcrete);
    EXPECT_DOUBLE_EQ(c30.e, 31000);
    EXPECT_DOUBLE_EQ(c30.g, 31000 / 2.0 / 1.2);
    EXPECT_DOUBLE_EQ(c30.unitWeight, 24.5e-6);
    EXPECT_DOUBLE_EQ(c30.unitMass, 2.5e-9);
    EXPECT_DOUBLE_EQ(c30.fc, 30);
    EXPECT_EQ(c30.model, ModelElastic);
    EXPECT_EQ(store.materials[2].designType, DesignSteel);
    EXPECT_DOUBLE_EQ(store.materials[2].g, 76923.0769);
    EXPECT_DOUBLE_EQ(store.materials[2].fy, 355);
    EXPECT_EQ(store.materials[3].designType, DesignRebar);
    EXPECT_DOUBLE_EQ(store.materials[3].fy, 500);
    EXPECT_EQ(store.materials[4].designType, DesignOther);
    EXPECT_EQ(store.materials[5].name, "EXTRA");
    EXPECT_DOUBLE_EQ(store.materials[5].g, 0.4); // E1 1000 kN/m2 is 1 N/mm2
}

TEST(TableImport, FrameSectionsTakeShapesDimensionsAndTheFilesProperties) {
    const ModelStore& store = frameModel().store;
    ASSERT_EQ(store.frameSectionCount, 5);
    // Whatever their names say (N, R, T), the sections are solved as SAP2000 solves them.
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(store.frameSections[static_cast<std::size_t>(k)].elementType, ElasticBeamColumn) << k;
    const TSECTION& column = store.frameSections[1];
    EXPECT_EQ(column.shape, ShapeRectangle);
    EXPECT_DOUBLE_EQ(column.t1, 400);
    EXPECT_DOUBLE_EQ(column.t2, 400);
    EXPECT_DOUBLE_EQ(column.hingeLengthI, 400);
    EXPECT_FALSE(column.propertiesFromFile) << "no Area given: computed from the dimensions";
    EXPECT_EQ(column.material, 1);
    EXPECT_EQ(column.cover, 35);

    const TSECTION& beam = store.frameSections[2];
    EXPECT_EQ(beam.shape, ShapeI);
    const std::array<double, 6> dimensions = {beam.t1, beam.t2, beam.t3, beam.t4, beam.t5, beam.t6};
    const std::array<double, 6> expected = {300, 200, 15, 10, 200, 15}; // t2b and tfb default to t2, tf
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_DOUBLE_EQ(dimensions[i], expected[i]) << i;
    EXPECT_TRUE(beam.propertiesFromFile);
    EXPECT_DOUBLE_EQ(beam.area, 5700);
    EXPECT_DOUBLE_EQ(beam.i33, 4.5e7);
    EXPECT_DOUBLE_EQ(beam.i22, 2e7);
    EXPECT_DOUBLE_EQ(beam.torsion, 6e5);
    EXPECT_DOUBLE_EQ(beam.av2, 1500);
    EXPECT_DOUBLE_EQ(beam.av3, 5000);

    EXPECT_EQ(store.frameSections[3].shape, ShapeBox);
    EXPECT_DOUBLE_EQ(store.frameSections[3].t4, 8);
    const TSECTION& pipe = store.frameSections[4];
    EXPECT_EQ(std::make_pair(pipe.t1, pipe.t2), std::make_pair(100.0, 5.0));
    EXPECT_EQ(pipe.divideFX, 20);
    const TSECTION& general = store.frameSections[5];
    EXPECT_EQ(general.shape, ShapeNone);
    EXPECT_TRUE(general.propertiesFromFile);
    EXPECT_DOUBLE_EQ(general.area, 1e4);
}

TEST(TableImport, FramesTakeJointsSectionsAndTurnedLocalAxes) {
    const ModelStore& store = frameModel().store;
    ASSERT_EQ(store.frameCount, 8);
    const TFRAME& beam = store.frames[5];
    EXPECT_EQ(beam.label, "B1");
    EXPECT_EQ(std::make_pair(beam.nodeI, beam.nodeJ), std::make_pair(3, 4));
    EXPECT_EQ(beam.sectionName, "EW12");
    EXPECT_EQ(beam.section, 2);
    EXPECT_EQ(beam.angle, 90);
    // Along +X turned 90 degrees about local 1: local 2 goes from +Z to -Y.
    EXPECT_NEAR(beam.axis2X, 0, 1e-12);
    EXPECT_NEAR(beam.axis2Y, -1, 1e-12);
    EXPECT_NEAR(beam.axis2Z, 0, 1e-12);
    const TFRAME& column = store.frames[1];
    EXPECT_NEAR(column.axis2X, 1, 1e-12);
    EXPECT_NEAR(column.axis2Z, 0, 1e-12);
}

// The name rule, applied on request, makes RLINK a rigid link.
TEST(TableImport, RigidLinkReleasesTieTheirJointsAndOtherFramesKeepTheirReleases) {
    ModelStore store = frameModel().store;
    EXPECT_EQ(store.nodes[4].tiedTo, 0) << "an elastic frame ties nothing";
    applyElementTypesFromNames(store);
    EXPECT_EQ(store.frameSections[3].elementType, RigidLink);
    EXPECT_EQ(store.frameSections[4].elementType, Truss);
    EXPECT_EQ(store.frames[8].release, 2);
    EXPECT_EQ(store.nodes[4].tiedTo, 7) << "a J-end release ties joint I to joint J";
    EXPECT_EQ(store.frames[6].release, 1);
    EXPECT_EQ(store.frames[6].assigned->releaseI, (DofFlags{0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(store.frames[6].assigned->releaseJ, DofFlags{});
}

TEST(TableImport, EachDiaphragmLevelGetsARetainedJointAtTheMeanPlanPointAndTheExactElevation) {
    const ImportedModel& model = frameModel();
    const ModelStore& store = model.store;
    ASSERT_EQ(store.nodeCount, 9) << "seven joints of the file and two retained joints";
    ASSERT_EQ(store.diaphragmCount, 2);
    EXPECT_EQ(model.report.diaphragmJoints, (std::vector<std::string>{"~D1-1", "~D1-2"}));
    for (int d = 1; d <= 2; ++d) {
        SCOPED_TRACE(d);
        const TDIAPH& diaphragm = store.diaphragms[d];
        const std::int32_t floorJoints[2][2] = {{3, 4}, {5, 6}};
        ASSERT_EQ(diaphragm.slaveCount, 2);
        EXPECT_EQ(diaphragm.members[1], floorJoints[d - 1][0]);
        EXPECT_EQ(diaphragm.members[2], floorJoints[d - 1][1]);
        EXPECT_EQ(diaphragm.master, 7 + d);
        EXPECT_EQ(diaphragm.members[3], diaphragm.master);
        const TNODE& retained = store.nodes[diaphragm.master];
        EXPECT_EQ(retained.label, d == 1 ? "~D1-1" : "~D1-2");
        EXPECT_EQ(retained.x, 3000);
        EXPECT_EQ(retained.y, 0);
        EXPECT_EQ(retained.z, store.nodes[diaphragm.members[1]].z); // copied, to the last bit
    }
    EXPECT_TRUE(reports(model, "joint constraints of type Body", 1));
}

TEST(TableImport, InactiveDegreesOfFreedomAreRestrainedExceptWhereADiaphragmTiesThem) {
    const ModelStore& store = frameModel().store;
    const auto restraint = [&](int joint) { return store.nodes[joint].restraint; };
    // UY, RX and RZ are inactive. A free joint is restrained in all three; a joint tied to a
    // diaphragm only in RX (UY and RZ follow the retained joint), and the retained joint in UY and
    // RZ (the script fixes its UZ, RX and RY already).
    EXPECT_EQ(restraint(7), (DofFlags{0, 0, 1, 0, 1, 0, 1}));
    EXPECT_EQ(restraint(3), (DofFlags{0, 0, 0, 0, 1, 0, 0}));
    EXPECT_EQ(restraint(8), (DofFlags{0, 0, 1, 0, 0, 0, 1}));
    EXPECT_EQ(restraint(1), (DofFlags{0, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(restraint(2), (DofFlags{0, 1, 1, 1, 1, 0, 1}));
}

// The frames' own mass (SAP2000's default source) comes on top, the same along X, Y and Z.
TEST(TableImport, JointMassesAddUpInTonnesAndTonneSquareMillimetres) {
    const ImportedModel& model = frameModel();
    const ModelStore& store = model.store;
    EXPECT_DOUBLE_EQ(store.nodes[3].mass[1] - store.nodes[3].mass[2], 0.5);
    EXPECT_DOUBLE_EQ(store.nodes[3].mass[6], 1e7);
    const std::vector<std::string> lines = tables::reportLines(model.report);
    EXPECT_NE(
        std::find(lines.begin(), lines.end(), "  joint added masses: X 3.00000, Y 2.50000, Z 0 KN-s2/m"),
        lines.end());
}

TEST(TableImport, ReportListsTablesReadAndSkippedWithRowsAndWhatIsNotCarried) {
    const ImportedModel& model = frameModel();
    ASSERT_TRUE(model.tableFormat);
    const std::vector<std::string> lines = tables::reportLines(model.report);
    const auto has = [&](const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    };
    EXPECT_EQ(lines.front(), "SAP2000 table-format import");
    EXPECT_TRUE(has("Units: KN, m, C converted to N and mm"));
    EXPECT_TRUE(has("  JOINT COORDINATES: 7 rows"));
    EXPECT_TRUE(has("  FRAME SECTION PROPERTIES 01 - GENERAL: 5 rows")) << "a continued row counts once";
    EXPECT_TRUE(has("Tables skipped:"));
    EXPECT_TRUE(has("  GRID LINES: 2 rows"));
    EXPECT_TRUE(has("Joints created for diaphragms: 2 (~D1-1, ~D1-2)"));
    EXPECT_TRUE(has("  frame temperature loads (FRAME LOADS - TEMPERATURE): 1"));
    EXPECT_TRUE(
        has("Mass: SAP2000's default (the file names no mass source): element self mass, added masses"));
}

// A frame model for the loads: a beam along X turned 90 degrees (local 3 points down), an
// inclined member rising 3 in 4 (local 2 at angle 0 points up and back), a slender rod, and a column
// entered top down, kN and m.
std::string loadModel(std::initializer_list<std::string_view> frameLoads, const std::string& patterns) {
    return kUnits +
           sapTable("JOINT COORDINATES", {"Joint=1   XorR=0   Y=0   Z=0", "Joint=2   XorR=6   Y=0   Z=0",
                                          "Joint=3   XorR=4   Y=0   Z=3", "Joint=4   XorR=4   Y=0   Z=0"}) +
           sapTable("MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES",
                    {"Material=S355   UnitWeight=76.97   E1=2E+08   U12=0.3"}) +
           sapTable("FRAME SECTION PROPERTIES 01 - GENERAL",
                    {"SectionName=EW12   Material=S355   Shape=General   Area=0.0057   TorsConst=3E-07   "
                     "I33=9E-05   "
                     "I22=2E-05   WMod=0.5",
                     "SectionName=TROD   Material=S355   Shape=General   Area=0.001   TorsConst=1E-07   "
                     "I33=1E-07   I22=1E-07"}) +
           sapTable("CONNECTIVITY - FRAME",
                    {"Frame=B   JointI=1   JointJ=2", "Frame=S   JointI=1   JointJ=3",
                     "Frame=T   JointI=2   JointJ=3", "Frame=D   JointI=3   JointJ=4"}) +
           sapTable("FRAME SECTION ASSIGNMENTS", {"Frame=B   AnalSect=EW12", "Frame=S   AnalSect=EW12",
                                                  "Frame=T   AnalSect=TROD", "Frame=D   AnalSect=EW12"}) +
           sapTable("FRAME LOCAL AXES ASSIGNMENTS 1 - TYPICAL", {"Frame=B   Angle=90"}) + patterns +
           sapTable("JOINT LOADS - FORCE",
                    {"Joint=2   LoadPat=L1   CoordSys=GLOBAL   F1=10   F2=0   F3=-5   M1=0   M2=2   M3=0"}) +
           sapTable("FRAME LOADS - DISTRIBUTED", frameLoads);
}

std::string twelvePatterns(const char* selfWeight = "0") {
    std::vector<std::string> lines;
    for (int i = 1; i <= 12; ++i)
        lines.push_back("LoadPat=L" + std::to_string(i) +
                        "   DesignType=Other   SelfWtMult=" + (i == 12 ? selfWeight : "0"));
    std::string text = "TABLE:  \"LOAD PATTERN DEFINITIONS\"\n";
    for (const std::string& line : lines)
        text += "   " + line + "\n";
    return text + "\n";
}

std::vector<std::tuple<std::int32_t, std::int32_t, double>> distributedLoads(const ModelStore& store) {
    std::vector<std::tuple<std::int32_t, std::int32_t, double>> loads;
    for (int l = 1; l <= store.loadCount; ++l)
        if (store.loads[l].kind == LoadDistributed)
            loads.emplace_back(store.loads[l].target, store.loads[l].direction, store.loads[l].fx);
    return loads;
}

TEST(TableImport, LoadPatternsBeyondTenAndJointForcesInNewtons) {
    const ModelStore store = importTables(loadModel({}, twelvePatterns())).store;
    ASSERT_EQ(store.loadCaseCount, 12);
    EXPECT_EQ(store.loadCaseNames[12], "L12");
    ASSERT_EQ(store.loadCount, 1);
    const TLOAD& force = store.loads[1];
    EXPECT_EQ(force.kind, LoadJointForce);
    EXPECT_EQ(force.target, 2);
    EXPECT_EQ(force.caseName, "L1");
    EXPECT_EQ((std::array<double, 6>{force.fx, force.fy, force.fz, force.mx, force.my, force.mz}),
              (std::array<double, 6>{10000, 0, -5000, 0, 2e6, 0}));
}

TEST(TableImport, StaticCasesOfOnePatternAndModalCasesAreCarriedAndOthersReported) {
    const std::string cases =
        sapTable("LOAD CASE DEFINITIONS",
                 {"Case=L1   Type=LinStatic   InitialCond=Zero",
                  "Case=BOTH   Type=LinStatic   InitialCond=Zero", "Case=SCALED   Type=LinStatic",
                  "Case=PUSH   Type=NonStatic   InitialCond=L1",
                  "Case=MODAL   Type=LinModal   InitialCond=Zero", "Case=EQ   Type=LinDirHist",
                  "Case=EMPTY   Type=LinStatic"}) +
        sapTable("CASE - STATIC 1 - LOAD ASSIGNMENTS",
                 {"Case=L1   LoadType=\"Load pattern\"   LoadName=L1   LoadSF=1",
                  "Case=BOTH   LoadType=\"Load pattern\"   LoadName=L1   LoadSF=1",
                  "Case=BOTH   LoadType=\"Load pattern\"   LoadName=L2   LoadSF=1",
                  "Case=SCALED   LoadType=\"Load pattern\"   LoadName=L2   LoadSF=1.4",
                  "Case=PUSH   LoadType=\"Load pattern\"   LoadName=L3   LoadSF=1"});
    const ImportedModel model = importTables(loadModel({}, twelvePatterns() + cases));
    EXPECT_TRUE(reports(
        model,
        "static load cases that combine or scale load patterns (the script applies one pattern a stage)", 2));
    EXPECT_TRUE(
        reports(model,
                "static load cases that continue from another case (the analysis settings' Gravity+PushOver "
                "stages its patterns)",
                1));
    EXPECT_TRUE(
        reports(model, "load cases of type LinDirHist (the analysis settings choose the procedure)", 1));
    EXPECT_EQ(model.report.notCarried.size(), 3u);
    EXPECT_EQ(test::tableImportFailure(loadModel(
                  {}, twelvePatterns() + sapTable("CASE - STATIC 1 - LOAD ASSIGNMENTS",
                                                  {"Case=X   LoadType=\"Load pattern\"   LoadName=NONE"}))),
              "Table \"CASE - STATIC 1 - LOAD ASSIGNMENTS\", line 47: LoadName=NONE: there is no load "
              "pattern of that "
              "name");
}

// The example building: nothing of analysis meaning is left out; what the import skips is grid and
// coordinate-system display.
TEST(TableImport, TheExampleBuildingCarriesEveryTableOfAnalysisMeaning) {
    const ImportedModel model = importModelLines(
        loadLines(std::string(KELVANE_SOURCE_DIR) + "/examples/seven-storey-office.s2k"), initPalette());
    EXPECT_TRUE(model.report.notCarried.empty());
    std::vector<std::string> skipped;
    for (const tables::TableRows& table : model.report.tablesSkipped)
        skipped.push_back(table.name);
    EXPECT_EQ(skipped, (std::vector<std::string>{"COORDINATE SYSTEMS", "GRID LINES"}));
}

TEST(TableImport, UniformFrameLoadsResolveIntoTheFramesLocalComponents) {
    const ImportedModel model = importTables(loadModel(
        {"Frame=B   LoadPat=L2   CoordSys=GLOBAL   Type=Force   Dir=Gravity   DistType=RelDist   RelDistA=0  "
         " "
         "RelDistB=1   AbsDistA=0   AbsDistB=6   FOverLA=10   FOverLB=10",
         "Frame=S   LoadPat=L2   CoordSys=GLOBAL   Type=Force   Dir=Gravity   FOverLA=10   FOverLB=10",
         "Frame=S   LoadPat=L3   CoordSys=GLOBAL   Type=Force   Dir=X   FOverLA=5   FOverLB=5",
         "Frame=B   LoadPat=L4   CoordSys=Local   Type=Force   Dir=2   FOverLA=3   FOverLB=3",
         "Frame=B   LoadPat=L5   CoordSys=GLOBAL   Type=Force   Dir=Z   DistType=AbsDist   AbsDistA=0   "
         "AbsDistB=6   FOverLA=-1   FOverLB=-1",
         "Frame=S   LoadPat=L6   Type=Force   Dir=\"Gravity Proj\"   FOverLA=10   FOverLB=10",
         "Frame=D   LoadPat=L7   CoordSys=Local   Type=Force   Dir=2   FOverLA=5   FOverLB=5"},
        twelvePatterns()));
    const auto loads = distributedLoads(model.store);
    // B runs along X with local 2 = -Y and local 3 = -Z: gravity and -Z act along +3 alone.
    // S rises along (0.8, 0, 0.6) with local 2 = (-0.6, 0, 0.8): gravity gives -6 along 1 and
    // -8 along 2; X gives 4 along 1 and -3 along 2; gravity per horizontal length 0.8 of that.
    // D goes straight down: SAP2000's local 2 is +X, the store's -X, so a load along SAP2000's 2
    // is -5 along the store's.
    ASSERT_EQ(loads.size(), 10u);
    const auto near = [](const std::tuple<std::int32_t, std::int32_t, double>& load, std::int32_t frame,
                         std::int32_t direction, double value) {
        return std::get<0>(load) == frame && std::get<1>(load) == direction &&
               std::abs(std::get<2>(load) - value) < 1e-9;
    };
    EXPECT_TRUE(near(loads[0], 1, 3, 10));
    EXPECT_TRUE(near(loads[1], 2, 1, -6));
    EXPECT_TRUE(near(loads[2], 2, 2, -8));
    EXPECT_TRUE(near(loads[3], 2, 1, 4));
    EXPECT_TRUE(near(loads[4], 2, 2, -3));
    EXPECT_TRUE(near(loads[5], 1, 2, 3));
    EXPECT_TRUE(near(loads[6], 1, 3, 1));
    EXPECT_TRUE(near(loads[7], 2, 1, -4.8));
    EXPECT_TRUE(near(loads[8], 2, 2, -6.4));
    EXPECT_TRUE(near(loads[9], 4, 2, -5));
    EXPECT_EQ(model.store.loads[2].caseName, "L2");
    EXPECT_TRUE(model.report.notCarried.empty());
}

TEST(TableImport, PartialVaryingPointAndMomentFrameLoadsKeepTheirExtentAndIntensities) {
    std::string text = loadModel({"Frame=B   LoadPat=L2   Type=Force   Dir=Gravity   FOverLA=1   FOverLB=2",
                                  "Frame=B   LoadPat=L2   Type=Force   Dir=Gravity   DistType=AbsDist   "
                                  "RelDistA=0   RelDistB=0.5   AbsDistA=1.2   AbsDistB=6.0000000001   "
                                  "FOverLA=1   FOverLB=1",
                                  "Frame=B   LoadPat=L2   Type=Moment   Dir=Gravity   MOverLA=1   MOverLB=1",
                                  "Frame=T   LoadPat=L2   Type=Force   Dir=Y   FOverLA=2   FOverLB=2"},
                                 twelvePatterns());
    text +=
        sapTable("FRAME LOADS - POINT",
                 {"Frame=B   LoadPat=L3   CoordSys=GLOBAL   Type=Force   Dir=Gravity   DistType=RelDist   "
                  "RelDist=0.25   AbsDist=1.5   Force=3",
                  "Frame=S   LoadPat=L3   Type=Force   Dir=X   DistType=AbsDist   AbsDist=2.5   Force=10",
                  "Frame=B   LoadPat=L3   Type=Force   Dir=Gravity   RelDist=0.75   AbsDist=1.5   Force=3",
                  "Frame=B   LoadPat=L3   CoordSys=Local   Type=Moment   Dir=2   RelDist=1   Moment=4"});
    const ImportedModel model = importTables(text);
    struct Expected {
        std::int32_t kind, frame, direction;
        double fx, fy, distA, distB;
        bool moment;
    };
    // DistType names the distance that counts (RelDist without it) where a row gives both.
    // kN/m is N/mm, kN m/m is 1000 N mm/mm. B's local 3 points down; T runs from (6, 0, 0) to
    // (4, 0, 3), its local 3 is +Y; S rises along (0.8, 0, 0.6) with local 2 = (-0.6, 0, 0.8).
    const std::vector<Expected> expected = {
        {LoadFrameSpan, 1, 3, 1, 2, 0, 1, false},        {LoadFrameSpan, 1, 3, 1, 1, 0.2, 1, false},
        {LoadFrameSpan, 1, 3, 1000, 1000, 0, 1, true},   {LoadDistributed, 3, 3, 2, 0, 0, 0, false},
        {LoadFramePoint, 1, 3, 3000, 0, 0.25, 0, false}, {LoadFramePoint, 2, 1, 8000, 0, 0.5, 0, false},
        {LoadFramePoint, 2, 2, -6000, 0, 0.5, 0, false}, {LoadFramePoint, 1, 3, 3000, 0, 0.75, 0, false},
        {LoadFramePoint, 1, 2, 4e6, 0, 1, 0, true},
    };
    const ModelStore& store = model.store;
    ASSERT_EQ(store.loadCount, 1 + static_cast<int>(expected.size()));
    for (std::size_t k = 0; k < expected.size(); ++k) {
        SCOPED_TRACE(k);
        const TLOAD& load = store.loads[k + 2]; // after the joint force
        const Expected& e = expected[k];
        EXPECT_EQ(load.kind, e.kind);
        EXPECT_EQ(load.target, e.frame);
        EXPECT_EQ(load.direction, e.direction);
        EXPECT_NEAR(load.fx, e.fx, 1e-9 * std::abs(e.fx));
        EXPECT_NEAR(load.fy, e.fy, 1e-9 * std::abs(e.fy));
        EXPECT_NEAR(load.distA, e.distA, 1e-12);
        EXPECT_NEAR(load.distB, e.distB, 1e-12);
        EXPECT_EQ(load.moment, e.moment);
    }
    EXPECT_TRUE(model.report.notCarried.empty());
}

TEST(TableImport, SelfWeightIsMultiplierTimesUnitWeightTimesAreaDownward) {
    const ImportedModel model = importTables(loadModel({}, twelvePatterns("1.5")));
    const auto loads = distributedLoads(model.store);
    // 1.5 x 76.97e-6 N/mm3 x 5700 mm2 x WMod 0.5 on B (along +3) and S (split 0.6 : 0.8 into
    // -1 and -2) and D (along its local 1, which points down). T, an elastic beam whatever its
    // name, takes its weight (of 1000 mm2) as beam loads along its local axes too.
    const double beam = 1.5 * 76.97e-6 * 5700 * 0.5;
    ASSERT_EQ(loads.size(), 6u);
    EXPECT_EQ(std::get<1>(loads[5]), 1);
    EXPECT_NEAR(std::get<2>(loads[5]), beam, 1e-12);
    EXPECT_NEAR(std::get<2>(loads[0]), beam, 1e-12);
    EXPECT_NEAR(std::get<2>(loads[1]), -0.6 * beam, 1e-12);
    EXPECT_NEAR(std::get<2>(loads[2]), -0.8 * beam, 1e-12);
    double squared = 0;
    for (int l = 2; l <= model.store.loadCount; ++l) {
        const TLOAD& load = model.store.loads[l];
        EXPECT_EQ(load.caseName, "L12");
        EXPECT_EQ(load.kind, LoadDistributed);
        if (load.target == 3)
            squared += load.fx * load.fx;
    }
    EXPECT_NEAR(std::sqrt(squared), 1.5 * 76.97e-6 * 1000, 1e-12);
    EXPECT_TRUE(model.report.notCarried.empty());
}

TEST(TableImport, AreasOfFourAndOfThreeJointsAreShells) {
    const ImportedModel model = importTables(
        sapTable("JOINT COORDINATES", {"Joint=1   XorR=0   Y=0   Z=0", "Joint=2   XorR=1   Y=0   Z=0",
                                       "Joint=3   XorR=1   Y=1   Z=0", "Joint=4   XorR=0   Y=1   Z=0"}) +
        sapTable("MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES",
                 {"Material=C30   E1=30000   U12=0.2"}) +
        sapTable(
            "AREA SECTION PROPERTIES",
            {"Section=SLAB   Material=C30   MatAngle=0   AreaType=Shell   Type=Shell-Thin   "
             "DrillDOF=Yes   Thickness=200   "
             "BendThick=200",
             "Section=MEM   Material=C30   AreaType=Shell   Type=Shell-Layered/Nonlinear   Thickness=100"}) +
        sapTable("CONNECTIVITY - AREA",
                 {"Area=F1   NumJoints=4   Joint1=1   Joint2=2   Joint3=3   Joint4=4",
                  "Area=F2   NumJoints=3   Joint1=1   Joint2=2   Joint3=3",
                  "Area=F3   NumJoints=4   Joint1=4   Joint2=3   Joint3=2   Joint4=1"}) +
        sapTable("AREA SECTION ASSIGNMENTS", {"Area=F1   Section=SLAB   MatProp=Default",
                                              "Area=F2   Section=SLAB", "Area=F3   Section=MEM"}));
    const ModelStore& store = model.store;
    ASSERT_EQ(store.areaCount, 3);
    EXPECT_EQ(store.shellCount, 2);
    EXPECT_EQ(store.shellSectionCount, 2);
    const TSHELL& slab = store.shells[1];
    EXPECT_EQ(slab.label, "F1");
    EXPECT_EQ((std::array<std::int32_t, 4>{slab.node1, slab.node2, slab.node3, slab.node4}),
              (std::array<std::int32_t, 4>{1, 2, 3, 4}));
    const TSHELL& triangle = store.shells[2];
    EXPECT_EQ((std::array<std::int32_t, 4>{triangle.node1, triangle.node2, triangle.node3, triangle.node4}),
              (std::array<std::int32_t, 4>{1, 2, 3, 0}));
    EXPECT_EQ(triangle.section, 1);
    EXPECT_EQ(store.shellSections[1].isShell, 1);
    EXPECT_EQ(store.shellSections[1].thickness, 200);
    EXPECT_EQ(store.shellSections[2].isShell, 0);
    EXPECT_EQ(store.shells[3].section, 2);
    EXPECT_TRUE(reports(
        model, "area sections of type Shell Shell-Layered/Nonlinear (their areas are not written)", 1));
}

TEST(TableImport, SolidsKeepRingOrderAndTheMaterialOfTheirProperty) {
    std::vector<std::string> rows;
    for (int k = 0; k < 8; ++k)
        rows.push_back("Joint=" + std::to_string(k + 1) + "   XorR=" + std::to_string(k % 2) +
                       "   Y=" + std::to_string(k / 2 % 2) + "   Z=" + std::to_string(k / 4));
    std::string text = "TABLE:  \"JOINT COORDINATES\"\n";
    for (const std::string& row : rows)
        text += "   " + row + "\n";
    const ModelStore store =
        importTables(text + "\n" +
                     sapTable("MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES",
                              {"Material=SOIL   E1=50   U12=0.3", "Material=ROCK   E1=5000   U12=0.25"}) +
                     sapTable("SOLID PROPERTY DEFINITIONS",
                              {"SolidProp=HARD   Material=ROCK   MatAngleA=0   InComp=Yes"}) +
                     sapTable("CONNECTIVITY - SOLID", {"Solid=S1   Joint1=1   Joint2=2   Joint3=3   Joint4=4 "
                                                       "  Joint5=5   Joint6=6   Joint7=7   Joint8=8"}) +
                     sapTable("SOLID PROPERTY ASSIGNMENTS", {"Solid=S1   SolidProp=HARD"}))
            .store;
    ASSERT_EQ(store.solidCount, 1);
    const TSOLID& solid = store.solids[1];
    EXPECT_EQ(solid.label, "S1");
    EXPECT_EQ((std::array<std::int32_t, 8>{solid.node1, solid.node2, solid.node3, solid.node4, solid.node5,
                                           solid.node6, solid.node7, solid.node8}),
              (std::array<std::int32_t, 8>{1, 2, 4, 3, 5, 6, 8, 7}));
    EXPECT_EQ(solid.section, 2);
}


// Automatic end offsets (SAP2000 23 writes Type=Automatic RigidFactor=): each end takes half the
// largest dimension of the other frames meeting there. A portal, kN and m: columns 0.6 x 0.4, a
// beam 0.5 deep: the beam's rigid zones are 0.5 x 0.3 m at both ends, a column's 0.5 x 0.25 m at
// its top and none at its foot, where nothing else meets it.
TEST(TableImport, AutomaticEndOffsetsTakeHalfTheLargestDimensionMet) {
    const ImportedModel imported = test::importTables(
        kUnits +
        sapTable("JOINT COORDINATES", {"Joint=1   XorR=0   Y=0   Z=0", "Joint=2   XorR=0   Y=0   Z=3",
                                       "Joint=3   XorR=6   Y=0   Z=3", "Joint=4   XorR=6   Y=0   Z=0"}) +
        sapTable("MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES", {"Material=C   E1=3E7   U12=0.2"}) +
        sapTable("FRAME SECTION PROPERTIES 01 - GENERAL",
                 {"SectionName=COL   Material=C   Shape=Rectangular   t3=0.6   t2=0.4",
                  "SectionName=BEAM   Material=C   Shape=Rectangular   t3=0.5   t2=0.3"}) +
        sapTable("CONNECTIVITY - FRAME", {"Frame=1   JointI=1   JointJ=2", "Frame=2   JointI=2   JointJ=3",
                                          "Frame=3   JointI=4   JointJ=3"}) +
        sapTable("FRAME SECTION ASSIGNMENTS",
                 {"Frame=1   AnalSect=COL", "Frame=2   AnalSect=BEAM", "Frame=3   AnalSect=COL"}) +
        sapTable("FRAME OFFSET ALONG LENGTH ASSIGNMENTS", {"Frame=1   Type=Automatic   RigidFactor=0.5",
                                                           "Frame=2   Type=Automatic   RigidFactor=0.5"}));
    const ModelStore& store = imported.store;
    EXPECT_EQ(store.frames[2].assigned->offsetI, (std::array<double, 3>{150, 0, 0}));
    EXPECT_EQ(store.frames[2].assigned->offsetJ, (std::array<double, 3>{-150, 0, 0}));
    EXPECT_EQ(store.frames[1].assigned->offsetI, (std::array<double, 3>{0, 0, 0}));
    EXPECT_EQ(store.frames[1].assigned->offsetJ, (std::array<double, 3>{0, 0, -125}));
    EXPECT_EQ(store.frames[3].assigned->offsetJ, (std::array<double, 3>{0, 0, 0}));
}

} // namespace
} // namespace kelvane
