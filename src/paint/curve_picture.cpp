#include "paint/curve_picture.h"

#include "common/error.h"
#include "paint/model_render.h"
#include "paint/qpainter_canvas.h"
#include "paint/svg_canvas.h"

#include <functional>

namespace kelvane {
namespace {

QImage render(int width, int height, const std::function<void(Canvas&)>& draw) {
    QPainterCanvas canvas(width, height);
    draw(canvas);
    return canvas.image().copy();
}

void save(const std::string& path, int width, int height, const std::function<void(Canvas&)>& draw) {
    switch (pictureFormatOf(path)) {
    case PictureFormat::Png:
        savePng(render(width, height, draw), path);
        return;
    case PictureFormat::Svg: {
        SvgCanvas canvas(path, width, height);
        draw(canvas);
        canvas.commit();
        return;
    }
    case PictureFormat::None:
        break;
    }
    fail("A curve picture is saved as .png or .svg, not as \"" + path + "\"");
}

} // namespace

QImage renderCurveChart(const Curve& curve, ChartKind kind, int width, int height) {
    return render(width, height, [&](Canvas& canvas) { drawCurveChart(canvas, curve, kind); });
}

QImage renderCurvesChart(const std::string& title, const std::vector<Curve>& curves, int width, int height) {
    return render(width, height, [&](Canvas& canvas) { drawCurvesChart(canvas, title, curves); });
}

bool isCurvePicturePath(const std::string& path) {
    return pictureFormatOf(path) != PictureFormat::None;
}

void saveCurvePicture(const Curve& curve, ChartKind kind, const std::string& path, int width, int height) {
    save(path, width, height, [&](Canvas& canvas) { drawCurveChart(canvas, curve, kind); });
}

void saveCurvesPicture(const std::string& title, const std::vector<Curve>& curves, const std::string& path,
                       int width, int height) {
    save(path, width, height, [&](Canvas& canvas) { drawCurvesChart(canvas, title, curves); });
}

} // namespace kelvane
