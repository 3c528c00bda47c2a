#include "common/error.h"
#include "gui_application.h"
#include "paint/hatch_lines.h"
#include "paint/model_render.h"
#include "paint/qpainter_canvas.h"
#include "paint/svg_canvas.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <filesystem>

namespace kelvane {
namespace {

struct SvgPicture : test::WithGuiApplication, ::testing::Test {
    test::TempDir folder;

    // The SVG file drawn back without smoothing, as the image canvas paints.
    static QImage drawnBack(const std::string& path) {
        QSvgRenderer renderer(QString::fromStdString(path));
        EXPECT_TRUE(renderer.isValid());
        QImage image(renderer.viewBox().size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.render(&painter);
        return image;
    }
    static std::int32_t colourAt(const QImage& image, int x, int y) {
        return static_cast<std::int32_t>(image.pixel(x, y) & 0xFFFFFF);
    }
    // Lines, a filled polygon, a hatched polygon and a dot.
    static void draw(Canvas& canvas) {
        canvas.setPenStyle(PenStyle::Solid);
        canvas.setPenColour(0xFF0000);
        canvas.setPenWidth(2);
        canvas.moveTo(10, 10);
        canvas.lineTo(110, 10);
        canvas.setBrushStyle(BrushStyle::Solid);
        canvas.setBrushColour(0x00FF00);
        canvas.setPenWidth(1);
        canvas.polygon({{10, 30}, {50, 30}, {50, 70}, {10, 70}});
        canvas.setBrushStyle(BrushStyle::DiagonalCross);
        canvas.setBrushColour(0x0000FF);
        canvas.polygon({{60, 30}, {100, 30}, {100, 70}, {60, 70}});
    }
};

TEST_F(SvgPicture, DrawsWhatTheImageCanvasDrawsHatchesIncluded) {
    const std::string path = folder.file("shapes.svg");
    SvgCanvas svg(path, 120, 80);
    draw(svg);
    svg.commit();
    QPainterCanvas image(120, 80);
    draw(image);

    const QImage back = drawnBack(path);
    ASSERT_EQ(back.size(), QSize(120, 80));
    for (QPoint p : {QPoint(60, 10), QPoint(30, 50), QPoint(20, 20)})
        EXPECT_EQ(colourAt(back, p.x(), p.y()), colourAt(image.image(), p.x(), p.y()))
            << p.x() << "," << p.y();
    // The hatch lies on the lines x + y and x - y multiples of 8 (the SVG's smoothed, so blue mixed
    // with the paper); between them the paper shows, not a fill.
    EXPECT_EQ(colourAt(image.image(), 80, 48), 0x0000FF);
    EXPECT_EQ(colourAt(back, 80, 48) & 0x0000FF, 0x0000FF);
    EXPECT_NE(colourAt(back, 80, 48), 0xFFFFFF);
    EXPECT_EQ(colourAt(back, 84, 48), 0xFFFFFF);
}

TEST_F(SvgPicture, HatchLinesStayInsideThePolygonAndOnlyWhereTheSurfaceIs) {
    const std::vector<Point> square{{0, 0}, {16, 0}, {16, 16}, {0, 16}};
    for (const HatchLine& line : hatchLines(square, 100, 100)) {
        const double mx = (line.x0 + line.x1) / 2, my = (line.y0 + line.y1) / 2;
        EXPECT_TRUE(mx >= 0 && mx <= 16 && my >= 0 && my <= 16);
        EXPECT_TRUE(std::fmod(mx + my, 8) == 0 || std::fmod(std::fabs(mx - my), 8) == 0);
    }
    // A shell far larger than the surface draws the lines across the surface only.
    const std::vector<Point> huge{{-1000000000, -1000000000},
                                  {1000000000, -1000000000},
                                  {1000000000, 1000000000},
                                  {-1000000000, 1000000000}};
    EXPECT_LE(hatchLines(huge, 100, 100).size(), 2u * (200 / 8 + 2));
}

TEST_F(SvgPicture, APictureIsNamedPngOrSvgAndAnAbandonedOneLeavesTheEarlierFile) {
    EXPECT_EQ(pictureFormatOf("a/view.PNG"), PictureFormat::Png);
    EXPECT_EQ(pictureFormatOf("view.svg"), PictureFormat::Svg);
    EXPECT_EQ(pictureFormatOf("view.jpg"), PictureFormat::None);
    ModelStore model;
    ViewState view;
    const ViewOptions options;
    const LoadDisplay loads;
    const ResultDisplay results;
    const ColourTable colours = initPalette();
    const Scene scene{model, view, options, loads, results, colours, 0};
    try {
        savePicture(scene, 50, 40, folder.file("view.jpg"));
        FAIL() << "no error";
    } catch (const KelvaneError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "The picture \"" + folder.file("view.jpg") + "\" must be named .png or .svg");
    }
    const std::string path = folder.file("view.svg");
    test::writeFile(path, "earlier");
    { SvgCanvas abandoned(path, 50, 40); }
    EXPECT_EQ(test::readFile(path), "earlier");
    savePicture(scene, 50, 40, path);
    EXPECT_EQ(drawnBack(path).size(), QSize(50, 40));
}

} // namespace
} // namespace kelvane
