#include "results/frame_forces.h"
#include "support/recording_canvas.h"
#include "viewer/force_diagram.h"
#include "viewer/projection.h"
#include "viewer/scene_layers.h"
#include "viewer_test_models.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

using namespace kelvane::test;

constexpr double kSpan = 6000;
constexpr double kLoad = 2;                              // N/mm, downward
constexpr double kShear = kLoad * kSpan / 2;             // 6000 N at each support
constexpr double kMidSpan = kLoad * kSpan * kSpan / 8;   // 9e6 N mm for a simple span
constexpr double kFixedEnd = kLoad * kSpan * kSpan / 12; // 6e6 N mm for a fixed-fixed one

void setEnd(TFRAME& frame, FrameEnd end, std::int32_t component, double value) {
    frame.endForces[static_cast<std::size_t>(6 * end + component - 1)] = value;
    frame.hasEndForces = true;
}

// A beam along X with local 2 up and the end forces of a uniform load: shear -wL/2 at I and +wL/2
// at J (dM3/dx = -V2), the given end moments.
struct ForceDiagramTest : ::testing::Test {
    ModelStore model;
    ViewState view;
    ForceDiagram diagram{ForceNone, 0, 0.15, UnitsNewtonMillimetre};
    RecordingCanvas canvas;

    int addBeam(double x0, double x1, double shearI, double shearJ, double momentI, double momentJ) {
        const int section = addSection(model, rgb(0, 0, 255), ElasticBeamColumn);
        const int i = addJoint(model, x0, 0, 0);
        const int j = addJoint(model, x1, 0, 0);
        const int frame = addFrame(model, i, j, section);
        TFRAME& beam = model.frames[static_cast<std::size_t>(frame)];
        beam.axis2Z = 1;
        setEnd(beam, EndI, ForceV2, shearI);
        setEnd(beam, EndJ, ForceV2, shearJ);
        setEnd(beam, EndI, ForceM3, momentI);
        setEnd(beam, EndJ, ForceM3, momentJ);
        return frame;
    }
    // The XZ elevation at 10 mm a pixel, the span centred: x = 0 at pixel 244, x = 6000 at 844.
    void project() {
        view.TiltAngle = -90;
        view.Scale = 10;
        view.OffsetX = 3000;
        ProjectNodes(model, view, 0, canvas.width(), canvas.height());
    }
};

TEST_F(ForceDiagramTest, MomentsAreTheParabolaOfTheUniformLoadTheShearsImply) {
    // Half of a fixed-fixed beam: -wL^2/12 at the support, +wL^2/24 at mid-span, no shear there.
    addBeam(0, kSpan / 2, -kShear, 0, -kFixedEnd, kFixedEnd / 2);
    const TFRAME& frame = model.frames[1];
    EXPECT_DOUBLE_EQ(diagramValue(frame, kSpan / 2, ForceM3, 0), -kFixedEnd);
    EXPECT_DOUBLE_EQ(diagramValue(frame, kSpan / 2, ForceM3, 1), kFixedEnd / 2);
    EXPECT_DOUBLE_EQ(diagramValue(frame, kSpan / 2, ForceM3, 0.5), kLoad * kSpan * kSpan / 96); // at L/4
    EXPECT_DOUBLE_EQ(diagramValue(frame, kSpan / 2, ForceV2, 0.5), -kShear / 2);
}

TEST_F(ForceDiagramTest, TheLargestValueMayLieBetweenTheEnds) {
    addBeam(0, kSpan, -kShear, kShear, 0, 0);
    const DiagramExtreme moment = largestDiagramValue(model, ForceM3);
    EXPECT_DOUBLE_EQ(moment.value, kMidSpan);
    EXPECT_DOUBLE_EQ(moment.t, 0.5);
    EXPECT_EQ(moment.frame, 1);
    EXPECT_DOUBLE_EQ(largestDiagramValue(model, ForceV2).value, -kShear);
    EXPECT_DOUBLE_EQ(diagramScale(model, diagram, moment), 0.15 * kSpan / kMidSpan);
    model.frames[1].hasEndForces = false;
    EXPECT_EQ(largestDiagramValue(model, ForceM3).frame, 0);
    EXPECT_EQ(diagramScale(model, diagram, largestDiagramValue(model, ForceM3)), 0.0);
}

TEST_F(ForceDiagramTest, ShearsPointAlongTheirAxisAndMomentsToTheTensionSide) {
    addBeam(0, kSpan, 0, 0, 0, 0);
    const TFRAME& frame = model.frames[1];
    // Local 1 = +X, 2 = +Z, 3 = 1 x 2 = -Y.
    const std::pair<std::int32_t, Vector3> directions[] = {{ForceN, {0, 0, 1}},   {ForceV2, {0, 0, 1}},
                                                           {ForceM3, {0, 0, -1}}, {ForceV3, {0, -1, 0}},
                                                           {ForceM2, {0, 1, 0}},  {ForceT, {0, 0, 1}}};
    for (const auto& [component, expected] : directions) {
        const Vector3 direction = diagramDirection(model, frame, component);
        EXPECT_EQ(direction.x, expected.x) << component;
        EXPECT_EQ(direction.y, expected.y) << component;
        EXPECT_EQ(direction.z, expected.z) << component;
    }
}

TEST_F(ForceDiagramTest, SaggingMomentIsFilledBelowTheBeamWithItsPeakAtMidSpan) {
    addBeam(0, kSpan, -kShear, kShear, 0, 0);
    addFrame(model, 1, 2, addSection(model, 0, RigidLink)); // no end forces: no diagram
    project();
    diagram.component = ForceM3;
    DrawForceDiagrams(canvas, model, view, diagram);
    const auto polygons = canvas.callsOf(CallKind::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    const std::vector<Point>& outline = polygons[0].points;
    ASSERT_EQ(outline.size(), 19u); // the two ends of the base and sixteen chords
    EXPECT_EQ(outline.front(), (Point{244, 400}));
    // 15 % of the 6000 mm model is 900 mm, 90 pixels, below the beam.
    EXPECT_EQ(outline[9], (Point{544, 490}));
    EXPECT_EQ(outline.back(), (Point{844, 400}));
    EXPECT_EQ(polygons[0].brush.style, BrushStyle::Solid);
    EXPECT_EQ(polygons[0].brush.colour, rgb(255, 230, 90));
}

TEST_F(ForceDiagramTest, AChangeOfSignSplitsTheFillAndTheEndValuesAreWrittenInTheUnits) {
    addBeam(0, kSpan, -kShear, kShear, 0, 0);
    project();
    diagram.component = ForceV2;
    diagram.units = UnitsKilonewtonMetre;
    DrawForceDiagrams(canvas, model, view, diagram);
    const auto polygons = canvas.callsOf(CallKind::Polygon);
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].points, (std::vector<Point>{{244, 400}, {244, 490}, {544, 400}}));
    EXPECT_EQ(polygons[0].brush.colour, rgb(255, 130, 130));
    EXPECT_EQ(polygons[1].points, (std::vector<Point>{{544, 400}, {844, 310}, {844, 400}}));
    EXPECT_EQ(polygons[1].brush.colour, rgb(255, 230, 90));

    canvas.clear();
    DrawForceDiagramValues(canvas, model, view, diagram);
    const auto texts = canvas.callsOf(CallKind::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "-6.000");
    EXPECT_EQ(texts[0].points[0], (Point{246, 491})); // below the downward tip
    EXPECT_EQ(texts[1].text, "6.000");
    EXPECT_EQ(texts[1].points[0], (Point{846, 297})); // above the upward one

    canvas.clear();
    diagram.step = 4;
    DrawForceLegend(canvas, model, diagram);
    const auto legend = canvas.callsOf(CallKind::Text);
    ASSERT_EQ(legend.size(), 2u);
    EXPECT_EQ(legend[0].text, "V2 [kN], step 4");
    EXPECT_EQ(legend[1].text, "largest -6.000 kN on frame 1");
}

} // namespace
} // namespace kelvane
