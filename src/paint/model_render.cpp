#include "paint/model_render.h"

#include "common/error.h"
#include "paint/qpainter_canvas.h"
#include "paint/svg_canvas.h"
#include "viewer/camera.h"

#include <QImageWriter>
#include <QSaveFile>
#include <QString>

#include <algorithm>
#include <cctype>

namespace kelvane {

bool parseStandardView(const std::string& text, StandardView& view) {
    if (text == "xy")
        view = StandardView::XY;
    else if (text == "xz")
        view = StandardView::XZ;
    else if (text == "yz")
        view = StandardView::YZ;
    else if (text == "3d")
        view = StandardView::ThreeD;
    else
        return false;
    return true;
}

void pointCamera(ViewState& view, const Scene& scene, StandardView standard, double planAngle,
                 double tiltAngle, int width, int height) {
    QPainterCanvas canvas(width, height);
    const RedrawFunction redraw = [&] { RedrawModel(canvas, scene); };
    switch (standard) {
    case StandardView::XY:
        ViewXY(view, scene.model, width, height, redraw);
        break;
    case StandardView::XZ:
        ViewXZ(view, scene.model, width, height, redraw);
        break;
    case StandardView::YZ:
        ViewYZ(view, scene.model, width, height, redraw);
        break;
    case StandardView::ThreeD:
        ViewRotated(view, planAngle, tiltAngle, scene.model, width, height, redraw);
        break;
    }
}

QImage renderScene(const Scene& scene, int width, int height) {
    QPainterCanvas canvas(width, height);
    RedrawModel(canvas, scene);
    return canvas.image().copy();
}

PictureFormat pictureFormatOf(const std::string& path) {
    if (path.size() < 4)
        return PictureFormat::None;
    std::string ending = path.substr(path.size() - 4);
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ending == ".png")
        return PictureFormat::Png;
    if (ending == ".svg")
        return PictureFormat::Svg;
    return PictureFormat::None;
}

void savePicture(const Scene& scene, int width, int height, const std::string& path) {
    switch (pictureFormatOf(path)) {
    case PictureFormat::Png:
        savePng(renderScene(scene, width, height), path);
        return;
    case PictureFormat::Svg: {
        SvgCanvas canvas(path, width, height);
        RedrawModel(canvas, scene);
        canvas.commit();
        return;
    }
    case PictureFormat::None:
        break;
    }
    fail("The picture \"" + path + "\" must be named .png or .svg");
}

QImage renderModelView(ModelStore& model, const ColourTable& colours, StandardView standardView, int width,
                       int height) {
    ViewState view;
    const ViewOptions options;
    const LoadDisplay loads;
    const ResultDisplay results;
    const Scene scene{model, view, options, loads, results, colours, 0};
    pointCamera(view, scene, standardView, 0, 0, width, height);
    return renderScene(scene, width, height);
}

void savePng(const QImage& image, const std::string& path) {
    const QString name = QString::fromLocal8Bit(path.c_str());
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        fail(cannotCreateFileMessage(path, file.errorString().toStdString()));
    QImageWriter writer(&file, "png");
    if (!writer.write(image)) {
        file.cancelWriting();
        fail(cannotCreateFileMessage(path, writer.errorString().toStdString()));
    }
    if (!file.commit())
        fail(cannotCreateFileMessage(path, file.errorString().toStdString()));
}

} // namespace kelvane
