#pragma once

#include "viewer/canvas.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>

namespace kelvane {

// The Canvas painted on an off-screen RGB image. Lines, hatched polygons and outline-free dots are
// written directly into the image (see pixel_line.h, span_fill.h); everything else goes through
// QPainter, whose pen, brush and font are updated only at the next call that needs them. Font sizes
// are points at 96 dots per inch; a face that is not installed falls back to Qt's choice.
class QPainterCanvas : public Canvas {
public:
    QPainterCanvas(int width, int height);
    ~QPainterCanvas() override;
    QPainterCanvas(const QPainterCanvas&) = delete;
    QPainterCanvas& operator=(const QPainterCanvas&) = delete;

    int width() const override;
    int height() const override;

    void setPenColour(std::int32_t colour) override;
    void setPenWidth(int width) override;
    void setPenStyle(PenStyle style) override;
    void setBrushColour(std::int32_t colour) override;
    void setBrushStyle(BrushStyle style) override;
    void setFontName(const std::string& face) override;
    void setFontSize(int points) override;
    void setFontColour(std::int32_t colour) override;

    void rectangle(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void polygon(const std::vector<Point>& points) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void textOut(int x, int y, const std::string& text) override;

    // The picture so far (ends nothing: drawing may continue afterwards).
    const QImage& image();
    // Starts over on a surface of a new size (contents undefined until the next background).
    void resize(int width, int height);

private:
    void begin();
    void applyPen();
    void applyBrush();
    void applyFont();

    QImage image_;
    QPainter painter_;
    std::int32_t penColour_ = 0;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    std::int32_t brushColour_ = 0xFFFFFF;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    std::string fontFace_ = "Arial";
    int fontSize_ = 8;
    std::int32_t fontColour_ = 0;
    bool penDirty_ = true;
    bool brushDirty_ = true;
    bool fontDirty_ = true;
    Point position_;
};

} // namespace kelvane
