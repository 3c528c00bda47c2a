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
        ASSERT_EQ(joint.histUZ.size(), 4u);
        for (std::size_t s = 1; s <= 3; ++s) {
            EXPECT_NEAR(joint.histUX[s], s + n / 1000.0, 1e-12) << n << " " << s;
            EXPECT_NEAR(joint.histUY[s], -n * 1e-5 * s, 1e-12) << n << " " << s;
            EXPECT_NEAR(joint.histUZ[s], n * 1e-7 * s, 1e-15) << n << " " << s;
        }
    }
}

TEST(DisplacementHistory, MalformedBoxesStopBeforeTheFolderIsAskedAndCancelLoadsNothing) {
    ModelStore store = storeWith(2);
    AnimationState animation;
    animation.loadedSteps = 50;
    int asked = 0;
    const FolderChooser cancel = [&]() -> std::optional<std::string> {
        ++asked;
        return std::nullopt;
    };
    EXPECT_EQ(errorOf([&] { LoadDisplacementHistory(store, animation, "1O0", "100", cancel); }),
              "Nstep: '1O0' is not a valid integer value");
    EXPECT_EQ(errorOf([&] { LoadDisplacementHistory(store, animation, "100", "1,5", cancel); }),
              "Scale: '1,5' is not a valid floating point value");
    EXPECT_EQ(errorOf([&] { LoadDisplacementHistory(store, animation, "-2", "1", cancel); }),
              "Range check error");
    EXPECT_EQ(
        errorOf([&] { LoadDisplacementHistory(store, animation, "2000000000", "1", cancel); }),
        "A displacement history of 2000000000 steps for 2 joints needs 137329 MB, more than the 8192 MB it "
        "may take");
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(store.nodes[1].histUX.empty());

    EXPECT_FALSE(LoadDisplacementHistory(store, animation, "10", "2.5", cancel));
    EXPECT_EQ(store.nodes[2].histUY.size(), 11u); // sized before the dialog
    EXPECT_EQ(animation.AnimationScale, 2.5);
    EXPECT_EQ(animation.loadedSteps, 0);
}

TEST(DisplacementHistory, AFileShortOfStepsOrFieldsStopsTheLoad) {
    ModelStore store = storeWith(250);
    AnimationState animation;
    EXPECT_EQ(errorOf([&] { LoadDisplacementHistory(store, animation, "4", "1", resultsData("joints250")); }),
              "List index out of bounds (3): step 4 is past the end of node0.out, whose last step is 3");
    EXPECT_EQ(animation.loadedSteps, 0);
    EXPECT_NEAR(store.nodes[1].histUX[3], 3.001, 1e-12); // stored before the failure

    test::TempDir folder;
    test::writeFile(folder.file("node0.out"), "0.1 1 2 3 4 5 6\n0.2 1 2 3\n");
    store = storeWith(2);
    EXPECT_EQ(errorOf([&] { LoadDisplacementHistory(store, animation, "2", "1", folder.path().string()); }),
              "Line 2 of file \"" + folder.file("node0.out") + "\" has 4 fields; 7 are needed");
    EXPECT_EQ(store.nodes[2].histUZ[1], 6.0);
    EXPECT_EQ(store.nodes[2].histUZ[2], 0.0);
}

} // namespace
} // namespace kelvane
