#include "support/recording_canvas.h"
#include "viewer/scene.h"
#include "viewer_test_models.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

using namespace kelvane::test;

constexpr std::int32_t kGrey = rgb(200, 200, 200);

// A beam from (0, 0, 0) to (40, 0, 0) drawn in plan at one unit a pixel on a 200 x 160 surface.
struct ResultCaptionsTest : ::testing::Test {
    ModelStore model;
    ViewState view;
    ViewOptions options;
    LoadDisplay loads;
    ResultDisplay results;
    ColourTable colours = initPalette();
    RecordingCanvas canvas{200, 160};

    void SetUp() override {
        view.Scale = 1;
        const int i = addJoint(model, 0, 0, 0);
        const int j = addJoint(model, 40, 0, 0);
        addFrame(model, i, j, addSection(model, rgb(0, 0, 255), NonlinearBeamColumn));
    }
    void redraw() { RedrawModel(canvas, Scene{model, view, options, loads, results, colours, 0}); }
    std::vector<std::string> texts() const {
        std::vector<std::string> found;
        for (const auto& call : canvas.callsOf(CallKind::Text))
            found.push_back(call.text);
        return found;
    }
};

TEST_F(ResultCaptionsTest, DeformedShapeLiesOverTheUndeformedFramesInGreyWithItsStepAndScale) {
    model.nodes[2].uy = 0.5;
    results.DeformationScale = 20; // 10 pixels up
    results.displacementStep = 3;
    redraw();
    const auto& lines = canvas.lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], (RecordedLine{{100, 80}, {140, 80}, {kGrey, 1, PenStyle::Solid}}));
    EXPECT_EQ(lines[1].to, (Point{140, 70}));
    EXPECT_EQ(texts().back(), "Deformed shape, step 3, scale 20");
    EXPECT_EQ(canvas.callsOf(CallKind::Text).back().points[0], (Point{8, 136}));

    results.displacementStep = 0;
    results.mode = 2;
    results.modePeriod = 0.5;
    results.modeFrequency = 2;
    canvas.clear();
    redraw();
    EXPECT_EQ(texts().back(), "Mode 2: T = 0.5000 s, f = 2.000 Hz, scale 20");
    results.modePeriod = results.modeFrequency = 0;
    canvas.clear();
    redraw();
    EXPECT_EQ(texts().back(), "Mode 2: period not known (no Periods.txt), scale 20");

    results.DeformationScale = 0; // nothing displaced: no outline and no caption
    canvas.clear();
    redraw();
    EXPECT_EQ(canvas.lines().size(), 1u);
    EXPECT_EQ(texts().size(), 3u); // the title block
}

TEST_F(ResultCaptionsTest, ContourLegendWritesTheRangeOfEachBandOnceSectionValuesAreRead) {
    options.hingeCircle = true;
    results.ColourRangeMin = -3e-4;
    results.ColourRangeMax = 3e-4;
    redraw();
    EXPECT_EQ(texts().size(), 3u);                           // nothing read: no circles, no legend
    EXPECT_EQ(canvas.callsOf(CallKind::Ellipse).size(), 2u); // the joints

    results.sectionStep = 2;
    results.sectionComponent = 2;
    model.frames[1].hasHingeValueI = true;
    canvas.clear();
    redraw();
    // Bands are the nearest sixth of the range, so band 1 takes the lowest one and a half sixths.
    const std::vector<std::string> all = texts();
    const std::vector<std::string> legend(all.begin() + 3, all.end());
    EXPECT_EQ(legend,
              (std::vector<std::string>{"Curvature Kz, step 2", "from 2.50E-004", "1.50E-004 to 2.50E-004",
                                        "5.00E-005 to 1.50E-004", "-5.00E-005 to 5.00E-005",
                                        "-1.50E-004 to -5.00E-005", "below -1.50E-004"}));
    const auto boxes = canvas.callsOf(CallKind::Rectangle);
    ASSERT_GE(boxes.size(), 6u);
    EXPECT_EQ(boxes[boxes.size() - 6].brush.colour, colours[16]); // the top band first
    EXPECT_EQ(boxes.back().brush.colour, colours[11]);
    EXPECT_EQ(canvas.callsOf(CallKind::Ellipse).size(), 3u); // one circle, at the end that has a value
}

} // namespace
} // namespace kelvane
