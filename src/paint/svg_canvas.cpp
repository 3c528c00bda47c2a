#include "paint/svg_canvas.h"

#include "common/error.h"

#include <QSaveFile>
#include <QString>

namespace kelvane {

SvgCanvas::SvgCanvas(const std::string& path, int width, int height)
    : PainterCanvas(width, height), path_(path), file_(QString::fromLocal8Bit(path.c_str())) {
    if (!file_.open(QIODevice::WriteOnly))
        fail(cannotCreateFileMessage(path, file_.errorString().toStdString()));
    generator_.setOutputDevice(&file_);
    generator_.setSize(QSize(width, height));
    generator_.setViewBox(QRect(0, 0, width, height));
    generator_.setResolution(96);
    generator_.setTitle(QStringLiteral("Kelvane"));
    beginPainting(&generator_, width, height);
}

SvgCanvas::~SvgCanvas() {
    endPainting();
    if (!committed_)
        file_.cancelWriting();
}

void SvgCanvas::commit() {
    endPainting();
    committed_ = true;
    if (!file_.commit())
        fail(cannotCreateFileMessage(path_, file_.errorString().toStdString()));
}

} // namespace kelvane
