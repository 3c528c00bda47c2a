#pragma once

#include "viewer/canvas.h"

#include <QPainter>

#include <string>

class QPaintDevice;

namespace kelvane {

// The Canvas painted through QPainter on any paint device: the base of the off-screen image (see
// QPainterCanvas, which writes its many lines and dots directly into the image) and of the SVG
// picture. Pen, brush and font are handed to the painter only at the next call that needs them.
// Font sizes are points at 96 dots per inch; a face that is not installed falls back to the
// system's upright sans-serif face. Shapes follow the Canvas's box convention: right and bottom excluded, a
// one-pixel outline on the outermost pixels.
class PainterCanvas : public Canvas {
  public:
    PainterCanvas(const PainterCanvas&) = delete;
    PainterCanvas& operator=(const PainterCanvas&) = delete;
    ~PainterCanvas() override;

    int width() const override { return width_; }
    int height() const override { return height_; }

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
    // A diagonally hatched polygon is drawn as hatch lines (x + y and x - y multiples of 8), which
    // every device renders alike.
    void polygon(const std::vector<Point>& points) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void textOut(int x, int y, const std::string& text) override;

  protected:
    PainterCanvas(int width, int height);
    // Painting starts on the device once the derived class has made it, and has to end before the
    // device goes: derived destructors call endPainting().
    void beginPainting(QPaintDevice* device, int width, int height);
    void endPainting();

    PenStyle penStyle() const { return penStyle_; }
    BrushStyle brushStyle() const { return brushStyle_; }
    std::int32_t penColour() const { return penColour_; }
    std::int32_t brushColour() const { return brushColour_; }
    int penWidth() const { return penWidth_; }
    Point position() const { return position_; }

  private:
    void applyPen();
    void applyBrush();
    void applyFont();

    QPainter painter_;
    int width_;
    int height_;
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
