#include "sections/fiber_mesher.h"
#include "sections/rebar_layout.h"
#include "sections/section_fields.h"
#include "sections/section_preview.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

// A section whose bars come from the model file, each bar with its own area: 300 wide, 500 deep,
// top bars 1000 mm2 in all 40 mm down, bottom bars 4000 mm2 60 mm up.
namespace kelvane {
namespace {

TEST(FileBars, MesherAndPreviewTakeEachBarAtItsAreaUntilAnOlderBoxIsChanged) {
    TSECTION s;
    s.shape = ShapeRectangle;
    s.t1 = 500, s.t2 = 300, s.divideFX = s.divideFY = 5;
    s.reinforcement = {BeamTopBottom, "", "", 0, 0, 40, 60, 0, 0, 0, 1000, 4000, 0, 0, 0, 0, 0, false, 0, 0};
    placeReinforcementBars(s);
    meshFiberSection(s, 1, 7);
    ASSERT_EQ(s.fiberCount, 25 + 4);
    std::vector<std::vector<double>> bars;
    for (int i = 26; i <= 29; ++i)
        bars.push_back({s.fibers[i].y, s.fibers[i].z, s.fibers[i].area, 1.0 * s.fibers[i].material});
    EXPECT_EQ(bars, (std::vector<std::vector<double>>{
                        {-110, 210, 500, 7}, {110, 210, 500, 7}, {-90, -190, 2000, 7}, {90, -190, 2000, 7}}));
    // 160 pixels for 500 mm: radii sqrt(500 / pi) and sqrt(2000 / pi) mm are 4 and 8 pixels.
    test::RecordingCanvas canvas;
    drawSectionPreview(canvas, s);
    std::vector<int> widths;
    for (const test::CanvasCall& e : canvas.callsOf(test::CallKind::Ellipse))
        widths.push_back(e.points[1].x - e.points[0].x);
    EXPECT_EQ(widths, (std::vector<int>{8, 8, 16, 16}));

    setSectionField(s, "topBar", "1000"); // unchanged: the file's bars stay
    EXPECT_EQ(s.bars.size(), 4u);
    setSectionField(s, "barNumNX", "3");
    meshFiberSection(s, 1, 7);
    EXPECT_EQ(s.fiberCount, 25 + 3 + 2) << "the older rows: 3 top bars, 2 bottom bars";
}

} // namespace
} // namespace kelvane
