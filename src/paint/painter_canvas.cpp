#include "paint/painter_canvas.h"

#include "paint/hatch_lines.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPolygon>
#include <QString>

#include <algorithm>

namespace kelvane {

namespace {

// Points at 96 dots per inch, rounded as the classic canvas does.
int pixelSizeOf(int points) {
    return points > 0 ? (points * 96 + 36) / 72 : 1;
}

// A face that is not installed is drawn in the system's sans-serif face, not in whatever the font
// configuration offers for the name (a script face for "Comic Sans MS" where the URW fonts are).
QFont fontFor(const std::string& face) {
    const QString family = QString::fromLatin1(face.c_str());
    if (QFontDatabase::hasFamily(family))
        return QFont(family);
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setStyle(QFont::StyleNormal);
    font.setWeight(QFont::Normal);
    return font;
}

QColor toQColor(std::int32_t colour) {
    return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

} // namespace

PainterCanvas::PainterCanvas(int width, int height) : width_(width), height_(height) {}

PainterCanvas::~PainterCanvas() {
    endPainting();
}

void PainterCanvas::beginPainting(QPaintDevice* device, int width, int height) {
    width_ = width;
    height_ = height;
    painter_.begin(device);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    penDirty_ = brushDirty_ = fontDirty_ = true;
}

void PainterCanvas::endPainting() {
    if (painter_.isActive())
        painter_.end();
}

void PainterCanvas::setPenColour(std::int32_t colour) {
    penDirty_ = penDirty_ || colour != penColour_;
    penColour_ = colour;
}
void PainterCanvas::setPenWidth(int width) {
    penDirty_ = penDirty_ || width != penWidth_;
    penWidth_ = width;
}
void PainterCanvas::setPenStyle(PenStyle style) {
    penDirty_ = penDirty_ || style != penStyle_;
    penStyle_ = style;
}
void PainterCanvas::setBrushColour(std::int32_t colour) {
    brushDirty_ = brushDirty_ || colour != brushColour_;
    brushColour_ = colour;
}
void PainterCanvas::setBrushStyle(BrushStyle style) {
    brushDirty_ = brushDirty_ || style != brushStyle_;
    brushStyle_ = style;
}
void PainterCanvas::setFontName(const std::string& face) {
    fontDirty_ = fontDirty_ || face != fontFace_;
    fontFace_ = face;
}
void PainterCanvas::setFontSize(int points) {
    fontDirty_ = fontDirty_ || points != fontSize_;
    fontSize_ = points;
}
void PainterCanvas::setFontColour(std::int32_t colour) {
    fontColour_ = colour;
}

void PainterCanvas::applyPen() {
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

void PainterCanvas::applyBrush() {
    if (!brushDirty_)
        return;
    switch (brushStyle_) {
    case BrushStyle::Solid:
        painter_.setBrush(QBrush(toQColor(brushColour_), Qt::SolidPattern));
        break;
    case BrushStyle::Clear:
        painter_.setBrush(Qt::NoBrush);
        break;
    case BrushStyle::DiagonalCross:
        painter_.setBrush(QBrush(toQColor(brushColour_), Qt::DiagCrossPattern));
        break;
    }
    brushDirty_ = false;
}

void PainterCanvas::applyFont() {
    if (!fontDirty_)
        return;
    QFont font = fontFor(fontFace_);
    font.setPixelSize(pixelSizeOf(fontSize_));
    painter_.setFont(font);
    fontDirty_ = false;
}

void PainterCanvas::rectangle(int left, int top, int right, int bottom) {
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

void PainterCanvas::ellipse(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top)
        return;
    applyBrush();
    applyPen();
    const int outline = penStyle_ == PenStyle::Clear ? 0 : 1;
    painter_.drawEllipse(QRect(left, top, right - left - outline, bottom - top - outline));
}

void PainterCanvas::polygon(const std::vector<Point>& points) {
    if (points.empty())
        return;
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const Point& p : points)
        polygon << QPoint(p.x, p.y);
    applyPen();
    if (brushStyle_ != BrushStyle::DiagonalCross) {
        applyBrush();
        painter_.drawPolygon(polygon);
        return;
    }
    const QPen outline = painter_.pen();
    painter_.setPen(QPen(toQColor(brushColour_)));
    for (const HatchLine& line : hatchLines(points, width_, height_))
        painter_.drawLine(QLineF(line.x0, line.y0, line.x1, line.y1));
    painter_.setPen(outline);
    const QBrush brush = painter_.brush();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPolygon(polygon);
    painter_.setBrush(brush);
}

void PainterCanvas::moveTo(int x, int y) {
    position_ = {x, y};
}

void PainterCanvas::lineTo(int x, int y) {
    if (penStyle_ != PenStyle::Clear) {
        applyPen();
        painter_.drawLine(position_.x, position_.y, x, y);
    }
    position_ = {x, y};
}

void PainterCanvas::textOut(int x, int y, const std::string& text) {
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

} // namespace kelvane
