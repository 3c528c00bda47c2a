#include "common/error.h"
#include "results/displacement_history.h"
#include "results_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvane {
namespace {

using test::errorOf;
using test::resultsData;
using test::storeWith;

TEST(DisplacementHistory, FillsEveryStepOfEveryJointFromTheBlockFiles) {
    ModelStore store = storeWith(250);
    AnimationState animation;
    LoadDisplacementHistory(store, animation, "3", "100", resultsData("joints250"));
    EXPECT_EQ(animation.AnimationScale, 100.0);
    EXPECT_EQ(animation.loadedSteps, 3);
    for (int n : {1, 100, 101, 200, 201, 250}) {
        const TNODE& joint = store.nodes[static_cast<std::size_t>(n)];
        ASSERT_EQ(joint.histUX.size(), 4u);
        ASSERT_EQ(joint.histUZ.size(), 4u);
        for (int s = 1; s <= 3; ++s) {
            EXPECT_NEAR(joint.histUX[static_cast<std::size_t>(s)], s + n / 1000.0, 1e-12) << n << " " << s;
            EXPECT_NEAR(joint.histUY[static_cast<std::size_t>(s)], -n * s * 1e-5, 1e-12) << n << " " << s;
            EXPECT_NEAR(joint.histUZ[static_cast<std::size_t>(s)], n * s * 1e-7, 1e-15) << n << " " << s;
        }
        EXPECT_EQ(joint.ux, 0.0); // the shown displacement is not touched
    }
}

TEST(DisplacementHistory, MalformedBoxesStopBeforeTheFolderIsAsked) {
    ModelStore store = storeWith(1);
    AnimationState animation;
    animation.AnimationScale = 5;
    bool asked = false;
    const FolderChooser chooser = [&]() -> std::optional<std::string> {
        asked = true;
        return std::nullopt;
    };
    EXPECT_EQ(errorOf([&] { LoadDisplacementHistory(store, animation, "1O0", "100", chooser); }),
              "'1O0' is not a valid integer value");
    EXPECT_EQ(errorOf([&] { LoadDisplacementHistory(store, animation, "100", "1,5", chooser); }),
              "'1,5' is not a valid floating point value");
    EXPECT_EQ(errorOf([&] { LoadDisplacementHistory(store, animation, "-2", "1", chooser); }), "Range check error");
    EXPECT_FALSE(asked);
    EXPECT_TRUE(store.nodes[1].histUX.empty());
}

TEST(DisplacementHistory, CancellingTheFolderLeavesSizedHistoriesAndNothingLoaded) {
    ModelStore store = storeWith(2);
    AnimationState animation;
    animation.loadedSteps = 50;
    const bool loaded =
        LoadDisplacementHistory(store, animation, "10", "2.5", [] { return std::optional<std::string>(); });
    EXPECT_FALSE(loaded);
    EXPECT_EQ(store.nodes[2].histUY.size(), 11u);
    EXPECT_EQ(animation.AnimationScale, 2.5);
    EXPECT_EQ(animation.loadedSteps, 0);
}

TEST(DisplacementHistory, AFileWithFewerLinesThanNstepStopsTheLoad) {
    ModelStore store = storeWith(250);
    AnimationState animation;
    EXPECT_EQ(errorOf([&] { LoadDisplacementHistory(store, animation, "4", "1", resultsData("joints250")); }),
              "List index out of bounds (3)");
    EXPECT_EQ(animation.loadedSteps, 0);
    EXPECT_NEAR(store.nodes[1].histUX[3], 3.001, 1e-12); // stored before the failure
}

TEST(DisplacementHistory, ALineShortOfTheBlockIsRefused) {
    test::TempDir folder;
    test::writeFile(folder.file("node0.out"), "0.1 1 2 3 4 5 6\n0.2 1 2 3\n");
    ModelStore store = storeWith(2);
    AnimationState animation;
    EXPECT_EQ(errorOf([&] { LoadDisplacementHistory(store, animation, "2", "1", folder.path().string()); }),
              "Line 2 of file \"" + folder.file("node0.out") + "\" has 4 fields; 7 are needed");
    EXPECT_EQ(store.nodes[2].histUZ[1], 6.0);
    EXPECT_EQ(store.nodes[2].histUZ[2], 0.0);
}

} // namespace
} // namespace kelvane
