#include "support/recording_canvas.h"
#include "viewer/scene.h"
#include "viewer_test_models.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

using namespace kelvane::test;

struct RedrawModelTest : ::testing::Test {
    ModelStore model;
    ViewState view;
    ViewOptions options;
    LoadDisplay loads;
    ResultDisplay results;
    ColourTable colours = initPalette();
    RecordingCanvas canvas{200, 160};

    void redraw(std::int32_t selectedFrame = 0) {
        RedrawModel(canvas, Scene{model, view, options, loads, results, colours, selectedFrame});
    }

    static ViewOptions allOff() {
        ViewOptions none;
        for (bool ViewOptions::*field :
             {&ViewOptions::node, &ViewOptions::frame, &ViewOptions::nodeSupport, &ViewOptions::shellElement,
              &ViewOptions::momentRelease, &ViewOptions::solidElement})
            none.*field = false;
        return none;
    }

    // One storey: two columns and a rigid link, joint 1 fixed.
    void buildPortal() {
        view.Scale = 1;
        addJoint(model, 0, 0, 0);
        addJoint(model, 40, 0, 0);
        addJoint(model, 0, 30, 0);
        fixJoint(model, 1, 6);
        const int beam = addSection(model, rgb(0, 0, 255), ElasticBeamColumn);
        const int link = addSection(model, rgb(99, 99, 99), RigidLink);
        addFrame(model, 1, 2, beam);
        addFrame(model, 2, 3, link);
    }
};

TEST_F(RedrawModelTest, EmptyModelShowsOnlyTheBackgroundAndTitleBlock) {
    options = ViewOptions{};
    options.nodeLabels = options.frameLabels = options.frameAxis = options.diaphragms = true;
    options.hingeCircle = options.shellLabels = options.solidLabel = true;
    loads = {1, 1};
    redraw(3);
    const auto drawn = canvas.drawings();
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[0].points[1], (Point{200, 160}));
}

TEST_F(RedrawModelTest, ProjectsAtTheCanvasSizeBeforeDrawing) {
    buildPortal();
    redraw();
    EXPECT_EQ(model.nodes[1].ScreenX, 100);
    EXPECT_EQ(model.nodes[1].ScreenY, 80);
    EXPECT_EQ(model.nodes[3].ScreenY, 50);
    EXPECT_EQ(model.frames[1].ScreenX, 120);
    const auto dots = canvas.callsOf(CallKind::Ellipse);
    ASSERT_GE(dots.size(), 3u);
    EXPECT_EQ(dots[1].points[0], (Point{136, 76}));
}

TEST_F(RedrawModelTest, DeformedShapeMovesJointsButNotFrameMidpoints) {
    buildPortal();
    model.nodes[2].ux = 1;
    results.DeformationScale = 10;
    redraw();
    EXPECT_EQ(model.nodes[2].ScreenX, 150);
    EXPECT_EQ(model.frames[1].ScreenX, 120);
    EXPECT_EQ(canvas.lines()[0].to, (Point{150, 80}));
}

TEST_F(RedrawModelTest, LayersFollowInTheirFixedOrder) {
    buildPortal();
    options.nodeLabels = options.frameLabels = true;
    redraw(1);
    std::vector<std::string> sequence;
    for (const auto& call : canvas.drawings()) {
        std::string step;
        if (call.kind == CallKind::Ellipse && call.brush.colour == rgb(0, 0, 255))
            step = "nodes";
        else if (call.kind == CallKind::Rectangle && call.pen.style == PenStyle::Clear)
            step = "supports";
        else if (call.kind == CallKind::LineTo && call.pen.width == 2)
            step = "frames";
        else if (call.kind == CallKind::LineTo && call.pen.width == 5)
            step = "selected";
        else if (call.kind == CallKind::Text && call.brush.colour == rgb(255, 255, 0))
            step = "node labels";
        else if (call.kind == CallKind::Text && call.brush.colour == rgb(0, 255, 0))
            step = "frame labels";
        else if (call.kind == CallKind::Ellipse && call.pen.width == 2)
            step = "moment releases";
        if (!step.empty() && (sequence.empty() || sequence.back() != step))
            sequence.push_back(step);
    }
    EXPECT_EQ(sequence, (std::vector<std::string>{"nodes", "supports", "frames", "selected", "node labels",
                                                  "frame labels", "moment releases"}));
}

TEST_F(RedrawModelTest, MomentReleaseCirclesStayHollowWhenNothingSetASolidBrush) {
    buildPortal();
    options = allOff();
    options.momentRelease = true;
    redraw();
    auto circles = canvas.callsOf(CallKind::Ellipse);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].brush.style, BrushStyle::Clear);

    options.node = true;
    canvas.clear();
    redraw();
    circles = canvas.callsOf(CallKind::Ellipse);
    EXPECT_EQ(circles.back().brush, (BrushState{rgb(255, 0, 0), BrushStyle::Solid}));
}

TEST_F(RedrawModelTest, FrameSwitchAlsoHidesTheSelection) {
    buildPortal();
    options = allOff();
    redraw(2);
    EXPECT_TRUE(canvas.lines().empty());
    options.frame = true;
    redraw(2);
    ASSERT_EQ(canvas.lines().size(), 2u); // the beam; the selected rigid link
    EXPECT_EQ(canvas.lines()[1].pen.width, 5);
}

TEST_F(RedrawModelTest, ZeroWidthColourRangeStillDrawsEveryLayer) {
    buildPortal();
    options.hingeCircle = true;
    options.solidLabel = true;
    results.ColourRangeMin = results.ColourRangeMax = 0;
    model.frames[1].hingeValueI = 1;
    for (TFRAME& frame : model.frames)
        frame.hasHingeValueI = frame.hasHingeValueJ = true;
    redraw();
    const auto circles = canvas.callsOf(CallKind::Ellipse);
    int red = 0;
    for (const auto& circle : circles)
        red += circle.pen.width == 1 && circle.brush.colour == rgb(255, 0, 0) ? 1 : 0;
    EXPECT_EQ(red, 4); // two frames, two ends each, all band 1
    EXPECT_EQ(circles.back().pen.width, 2); // the moment release after them
}

TEST_F(RedrawModelTest, LoadTypeChoosesWhichLoadsAreWritten) {
    buildPortal();
    options = allOff();
    model.loadCaseNames = {"", "DEAD"};
    model.loadCaseCount = 1;
    TLOAD force;
    force.kind = LoadJointForce;
    force.target = 2;
    force.caseName = "DEAD";
    force.fx = 3000;
    addLoad(model, force);
    TLOAD line = force;
    line.kind = LoadDistributed;
    line.target = 1;
    line.direction = 3;
    line.fx = 2.5;
    addLoad(model, line);

    const auto loadTexts = [&] {
        std::vector<std::string> texts;
        for (const auto& call : canvas.callsOf(CallKind::Text))
            if (call.font.size == 10)
                texts.push_back(call.text);
        canvas.clear();
        return texts;
    };
    loads = {0, 1};
    redraw();
    EXPECT_TRUE(loadTexts().empty());
    loads = {1, 1};
    redraw();
    EXPECT_EQ(loadTexts(), (std::vector<std::string>{"3,0,0", "0,0,0"}));
    loads = {1, 2};
    redraw();
    EXPECT_EQ(loadTexts(), (std::vector<std::string>{"3,2.50"}));
}

} // namespace
} // namespace kelvane
