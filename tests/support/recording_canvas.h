#pragma once

#include "viewer/canvas.h"

#include <cstdint>
#include <string>
#include <vector>

// A Canvas that records every call with the pen, brush and font in force at the time, so tests can
// assert the exact calls and pixel points of a picture.
namespace kelvane::test {

struct PenState {
    std::int32_t colour = 0;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    bool operator==(const PenState&) const = default;
};

struct BrushState {
    std::int32_t colour = 0xFFFFFF;
    BrushStyle style = BrushStyle::Solid;
    bool operator==(const BrushState&) const = default;
};

struct FontState {
    std::string face;
    int size = 8;
    std::int32_t colour = 0;
    bool operator==(const FontState&) const = default;
};

enum class CallKind {
    PenColour, PenWidth, PenStyle, BrushColour, BrushStyle, FontName, FontSize, FontColour,
    Rectangle, Ellipse, Polygon, MoveTo, LineTo, Text,
};

struct CanvasCall {
    CallKind kind{};
    std::vector<Point> points; // shapes: the two box corners; polygon: its points; moveTo/lineTo: one
    std::string text;          // textOut
    std::int64_t value = 0;    // setters: the colour, width, size or style (as int)
    PenState pen;              // state after the call
    BrushState brush;
    FontState font;

    bool isDrawing() const { return kind >= CallKind::Rectangle; }
};

// A line drawn by lineTo, from the current position.
struct RecordedLine {
    Point from;
    Point to;
    PenState pen;
    bool operator==(const RecordedLine&) const = default;
};

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(int width = 1089, int height = 800) : width_(width), height_(height) {}

    int width() const override { return width_; }
    int height() const override { return height_; }

    void setPenColour(std::int32_t colour) override { pen_.colour = colour; record(CallKind::PenColour, colour); }
    void setPenWidth(int width) override { pen_.width = width; record(CallKind::PenWidth, width); }
    void setPenStyle(PenStyle style) override { pen_.style = style; record(CallKind::PenStyle, static_cast<int>(style)); }
    void setBrushColour(std::int32_t colour) override { brush_.colour = colour; record(CallKind::BrushColour, colour); }
    void setBrushStyle(BrushStyle style) override { brush_.style = style; record(CallKind::BrushStyle, static_cast<int>(style)); }
    void setFontName(const std::string& face) override {
        font_.face = face;
        record(CallKind::FontName, 0).text = face;
    }
    void setFontSize(int points) override { font_.size = points; record(CallKind::FontSize, points); }
    void setFontColour(std::int32_t colour) override { font_.colour = colour; record(CallKind::FontColour, colour); }

    void rectangle(int left, int top, int right, int bottom) override {
        record(CallKind::Rectangle, 0).points = {{left, top}, {right, bottom}};
    }
    void ellipse(int left, int top, int right, int bottom) override {
        record(CallKind::Ellipse, 0).points = {{left, top}, {right, bottom}};
    }
    void polygon(const std::vector<Point>& points) override { record(CallKind::Polygon, 0).points = points; }
    void moveTo(int x, int y) override {
        position_ = {x, y};
        record(CallKind::MoveTo, 0).points = {position_};
    }
    void lineTo(int x, int y) override {
        lines_.push_back({position_, {x, y}, pen_});
        position_ = {x, y};
        record(CallKind::LineTo, 0).points = {position_};
    }
    void textOut(int x, int y, const std::string& text) override {
        auto& call = record(CallKind::Text, 0);
        call.points = {{x, y}};
        call.text = text;
    }

    const std::vector<CanvasCall>& calls() const { return calls_; }
    const std::vector<RecordedLine>& lines() const { return lines_; }
    const PenState& pen() const { return pen_; }
    const BrushState& brush() const { return brush_; }
    const FontState& font() const { return font_; }

    // The recorded calls of one kind, in order.
    std::vector<CanvasCall> callsOf(CallKind kind) const {
        std::vector<CanvasCall> found;
        for (const auto& call : calls_)
            if (call.kind == kind)
                found.push_back(call);
        return found;
    }
    // Every drawing call (shapes, moves, lines, texts), in order.
    std::vector<CanvasCall> drawings() const {
        std::vector<CanvasCall> found;
        for (const auto& call : calls_)
            if (call.isDrawing())
                found.push_back(call);
        return found;
    }
    void clear() {
        calls_.clear();
        lines_.clear();
    }

private:
    CanvasCall& record(CallKind kind, std::int64_t value) {
        calls_.push_back({kind, {}, {}, value, pen_, brush_, font_});
        return calls_.back();
    }

    int width_;
    int height_;
    PenState pen_;
    BrushState brush_;
    FontState font_;
    Point position_;
    std::vector<CanvasCall> calls_;
    std::vector<RecordedLine> lines_;
};

} // namespace kelvane::test
