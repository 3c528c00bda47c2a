#include "paint/model_render.h"

#include "common/error.h"
#include "paint/qpainter_canvas.h"
#include "viewer/camera.h"
#include "viewer/scene.h"

#include <QImageWriter>
#include <QSaveFile>
#include <QString>

namespace kelvane {

bool parseStandardView(const std::string& text, StandardView& view) {
    if (text == "xy")
        view = StandardView::XY;
    else if (text == "xz")
        view = StandardView::XZ;
    else if (text == "yz")
        view = StandardView::YZ;
    else
        return false;
    return true;
}

QImage renderModelView(ModelStore& model, const ColourTable& colours, StandardView standardView,
                       int width, int height) {
    QPainterCanvas canvas(width, height);
    ViewState view;
    const ViewOptions options;
    const LoadDisplay loads;
    const ResultDisplay results;
    const Scene scene{model, view, options, loads, results, colours, 0};
    const RedrawFunction redraw = [&] { RedrawModel(canvas, scene); };
    switch (standardView) {
    case StandardView::XY: ViewXY(view, model, canvas.width(), canvas.height(), redraw); break;
    case StandardView::XZ: ViewXZ(view, model, canvas.width(), canvas.height(), redraw); break;
    case StandardView::YZ: ViewYZ(view, model, canvas.width(), canvas.height(), redraw); break;
    }
    return canvas.image().copy();
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
