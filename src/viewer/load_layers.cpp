#include "common/number_format.h"
#include "viewer/scene_access.h"
#include "viewer/scene_layers.h"

#include <string>

namespace kelvane {

namespace {

// The name of load case `loadCase`, or null when the number is not a case slot.
const std::string* caseNameOf(const ModelStore& model, std::int32_t loadCase) {
    if (loadCase < 1 || loadCase > loadCaseNameCount(model))
        return nullptr;
    return &model.loadCaseNames[static_cast<std::size_t>(loadCase)];
}

// "%0.0f,%0.0f,%0.0f" of three values each divided by `divisor`.
std::string threeWholeNumbers(double a, double b, double c, double divisor) {
    std::string text = formatF(a / divisor, 0);
    text += ',';
    text += formatF(b / divisor, 0);
    text += ',';
    text += formatF(c / divisor, 0);
    return text;
}

template <typename DrawOne>
void forEachLoadOfCase(const ModelStore& model, std::int32_t loadCase, std::int32_t kind, DrawOne drawOne) {
    const std::string* name = caseNameOf(model, loadCase);
    if (name == nullptr)
        return;
    const int count = boundedCount(model.loadCount, model.loads.size());
    for (int k = 1; k <= count; ++k) {
        const TLOAD& load = model.loads[static_cast<std::size_t>(k)];
        if (load.kind == kind && load.caseName == *name)
            drawOne(load);
    }
}

} // namespace

void DrawPointLoads(Canvas& canvas, const ModelStore& model, std::int32_t loadCase) {
    canvas.setBrushStyle(BrushStyle::Solid);
    canvas.setBrushColour(rgb(240, 240, 240));
    canvas.setFontColour(kBlack);
    canvas.setFontSize(10);
    forEachLoadOfCase(model, loadCase, LoadJointForce, [&](const TLOAD& load) {
        Point at;
        if (!jointPoint(model, load.target, at))
            return;
        canvas.textOut(at.x, at.y, threeWholeNumbers(load.fx, load.fy, load.fz, 1000.0));
        canvas.textOut(at.x, at.y + 15, threeWholeNumbers(load.mx, load.my, load.mz, 1000000.0));
    });
}

void DrawElementLoads(Canvas& canvas, const ModelStore& model, std::int32_t loadCase) {
    canvas.setBrushStyle(BrushStyle::Solid);
    canvas.setBrushColour(rgb(255, 255, 0));
    canvas.setFontColour(kBlack);
    canvas.setFontSize(10);
    const auto drawAtFrame = [&](const TLOAD& load, const std::string& text) {
        if (load.target < 1 || load.target > frameCountOf(model))
            return;
        const TFRAME& frame = model.frames[static_cast<std::size_t>(load.target)];
        canvas.textOut(frame.ScreenX, frame.ScreenY, text);
    };
    forEachLoadOfCase(model, loadCase, LoadDistributed, [&](const TLOAD& load) {
        drawAtFrame(load, formatInt(load.direction) + "," + formatF(load.fx, 2));
    });
    // Loads over part of a frame or varying along it: "2,1.50..3.00@0.25-1.00" (intensities from
    // the start to the end of the extent, fractions of the length); point loads: "2,10.00@0.50". A
    // moment's direction is written "M2".
    const auto direction = [](const TLOAD& load) {
        return (load.moment ? "M" : "") + formatInt(load.direction) + ",";
    };
    forEachLoadOfCase(model, loadCase, LoadFrameSpan, [&](const TLOAD& load) {
        drawAtFrame(load, direction(load) + formatF(load.fx, 2) + ".." + formatF(load.fy, 2) + "@" +
                              formatF(load.distA, 2) + "-" + formatF(load.distB, 2));
    });
    forEachLoadOfCase(model, loadCase, LoadFramePoint, [&](const TLOAD& load) {
        drawAtFrame(load, direction(load) + formatF(load.fx, 2) + "@" + formatF(load.distA, 2));
    });
}

} // namespace kelvane
