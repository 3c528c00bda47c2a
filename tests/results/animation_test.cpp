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

using test::errorOf;
using test::storeWith;

// A history of `steps` recorded steps for one joint, joint 1 moving by the step number along X.
void loadOneJointHistory(ModelStore& store, AnimationState& animation, int steps, const std::string& scale) {
    test::TempDir folder;
    std::string text;
    for (int s = 1; s <= steps; ++s)
        text += std::to_string(s) + ".0 " + std::to_string(s) + " 0 0\n";
    test::writeFile(folder.file("node0.out"), text);
    LoadDisplacementHistory(store, animation, std::to_string(steps), scale, folder.path().string());
}

std::vector<int> ticks(AnimationState& animation, ResultDisplay& results, int count) {
    std::vector<int> shown;
    for (int i = 0; i < count; ++i)
        shown.push_back(AnimationTick(animation, results));
    return shown;
}

TEST(Animation, HundredStepsPlayTwoToNinetyNineThenWrapToOne) {
    ModelStore store = storeWith(1);
    AnimationState animation;
    ResultDisplay results;
    loadOneJointHistory(store, animation, 100, "30");
    ASSERT_TRUE(ToggleAnimation(animation));
    const std::vector<int> shown = ticks(animation, results, 100);
    EXPECT_EQ(shown.front(), 2);
    EXPECT_EQ(shown[97], 99);
    EXPECT_EQ(shown[98], 1);
    EXPECT_EQ(shown[99], 2);
    EXPECT_EQ(results.DeformationScale, 30.0);
}

TEST(Animation, AShortHistoryWrapsAtItsLastStep) {
    ModelStore store = storeWith(1);
    AnimationState animation;
    ResultDisplay results;
    loadOneJointHistory(store, animation, 4, "1");
    ToggleAnimation(animation);
    EXPECT_EQ(ticks(animation, results, 6), (std::vector<int>{2, 3, 4, 1, 2, 3}));
}

TEST(Animation, EveryToggleRestartsFromStepOne) {
    ModelStore store = storeWith(1);
    AnimationState animation;
    ResultDisplay results;
    loadOneJointHistory(store, animation, 10, "1");
    EXPECT_TRUE(ToggleAnimation(animation));
    ticks(animation, results, 5);
    EXPECT_FALSE(ToggleAnimation(animation));
    EXPECT_EQ(animation.AnimationStep, 1);
    EXPECT_TRUE(ToggleAnimation(animation));
    EXPECT_EQ(AnimationTick(animation, results), 2);
}

TEST(Animation, NothingPlaysWithoutALoadedHistory) {
    AnimationState animation;
    ResultDisplay results;
    EXPECT_EQ(errorOf([&] { ToggleAnimation(animation); }),
              "No displacement history is loaded: load the displacement data first");
    EXPECT_FALSE(animation.running);

    // A playback whose history went away (a failed reload) stops at the next tick.
    animation.running = true;
    animation.AnimationScale = 9;
    EXPECT_EQ(AnimationTick(animation, results), 0);
    EXPECT_FALSE(animation.running);
    EXPECT_EQ(results.DeformationScale, 0.0);
}

TEST(Animation, ProjectsJointsDisplacedByTheStepsHistoryOnly) {
    ModelStore store = storeWith(2);
    store.nodes[1].x = 100;
    store.nodes[1].ux = 1000; // the shown displacement plays no part
    store.nodes[1].histUX = {0, 0, 10};
    store.nodes[1].histUY = {0, 0, -4};
    store.nodes[1].histUZ = {0, 0, 2};
    store.nodes[2].y = 50; // no history (imported after the load): drawn where it stands
    ViewState view;
    view.PlanAngle = 30;
    view.TiltAngle = -60;

    ProjectNodesAtStep(store, view, 3, 800, 600, 2);
    EXPECT_EQ((Point{store.nodes[1].ScreenX, store.nodes[1].ScreenY}), projectPoint(view, 800, 600, 130, -12, 6));
    EXPECT_EQ((Point{store.nodes[2].ScreenX, store.nodes[2].ScreenY}), projectPoint(view, 800, 600, 0, 50, 0));
    EXPECT_EQ(store.nodes[1].ux, 1000.0);

    ProjectNodesAtStep(store, view, 3, 800, 600, 7); // beyond the history
    EXPECT_EQ((Point{store.nodes[1].ScreenX, store.nodes[1].ScreenY}), projectPoint(view, 800, 600, 100, 0, 0));
}

TEST(Animation, FrameDrawsBackgroundThenDisplacedJointsSupportsAndFramesOnly) {
    ModelStore store = storeWith(2, 1);
    store.frameSections.resize(2);
    store.frameSectionCount = 1;
    store.frameSections[1].colour = 0x00FF00;
    store.frames[1].section = 1;
    store.frames[1].nodeI = 1;
    store.frames[1].nodeJ = 2;
    store.frames[1].hingeValueI = 1;
    store.nodes[1].restraint = {0, 1, 1, 1, 1, 1, 1};
    store.nodes[2].x = 1000;
    for (TNODE& joint : store.nodes) {
        joint.histUX = {0, 0};
        joint.histUY = {0, 0};
        joint.histUZ = {0, 0};
    }
    store.nodes[2].histUZ[1] = 20;
    ViewState view;
    ResultDisplay results;
    results.DeformationScale = 10;
    const ColourTable colours = initPalette();

    test::RecordingCanvas frame(640, 480);
    DrawAnimationFrame(frame, store, view, colours, results, 1);

    const Point top = projectPoint(view, 640, 480, 1000, 0, 200);
    EXPECT_EQ((Point{store.nodes[2].ScreenX, store.nodes[2].ScreenY}), top);

    // The same picture from the four layers on their own, with the joints already displaced.
    test::RecordingCanvas expected(640, 480);
    DrawBackground(expected);
    DrawNodes(expected, store);
    DrawSupports(expected, store, colours);
    DrawFrames(expected, store);
    ASSERT_EQ(frame.calls().size(), expected.calls().size());
    EXPECT_EQ(frame.lines(), expected.lines());
    ASSERT_FALSE(frame.lines().empty());
    EXPECT_EQ(frame.lines().back().to, top);
    EXPECT_EQ(frame.lines().back().pen.colour, 0x00FF00);
}

} // namespace
} // namespace kelvane
