#pragma once

#include "model/colour_table.h"
#include "model/model_store.h"

#include <QImage>

#include <string>

namespace kelvane {

enum class StandardView { XY, XZ, YZ };

// "xy", "xz" or "yz"; false for anything else.
bool parseStandardView(const std::string& text, StandardView& view);

// The drawing surface as the program shows it after the standard view command on a freshly
// started program: start-up view and options, the view's angles, redraw and ZoomAll. The model's
// pixel points are left as the last redraw wrote them.
QImage renderModelView(ModelStore& model, const ColourTable& colours, StandardView view, int width,
                       int height);

// Writes the image as PNG through a temporary file, so a failed write leaves an earlier file whole.
void savePng(const QImage& image, const std::string& path);

} // namespace kelvane
