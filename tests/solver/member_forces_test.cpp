#include "solver/solver_fixture.h"

#include "results/frame_forces.h"
#include "support/recording_canvas.h"
#include "viewer/camera.h"
#include "viewer/scene.h"

#include <algorithm>
#include <cmath>

namespace kelvane::test {
namespace {

// The recorder writes six significant digits.
constexpr double kRecorded = 1e-5;

double force(const ModelStore& store, int frame, FrameEnd end, std::int32_t component) {
    return endForce(store.frames[static_cast<std::size_t>(frame)], end, component);
}

// tests/data/solver/fixed-beam.s2k: a fixed-fixed beam of 6000 along X in two frames of 3000,
// 2 N/mm downward. End moments -wL^2/12 (hogging), +wL^2/24 at mid-span, shears -+wL/2; whatever
// the element, as the moments of a prismatic fixed-fixed beam do not depend on its stiffness.
constexpr double kSpan = 6000, kLoad = 2;
constexpr double kEndMoment = kLoad * kSpan * kSpan / 12; // 6e6 N mm
constexpr double kMidMoment = kLoad * kSpan * kSpan / 24; // 3e6 N mm
constexpr double kSupportShear = kLoad * kSpan / 2;       // 6000 N

class FixedBeamTest : public SolverTest, public ::testing::WithParamInterface<int> {};

TEST_P(FixedBeamTest, EndAndMidSpanMomentsAreTheHandValuesAndAreDrawnThere) {
    const std::string section = "section.1.";
    ASSERT_FALSE(writeAndRun(dataPath("solver/fixed-beam.s2k"),
                             {"loadSteps=1", "elementForce=1",
                              section + "elementType=" + std::to_string(GetParam()), section + "barNumNX=0",
                              section + "barNumNY=0", section + "divideFX=2", section + "divideFY=10"})
                     .empty());
    ModelStore store = importedModel(dataPath("solver/fixed-beam.s2k"));
    store.frameSections[1].elementType = GetParam();
    loadFrameForces(store, folder(), 1);
    const auto near = [](double value, double expected) {
        EXPECT_NEAR(value, expected, kRecorded * kEndMoment);
    };
    near(force(store, 1, EndI, ForceM3), -kEndMoment);
    near(force(store, 1, EndJ, ForceM3), kMidMoment);
    near(force(store, 2, EndI, ForceM3), kMidMoment);
    near(force(store, 2, EndJ, ForceM3), -kEndMoment);
    EXPECT_NEAR(force(store, 1, EndI, ForceV2), -kSupportShear, kRecorded * kSupportShear);
    EXPECT_NEAR(force(store, 1, EndJ, ForceV2), 0, kRecorded * kSupportShear);
    EXPECT_NEAR(force(store, 2, EndJ, ForceV2), kSupportShear, kRecorded * kSupportShear);
    for (std::int32_t component : {ForceN, ForceV3, ForceT, ForceM2})
        EXPECT_NEAR(force(store, 1, EndI, component), 0, kRecorded * kSupportShear) << component;

    // The M3 diagram in the XZ elevation: hogging above the beam at the supports, sagging below it
    // at mid-span, half as far, the largest value spanning a tenth of the model.
    RecordingCanvas canvas;
    ViewState view;
    const ViewOptions options;
    const LoadDisplay loads;
    ResultDisplay results;
    results.forces.component = ForceM3;
    const ColourTable colours = initPalette();
    const Scene scene{store, view, options, loads, results, colours, 0};
    ViewXZ(view, store, canvas.width(), canvas.height(), [&] { RedrawModel(canvas, scene); });
    canvas.clear();
    RedrawModel(canvas, scene);
    const auto polygons = canvas.callsOf(CallKind::Polygon);
    ASSERT_EQ(polygons.size(), 4u); // each frame: a hogging and a sagging stretch
    const Point support = polygons[0].points[1];
    const Point middle = polygons[1].points[polygons[1].points.size() - 2];
    const TNODE& left = store.nodes[1];
    const TNODE& centre = store.nodes[2];
    const double pixels = 0.1 * kSpan / view.Scale;
    EXPECT_EQ(support.x, left.ScreenX);
    EXPECT_NEAR(support.y, left.ScreenY - pixels, 1);
    EXPECT_EQ(middle.x, centre.ScreenX);
    EXPECT_NEAR(middle.y, centre.ScreenY + pixels * kMidMoment / kEndMoment, 1);
    // The moment changes sign at L (1/2 - 1/(2 sqrt 3)) from the support.
    const Point zero = polygons[0].points.back();
    const double expectedZero = kSpan * (0.5 - 0.5 / std::sqrt(3.0)) / view.Scale;
    EXPECT_NEAR(zero.x - left.ScreenX, expectedZero, 1);
    EXPECT_EQ(zero.y, left.ScreenY);
}

INSTANTIATE_TEST_SUITE_P(ElementKinds, FixedBeamTest, ::testing::Values(1, 2, 3), [](const auto& param) {
    return param.param == 1   ? "elasticBeamColumn"
           : param.param == 2 ? "nonlinearBeamColumn"
                              : "dispBeamColumn";
});

// tests/data/solver/cantilever-axes.s2k: a 2000 cantilever along +Y (local 1 = +Y, 2 = +Z,
// 3 = +X), one tip load per case. By statics, with the model file's convention (forces on the
// positive face along the positive axes, dM3/dx = -V2, dM2/dx = -V3, moments positive when they
// compress the positive face):
//   DOWN, 1000 along -2: V2 = -1000, M3 at the support -P L (hogging: tension on the +2 face);
//   SIDE, 1000 along +3: V3 = +1000, M2 at the support +P L (tension on the -3 face);
//   PULL, 1000 along +1: N = +1000, tension;
//   TWIST, 1e5 about +1: T = +1e5.
// The solver's local y is -3 and its z is 2, so SIDE also checks the turn of its axes.
class CantileverAxesTest : public SolverTest {};

TEST_F(CantileverAxesTest, EachTipLoadGivesTheEndForcesOfStaticsInTheFramesLocalAxes) {
    struct Case {
        const char* name;
        EndForces expected; // N, V2, V3, T, M2, M3 at the support (I), then at the tip (J)
    };
    const Case cases[] = {
        {"DOWN", {0, -1000, 0, 0, 0, -2e6, 0, -1000, 0, 0, 0, 0}},
        {"SIDE", {0, 0, 1000, 0, 2e6, 0, 0, 0, 1000, 0, 0, 0}},
        {"PULL", {1000, 0, 0, 0, 0, 0, 1000, 0, 0, 0, 0, 0}},
        {"TWIST", {0, 0, 0, 1e5, 0, 0, 0, 0, 0, 1e5, 0, 0}},
    };
    ModelStore store = importedModel(dataPath("solver/cantilever-axes.s2k"));
    for (int loadCase = 1; loadCase <= 4; ++loadCase) {
        const Case& c = cases[loadCase - 1];
        ASSERT_FALSE(
            writeAndRun(dataPath("solver/cantilever-axes.s2k"),
                        {"loadSteps=1", "elementForce=1", "loadControlCase=" + std::to_string(loadCase)})
                .empty());
        loadFrameForces(store, folder(), 1);
        double largest = 0;
        for (double value : c.expected)
            largest = std::max(largest, std::fabs(value));
        for (std::size_t v = 0; v < c.expected.size(); ++v)
            EXPECT_NEAR(store.frames[1].endForces[v], c.expected[v], kRecorded * largest)
                << c.name << " value " << v;
    }
}

} // namespace
} // namespace kelvane::test
