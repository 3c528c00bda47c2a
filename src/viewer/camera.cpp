#include "viewer/camera.h"

#include "viewer/picking.h"
#include "viewer/scene_access.h"

#include <algorithm>
#include <cmath>

namespace kelvane {

namespace {

constexpr double kWheelFactor = 0.9;
// ZoomAll makes the larger relative extent fill this share of the surface.
constexpr double kFillShare = 0.8;

ViewerResponse enterMode(Interaction& interaction, std::int32_t mode, const char* panelText) {
    interaction.mode = mode;
    ViewerResponse response;
    if (panelText != nullptr)
        response.panelText = panelText;
    return response;
}

void panStep(ViewerContext& context, int x, int y) {
    ViewState& view = context.view;
    Interaction& interaction = context.interaction;
    view.OffsetX -= (x - interaction.dragAnchorX) * view.Scale;
    view.OffsetY -= (y - interaction.dragAnchorY) * view.Scale;
    interaction.dragAnchorX = x;
    interaction.dragAnchorY = y;
}

// An angle beyond a full turn either way starts again at 0; exactly 360 stays.
double resetFullTurn(double angle) { return std::fabs(angle) > 360 ? 0.0 : angle; }

void rotateStep(ViewerContext& context, int x, int y) {
    ViewState& view = context.view;
    Interaction& interaction = context.interaction;
    // A surface without width or height cannot scale a drag; that axis does not turn.
    if (context.width > 0)
        view.PlanAngle += static_cast<double>(x - interaction.dragAnchorX) / context.width * 180;
    if (context.height > 0)
        view.TiltAngle += static_cast<double>(y - interaction.dragAnchorY) / context.height * 180;
    view.PlanAngle = resetFullTurn(view.PlanAngle);
    view.TiltAngle = resetFullTurn(view.TiltAngle);
    interaction.dragAnchorX = x;
    interaction.dragAnchorY = y;
}

void setAnglesAndFit(ViewState& view, double plan, double tilt, const ModelStore& model, int width,
                     int height, const RedrawFunction& redraw) {
    view.PlanAngle = plan;
    view.TiltAngle = tilt;
    redraw();
    ZoomAll(view, model, width, height, redraw);
}

} // namespace

ViewerResponse beginPan(Interaction& interaction) { return enterMode(interaction, ModePanWaiting, kPanelPan); }
ViewerResponse beginRotate(Interaction& interaction) {
    return enterMode(interaction, ModeRotateWaiting, kPanelRotate);
}
ViewerResponse beginSelect(Interaction& interaction) {
    return enterMode(interaction, ModeSelectElement, kPanelSelect);
}
ViewerResponse beginIdle(Interaction& interaction) { return enterMode(interaction, ModeIdle, nullptr); }

ViewerResponse Image1MouseDown(ViewerContext& context, MouseButton button, int x, int y) {
    Interaction& interaction = context.interaction;
    ViewerResponse response;
    // The tests run one after another: a right press in pan mode starts the drag and then ends
    // the mode, and a right press in select mode picks before it ends the mode.
    if (interaction.mode == ModeSelectElement) {
        context.selectedFrame = PickFrame(context.model, x, y);
        if (context.selectedFrame != 0) {
            response.showFrameProperties = true;
            response.redraw = true;
        }
    }
    if (interaction.mode == ModePanWaiting) {
        interaction.dragAnchorX = x;
        interaction.dragAnchorY = y;
        interaction.mode = ModePanDragging;
    }
    if (interaction.mode == ModeRotateWaiting) {
        interaction.dragAnchorX = x;
        interaction.dragAnchorY = y;
        interaction.mode = ModeRotateDragging;
    }
    if (button == MouseButton::Right) {
        interaction.mode = ModeNone;
        response.panelText = kPanelNone;
    }
    return response;
}

ViewerResponse Image1MouseMove(ViewerContext& context, int x, int y) {
    ViewerResponse response;
    if (context.interaction.mode == ModePanDragging) {
        panStep(context, x, y);
        response.redraw = true;
    } else if (context.interaction.mode == ModeRotateDragging) {
        rotateStep(context, x, y);
        response.redraw = true;
    }
    return response;
}

ViewerResponse Image1MouseUp(ViewerContext& context, int x, int y) {
    ViewerResponse response;
    if (context.interaction.mode == ModePanDragging) {
        panStep(context, x, y);
        context.interaction.mode = ModePanWaiting;
        response.redraw = true;
        response.panelText = kPanelPan;
    } else if (context.interaction.mode == ModeRotateDragging) {
        rotateStep(context, x, y);
        context.interaction.mode = ModeRotateWaiting;
        response.redraw = true;
        response.panelText = kPanelRotate;
    }
    return response;
}

ViewerResponse FormMouseWheelDown(ViewState& view) {
    view.Scale *= kWheelFactor;
    ViewerResponse response;
    response.redraw = true;
    return response;
}

ViewerResponse FormMouseWheelUp(ViewState& view) {
    view.Scale /= kWheelFactor;
    ViewerResponse response;
    response.redraw = true;
    return response;
}

void ZoomAll(ViewState& view, const ModelStore& model, int width, int height,
             const RedrawFunction& redraw) {
    const int count = jointCount(model);
    if (count == 0 || width <= 0 || height <= 0)
        return;
    for (int pass = 0; pass < 2; ++pass) {
        const TNODE& first = model.nodes[1];
        std::int64_t xmin = first.ScreenX, xmax = first.ScreenX;
        std::int64_t ymin = first.ScreenY, ymax = first.ScreenY;
        for (int k = 2; k <= count; ++k) {
            const TNODE& node = model.nodes[static_cast<std::size_t>(k)];
            xmin = std::min<std::int64_t>(xmin, node.ScreenX);
            xmax = std::max<std::int64_t>(xmax, node.ScreenX);
            ymin = std::min<std::int64_t>(ymin, node.ScreenY);
            ymax = std::max<std::int64_t>(ymax, node.ScreenY);
        }
        const double spanX = static_cast<double>(xmax - xmin);
        const double spanY = static_cast<double>(ymax - ymin);
        // Move the middle of the projected extents to the middle of the surface, wherever the
        // model lies (a fixed half-span offset would only centre models that extend from the
        // origin towards the right and the top of the screen, and not the YZ view at all).
        view.OffsetX += (static_cast<double>(xmin + xmax) / 2 - width / 2.0) * view.Scale;
        view.OffsetY += (static_cast<double>(ymin + ymax) / 2 - height / 2.0) * view.Scale;
        const double factor = std::max(spanX / (kFillShare * width), spanY / (kFillShare * height));
        view.Scale = factor != 0 ? view.Scale * factor : 1.0;
        redraw();
    }
}

void ViewXY(ViewState& view, const ModelStore& model, int width, int height,
            const RedrawFunction& redraw) {
    setAnglesAndFit(view, 0, 0, model, width, height, redraw);
}

void ViewXZ(ViewState& view, const ModelStore& model, int width, int height,
            const RedrawFunction& redraw) {
    setAnglesAndFit(view, 0, -90, model, width, height, redraw);
}

void ViewYZ(ViewState& view, const ModelStore& model, int width, int height,
            const RedrawFunction& redraw) {
    setAnglesAndFit(view, 90, -90, model, width, height, redraw);
}

void ViewRotated(ViewState& view, double planAngle, double tiltAngle, const ModelStore& model, int width,
                 int height, const RedrawFunction& redraw) {
    setAnglesAndFit(view, resetFullTurn(planAngle), resetFullTurn(tiltAngle), model, width, height, redraw);
}

} // namespace kelvane
