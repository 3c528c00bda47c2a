#include "viewer/picking.h"

#include "common/error.h"
#include "common/number_format.h"
#include "common/number_parse.h"
#include "results/frame_forces.h"
#include "viewer/force_diagram.h"
#include "viewer/scene_access.h"

namespace kelvane {

namespace {

// The box spans 10 pixels: its left and top edges are inside, its right and bottom edges outside.
bool insidePickBox(const TFRAME& frame, int x, int y) {
    return x >= frame.ScreenX - 5 && x <= frame.ScreenX + 4 && y >= frame.ScreenY - 5 &&
           y <= frame.ScreenY + 4;
}

} // namespace

std::int32_t PickFrame(const ModelStore& model, int x, int y) {
    std::int32_t picked = 0;
    const int count = frameCountOf(model);
    for (int k = 1; k <= count; ++k)
        if (insidePickBox(model.frames[static_cast<std::size_t>(k)], x, y))
            picked = k;
    return picked;
}

namespace {

// The frame the "Frame Label" text names: the frame of that label (table-format models), else the
// number it gives; 0 for an empty text (no frame picked). A text that is neither raises the
// conversion message, a number outside the frame table a message naming it.
std::int32_t labelledFrame(const ModelStore& model, const std::string& frameLabelText) {
    if (frameLabelText.empty())
        return 0;
    const int count = frameCountOf(model);
    for (int k = 1; k <= count; ++k)
        if (!frameLabelText.empty() && model.frames[static_cast<std::size_t>(k)].label == frameLabelText)
            return k;
    const std::int32_t n = parseInt(frameLabelText);
    if (n < 1 || n > frameCountOf(model))
        fail("Frame " + formatInt(n) + " is not in the frame table (1.." + formatInt(frameCountOf(model)) +
             ")");
    return n;
}

} // namespace

std::string frameLabelText(const ModelStore& model, std::int32_t k) {
    if (k == 0)
        return {};
    const TFRAME* frame =
        k >= 1 && k <= frameCountOf(model) ? &model.frames[static_cast<std::size_t>(k)] : nullptr;
    return labelOrNumber(frame != nullptr ? frame->label : std::string(), k);
}

FrameForceRows frameForceRows(const ModelStore& model, const std::string& frameLabelText,
                              std::int32_t units) {
    const std::int32_t n = labelledFrame(model, frameLabelText);
    const TFRAME& frame = model.frames[static_cast<std::size_t>(n)];
    FrameForceRows rows;
    for (int end = EndI; end <= EndJ; ++end)
        for (std::int32_t component = ForceN; component <= ForceM3; ++component) {
            auto& row = rows[static_cast<std::size_t>(6 * end + component - 1)];
            row.first = forceComponentName(component) + (end == EndI ? " i [" : " j [") +
                        forceUnitName(component, units) + "]";
            if (n != 0 && frame.hasEndForces)
                row.second = formatGeneral(
                    forceInUnits(endForce(frame, static_cast<FrameEnd>(end), component), component, units));
        }
    return rows;
}

FramePropertyRows framePropertyRows(const ModelStore& model, const std::string& frameLabelText) {
    const std::int32_t n = labelledFrame(model, frameLabelText);
    if (n == 0)
        return {{{"Label", ""},
                 {"Node i", ""},
                 {"Node j", ""},
                 {"Angle", ""},
                 {"Section", ""},
                 {"Element Type", ""},
                 {"Material", ""}}};
    const TFRAME& frame = model.frames[static_cast<std::size_t>(n)];
    const TSECTION& section = frameSectionOf(model, frame.section);
    return {{{"Label", labelOrNumber(frame.label, n)},
             {"Node i", jointName(model, frame.nodeI)},
             {"Node j", jointName(model, frame.nodeJ)},
             {"Angle", formatGeneral(frame.angle)},
             {"Section", section.name},
             {"Element Type", formatInt(section.elementType)},
             {"Material", materialOf(model, section.material).name}}};
}

} // namespace kelvane
