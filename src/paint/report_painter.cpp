#include "paint/report_painter.h"

#include "common/error.h"
#include "paint/curve_picture.h"
#include "paint/model_render.h"

#include <QBuffer>
#include <QImage>

namespace kelvane {
namespace {

// The 3-D view of the render command: turned 30 degrees in plan, looking down at 30 degrees.
constexpr double kPlanAngle = 30;
constexpr double kTiltAngle = -60;

std::string pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes); // in memory; the image writer opens it
    if (!image.save(&buffer, "PNG"))
        fail("The picture could not be encoded as PNG");
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

std::string QtReportPainter::chart(const Curve& curve, ChartKind kind) {
    return pngBytes(renderCurveChart(curve, kind, width_, height_));
}

std::string QtReportPainter::model(ModelStore& store, const ResultDisplay& results) {
    ViewState view;
    const ViewOptions options;
    const LoadDisplay loads;
    const Scene scene{store, view, options, loads, results, colours_, 0};
    pointCamera(view, scene, StandardView::ThreeD, kPlanAngle, kTiltAngle, width_, height_);
    return pngBytes(renderScene(scene, width_, height_));
}

} // namespace kelvane
