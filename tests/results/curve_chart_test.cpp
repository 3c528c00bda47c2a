#include "results/curve_chart.h"
#include "support/recording_canvas.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace kelvane {
namespace {

TEST(CurveChart, AxesRunInRoundStepsAndLabelsSetThousandsApart) {
    struct AxisCase {
        std::vector<double> values;
        bool fromZero;
        double first, last, step;
        int decimals;
    };
    const AxisCase axes[] = {
        {{0, 50, 100, 150}, false, 0, 160, 20, 0},
        {{-0.003, 0.002}, false, -0.003, 0.002, 0.001, 3},
        {{5, 5}, false, 2, 8, 1, 0}, // a constant still gets an axis with a length
        {{0.5, 0.3}, true, 0, 0.5, 0.1, 1},
    };
    for (const AxisCase& c : axes) {
        const ChartAxis axis = chartAxis(c.values, c.fromZero);
        EXPECT_NEAR(axis.first, c.first, 1e-12);
        EXPECT_NEAR(axis.last, c.last, 1e-12);
        EXPECT_NEAR(axis.step, c.step, 1e-15);
        EXPECT_EQ(axis.decimals, c.decimals);
    }
    const std::pair<std::pair<double, int>, std::string> labels[] = {
        {{2000000, 0}, "2 000 000"}, {{-1234.5, 1}, "-1 234.5"}, {{-0.0001, 2}, "0.00"}, {{999, 0}, "999"}};
    for (const auto& [value, text] : labels)
        EXPECT_EQ(chartTickLabel(value.first, value.second), text);
}

// The pushover curve of a run: the line passes through its points mapped onto the plot area, in the
// axis ranges, and the axis titles carry the units.
TEST(CurveChart, LineRunsThroughTheMappedPointsUnderTitledAxes) {
    Curve curve;
    curve.title = "Pushover curve";
    curve.xTitle = "Displacement UX of joint 3 (mm)";
    curve.yTitle = "Base shear along X (N)";
    curve.x = {0, 2, 4, 6};
    curve.y = {0, 500000, 1000000, 2000000};
    test::RecordingCanvas canvas(800, 600);
    drawCurveChart(canvas, curve, ChartKind::Line);

    std::vector<std::string> texts;
    for (const auto& call : canvas.callsOf(test::CallKind::Text))
        texts.push_back(call.text);
    for (const std::string& wanted : {curve.title, curve.xTitle, curve.yTitle, std::string("2 000 000")})
        EXPECT_NE(std::find(texts.begin(), texts.end(), wanted), texts.end()) << wanted;

    std::vector<test::RecordedLine> curveLines;
    for (const auto& line : canvas.lines())
        if (line.pen.colour == 0x0046A0)
            curveLines.push_back(line);
    ASSERT_EQ(curveLines.size(), 3u);
    // x from 0 to 6 over the plot's width, y from 0 to 2 000 000 over its height: the points rise
    // at 1, 1 and 2 parts in 4 of the height, evenly spaced across.
    const Point start = curveLines.front().from, end = curveLines.back().to;
    EXPECT_GT(end.x, start.x + 500);
    EXPECT_LT(end.y, start.y - 350);
    EXPECT_NEAR(curveLines[0].to.x - start.x, (end.x - start.x) / 3.0, 1.0);
    EXPECT_NEAR(start.y - curveLines[1].to.y, (start.y - end.y) / 2.0, 1.0);
    EXPECT_EQ(canvas.callsOf(test::CallKind::Ellipse).size(), 4u); // few points are marked
}

} // namespace
} // namespace kelvane
