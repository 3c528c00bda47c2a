#pragma once

#include "model/model_store.h"
#include "viewer/view_state.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// Camera operations and the mouse handlers of the drawing surface. Each returns what the window
// has to do; the window performs it in the order: show "Frame Properties", redraw, panel text.
namespace kelvane {

enum class MouseButton { Left, Right, Middle };

struct ViewerResponse {
    bool redraw = false;                   // call RedrawModel
    std::optional<std::string> panelText;  // new text of status panel 1
    bool showFrameProperties = false;      // a pick hit a frame: show the "Frame Properties" window
    bool operator==(const ViewerResponse&) const = default;
};

// What the mouse handlers read and change. `model` is read for picking (its projected frame points).
struct ViewerContext {
    ViewState& view;
    Interaction& interaction;
    const ModelStore& model;
    std::int32_t& selectedFrame;
    int width = 0; // drawing surface, pixels
    int height = 0;
};

// A full redraw that re-projects the model into the store (RedrawModel on the window's canvas).
using RedrawFunction = std::function<void()>;

// Panel-1 texts of the interaction modes.
inline constexpr const char* kPanelNone = "None";
inline constexpr const char* kPanelPan = "Pan";
inline constexpr const char* kPanelRotate = "Rotate View";
inline constexpr const char* kPanelSelect = "Select Elem";

// Toolbar commands: enter a mode and name it in panel 1 (idle leaves the panel). No redraw.
ViewerResponse beginPan(Interaction& interaction);
ViewerResponse beginRotate(Interaction& interaction);
ViewerResponse beginSelect(Interaction& interaction);
ViewerResponse beginIdle(Interaction& interaction);

ViewerResponse Image1MouseDown(ViewerContext& context, MouseButton button, int x, int y);
ViewerResponse Image1MouseMove(ViewerContext& context, int x, int y);
ViewerResponse Image1MouseUp(ViewerContext& context, int x, int y);

// One wheel notch: down enlarges the model (Scale * 0.9), up shrinks it (Scale / 0.9). Redraw.
ViewerResponse FormMouseWheelDown(ViewState& view);
ViewerResponse FormMouseWheelUp(ViewState& view);

// Fits the model to 80 % of the surface, centred, in two passes, each ending with `redraw`; the
// second pass reads the joints' pixel points written by the first one's redraw. Nothing happens
// without joints or on a surface without area.
void ZoomAll(ViewState& view, const ModelStore& model, int width, int height,
             const RedrawFunction& redraw);

// The standard views: set the angles, redraw, then ZoomAll.
void ViewXY(ViewState& view, const ModelStore& model, int width, int height,
            const RedrawFunction& redraw);
void ViewXZ(ViewState& view, const ModelStore& model, int width, int height,
            const RedrawFunction& redraw);
void ViewYZ(ViewState& view, const ModelStore& model, int width, int height,
            const RedrawFunction& redraw);

// The view that Rotate View leaves after turning the plan angle to `planAngle` and the tilt to
// `tiltAngle` degrees (an angle beyond a full turn either way starts again at 0, as a drag does),
// then redraw and ZoomAll.
void ViewRotated(ViewState& view, double planAngle, double tiltAngle, const ModelStore& model, int width,
                 int height, const RedrawFunction& redraw);

} // namespace kelvane
