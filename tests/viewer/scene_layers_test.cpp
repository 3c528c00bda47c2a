#include "support/recording_canvas.h"
#include "viewer/scene_layers.h"
#include "viewer_test_models.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvane {
namespace {

using namespace kelvane::test;

const ColourTable kColours = initPalette();

std::vector<Point> boxOf(int x, int y, int half) { return {{x - half, y - half}, {x + half, y + half}}; }

TEST(BackgroundLayer, WhiteSurfaceBlackBorderAndTitleBlock) {
    RecordingCanvas canvas(300, 200);
    DrawBackground(canvas);
    const auto drawn = canvas.drawings();
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[0].kind, CallKind::Rectangle);
    EXPECT_EQ(drawn[0].points, (std::vector<Point>{{0, 0}, {300, 200}}));
    EXPECT_EQ(drawn[0].brush, (BrushState{0xFFFFFF, BrushStyle::Solid}));
    EXPECT_EQ(drawn[0].pen, (PenState{0x000000, 1, PenStyle::Solid}));

    const std::vector<std::pair<Point, int>> expected = {{{8, 5}, 14}, {{8, 32}, 8}, {{8, 50}, 8}};
    for (std::size_t t = 0; t < 3; ++t) {
        EXPECT_EQ(drawn[t + 1].points[0], expected[t].first);
        EXPECT_EQ(drawn[t + 1].font, (FontState{"Comic Sans MS", expected[t].second, 0x000000}));
        EXPECT_EQ(drawn[t + 1].brush.style, BrushStyle::Clear);
    }
    EXPECT_EQ(drawn[1].text, "Kelvane Program");
    EXPECT_FALSE(drawn[2].text.empty());
    EXPECT_FALSE(drawn[3].text.empty());
}

TEST(JointLayers, DotsAreBlueCirclesWithoutOutline) {
    ModelStore model;
    addPixelJoint(model, 30, 40);
    RecordingCanvas canvas;
    DrawNodes(canvas, model);
    const auto dots = canvas.callsOf(CallKind::Ellipse);
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_EQ(dots[0].points, boxOf(30, 40, 4));
    EXPECT_EQ(dots[0].brush, (BrushState{0x0000FF, BrushStyle::Solid}));
    EXPECT_EQ(dots[0].pen.style, PenStyle::Clear);
}

TEST(JointLayers, SupportColourCountsTheRestrainedDegreesOfFreedom) {
    ModelStore model;
    addPixelJoint(model, 10, 10); // free: no square
    fixJoint(model, addPixelJoint(model, 20, 20), 3);
    fixJoint(model, addPixelJoint(model, 30, 30), 6);
    model.nodes[1].restraint[5] = 1; // a single rotation
    RecordingCanvas canvas;
    DrawSupports(canvas, model, kColours);
    const auto squares = canvas.callsOf(CallKind::Rectangle);
    ASSERT_EQ(squares.size(), 3u);
    EXPECT_EQ(squares[0].brush.colour, rgb(255, 0, 0));
    EXPECT_EQ(squares[1].points, boxOf(20, 20, 5));
    EXPECT_EQ(squares[1].brush.colour, rgb(0, 0, 0));
    EXPECT_EQ(squares[2].brush.colour, rgb(255, 0, 255));
    for (const auto& square : squares) {
        EXPECT_EQ(square.brush.style, BrushStyle::Solid);
        EXPECT_EQ(square.pen.style, PenStyle::Clear);
    }
}

TEST(JointLayers, DiaphragmLinesRunFromTheMasterToEachConstrainedJoint) {
    ModelStore model;
    for (int k = 1; k <= 9; ++k)
        addPixelJoint(model, 10 * k, 5 * k);
    model.diaphragms.resize(4);
    model.diaphragmCount = 3;
    model.diaphragms[1] = {1, {0, 7, 9}, 9};  // listed 7 then 9: one line 9 -> 7
    model.diaphragms[2] = {0, {0, 4}, 4};     // a single joint: nothing
    model.diaphragms[3] = {-1, {0}, 0};       // a NAME line without joints: nothing
    RecordingCanvas canvas;
    DrawDiaphragms(canvas, model);
    ASSERT_EQ(canvas.lines().size(), 1u);
    EXPECT_EQ(canvas.lines()[0], (RecordedLine{{90, 45}, {70, 35}, {rgb(128, 128, 128), 1, PenStyle::Solid}}));
}

struct FrameLayers : ::testing::Test {
    ModelStore model;
    RecordingCanvas canvas;
    int beam = 0;
    int link = 0;
    void SetUp() override {
        addPixelJoint(model, 2, 10);
        addPixelJoint(model, 3, 21);
        addPixelJoint(model, 4, 30);
        addPixelJoint(model, -3, -5);
        beam = addSection(model, rgb(0, 94, 31), ElasticBeamColumn);
        link = addSection(model, rgb(98, 1, 96), RigidLink);
    }
};

TEST_F(FrameLayers, RigidLinksAreNotDrawnAsLinesAndUnmatchedSectionsAreBlack) {
    addFrame(model, 1, 2, beam);
    addFrame(model, 2, 3, link);
    addFrame(model, 3, 1, 0);
    addFrame(model, 1, 99, beam); // a joint outside the table is skipped
    DrawFrames(canvas, model);
    ASSERT_EQ(canvas.lines().size(), 2u);
    EXPECT_EQ(canvas.lines()[0], (RecordedLine{{2, 10}, {3, 21}, {rgb(0, 94, 31), 2, PenStyle::Solid}}));
    EXPECT_EQ(canvas.lines()[1], (RecordedLine{{4, 30}, {2, 10}, {0, 2, PenStyle::Solid}}));
}

TEST_F(FrameLayers, SelectedFrameIsAThickYellowLineWhateverItsType) {
    addFrame(model, 1, 2, beam);
    addFrame(model, 2, 3, link);
    DrawSelectedFrame(canvas, model, 2);
    ASSERT_EQ(canvas.lines().size(), 1u);
    EXPECT_EQ(canvas.lines()[0], (RecordedLine{{3, 21}, {4, 30}, {rgb(255, 255, 0), 5, PenStyle::Solid}}));
    canvas.clear();
    DrawSelectedFrame(canvas, model, 3); // no such frame
    EXPECT_TRUE(canvas.lines().empty());
}

TEST_F(FrameLayers, LabelsSitAtTheRoundedMiddleOfTheCurrentJointPoints) {
    addFrame(model, 1, 2, beam); // (2+3)/2 = 2.5 -> 2, (10+21)/2 = 15.5 -> 16
    addFrame(model, 2, 3, beam); // 3.5 -> 4, 25.5 -> 26
    DrawFrameLabels(canvas, model);
    const auto texts = canvas.callsOf(CallKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].points[0], (Point{2, 16}));
    EXPECT_EQ(texts[1].points[0], (Point{4, 26}));
    EXPECT_EQ(texts[1].text, "2");
    EXPECT_EQ(texts[0].brush, (BrushState{rgb(0, 255, 0), BrushStyle::Solid}));
}

TEST_F(FrameLayers, MomentReleaseCirclesUseTruncatedMidpointsAndInheritTheBrushStyle) {
    addPixelJoint(model, 0, 28);
    addFrame(model, 4, 5, link); // (-3 + 0) / 2 = -1 and (-5 + 28) / 2 = 11, truncated toward zero
    addFrame(model, 1, 2, beam);
    canvas.setBrushStyle(BrushStyle::Clear);
    DrawMomentReleases(canvas, model);
    const auto circles = canvas.callsOf(CallKind::Ellipse);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].points, boxOf(-1, 11, 5));
    EXPECT_EQ(circles[0].pen, (PenState{rgb(98, 1, 96), 2, PenStyle::Solid}));
    EXPECT_EQ(circles[0].brush, (BrushState{rgb(255, 0, 0), BrushStyle::Clear}));
    EXPECT_TRUE(canvas.lines().empty());
}

TEST_F(FrameLayers, JointLabelsAndAxisStrokesUseTheStoredPixelPoints) {
    addFrame(model, 1, 2, beam);
    model.frames[1].ScreenX = 100;
    model.frames[1].ScreenY = 50;
    model.frames[1].AxisTipX = 100;
    model.frames[1].AxisTipY = 10;
    DrawNodeLabels(canvas, model);
    DrawFrameAxes(canvas, model);
    const auto labels = canvas.callsOf(CallKind::Text);
    ASSERT_EQ(labels.size(), 4u);
    EXPECT_EQ(labels[3].text, "4");
    EXPECT_EQ(labels[3].points[0], (Point{-3, -5}));
    EXPECT_EQ(labels[3].brush, (BrushState{rgb(255, 255, 0), BrushStyle::Solid}));
    EXPECT_EQ(labels[3].font.size, 10);
    ASSERT_EQ(canvas.lines().size(), 1u);
    EXPECT_EQ(canvas.lines()[0], (RecordedLine{{100, 50}, {100, 10}, {rgb(0, 128, 0), 1, PenStyle::Solid}}));
    model.nodes[4].label = "~D1"; // a table-format joint shows its label
    model.frames[1].label = "B12";
    canvas = RecordingCanvas();
    DrawNodeLabels(canvas, model);
    DrawFrameLabels(canvas, model);
    const auto named = canvas.callsOf(CallKind::Text);
    ASSERT_EQ(named.size(), 5u);
    EXPECT_EQ(named[3].text, "~D1");
    EXPECT_EQ(named[4].text, "B12");
}

TEST(HingeBands, RangeEndsAreRedAndMagentaAndOutsideValuesClamp) {
    ResultDisplay range; // -1e-4 .. 1e-4
    EXPECT_EQ(hingeBand(-1e-4, range), 1);
    EXPECT_EQ(hingeBand(1e-4, range), 6);
    EXPECT_EQ(hingeBand(0, range), 3);
    EXPECT_EQ(hingeBand(-5, range), 1);
    EXPECT_EQ(hingeBand(5, range), 6);
    EXPECT_EQ(hingeBand(1e300, range), 6);
    range.ColourRangeMax = range.ColourRangeMin = 0.25;
    EXPECT_EQ(hingeBand(0.25, range), 1);
    EXPECT_EQ(hingeBand(3, range), 1);
}

TEST_F(FrameLayers, HingeCirclesAreOutlinedInBlackAndFilledWithTheBandColour) {
    addFrame(model, 1, 2, beam);
    addFrame(model, 2, 1, beam); // read, but its element writes no section values
    TFRAME& frame = model.frames[1];
    frame.HingeIX = 20;
    frame.HingeIY = 25;
    frame.HingeJX = 60;
    frame.HingeJY = 65;
    frame.hingeValueI = -1e-4;
    frame.hingeValueJ = 2e-4;
    frame.hasHingeValueI = frame.hasHingeValueJ = true;
    DrawHingeCircles(canvas, model, kColours, ResultDisplay{});
    const auto circles = canvas.callsOf(CallKind::Ellipse);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].points, boxOf(20, 25, 5));
    EXPECT_EQ(circles[0].brush, (BrushState{rgb(255, 0, 0), BrushStyle::Solid}));
    EXPECT_EQ(circles[1].points, boxOf(60, 65, 5));
    EXPECT_EQ(circles[1].brush.colour, rgb(255, 0, 255));
    EXPECT_EQ(circles[1].pen, (PenState{0, 1, PenStyle::Solid}));
}

TEST(ElementLayers, OnlyShellSectionsAreHatchedAndLabelledAndTheBrushEndsSolid) {
    ModelStore model;
    for (Point p : {Point{0, 0}, Point{11, 0}, Point{11, 11}, Point{0, 11}})
        addPixelJoint(model, p.x, p.y);
    const int shell = addShellSection(model, rgb(0, 53, 98), 1);
    const int membrane = addShellSection(model, rgb(96, 56, 17), 0);
    addArea(model, membrane, 1, 2, 3, 4);
    addArea(model, shell, 1, 2, 3, 4);
    addArea(model, 0, 1, 2, 3, 4);
    addArea(model, shell, 1, 2, 3, 0); // a triangle
    RecordingCanvas canvas;
    DrawShells(canvas, model);
    const auto polygons = canvas.callsOf(CallKind::Polygon);
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].points, (std::vector<Point>{{0, 0}, {11, 0}, {11, 11}, {0, 11}}));
    EXPECT_EQ(polygons[0].brush, (BrushState{rgb(0, 53, 98), BrushStyle::DiagonalCross}));
    EXPECT_EQ(polygons[0].pen, (PenState{0, 1, PenStyle::Solid}));
    EXPECT_EQ(polygons[1].points, (std::vector<Point>{{0, 0}, {11, 0}, {11, 11}}));
    EXPECT_EQ(polygons[1].brush, polygons[0].brush);
    EXPECT_EQ(canvas.brush().style, BrushStyle::Solid);

    canvas.clear();
    DrawShellLabels(canvas, model);
    const auto labels = canvas.callsOf(CallKind::Text);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].text, "2");
    EXPECT_EQ(labels[0].points[0], (Point{6, 6})); // 5.5 rounds to the even 6
    EXPECT_EQ(labels[1].text, "4");
    EXPECT_EQ(labels[1].points[0], (Point{7, 4})); // the mean of three corners
    EXPECT_EQ(labels[0].brush, (BrushState{rgb(128, 128, 128), BrushStyle::Solid}));
}

TEST(ElementLayers, ShellLayerSetsASolidBrushEvenWithNothingToDraw) {
    ModelStore model;
    RecordingCanvas canvas;
    canvas.setBrushStyle(BrushStyle::Clear);
    DrawShells(canvas, model);
    EXPECT_EQ(canvas.brush().style, BrushStyle::Solid);
}

TEST(ElementLayers, SolidsDrawTwelveEdgesAndALabelAtTheMeanPoint) {
    ModelStore model;
    const std::vector<Point> corners = {{0, 0}, {10, 0}, {10, 10}, {0, 10},
                                        {3, 2}, {13, 2}, {13, 12}, {3, 12}};
    for (Point p : corners)
        addPixelJoint(model, p.x, p.y);
    model.solids.resize(2);
    model.solidCount = 1;
    model.solids[1] = {1, 1, 2, 3, 4, 5, 6, 7, 8, ""};
    RecordingCanvas canvas;
    DrawSolids(canvas, model);
    std::vector<std::pair<int, int>> edges;
    for (const auto& line : canvas.lines()) {
        const auto index = [&](Point p) {
            return static_cast<int>(std::find(corners.begin(), corners.end(), p) - corners.begin()) + 1;
        };
        edges.emplace_back(index(line.from), index(line.to));
    }
    EXPECT_EQ(edges, (std::vector<std::pair<int, int>>{{1, 2}, {2, 3}, {3, 4}, {4, 1}, {5, 6}, {6, 7},
                                                       {7, 8}, {8, 5}, {1, 5}, {2, 6}, {3, 7}, {4, 8}}));

    DrawSolidLabels(canvas, model);
    const auto labels = canvas.callsOf(CallKind::Text);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].points[0], (Point{6, 6})); // means 6.5 -> 6 and 6.0
}

TEST(ElementLayers, SolidWithAMissingJointIsSkipped) {
    ModelStore model;
    addPixelJoint(model, 1, 1);
    model.solids.resize(2);
    model.solidCount = 1;
    model.solids[1] = {1, 1, 1, 1, 1, 1, 1, 1, 40, ""};
    RecordingCanvas canvas;
    DrawSolids(canvas, model);
    DrawSolidLabels(canvas, model);
    EXPECT_TRUE(canvas.drawings().empty());
}

struct LoadLayers : ::testing::Test {
    ModelStore model;
    RecordingCanvas canvas;
    void SetUp() override {
        addPixelJoint(model, 40, 50);
        addPixelJoint(model, 80, 50);
        addFrame(model, 1, 2, 0);
        model.frames[1].ScreenX = 60;
        model.frames[1].ScreenY = 52;
        model.loadCaseNames = {"", "DEAD", "Live"};
        model.loadCaseCount = 2;
    }
    void add(std::int32_t kind, std::int32_t target, const std::string& caseName, double fx,
             double fy = 0, double fz = 0, double mx = 0, double my = 0, double mz = 0) {
        TLOAD load;
        load.kind = kind;
        load.target = target;
        load.caseName = caseName;
        load.direction = 2;
        load.fx = fx;
        load.fy = fy;
        load.fz = fz;
        load.mx = mx;
        load.my = my;
        load.mz = mz;
        addLoad(model, load);
    }
};

TEST_F(LoadLayers, JointForcesShowKilosAndMegasWithoutDecimals) {
    add(LoadJointForce, 1, "DEAD", 12345, 0, -1600, 2.5e6, -3.5e6, -0.4e6);
    add(LoadJointForce, 2, "dead", 1000);   // letter case differs: not this case
    add(LoadDistributed, 1, "DEAD", 7);     // the other type
    add(LoadJointForce, 42, "DEAD", 1000);  // not a joint
    DrawPointLoads(canvas, model, 1);
    const auto texts = canvas.callsOf(CallKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "12,0,-2");
    EXPECT_EQ(texts[0].points[0], (Point{40, 50}));
    EXPECT_EQ(texts[1].text, "2,-4,0"); // ties to even, and no "-0"
    EXPECT_EQ(texts[1].points[0], (Point{40, 65}));
    EXPECT_EQ(texts[0].brush, (BrushState{rgb(240, 240, 240), BrushStyle::Solid}));
    EXPECT_EQ(texts[0].font.size, 10);
}

TEST_F(LoadLayers, ElementLoadsShowDirectionAndIntensityAtTheFrameMidpoint) {
    add(LoadDistributed, 1, "Live", -1.234);
    add(LoadDistributed, 1, "DEAD", 5);
    add(LoadDistributed, 9, "Live", 5); // not a frame
    DrawElementLoads(canvas, model, 2);
    const auto texts = canvas.callsOf(CallKind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "2,-1.23");
    EXPECT_EQ(texts[0].points[0], (Point{60, 52}));
    EXPECT_EQ(texts[0].brush, (BrushState{rgb(255, 255, 0), BrushStyle::Solid}));
}

TEST_F(LoadLayers, PartialVaryingAndPointLoadsShowTheirExtentAndPosition) {
    add(LoadFramePoint, 1, "Live", 10);
    model.loads.back().distA = 0.5;
    add(LoadFrameSpan, 1, "Live", 1.5, 3);
    model.loads.back().distA = 0.25;
    model.loads.back().distB = 1;
    model.loads.back().moment = true;
    DrawElementLoads(canvas, model, 2);
    const auto texts = canvas.callsOf(CallKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "M2,1.50..3.00@0.25-1.00");
    EXPECT_EQ(texts[1].text, "2,10.00@0.50");
    EXPECT_EQ(texts[1].points[0], (Point{60, 52}));
}

TEST_F(LoadLayers, CaseNumbersOutsideTheNameListDrawNothing) {
    add(LoadJointForce, 1, "", 1000);
    DrawPointLoads(canvas, model, 11);
    DrawPointLoads(canvas, model, -1);
    EXPECT_TRUE(canvas.callsOf(CallKind::Text).empty());
}

} // namespace
} // namespace kelvane
