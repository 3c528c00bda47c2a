#include "viewer/projection.h"
#include "viewer_test_models.h"

#include <gtest/gtest.h>

#include <limits>

namespace kelvane {
namespace {

using test::addFrame;
using test::addJoint;

ViewState planView(double scale) {
    ViewState view;
    view.Scale = scale;
    return view;
}

TEST(Projection, OriginLandsOnTheCentreAndTiesGoToTheEvenPixel) {
    const ViewState view = planView(5);
    EXPECT_EQ(projectPoint(view, 100, 80, 0, 0, 0), (Point{50, 40}));
    // W / 2 is a real half: 101 wide puts the origin at 50.5, which rounds to the even 50.
    EXPECT_EQ(projectPoint(view, 101, 81, 0, 0, 0), (Point{50, 40}));
    EXPECT_EQ(projectPoint(view, 100, 80, 2.5, 0, 0).x, 50);  // 50.5 -> 50
    EXPECT_EQ(projectPoint(view, 100, 80, 7.5, 0, 0).x, 52);  // 51.5 -> 52
    EXPECT_EQ(projectPoint(view, 100, 80, -2.5, 0, 0).x, 50); // 49.5 -> 50
}

TEST(Projection, StandardAnglesOrientTheAxes) {
    ViewState view = planView(5);
    // Plan: +X right, +Y up the screen.
    EXPECT_EQ(projectPoint(view, 100, 80, 10, 0, 0), (Point{52, 40}));
    EXPECT_EQ(projectPoint(view, 100, 80, 0, 10, 0), (Point{50, 38}));
    // XZ elevation: +Z up, +X right.
    view.TiltAngle = -90;
    EXPECT_EQ(projectPoint(view, 100, 80, 0, 0, 10), (Point{50, 38}));
    EXPECT_EQ(projectPoint(view, 100, 80, 10, 0, 0), (Point{52, 40}));
    // YZ elevation: +Y to the left, +Z up.
    view.PlanAngle = 90;
    EXPECT_EQ(projectPoint(view, 100, 80, 0, 10, 0), (Point{48, 40}));
    EXPECT_EQ(projectPoint(view, 100, 80, 0, 0, 10), (Point{50, 38}));
}

TEST(Projection, OffsetsPanInModelUnits) {
    ViewState view = planView(2);
    view.OffsetX = 10;  // 5 pixels
    view.OffsetY = -6;  // 3 pixels
    EXPECT_EQ(projectPoint(view, 100, 80, 0, 0, 0), (Point{45, 43}));
}

TEST(Projection, ExtremeValuesClampInsteadOfOverflowing) {
    EXPECT_EQ(roundToPixel(1e30), kPixelLimit);
    EXPECT_EQ(roundToPixel(-1e30), -kPixelLimit);
    EXPECT_EQ(roundToPixel(std::numeric_limits<double>::infinity()), kPixelLimit);
    EXPECT_EQ(roundToPixel(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(roundToPixel(-0.5), 0);
    EXPECT_EQ(roundToPixel(-1.5), -2);
}

TEST(Projection, JointsFollowTheirScaledDisplacement) {
    ModelStore model;
    addJoint(model, 10, 0, 0);
    model.nodes[1].ux = 1;
    model.nodes[1].uy = 2;
    ProjectNodes(model, planView(1), 0, 100, 80);
    EXPECT_EQ(model.nodes[1].ScreenX, 60);
    EXPECT_EQ(model.nodes[1].ScreenY, 40);
    ProjectNodes(model, planView(1), 5, 100, 80);
    EXPECT_EQ(model.nodes[1].ScreenX, 65);
    EXPECT_EQ(model.nodes[1].ScreenY, 30);
}

TEST(Projection, FrameMidpointAndAxisStayUndisplacedWhileHingePointsFollowTheJoints) {
    ModelStore model;
    addJoint(model, 0, 0, 0);
    addJoint(model, 10, 0, 0);
    addFrame(model, 1, 2, 0);
    model.frames[1].axis2Y = 1;
    model.nodes[2].ux = 1;
    const ViewState view = planView(1);
    ProjectNodes(model, view, 2, 100, 80); // joint 2 drawn at x = 12 -> pixel 62
    ProjectFrames(model, view, 100, 80);
    const TFRAME& frame = model.frames[1];
    EXPECT_EQ(frame.ScreenX, 55);
    EXPECT_EQ(frame.ScreenY, 40);
    // The axis tip stands 40 pixels along +Y, which is up the screen.
    EXPECT_EQ(frame.AxisTipX, 55);
    EXPECT_EQ(frame.AxisTipY, 0);
    // 50 + 0.2 * 12 = 52.4 and 50 + 0.8 * 12 = 59.6.
    EXPECT_EQ(frame.HingeIX, 52);
    EXPECT_EQ(frame.HingeJX, 60);
    EXPECT_EQ(frame.HingeIY, 40);
    EXPECT_EQ(frame.HingeJY, 40);
}

TEST(Projection, AxisStrokeKeepsFortyPixelsAtAnyScale) {
    ModelStore model;
    addJoint(model, 0, 0, 0);
    addJoint(model, 0, 0, 3000);
    addFrame(model, 1, 2, 0);
    model.frames[1].axis2X = 1;
    ViewState view = planView(37.5);
    view.TiltAngle = -90;
    ProjectNodes(model, view, 0, 400, 300);
    ProjectFrames(model, view, 400, 300);
    EXPECT_EQ(model.frames[1].AxisTipX - model.frames[1].ScreenX, 40);
    EXPECT_EQ(model.frames[1].AxisTipY, model.frames[1].ScreenY);
}

TEST(Projection, FramesWithJointsOutsideTheTableAreSkipped) {
    ModelStore model;
    addJoint(model, 0, 0, 0);
    addFrame(model, 1, 7, 0);
    addFrame(model, 0, 1, 0);
    model.frames[1].ScreenX = -3;
    ProjectNodes(model, planView(1), 0, 100, 80);
    ProjectFrames(model, planView(1), 100, 80);
    EXPECT_EQ(model.frames[1].ScreenX, -3);
    EXPECT_EQ(model.frames[2].ScreenX, 0);
}

TEST(Projection, CountBeyondTheArrayIsNotRead) {
    ModelStore model;
    addJoint(model, 0, 0, 0);
    model.nodeCount = 5; // a hand-built store claiming more joints than it holds
    model.frameCount = 3;
    ProjectNodes(model, planView(1), 0, 100, 80);
    ProjectFrames(model, planView(1), 100, 80);
    EXPECT_EQ(model.nodes[1].ScreenX, 50);
}

} // namespace
} // namespace kelvane
