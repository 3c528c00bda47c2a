#include "common/error.h"
#include "sections/section_preview.h"
#include "support/recording_canvas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kelvane {
namespace {

using test::CallKind;
using test::CanvasCall;
using test::RecordingCanvas;
using ::testing::ElementsAre;

constexpr std::int32_t kBlue = 0x0000FF;
constexpr std::int32_t kRed = 0xFF0000;

// The 300 wide, 500 deep beam with 5 by 5 divisions, 3 top and 2 bottom bars, cover 35.
TSECTION beam() {
    TSECTION s;
    s.shape = ShapeRectangle;
    s.t1 = 500;
    s.t2 = 300;
    s.divideFX = 5;
    s.divideFY = 5;
    s.barNumNX = 3;
    s.barNumNY = 2;
    s.cover = 35;
    s.topBar = 900;
    s.bottomBar = 600;
    s.sectionKind = 1;
    return s;
}

std::vector<Point> centres(const std::vector<CanvasCall>& ellipses, std::int32_t colour) {
    std::vector<Point> found;
    for (const CanvasCall& e : ellipses)
        if (e.pen.colour == colour && e.brush.colour == colour)
            found.push_back({(e.points[0].x + e.points[1].x) / 2, (e.points[0].y + e.points[1].y) / 2});
    return found;
}

std::vector<int> verticalLineColumns(const RecordingCanvas& canvas, std::int32_t colour) {
    std::vector<int> columns;
    for (const auto& line : canvas.lines())
        if (line.pen.colour == colour && line.from.x == line.to.x)
            columns.push_back(line.from.x);
    return columns;
}

std::vector<int> horizontalLineRows(const RecordingCanvas& canvas, std::int32_t colour) {
    std::vector<int> rows;
    for (const auto& line : canvas.lines())
        if (line.pen.colour == colour && line.from.y == line.to.y)
            rows.push_back(line.from.y);
    return rows;
}

TEST(SectionPreview, BeamIsDrawnAtItsPixelPoints) {
    RecordingCanvas canvas(200, 200);
    drawSectionPreview(canvas, beam());

    const auto rectangles = canvas.callsOf(CallKind::Rectangle);
    ASSERT_EQ(rectangles.size(), 2u);
    EXPECT_THAT(rectangles[0].points, ElementsAre(Point{0, 0}, Point{200, 200})); // clears the picture
    EXPECT_EQ(rectangles[0].brush.colour, 0xFFFFFF);
    EXPECT_THAT(rectangles[1].points, ElementsAre(Point{52, 20}, Point{148, 180}));
    EXPECT_EQ(rectangles[1].pen.colour, 0x000000);
    EXPECT_EQ(rectangles[1].brush.colour, 0xFFFFFF);

    EXPECT_THAT(verticalLineColumns(canvas, kBlue), ElementsAre(71, 90, 110, 129));
    EXPECT_THAT(horizontalLineRows(canvas, kBlue), ElementsAre(148, 116, 84, 52));
    for (const auto& line : canvas.lines()) {
        if (line.from.x == line.to.x) { // across the full height
            EXPECT_EQ(line.from.y, 20);
            EXPECT_EQ(line.to.y, 180);
        } else {
            EXPECT_EQ(line.from.x, 52);
            EXPECT_EQ(line.to.x, 148);
        }
    }

    const auto ellipses = canvas.callsOf(CallKind::Ellipse);
    ASSERT_EQ(ellipses.size(), 5u);
    EXPECT_THAT(ellipses[0].points, ElementsAre(Point{59, 27}, Point{67, 35}));
    EXPECT_THAT(centres(ellipses, kRed), ElementsAre(Point{63, 31}, Point{100, 31}, Point{137, 31}));
    EXPECT_THAT(centres(ellipses, kBlue), ElementsAre(Point{63, 169}, Point{137, 169}));

    const auto texts = canvas.callsOf(CallKind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "NUM OF FIBERS = 30");
    EXPECT_THAT(texts[0].points, ElementsAre(Point{50, 180}));
    EXPECT_EQ(texts[0].brush.colour, 0xFFFFFF);
}

TEST(SectionPreview, ColumnDrawsBarsOnAllFourFaces) {
    TSECTION column = beam();
    column.sectionKind = 2;
    RecordingCanvas canvas(200, 200);
    drawSectionPreview(canvas, column);
    const auto ellipses = canvas.callsOf(CallKind::Ellipse);
    // X rows: bottom then top, 3 bars each; side rows at z = -215 + 430/3 * i.
    EXPECT_THAT(centres(ellipses, kRed), ElementsAre(Point{63, 169}, Point{100, 169}, Point{137, 169},
                                                     Point{63, 31}, Point{100, 31}, Point{137, 31}));
    EXPECT_THAT(centres(ellipses, kBlue),
                ElementsAre(Point{63, 123}, Point{63, 77}, Point{137, 123}, Point{137, 77}));
    EXPECT_EQ(canvas.callsOf(CallKind::Text).at(0).text, "NUM OF FIBERS = 35");
}

// The confined core is drawn over the outline, through the centres of the corner bars, in a colour
// of its own; the division lines and bars follow over it.
TEST(SectionPreview, ConfinedCoreIsShownInsideTheBars) {
    TSECTION column = beam();
    column.sectionKind = 2;
    column.coreMaterial = 3;
    RecordingCanvas canvas(200, 200);
    drawSectionPreview(canvas, column);
    const auto rectangles = canvas.callsOf(CallKind::Rectangle);
    ASSERT_EQ(rectangles.size(), 3u);
    EXPECT_THAT(rectangles[2].points, ElementsAre(Point{63, 31}, Point{137, 169}));
    EXPECT_NE(rectangles[2].brush.colour, rectangles[1].brush.colour);
    EXPECT_EQ(canvas.callsOf(CallKind::Ellipse).size(), 10u);
}

TEST(SectionPreview, IShapeAndBoxShowTheirFlangesWebsAndDivisions) {
    TSECTION shape;
    shape.shape = ShapeI;
    shape.t1 = 400;
    shape.t2 = 200;
    shape.t3 = 20;
    shape.t4 = 10;
    shape.divideFX = 4;
    shape.divideFY = 6;
    RecordingCanvas iCanvas(200, 200);
    drawSectionPreview(iCanvas, shape);
    // k = 0.4: flanges 80 pixels wide and 8 thick, web 4 wide.
    std::vector<std::vector<Point>> boxes;
    for (const auto& call : iCanvas.callsOf(CallKind::Rectangle))
        boxes.push_back(call.points);
    EXPECT_THAT(boxes, ElementsAre(ElementsAre(Point{0, 0}, Point{200, 200}),
                                   ElementsAre(Point{60, 20}, Point{140, 28}),
                                   ElementsAre(Point{60, 172}, Point{140, 180}),
                                   ElementsAre(Point{98, 28}, Point{102, 172})));
    // Three cuts across each flange, five across the web (spacing 360/6 = 60, 24 pixels).
    EXPECT_THAT(verticalLineColumns(iCanvas, kBlue), ElementsAre(80, 80, 100, 100, 120, 120));
    EXPECT_THAT(horizontalLineRows(iCanvas, kBlue), ElementsAre(52, 76, 100, 124, 148));
    EXPECT_EQ(iCanvas.callsOf(CallKind::Text).at(0).text, "NUM OF FIBERS = 14");

    shape.shape = ShapeBox;
    RecordingCanvas boxCanvas(200, 200);
    drawSectionPreview(boxCanvas, shape);
    const auto rectangles = boxCanvas.callsOf(CallKind::Rectangle);
    ASSERT_EQ(rectangles.size(), 5u);
    EXPECT_THAT(rectangles[3].points, ElementsAre(Point{60, 28}, Point{64, 172}));
    EXPECT_THAT(rectangles[4].points, ElementsAre(Point{136, 28}, Point{140, 172}));
    EXPECT_EQ(horizontalLineRows(boxCanvas, kBlue).size(), 10u); // five across each web
    EXPECT_TRUE(boxCanvas.callsOf(CallKind::Ellipse).empty());
    EXPECT_EQ(boxCanvas.callsOf(CallKind::Text).at(0).text, "NUM OF FIBERS = 20");
}

TEST(SectionPreview, PipeShowsTheRingWithRadialLinesAndNoCount) {
    TSECTION pipe;
    pipe.shape = ShapePipe;
    pipe.t1 = 200;
    pipe.t2 = 10;
    pipe.divideFX = 4;
    RecordingCanvas canvas(200, 200);
    drawSectionPreview(canvas, pipe);
    const auto ellipses = canvas.callsOf(CallKind::Ellipse);
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_THAT(ellipses[0].points, ElementsAre(Point{20, 20}, Point{180, 180}));
    EXPECT_THAT(ellipses[1].points, ElementsAre(Point{28, 28}, Point{172, 172}));
    ASSERT_EQ(canvas.lines().size(), 4u);
    EXPECT_EQ(canvas.lines()[0].from, (Point{172, 100}));
    EXPECT_EQ(canvas.lines()[0].to, (Point{180, 100}));
    EXPECT_EQ(canvas.lines()[1].to, (Point{100, 20})); // +z is up
    for (const auto& line : canvas.lines())
        EXPECT_EQ(line.pen.colour, 0x000000);
    EXPECT_TRUE(canvas.callsOf(CallKind::Text).empty());
}

// An angle 200 deep, 100 wide, legs 20 thick, at 0.8 pixels per mm: its outline centred in the
// picture, a division line across each leg, and the red cross at its centroid (24.3, 74.3 mm from
// the outline's bottom left corner).
TEST(SectionPreview, AngleShowsItsLegsDivisionsAndCentroid) {
    TSECTION angle;
    angle.shape = ShapeAngle;
    angle.t1 = 200, angle.t2 = 100, angle.t3 = angle.t4 = 20;
    angle.divideFX = angle.divideFY = 2;
    RecordingCanvas canvas(200, 200);
    drawSectionPreview(canvas, angle);
    const auto boxes = canvas.callsOf(CallKind::Rectangle);
    ASSERT_EQ(boxes.size(), 3u); // the blank picture, then the bottom leg and the upright one
    EXPECT_THAT(boxes[1].points, ElementsAre(Point{60, 164}, Point{140, 180}));
    EXPECT_THAT(boxes[2].points, ElementsAre(Point{60, 20}, Point{76, 164}));
    std::vector<std::pair<Point, Point>> blue, red;
    for (const auto& line : canvas.lines())
        (line.pen.colour == kBlue ? blue : red).push_back({line.from, line.to});
    EXPECT_THAT(blue, ElementsAre(std::pair{Point{100, 180}, Point{100, 164}},
                                  std::pair{Point{60, 92}, Point{76, 92}}));
    EXPECT_THAT(red, ElementsAre(std::pair{Point{75, 121}, Point{84, 121}},
                                 std::pair{Point{79, 117}, Point{79, 126}}));
    EXPECT_EQ(canvas.callsOf(CallKind::Text).at(0).text, "NUM OF FIBERS = 8");
}

TEST(SectionPreview, SectionWithoutDimensionsOrOutsideTheTableLeavesABlankPicture) {
    TSECTION empty = beam();
    empty.t1 = 0;
    empty.t2 = 0;
    RecordingCanvas canvas(200, 200);
    drawSectionPreview(canvas, empty);
    ASSERT_EQ(canvas.drawings().size(), 1u);
    EXPECT_THAT(canvas.drawings()[0].points, ElementsAre(Point{0, 0}, Point{200, 200}));

    ModelStore store;
    store.frameSections.resize(2);
    store.frameSections[1] = beam();
    store.frameSectionCount = 1;
    for (int number : {0, 2, -1}) {
        RecordingCanvas outside(200, 200);
        drawSectionPreview(outside, store, number);
        EXPECT_EQ(outside.drawings().size(), 1u) << number;
    }
    RecordingCanvas inside(200, 200);
    drawSectionPreview(inside, store, 1);
    EXPECT_EQ(inside.callsOf(CallKind::Ellipse).size(), 5u);
}

TEST(SectionPreview, OneBarRowStopsWithTheFloatingPointError) {
    TSECTION oneBar = beam();
    oneBar.barNumNX = 1;
    RecordingCanvas canvas(200, 200);
    try {
        drawSectionPreview(canvas, oneBar);
        ADD_FAILURE() << "a one-bar row has no spacing";
    } catch (const KelvaneError& error) {
        EXPECT_STREQ(error.what(), "Floating point division by zero");
    }
    oneBar.cover = 150; // the clear width is 0 too
    EXPECT_THROW(
        {
            try {
                drawSectionPreview(canvas, oneBar);
            } catch (const KelvaneError& error) {
                EXPECT_STREQ(error.what(), "Invalid floating point operation");
                throw;
            }
        },
        KelvaneError);
}

} // namespace
} // namespace kelvane
