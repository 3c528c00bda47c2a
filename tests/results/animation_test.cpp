#include "results/animation.h"
#include "results/displacement_history.h"
#include "results_test_support.h"
#include "support/recording_canvas.h"
#include "viewer/projection.h"
#include "viewer/scene_layers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvane {
namespace {

// Loads a history of `steps` recorded steps for a one-joint model and starts playback.
void startPlayback(AnimationState& animation, int steps) {
    ModelStore store = test::storeWith(1);
    test::TempDir folder;
    std::string text;
    for (int s = 1; s <= steps; ++s)
        text += std::to_string(s) + " " + std::to_string(s) + " 0 0\n";
    test::writeFile(folder.file("node0.out"), text);
    LoadDisplacementHistory(store, animation, std::to_string(steps), "30", folder.path().string());
    ASSERT_TRUE(ToggleAnimation(animation));
}

std::vector<int> ticks(AnimationState& animation, ResultDisplay& results, int count) {
    std::vector<int> shown;
    for (int i = 0; i < count; ++i)
        shown.push_back(AnimationTick(animation, results));
    return shown;
}

TEST(Animation, TicksShowTwoToNinetyNineThenOneOrWrapAtAShorterHistory) {
    AnimationState animation;
    ResultDisplay results;
    startPlayback(animation, 100);
    const std::vector<int> shown = ticks(animation, results, 100);
    EXPECT_EQ(shown[0], 2);
    EXPECT_EQ(shown[97], 99);
    EXPECT_EQ(shown[98], 1);
    EXPECT_EQ(results.DeformationScale, 30.0);
    EXPECT_FALSE(ToggleAnimation(animation)); // stop: back to step 1
    EXPECT_EQ(animation.AnimationStep, 1);

    startPlayback(animation, 4);
    EXPECT_EQ(ticks(animation, results, 5), (std::vector<int>{2, 3, 4, 1, 2}));
}

TEST(Animation, NothingPlaysWithoutALoadedHistory) {
    AnimationState animation;
    ResultDisplay results;
    EXPECT_EQ(test::errorOf([&] { ToggleAnimation(animation); }),
              "No displacement history is loaded: load the displacement data first");
    EXPECT_FALSE(animation.running);
    animation.running = true; // a playback whose history went away stops at the next tick
    EXPECT_EQ(AnimationTick(animation, results), 0);
    EXPECT_FALSE(animation.running);
}

TEST(Animation, ProjectsJointsDisplacedByTheStepsHistoryOnly) {
    ModelStore store = test::storeWith(2);
    store.nodes[1].x = 100;
    store.nodes[1].ux = 1000; // the shown displacement plays no part
    store.nodes[1].histUX = {0, 0, 10};
    store.nodes[1].histUY = {0, 0, -4};
    store.nodes[1].histUZ = {0, 0, 2};
    store.nodes[2].y = 50; // no history (imported after the load): drawn where it stands
    ViewState view;
    view.PlanAngle = 30;
    view.TiltAngle = -60;
    auto pointOf = [&](int n) {
        return Point{store.nodes[static_cast<std::size_t>(n)].ScreenX,
                     store.nodes[static_cast<std::size_t>(n)].ScreenY};
    };

    ProjectNodesAtStep(store, view, 3, 800, 600, 2);
    EXPECT_EQ(pointOf(1), projectPoint(view, 800, 600, 130, -12, 6));
    EXPECT_EQ(pointOf(2), projectPoint(view, 800, 600, 0, 50, 0));
    ProjectNodesAtStep(store, view, 3, 800, 600, 7); // beyond the history
    EXPECT_EQ(pointOf(1), projectPoint(view, 800, 600, 100, 0, 0));
    EXPECT_EQ(store.nodes[1].ux, 1000.0);
}

TEST(Animation, FrameDrawsBackgroundAndDisplacedJointsSupportsAndFramesOnly) {
    ModelStore store = test::storeWith(2, 1);
    store.frameSections.resize(2);
    store.frameSectionCount = 1;
    store.frameSections[1].colour = 0x00FF00;
    store.frames[1] = TFRAME{};
    store.frames[1].section = 1;
    store.frames[1].nodeI = 1;
    store.frames[1].nodeJ = 2;
    store.nodes[1].restraint = {0, 1, 1, 1, 1, 1, 1};
    store.nodes[2].x = 1000;
    for (TNODE& joint : store.nodes)
        joint.histUX = joint.histUY = joint.histUZ = {0, 0};
    store.nodes[2].histUZ[1] = 20;
    ResultDisplay results;
    results.DeformationScale = 10;
    const ColourTable colours = initPalette();

    test::RecordingCanvas frame(640, 480);
    DrawAnimationFrame(frame, store, ViewState{}, colours, results, 1);
    const Point top = projectPoint(ViewState{}, 640, 480, 1000, 0, 200);
    ASSERT_FALSE(frame.lines().empty());
    EXPECT_EQ(frame.lines().back().to, top);
    EXPECT_EQ(frame.lines().back().pen.colour, 0x00FF00);

    // No other layer (labels, hinge circles, loads) whatever the view options.
    test::RecordingCanvas expected(640, 480);
    DrawBackground(expected);
    DrawNodes(expected, store);
    DrawSupports(expected, store, colours);
    DrawFrames(expected, store);
    DrawShells(expected, store);
    EXPECT_EQ(frame.calls().size(), expected.calls().size());
}

} // namespace
} // namespace kelvane
