#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The drawing surface every picture is painted on: the scene layers, the section preview and the
// animation frame. The Qt layer implements it with QPainter on an off-screen image; tests record
// the calls. Colours are 0xRRGGBB. Like a classic canvas it keeps pen, brush and font from one call
// to the next.
namespace kelvane {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

enum class PenStyle { Solid, Clear };
enum class BrushStyle { Solid, Clear, DiagonalCross };

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;

    virtual void setPenColour(std::int32_t colour) = 0;
    virtual void setPenWidth(int width) = 0;
    virtual void setPenStyle(PenStyle style) = 0;
    virtual void setBrushColour(std::int32_t colour) = 0;
    virtual void setBrushStyle(BrushStyle style) = 0;
    virtual void setFontName(const std::string& face) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setFontColour(std::int32_t colour) = 0;

    // Shapes take the bounding box (left, top) - (right, bottom), right and bottom excluded, and
    // are outlined with the pen and filled with the brush.
    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    virtual void polygon(const std::vector<Point>& points) = 0;
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    // Text with its top-left corner at (x, y); on an opaque box in the brush colour when the brush
    // is solid.
    virtual void textOut(int x, int y, const std::string& text) = 0;
};

} // namespace kelvane
