#pragma once

#include "model/colour_table.h"
#include "model/model_store.h"
#include "viewer/scene.h"

#include <QImage>

#include <string>

namespace kelvane {

enum class StandardView { XY, XZ, YZ, ThreeD };

// "xy", "xz", "yz" or "3d"; false for anything else.
bool parseStandardView(const std::string& text, StandardView& view);

// The camera as the view command leaves it on a surface of width x height: the view's angles (the
// 3-D view turned to planAngle and tiltAngle, as Rotate View turns it), a redraw of `scene` and
// ZoomAll. `view` is the scene's camera.
void pointCamera(ViewState& view, const Scene& scene, StandardView standard, double planAngle,
                 double tiltAngle, int width, int height);

// One full redraw of the scene on an off-screen image of width x height.
QImage renderScene(const Scene& scene, int width, int height);

// Picture files are PNG or SVG, told by the name's ending (".png", ".svg", any letter case).
enum class PictureFormat { None, Png, Svg };
PictureFormat pictureFormatOf(const std::string& path);

// One full redraw of the scene written as a picture of width x height: PNG or SVG by the name,
// through a temporary file, so a failed write leaves an earlier file whole. A name with another
// ending is refused.
void savePicture(const Scene& scene, int width, int height, const std::string& path);

// The drawing surface as the program shows it after the standard view command on a freshly
// started program: start-up view and options, the view's angles, redraw and ZoomAll. The model's
// pixel points are left as the last redraw wrote them.
QImage renderModelView(ModelStore& model, const ColourTable& colours, StandardView view, int width,
                       int height);

// Writes the image as PNG through a temporary file, so a failed write leaves an earlier file whole.
void savePng(const QImage& image, const std::string& path);

} // namespace kelvane
