#include "common/number_format.h"
#include "viewer/scene_access.h"
#include "viewer/scene_layers.h"

#include <cmath>
#include <cstddef>

namespace kelvane {
namespace {

constexpr int kMarkRadius = 5;
constexpr int kLegendWidth = 220;
constexpr int kLineHeight = 16;
constexpr int kCaptionSize = 9;

} // namespace

void DrawDamageMarks(Canvas& canvas, const ModelStore& model, const DamageDisplay& damage) {
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(1);
    canvas.setPenColour(kBlack);
    canvas.setBrushStyle(BrushStyle::Solid);
    const int count = frameCountOf(model);
    for (const DamageMark& mark : damage.marks) {
        if (mark.frame < 1 || mark.frame > count || mark.state < 0 || mark.state >= kDamageStateCount)
            continue;
        const TFRAME& frame = model.frames[static_cast<std::size_t>(mark.frame)];
        Point i, j;
        if (!jointPoint(model, frame.nodeI, i) || !jointPoint(model, frame.nodeJ, j))
            continue;
        const auto x = static_cast<int>(std::lround(i.x + mark.position * (j.x - i.x)));
        const auto y = static_cast<int>(std::lround(i.y + mark.position * (j.y - i.y)));
        canvas.setBrushColour(kDamageStateColours[static_cast<std::size_t>(mark.state)]);
        canvas.ellipse(x - kMarkRadius, y - kMarkRadius, x + kMarkRadius + 1, y + kMarkRadius + 1);
    }
}

void DrawDamageLegend(Canvas& canvas, const DamageDisplay& damage, int top) {
    const int left = canvas.width() - kLegendWidth;
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.setFontColour(kBlack);
    canvas.setFontSize(kCaptionSize);
    canvas.textOut(left, top, "Damage, step " + formatInt(damage.step));
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(1);
    canvas.setPenColour(kBlack);
    for (int state = 0; state < kDamageStateCount; ++state) {
        top += kLineHeight;
        const auto at = static_cast<std::size_t>(state);
        canvas.setBrushStyle(BrushStyle::Solid);
        canvas.setBrushColour(kDamageStateColours[at]);
        canvas.ellipse(left + 2, top + 2, left + 14, top + 14);
        canvas.setBrushStyle(BrushStyle::Clear);
        canvas.textOut(left + 22, top,
                       std::string(kDamageStateCaptions[at]) + ": " + formatInt(damage.counts[at]));
    }
}

} // namespace kelvane
