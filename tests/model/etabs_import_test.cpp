// ETABS model files: points placed at the storeys of their objects, joints merged within the
// file's tolerance, diaphragms per storey, sections and the place of a failure.
#include "support/test_support.h"
#include "table_import_support.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <sstream>

namespace kelvane {
namespace {

using test::importTables;
using test::tableImportFailure;

std::string dataText(const std::string& name) {
    std::ifstream in(test::dataPath("etabs/" + name));
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

const TNODE* jointLabelled(const ModelStore& store, const std::string& label) {
    for (int n = 1; n <= store.nodeCount; ++n)
        if (store.nodes[static_cast<std::size_t>(n)].label == label)
            return &store.nodes[static_cast<std::size_t>(n)];
    return nullptr;
}

TEST(EtabsImportTest, ColumnsRunFromTheStoreyBelowAndJointsKeepPointAndStorey) {
    const ImportedModel model = importTables(dataText("two-storey-frame.e2k"));
    ASSERT_TRUE(model.etabsFormat);
    const ModelStore& store = model.store;
    EXPECT_EQ(store.nodeCount, 12);
    EXPECT_EQ(store.frameCount, 16);
    const TNODE* top = jointLabelled(store, "3@Story2");
    ASSERT_NE(top, nullptr);
    EXPECT_DOUBLE_EQ(top->x, 6000);
    EXPECT_DOUBLE_EQ(top->y, 5000);
    EXPECT_DOUBLE_EQ(top->z, 6000);
    for (int f = 1; f <= store.frameCount; ++f) {
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        if (frame.label != "C3@Story2")
            continue;
        EXPECT_EQ(store.nodes[static_cast<std::size_t>(frame.nodeI)].label, "3@Story1");
        EXPECT_EQ(store.nodes[static_cast<std::size_t>(frame.nodeJ)].label, "3@Story2");
        EXPECT_DOUBLE_EQ(frame.assigned->areaModifier, 1000);
    }
    const std::vector<std::string> lines = tables::reportLines(model.report);
    EXPECT_EQ(lines.front(), "ETABS model import");
    EXPECT_EQ(lines[1], "Written by ETABS 19.1.0");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "  Story1 at 3000: 4 joints"), lines.end());
}

// A wall panel's points carry how many storeys below the assigned one they lie: "1" "2" "2" "1"
// with 1 1 0 0 runs from the base up to Story1.
TEST(EtabsImportTest, WallPanelsSpanFromTheStoreyBelow) {
    std::string text =
        replaced(dataText("two-storey-frame.e2k"), "$ POINT COORDINATES",
                 "$ WALL PROPERTIES\n  SHELLPROP  \"W250\"  PROPTYPE  \"Wall\"  MATERIAL \"C25\"  "
                 "MODELINGTYPE \"ShellThin\"  WALLTHICKNESS 250\n\n$ POINT COORDINATES");
    text =
        replaced(text, "$ POINT ASSIGNS",
                 "$ AREA CONNECTIVITIES\n  AREA \"W1\"  PANEL  4  \"1\"  \"2\"  \"2\"  \"1\"  1  1  0  0\n\n"
                 "$ POINT ASSIGNS");
    text = replaced(text, "$ LOAD PATTERNS",
                    "$ AREA ASSIGNS\n  AREAASSIGN  \"W1\"  \"Story1\"  SECTION \"W250\"\n\n$ LOAD PATTERNS");
    const ImportedModel model = importTables(text);
    ASSERT_EQ(model.store.areaCount, 1);
    const TSHELL& wall = model.store.shells[1];
    EXPECT_EQ(wall.label, "W1@Story1");
    const auto label = [&](std::int32_t joint) {
        return model.store.nodes[static_cast<std::size_t>(joint)].label;
    };
    EXPECT_EQ(label(wall.node1), "1@Base");
    EXPECT_EQ(label(wall.node2), "2@Base");
    EXPECT_EQ(label(wall.node3), "2@Story1");
    EXPECT_EQ(label(wall.node4), "1@Story1");
    EXPECT_DOUBLE_EQ(model.store.shellSections[1].thickness, 250);
}

// A point spring in kN and m: 1000 kN/m along UZ is 1000 N/mm, 50 kN m/rad about RZ 5e7 N mm.
TEST(EtabsImportTest, PointSpringsReachTheirJointInNewtonMillimetre) {
    std::string text =
        replaced(dataText("slab-weight.e2k"), "$ POINT COORDINATES",
                 "$ POINT SPRING PROPERTIES\n  POINTSPRING  \"PS1\"  STIFFNESSOPTION  \"USERDEFINED\"  "
                 "UZ 1000 RZ 50\n\n$ POINT COORDINATES");
    text = replaced(text, "POINTASSIGN  \"1\"  \"Story1\"  RESTRAINT \"UX UY UZ\"",
                    "POINTASSIGN  \"1\"  \"Story1\"  RESTRAINT \"UX UY\"  SPRINGPROP \"PS1\"");
    const ImportedModel model = importTables(text);
    const TNODE* joint = jointLabelled(model.store, "1@Story1");
    ASSERT_NE(joint, nullptr);
    EXPECT_DOUBLE_EQ(joint->assigned->spring[3], 1000);
    EXPECT_DOUBLE_EQ(joint->assigned->spring[6], 5e7);
    EXPECT_EQ(joint->restraint[3], 0);
    EXPECT_EQ(tableImportFailure(replaced(text, "SPRINGPROP \"PS1\"", "SPRINGPROP \"PS2\"")),
              "Line 41 (POINT ASSIGNS): SPRINGPROP \"PS2\" is no spring of POINT SPRING PROPERTIES");
}

TEST(EtabsImportTest, PointsWithinTheMergeToleranceShareOneJointAndDiaphragmsAreOnePerStorey) {
    // Point 5 lies 0.5 mm from point 3: within MERGETOL 1 the beam to it ends at 3's joint.
    std::string text = replaced(dataText("two-storey-frame.e2k"), "  POINT \"4\"  0 5000 \n",
                                "  POINT \"4\"  0 5000 \n  POINT \"5\"  6000.5 5000 \n");
    text = replaced(text, "  LINE  \"B4\"  BEAM  \"4\"  \"1\"  0\n",
                    "  LINE  \"B4\"  BEAM  \"4\"  \"1\"  0\n  LINE  \"B5\"  BEAM  \"1\"  \"5\"  0\n");
    text = replaced(text, "$ LOAD PATTERNS",
                    "  LINEASSIGN  \"B5\"  \"Story2\"  SECTION \"B600\"\n\n$ LOAD PATTERNS");
    for (const char* point : {"1", "2", "3", "4"})
        for (const char* storey : {"Story1", "Story2"})
            text = replaced(text, "$ LINE ASSIGNS",
                            "  POINTASSIGN  \"" + std::string(point) + "\"  \"" + storey +
                                "\"  DIAPH \"D1\"\n$ LINE ASSIGNS");
    const ImportedModel model = importTables(text);
    EXPECT_EQ(model.store.nodeCount, 12 + 2); // a retained joint per storey
    EXPECT_EQ(model.store.diaphragmCount, 2);
    EXPECT_EQ(model.report.diaphragmJoints, (std::vector<std::string>{"~D1@Story1", "~D1@Story2"}));
    const TFRAME& added = model.store.frames[static_cast<std::size_t>(model.store.frameCount)];
    EXPECT_EQ(model.store.nodes[static_cast<std::size_t>(added.nodeJ)].label, "3@Story2");
}

TEST(EtabsImportTest, SectionsTakeTheirShapesAndPropertiesInNewtonMillimetre) {
    struct Case {
        const char* line;
        std::int32_t shape;
        double area, i33;
    };
    // Channel 200 x 75, flanges 11.5, web 8.5: A = 2 x 75 x 11.5 + 177 x 8.5.
    const double channelArea = 2 * 75 * 11.5 + 177 * 8.5;
    const double channelI33 = (75 * 200.0 * 200 * 200 - 66.5 * 177.0 * 177 * 177) / 12;
    const Case cases[] = {
        {"SHAPE \"Steel I/Wide Flange\"  D 300 B 150 TF 10.7 TW 7.1", ShapeI, 0, 0},
        {"SHAPE \"Steel Tube\"  D 200 B 100 TF 8 TW 6", ShapeBox, 0, 0},
        {"SHAPE \"Steel Pipe\"  D 168 TW 6", ShapePipe, 0, 0},
        {"SHAPE \"Concrete Circle\"  D 500", ShapeNone, 3.14159265358979 * 62500,
         3.14159265358979 * 62500 * 62500 / 4},
        {"SHAPE \"Steel Channel\"  D 200 B 75 TF 11.5 TW 8.5", ShapeNone, channelArea, channelI33},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const ImportedModel model = importTables(replaced(
            dataText("two-storey-frame.e2k"), "SHAPE \"Concrete Rectangular\"  D 600 B 400", c.line));
        const TSECTION& section = model.store.frameSections[2];
        EXPECT_EQ(section.shape, c.shape);
        if (c.area > 0) {
            EXPECT_NEAR(section.area, c.area, 1e-9 * c.area);
            EXPECT_NEAR(section.i33, c.i33, 1e-9 * c.i33);
        }
    }
    // A shape of a database without its properties leaves its frames out, and says so.
    const ImportedModel model =
        importTables(replaced(dataText("two-storey-frame.e2k"), "SHAPE \"Concrete Rectangular\"  D 600 B 400",
                              "SHAPE \"W8X31\"  FILE \"AISC14\""));
    EXPECT_EQ(model.store.frameCount, 8);
    EXPECT_EQ(model.report.notCarried.front().what,
              "frame sections of database shapes without their properties (their frames are left out)");
}

// RIGIDZONE: a beam's end zones are half the 400 mm columns it meets, a column's top zone the
// 600 mm beams it meets, times the factor.
TEST(EtabsImportTest, RigidZonesTakeTheirLengthsFromTheMembersMet) {
    std::string text =
        replaced(dataText("two-storey-frame.e2k"), "LINEASSIGN  \"B1\"  \"Story1\"  SECTION \"B600\"",
                 "LINEASSIGN  \"B1\"  \"Story1\"  SECTION \"B600\"  RIGIDZONE 0.5");
    text = replaced(text, "LINEASSIGN  \"C1\"  \"Story1\"  SECTION \"C400\"",
                    "LINEASSIGN  \"C1\"  \"Story1\"  SECTION \"C400\"  RIGIDZONE 1");
    const ImportedModel model = importTables(text);
    struct Case {
        const char* frame;
        std::array<double, 3> offsetI, offsetJ;
    };
    const Case cases[] = {
        {"B1@Story1", {100, 0, 0}, {-100, 0, 0}},
        {"C1@Story1", {0, 0, 0}, {0, 0, -600}},
        {"B1@Story2", {0, 0, 0}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frame);
        const TFRAME* found = nullptr;
        for (int f = 1; f <= model.store.frameCount; ++f)
            if (model.store.frames[static_cast<std::size_t>(f)].label == c.frame)
                found = &model.store.frames[static_cast<std::size_t>(f)];
        ASSERT_NE(found, nullptr);
        for (std::size_t k = 0; k < 3; ++k) {
            EXPECT_NEAR(found->assigned->offsetI[k], c.offsetI[k], 1e-9);
            EXPECT_NEAR(found->assigned->offsetJ[k], c.offsetJ[k], 1e-9);
        }
    }
}

// The downward load the frame labelled carries along its length, N.
double frameLoad(const ModelStore& store, const std::string& label) {
    double total = 0;
    for (int l = 1; l <= store.loadCount; ++l) {
        const TLOAD& load = store.loads[static_cast<std::size_t>(l)];
        const TFRAME& frame = store.frames[static_cast<std::size_t>(load.target)];
        if ((load.kind != LoadDistributed && load.kind != LoadFrameSpan) || frame.label != label)
            continue;
        const TNODE& i = store.nodes[static_cast<std::size_t>(frame.nodeI)];
        const TNODE& j = store.nodes[static_cast<std::size_t>(frame.nodeJ)];
        const double length = std::hypot(j.x - i.x, j.y - i.y, j.z - i.z);
        total += std::abs(load.kind == LoadDistributed
                              ? load.fx * length
                              : (load.fx + load.fy) / 2 * (load.distB - load.distA) * length);
    }
    return total;
}

// A membrane floor hands its 5 kN/m2 to the frames around it two way: the 6 m edge of the 6 x 4 m
// panel takes the trapezoid of height 2 m, 5 x (6 + 2) / 2 x 2 = 40 kN; a thin shell keeps it.
TEST(EtabsImportTest, MembraneFloorsHandTheirLoadsToTheBeamsTwoWay) {
    const std::string text = dataText("slab-weight.e2k");
    const ImportedModel shell = importTables(text);
    const ImportedModel membrane =
        importTables(replaced(text, "MODELINGTYPE \"ShellThin\"", "MODELINGTYPE \"Membrane\""));
    EXPECT_NEAR(frameLoad(membrane.store, "B1@Story1") - frameLoad(shell.store, "B1@Story1"), 40000, 1e-6);
}

// A deck spans one way along its local axis 1, which ANG turns: along X its 5 kN/m2 goes to the 4 m
// edges, which have no beam; turned to Y, the 6 m edge's beam takes half the 4 m span, 60 kN.
TEST(EtabsImportTest, DecksHandTheirLoadsOneWayAlongTheirTurnedSpan) {
    struct Case {
        const char* angle;
        double onBeam;
    };
    const Case cases[] = {{"0", 0}, {"90", 60000}, {"-90", 60000}, {"180", 0}};
    const std::string shell = dataText("slab-weight.e2k");
    const double own = frameLoad(importTables(shell).store, "B1@Story1");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        std::string text =
            replaced(shell,
                     "PROPTYPE  \"Slab\"  MATERIAL \"C25\"  MODELINGTYPE \"ShellThin\"  SLABTYPE \"Slab\"  "
                     "SLABTHICKNESS 0.2",
                     "PROPTYPE  \"Deck\"  DECKTYPE \"Filled\"  CONCMATERIAL \"C25\"  DECKSLABDEPTH 0.1 "
                     "DECKRIBDEPTH 0.1  DECKRIBWIDTHTOP 0.1  DECKRIBWIDTHBOTTOM 0.1  DECKRIBSPACING 0.1");
        text = replaced(text, "SECTION \"Slab200\"", "SECTION \"Slab200\"  ANG " + std::string(c.angle));
        EXPECT_NEAR(frameLoad(importTables(text).store, "B1@Story1") - own, c.onBeam, 1e-6);
    }
}

TEST(EtabsImportTest, BadInputStopsNamingTheLineItsBlockAndTheValue) {
    struct Case {
        const char* from;
        const char* to;
        const char* message;
    };
    const Case cases[] = {
        {"POINT \"2\"  6000 0", "POINT \"2\"  6000 zero",
         "Line 28 (POINT COORDINATES): Y 'zero' is no number"},
        {"LINEASSIGN  \"B1\"  \"Story1\"", "LINEASSIGN  \"B1\"  \"Story9\"",
         "Line 57 (LINE ASSIGNS): \"Story9\" is no storey of the file"},
        {"LINE  \"B1\"  BEAM  \"1\"  \"2\"", "LINE  \"B1\"  BEAM  \"1\"  \"7\"",
         "Line 57 (LINE ASSIGNS): \"7\" is no point of POINT COORDINATES"},
        {"UNITS  \"N\"  \"MM\"", "UNITS  \"N\"  \"FURLONG\"",
         "Line 7 (CONTROLS): UNITS \"N\" \"FURLONG\": length unit 'FURLONG' is not supported"},
        {"STORY \"Story2\"  HEIGHT 3000", "STORY \"Story2\"  ELEV 3000",
         "Line 11 (STORIES - IN SEQUENCE FROM TOP): storey \"Story2\" gives no HEIGHT"},
        {"RESTRAINT \"UX UY UZ RX RY RZ\"", "RESTRAINT \"UX UY UW\"",
         "Line 43 (POINT ASSIGNS): RESTRAINT \"UX UY UW\": 'UW' is no degree of freedom"},
        {"FX 2500\n", "FX \"2500\n", "Line 70: a quote is left open: \"2500"},
        {"LINEASSIGN  \"C2\"  \"Story2\"  SECTION \"C400\"",
         "LINEASSIGN  \"C2\"  \"Story2\"  SECTION \"C400\"  RIGIDZONE 1.5",
         "Line 54 (LINE ASSIGNS): RIGIDZONE 1.5 lies outside 0 to 1"},
        {"E 25000  U 0.2", "E -25000  U 0.2",
         "Line 17 (MATERIAL PROPERTIES): material \"C25\": E -25000 is not positive"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.to);
        const std::string message =
            tableImportFailure(replaced(dataText("two-storey-frame.e2k"), c.from, c.to));
        EXPECT_EQ(message.substr(0, std::string(c.message).size()), c.message) << message;
    }
}

} // namespace
} // namespace kelvane
