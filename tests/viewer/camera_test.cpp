#include "viewer/camera.h"
#include "viewer/projection.h"
#include "viewer_test_models.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

using test::addFrame;
using test::addJoint;

struct CameraFixture : ::testing::Test {
    ModelStore model;
    ViewState view;
    Interaction interaction;
    std::int32_t selectedFrame = 0;
    ViewerContext context{view, interaction, model, selectedFrame, 360, 180};

    // The redraw a window performs: it re-projects the joints into the store.
    int redraws = 0;
    RedrawFunction redraw = [this] {
        ++redraws;
        ProjectNodes(model, view, 0, context.width, context.height);
        ProjectFrames(model, view, context.width, context.height);
    };
};

ViewerResponse redrawOnly() {
    ViewerResponse response;
    response.redraw = true;
    return response;
}

ViewerResponse panel(const char* text, bool redraw) {
    ViewerResponse response;
    response.redraw = redraw;
    response.panelText = text;
    return response;
}

using CameraCommands = CameraFixture;

TEST_F(CameraCommands, ModesNameThemselvesInPanelOneWithoutRedrawing) {
    EXPECT_EQ(beginPan(interaction), panel("Pan", false));
    EXPECT_EQ(interaction.mode, ModePanWaiting);
    EXPECT_EQ(beginRotate(interaction), panel("Rotate View", false));
    EXPECT_EQ(interaction.mode, ModeRotateWaiting);
    EXPECT_EQ(beginSelect(interaction), panel("Select Elem", false));
    EXPECT_EQ(interaction.mode, ModeSelectElement);
    EXPECT_EQ(beginIdle(interaction), ViewerResponse{});
    EXPECT_EQ(interaction.mode, ModeIdle);
}

TEST_F(CameraCommands, PanDragMovesTheModelWithThePointer) {
    view.Scale = 2;
    beginPan(interaction);
    EXPECT_EQ(Image1MouseDown(context, MouseButton::Left, 10, 10), ViewerResponse{});
    EXPECT_EQ(interaction.mode, ModePanDragging);
    EXPECT_EQ(Image1MouseMove(context, 15, 7), redrawOnly());
    EXPECT_DOUBLE_EQ(view.OffsetX, -10);
    EXPECT_DOUBLE_EQ(view.OffsetY, 6);
    // The release applies the movement since the last move event once more.
    EXPECT_EQ(Image1MouseUp(context, 20, 7), panel("Pan", true));
    EXPECT_DOUBLE_EQ(view.OffsetX, -20);
    EXPECT_DOUBLE_EQ(view.OffsetY, 6);
    EXPECT_EQ(interaction.mode, ModePanWaiting);
    // The origin moved 10 pixels right and 3 up, as the pointer did.
    EXPECT_EQ(projectPoint(view, 360, 180, 0, 0, 0), (Point{190, 87}));
}

TEST_F(CameraCommands, RotateDragTurnsHalfATurnPerSurfaceWidth) {
    beginRotate(interaction);
    Image1MouseDown(context, MouseButton::Left, 0, 0);
    EXPECT_EQ(Image1MouseMove(context, 36, 18), redrawOnly());
    EXPECT_DOUBLE_EQ(view.PlanAngle, 18);
    EXPECT_DOUBLE_EQ(view.TiltAngle, 18);
    EXPECT_EQ(Image1MouseUp(context, 36, 0), panel("Rotate View", true));
    EXPECT_DOUBLE_EQ(view.TiltAngle, 0);
    EXPECT_EQ(interaction.mode, ModeRotateWaiting);
}

TEST_F(CameraCommands, AnglesBeyondAFullTurnResetToZeroButExactly360Stays) {
    view.PlanAngle = 350;
    view.TiltAngle = -350;
    beginRotate(interaction);
    Image1MouseDown(context, MouseButton::Left, 100, 100);
    Image1MouseMove(context, 120, 80); // +10 and -20 degrees
    EXPECT_DOUBLE_EQ(view.PlanAngle, 360);
    EXPECT_DOUBLE_EQ(view.TiltAngle, 0);
    Image1MouseMove(context, 140, 80); // 370 -> 0
    EXPECT_DOUBLE_EQ(view.PlanAngle, 0);
}

TEST_F(CameraCommands, RightPressEndsPanRotateAndIdleModes) {
    beginIdle(interaction);
    EXPECT_EQ(Image1MouseDown(context, MouseButton::Left, 5, 5), ViewerResponse{});
    EXPECT_EQ(interaction.mode, ModeIdle);
    for (auto begin : {&beginPan, &beginRotate, &beginIdle}) {
        begin(interaction);
        EXPECT_EQ(Image1MouseDown(context, MouseButton::Right, 5, 5), panel("None", false));
        EXPECT_EQ(interaction.mode, ModeNone);
        EXPECT_EQ(Image1MouseMove(context, 50, 50), ViewerResponse{});
        EXPECT_EQ(Image1MouseUp(context, 50, 50), ViewerResponse{});
    }
    EXPECT_DOUBLE_EQ(view.OffsetX, 0);
    EXPECT_DOUBLE_EQ(view.PlanAngle, 0);
}

TEST_F(CameraCommands, SelectModePicksAndStaysUntilARightClick) {
    addJoint(model, 0, 0, 0);
    addJoint(model, 10, 0, 0);
    addFrame(model, 1, 2, 0);
    model.frames[1].ScreenX = 100;
    model.frames[1].ScreenY = 50;
    beginSelect(interaction);

    ViewerResponse hit;
    hit.redraw = true;
    hit.showFrameProperties = true;
    EXPECT_EQ(Image1MouseDown(context, MouseButton::Left, 104, 45), hit);
    EXPECT_EQ(selectedFrame, 1);
    EXPECT_EQ(interaction.mode, ModeSelectElement);

    // A miss clears the selection but asks for no redraw.
    EXPECT_EQ(Image1MouseDown(context, MouseButton::Left, 105, 50), ViewerResponse{});
    EXPECT_EQ(selectedFrame, 0);

    // A right click picks first, then leaves select mode.
    hit.panelText = "None";
    EXPECT_EQ(Image1MouseDown(context, MouseButton::Right, 95, 54), hit);
    EXPECT_EQ(selectedFrame, 1);
    EXPECT_EQ(interaction.mode, ModeNone);
}

TEST_F(CameraCommands, WheelZoomsAboutTheCentreAndIsReversible) {
    view.OffsetX = 7;
    EXPECT_EQ(FormMouseWheelDown(view), redrawOnly());
    EXPECT_DOUBLE_EQ(view.Scale, 4.5);
    FormMouseWheelDown(view);
    EXPECT_EQ(FormMouseWheelUp(view), redrawOnly());
    FormMouseWheelUp(view);
    EXPECT_NEAR(view.Scale, 5.0, 1e-12);
    EXPECT_DOUBLE_EQ(view.OffsetX, 7);
}

using ZoomAllTest = CameraFixture;

TEST_F(ZoomAllTest, EmptyModelChangesNothing) {
    view.Scale = 3;
    ZoomAll(view, model, 100, 80, redraw);
    EXPECT_EQ(redraws, 0);
    EXPECT_DOUBLE_EQ(view.Scale, 3);
}

TEST_F(ZoomAllTest, SingleJointSetsScaleOne) {
    addJoint(model, 40, 40, 0);
    view.Scale = 7;
    redraw();
    ZoomAll(view, model, context.width, context.height, redraw);
    EXPECT_EQ(redraws, 3);
    EXPECT_DOUBLE_EQ(view.Scale, 1.0);
    // The second pass, at the new scale, brings the joint to the centre.
    EXPECT_DOUBLE_EQ(view.OffsetX, 40);
    EXPECT_DOUBLE_EQ(view.OffsetY, -40);
    EXPECT_EQ(model.nodes[1].ScreenX, 180);
    EXPECT_EQ(model.nodes[1].ScreenY, 90);
}

TEST_F(ZoomAllTest, SecondPassReadsThePointsOfTheFirstPassRedraw) {
    context.width = 100;
    context.height = 80;
    addJoint(model, 0, 0, 0);
    addJoint(model, 400, 0, 0);
    addJoint(model, 0, 200, 0);
    view.Scale = 10;
    redraw(); // spans 40 x 20 pixels
    ZoomAll(view, model, 100, 80, redraw);
    // Pass 1 halves the scale; pass 2 finds the model filling 80 % and keeps it.
    EXPECT_DOUBLE_EQ(view.Scale, 5);
    EXPECT_DOUBLE_EQ(view.OffsetX, 200);
    EXPECT_DOUBLE_EQ(view.OffsetY, -100);
    EXPECT_EQ(model.nodes[1].ScreenX, 10);
    EXPECT_EQ(model.nodes[2].ScreenX, 90);
    EXPECT_EQ(model.nodes[1].ScreenY, 60);
    EXPECT_EQ(model.nodes[3].ScreenY, 20);
}

TEST_F(ZoomAllTest, ModelAwayFromTheOriginIsCentred) {
    addJoint(model, -5000, 2000, 0);
    addJoint(model, -3000, 3000, 0);
    view.OffsetX = 123; // an earlier pan does not matter
    redraw();
    ZoomAll(view, model, context.width, context.height, redraw);
    const TNODE& a = model.nodes[1];
    const TNODE& b = model.nodes[2];
    EXPECT_NEAR((a.ScreenX + b.ScreenX) / 2.0, 180, 1);
    EXPECT_NEAR((a.ScreenY + b.ScreenY) / 2.0, 90, 1);
    EXPECT_NEAR(b.ScreenX - a.ScreenX, 288, 1);
}

TEST_F(ZoomAllTest, SurfaceWithoutAreaIsLeftAlone) {
    addJoint(model, 0, 0, 0);
    addJoint(model, 10, 0, 0);
    ZoomAll(view, model, 0, 80, redraw);
    EXPECT_EQ(redraws, 0);
    EXPECT_DOUBLE_EQ(view.Scale, 5);
}

TEST_F(ZoomAllTest, StandardViewsSetTheAnglesRedrawAndFit) {
    addJoint(model, 0, 0, 0);
    addJoint(model, 0, 100, 0);
    addJoint(model, 0, 0, 50);
    ViewYZ(view, model, context.width, context.height, redraw);
    EXPECT_EQ(redraws, 3);
    EXPECT_DOUBLE_EQ(view.PlanAngle, 90);
    EXPECT_DOUBLE_EQ(view.TiltAngle, -90);
    EXPECT_LT(model.nodes[2].ScreenX, model.nodes[1].ScreenX); // +Y to the left
    EXPECT_LT(model.nodes[3].ScreenY, model.nodes[1].ScreenY); // +Z up
    // The larger relative extent fills 80 % of the surface, centred: the model lies on the
    // negative side of the screen's x here, which a half-span offset would push off the surface.
    EXPECT_EQ(model.nodes[2].ScreenX, 36);
    EXPECT_EQ(model.nodes[1].ScreenX, 324);
    EXPECT_EQ(model.nodes[3].ScreenY, 18);
    EXPECT_EQ(model.nodes[1].ScreenY, 162);

    ViewXZ(view, model, context.width, context.height, redraw);
    EXPECT_DOUBLE_EQ(view.PlanAngle, 0);
    EXPECT_DOUBLE_EQ(view.TiltAngle, -90);
    ViewXY(view, model, context.width, context.height, redraw);
    EXPECT_DOUBLE_EQ(view.TiltAngle, 0);
    EXPECT_EQ(redraws, 9);

    // A turned view takes its angles as a rotation drag leaves them: beyond a full turn is 0.
    ViewRotated(view, 30, -420, model, context.width, context.height, redraw);
    EXPECT_DOUBLE_EQ(view.PlanAngle, 30);
    EXPECT_DOUBLE_EQ(view.TiltAngle, 0);
    EXPECT_EQ(redraws, 12);
}

} // namespace
} // namespace kelvane
