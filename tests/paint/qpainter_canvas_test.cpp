#include "gui_application.h"
#include "model/colour_table.h"
#include "paint/qpainter_canvas.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

struct PainterCanvasTest : test::WithGuiApplication, ::testing::Test {
    QPainterCanvas canvas{60, 40};

    std::int32_t at(int x, int y) { return static_cast<std::int32_t>(canvas.image().pixel(x, y) & 0xFFFFFF); }
    void clearTo(std::int32_t colour) {
        canvas.setPenStyle(PenStyle::Clear);
        canvas.setBrushStyle(BrushStyle::Solid);
        canvas.setBrushColour(colour);
        canvas.rectangle(0, 0, 60, 40);
    }
    // Glyph pixels: dark in every channel, whatever the face's anti-aliasing leaves of pure black.
    int countDark(int left, int top, int right, int bottom) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                n += qRed(at(x, y)) < 96 && qGreen(at(x, y)) < 96 && qBlue(at(x, y)) < 96 ? 1 : 0;
        return n;
    }
    int countColour(int left, int top, int right, int bottom, std::int32_t colour) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                n += at(x, y) == colour ? 1 : 0;
        return n;
    }
};

constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kBlack = 0x000000;
constexpr std::int32_t kRed = 0xFF0000;
constexpr std::int32_t kBlue = 0x0000FF;

TEST_F(PainterCanvasTest, RectangleCoversItsBoxWithoutTheRightAndBottomEdges) {
    clearTo(kWhite);
    canvas.setBrushColour(kRed);
    canvas.rectangle(10, 10, 20, 16);
    EXPECT_EQ(countColour(0, 0, 60, 40, kRed), 10 * 6);
    EXPECT_EQ(at(10, 10), kRed);
    EXPECT_EQ(at(19, 15), kRed);
    EXPECT_EQ(at(20, 15), kWhite);
    EXPECT_EQ(at(19, 16), kWhite);
}

TEST_F(PainterCanvasTest, OutlinedRectangleRunsThePenOnTheOutermostPixels) {
    clearTo(kWhite);
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(1);
    canvas.setPenColour(kBlack);
    canvas.setBrushColour(kRed);
    canvas.rectangle(0, 0, 60, 40);
    EXPECT_EQ(at(0, 0), kBlack);
    EXPECT_EQ(at(59, 20), kBlack);
    EXPECT_EQ(at(30, 39), kBlack);
    EXPECT_EQ(at(1, 1), kRed);
    EXPECT_EQ(at(58, 38), kRed);
}

TEST_F(PainterCanvasTest, LinesTakeThePenColourAndWidth) {
    clearTo(kWhite);
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenColour(kBlue);
    canvas.setPenWidth(1);
    canvas.moveTo(5, 10);
    canvas.lineTo(50, 10);
    EXPECT_EQ(countColour(0, 9, 60, 12, kBlue), 46);
    canvas.setPenWidth(5);
    canvas.setPenColour(kRed);
    canvas.moveTo(30, 20);
    canvas.lineTo(30, 35);
    // A five-pixel pen covers five columns around x = 30.
    EXPECT_EQ(countColour(25, 25, 36, 26, kRed), 5);
    EXPECT_EQ(at(30, 28), kRed);
}

TEST_F(PainterCanvasTest, FilledCircleStaysInsideItsBox) {
    clearTo(kWhite);
    canvas.setPenStyle(PenStyle::Clear);
    canvas.setBrushColour(kBlue);
    canvas.ellipse(16, 16, 24, 24);
    EXPECT_EQ(at(20, 20), kBlue);
    EXPECT_EQ(at(16, 16), kWhite); // the box corner lies outside the circle
    EXPECT_EQ(countColour(0, 0, 16, 40, kBlue) + countColour(24, 0, 60, 40, kBlue), 0);
    EXPECT_EQ(countColour(0, 0, 60, 16, kBlue) + countColour(0, 24, 60, 40, kBlue), 0);
    EXPECT_GT(countColour(16, 16, 24, 24, kBlue), 40);
}

TEST_F(PainterCanvasTest, HatchedPolygonKeepsTheBackgroundBetweenItsLines) {
    clearTo(kWhite);
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(1);
    canvas.setPenColour(kBlack);
    canvas.setBrushStyle(BrushStyle::DiagonalCross);
    canvas.setBrushColour(kRed);
    canvas.polygon({{5, 5}, {45, 5}, {45, 35}, {5, 35}});
    const int red = countColour(6, 6, 45, 35, kRed);
    const int white = countColour(6, 6, 45, 35, kWhite);
    EXPECT_GT(red, 100);
    EXPECT_GT(white, 100);
    EXPECT_EQ(at(5, 20), kBlack);
    EXPECT_EQ(at(25, 5), kBlack);
}

TEST_F(PainterCanvasTest, TextSitsOnABoxInTheBrushColourOnlyWhenTheBrushIsSolid) {
    const QString face = test::pinnedFontFamily();
    ASSERT_FALSE(face.isEmpty()) << "DejaVu Sans (fonts-dejavu-core) is not installed";
    clearTo(kWhite);
    canvas.setFontName(face.toStdString());
    canvas.setFontSize(10);
    canvas.setFontColour(kBlack);
    canvas.setBrushStyle(BrushStyle::Solid);
    canvas.setBrushColour(rgb(255, 255, 0));
    canvas.textOut(4, 4, "1234");
    const int yellow = countColour(0, 0, 60, 40, rgb(255, 255, 0));
    EXPECT_GT(yellow, 50);
    EXPECT_EQ(at(4, 4), rgb(255, 255, 0)); // the box starts at the text's top-left corner
    EXPECT_EQ(at(3, 3), kWhite);
    EXPECT_GT(countDark(4, 4, 40, 25), 5); // the glyphs

    clearTo(kWhite);
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.setBrushColour(rgb(255, 255, 0));
    canvas.textOut(4, 4, "1234");
    EXPECT_EQ(countColour(0, 0, 60, 40, rgb(255, 255, 0)), 0);
    EXPECT_GT(countDark(4, 4, 40, 25), 5);
}

TEST_F(PainterCanvasTest, ShapesReachingFarOutsideTheSurfaceAreClipped) {
    clearTo(kWhite);
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(2);
    canvas.setPenColour(kBlue);
    const int far = 2147483647;
    canvas.moveTo(-far, 20);
    canvas.lineTo(far, 20);
    EXPECT_EQ(countColour(0, 19, 60, 22, kBlue), 2 * 60);
    canvas.moveTo(-far, -far);
    canvas.lineTo(-far, far); // entirely to the left: nothing
    EXPECT_EQ(countColour(0, 0, 60, 40, kBlue), 2 * 60);

    // A hatched polygon larger than the surface sets exactly the grid pixels of the surface.
    clearTo(kWhite);
    canvas.setPenStyle(PenStyle::Clear);
    canvas.setBrushStyle(BrushStyle::DiagonalCross);
    canvas.setBrushColour(kRed);
    canvas.polygon({{-far, -far}, {far, -far}, {far, far}, {-far, far}});
    int grid = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) {
            const bool onGrid = (x + y) % 8 == 0 || ((x - y) % 8 + 8) % 8 == 0;
            grid += onGrid ? 1 : 0;
            ASSERT_EQ(at(x, y), onGrid ? kRed : kWhite) << x << "," << y;
        }
    EXPECT_GT(grid, 0);

    canvas.setBrushStyle(BrushStyle::Solid);
    canvas.setBrushColour(kBlue);
    canvas.ellipse(50, 30, 70, 50); // a dot over the corner
    EXPECT_EQ(at(59, 39), kBlue);
}

} // namespace
} // namespace kelvane
