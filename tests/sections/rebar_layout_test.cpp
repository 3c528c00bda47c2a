#include "sections/fiber_mesher.h"
#include "sections/rebar_layout.h"
#include "sections/section_fields.h"
#include "sections/section_preview.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

// Sections whose bars come from the model file, each bar with its own area.
namespace kelvane {
namespace {

// 300 wide, 500 deep; top bars 1000 mm2 in all 40 mm down, bottom bars 4000 mm2 60 mm up.
TSECTION fileBeam() {
    TSECTION s;
    s.name = "B1";
    s.shape = ShapeRectangle;
    s.elementType = NonlinearBeamColumn;
    s.t1 = 500;
    s.t2 = 300;
    s.divideFX = s.divideFY = 5;
    s.reinforcement.kind = BeamTopBottom;
    s.reinforcement.cover = 40;
    s.reinforcement.bottomCover = 60;
    s.reinforcement.topArea = 1000;
    s.reinforcement.bottomArea = 4000;
    placeReinforcementBars(s);
    return s;
}

TEST(FileBars, TheMesherAndThePreviewTakeEachBarAtItsArea) {
    TSECTION s = fileBeam();
    meshFiberSection(s, 1, 7);
    ASSERT_EQ(s.fiberCount, 25 + 4);
    // The bars follow the concrete: top layer at z = 250 - 40, bottom at -(250 - 60), half each.
    const double expected[][3] = {{-110, 210, 500}, {110, 210, 500}, {-90, -190, 2000}, {90, -190, 2000}};
    for (int i = 0; i < 4; ++i) {
        const Fiber& bar = s.fibers[static_cast<std::size_t>(26 + i)];
        EXPECT_EQ(bar.y, expected[i][0]);
        EXPECT_EQ(bar.z, expected[i][1]);
        EXPECT_EQ(bar.area, expected[i][2]);
        EXPECT_EQ(bar.material, 7);
    }
    // 160 pixels for 500 mm: radii sqrt(500 / pi) and sqrt(2000 / pi) mm are 4 and 8 pixels.
    test::RecordingCanvas canvas;
    drawSectionPreview(canvas, s);
    std::vector<int> widths;
    for (const test::CanvasCall& e : canvas.callsOf(test::CallKind::Ellipse))
        widths.push_back(e.points[1].x - e.points[0].x);
    EXPECT_EQ(widths, (std::vector<int>{8, 8, 16, 16}));
}

TEST(FileBars, AChangedOlderBoxReplacesTheFilesBarsAnUnchangedOneKeepsThem) {
    TSECTION s = fileBeam();
    setSectionField(s, "topBar", "1000");
    setSectionField(s, "cover", "40");
    EXPECT_EQ(s.reinforcement.kind, BeamTopBottom);
    EXPECT_EQ(s.bars.size(), 4u);
    setSectionField(s, "barNumNX", "3");
    EXPECT_EQ(s.reinforcement.kind, ReinforcementNone);
    EXPECT_TRUE(s.bars.empty());
    meshFiberSection(s, 1, 7);
    EXPECT_EQ(s.fiberCount, 25 + 3 + 2) << "the older rows: 3 top bars, 2 bottom bars";
}

} // namespace
} // namespace kelvane
