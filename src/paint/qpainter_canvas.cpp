#include "paint/qpainter_canvas.h"

#include "paint/pixel_line.h"
#include "paint/span_fill.h"

#include <QFontMetrics>

#include <algorithm>
#include <QPolygon>
#include <QString>

namespace kelvane {

namespace {

QRgb toQRgb(std::int32_t colour) { return 0xFF000000u | (static_cast<QRgb>(colour) & 0xFFFFFFu); }

QColor toQColor(std::int32_t colour) {
    return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

// Points at 96 dots per inch, rounded as the classic canvas does.
int pixelSizeOf(int points) { return points > 0 ? (points * 96 + 36) / 72 : 1; }

} // namespace

QPainterCanvas::QPainterCanvas(int width, int height)
    : image_(width > 0 ? width : 1, height > 0 ? height : 1, QImage::Format_RGB32) {
    image_.fill(Qt::white);
    begin();
}

QPainterCanvas::~QPainterCanvas() { painter_.end(); }

void QPainterCanvas::begin() {
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    penDirty_ = brushDirty_ = fontDirty_ = true;
}

int QPainterCanvas::width() const { return image_.width(); }
int QPainterCanvas::height() const { return image_.height(); }

void QPainterCanvas::setPenColour(std::int32_t colour) {
    penDirty_ = penDirty_ || colour != penColour_;
    penColour_ = colour;
}
void QPainterCanvas::setPenWidth(int width) {
    penDirty_ = penDirty_ || width != penWidth_;
    penWidth_ = width;
}
void QPainterCanvas::setPenStyle(PenStyle style) {
    penDirty_ = penDirty_ || style != penStyle_;
    penStyle_ = style;
}
void QPainterCanvas::setBrushColour(std::int32_t colour) {
    brushDirty_ = brushDirty_ || colour != brushColour_;
    brushColour_ = colour;
}
void QPainterCanvas::setBrushStyle(BrushStyle style) {
    brushDirty_ = brushDirty_ || style != brushStyle_;
    brushStyle_ = style;
}
void QPainterCanvas::setFontName(const std::string& face) {
    fontDirty_ = fontDirty_ || face != fontFace_;
    fontFace_ = face;
}
void QPainterCanvas::setFontSize(int points) {
    fontDirty_ = fontDirty_ || points != fontSize_;
    fontSize_ = points;
}
void QPainterCanvas::setFontColour(std::int32_t colour) { fontColour_ = colour; }

void QPainterCanvas::applyPen() {
    if (!penDirty_)
        return;
    if (penStyle_ == PenStyle::Clear) {
        painter_.setPen(Qt::NoPen);
    } else {
        QPen pen(toQColor(penColour_));
        pen.setWidth(std::max(penWidth_, 1));
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::MiterJoin);
        painter_.setPen(pen);
    }
    penDirty_ = false;
}

void QPainterCanvas::applyBrush() {
    if (!brushDirty_)
        return;
    switch (brushStyle_) {
    case BrushStyle::Solid: painter_.setBrush(QBrush(toQColor(brushColour_), Qt::SolidPattern)); break;
    case BrushStyle::Clear: painter_.setBrush(Qt::NoBrush); break;
    case BrushStyle::DiagonalCross:
        painter_.setBrush(QBrush(toQColor(brushColour_), Qt::DiagCrossPattern));
        break;
    }
    brushDirty_ = false;
}

void QPainterCanvas::applyFont() {
    if (!fontDirty_)
        return;
    QFont font(QString::fromLatin1(fontFace_.c_str()));
    font.setPixelSize(pixelSizeOf(fontSize_));
    painter_.setFont(font);
    fontDirty_ = false;
}

// Shapes cover the pixels left .. right - 1 and top .. bottom - 1. The fill takes the whole box;
// a one-pixel outline runs on its outermost pixels.
void QPainterCanvas::rectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top)
        return;
    applyBrush();
    applyPen();
    if (brushStyle_ != BrushStyle::Clear)
        painter_.fillRect(QRect(left, top, right - left, bottom - top), painter_.brush());
    if (penStyle_ != PenStyle::Clear) {
        const QBrush brush = painter_.brush();
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
        painter_.setBrush(brush);
    }
}

void QPainterCanvas::ellipse(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top)
        return;
    if (penStyle_ == PenStyle::Clear && brushStyle_ == BrushStyle::Solid) {
        // Joint dots come by the ten thousand: filled directly, without the general rasteriser.
        fillEllipse(image_, left, top, right, bottom, toQRgb(brushColour_));
        return;
    }
    applyBrush();
    applyPen();
    const int outline = penStyle_ == PenStyle::Clear ? 0 : 1;
    painter_.drawEllipse(QRect(left, top, right - left - outline, bottom - top - outline));
}

void QPainterCanvas::polygon(const std::vector<Point>& points) {
    if (points.empty())
        return;
    if (brushStyle_ == BrushStyle::DiagonalCross) {
        // Shells cover large areas many times over; only the hatch pixels are written.
        fillPolygonHatched(image_, points, toQRgb(brushColour_));
        if (penStyle_ != PenStyle::Clear)
            for (std::size_t p = 0; p < points.size(); ++p) {
                const Point& from = points[p];
                const Point& to = points[(p + 1) % points.size()];
                drawPixelLine(image_, from.x, from.y, to.x, to.y, penWidth_, toQRgb(penColour_));
            }
        return;
    }
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const Point& p : points)
        polygon << QPoint(p.x, p.y);
    applyBrush();
    applyPen();
    painter_.drawPolygon(polygon);
}

void QPainterCanvas::moveTo(int x, int y) { position_ = {x, y}; }

void QPainterCanvas::lineTo(int x, int y) {
    if (penStyle_ != PenStyle::Clear)
        drawPixelLine(image_, position_.x, position_.y, x, y, penWidth_, toQRgb(penColour_));
    position_ = {x, y};
}

void QPainterCanvas::textOut(int x, int y, const std::string& text) {
    applyFont();
    const QString string = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics metrics = painter_.fontMetrics();
    if (brushStyle_ == BrushStyle::Solid)
        painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(string), metrics.height()),
                          toQColor(brushColour_));
    const QPen pen = painter_.pen();
    painter_.setPen(toQColor(fontColour_));
    painter_.drawText(QPoint(x, y + metrics.ascent()), string);
    painter_.setPen(pen);
}

const QImage& QPainterCanvas::image() { return image_; }

void QPainterCanvas::resize(int width, int height) {
    painter_.end();
    image_ = QImage(width > 0 ? width : 1, height > 0 ? height : 1, QImage::Format_RGB32);
    image_.fill(Qt::white);
    begin();
}

} // namespace kelvane
