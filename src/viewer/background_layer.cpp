#include "viewer/scene_access.h"
#include "viewer/scene_layers.h"

namespace kelvane {

void DrawBackground(Canvas& canvas) {
    canvas.setBrushStyle(BrushStyle::Solid);
    canvas.setBrushColour(kWhite);
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(1);
    canvas.setPenColour(kBlack);
    canvas.rectangle(0, 0, canvas.width(), canvas.height());

    canvas.setFontColour(kBlack);
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.setFontName(kTitleFont);
    canvas.setFontSize(14);
    canvas.textOut(8, 5, kTitleText);
    canvas.setFontSize(8);
    canvas.textOut(8, 32, kCreditText);
    canvas.textOut(8, 50, kWebAddressText);
}

} // namespace kelvane
