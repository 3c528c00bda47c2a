#include "batch/run_peaks.h"
#include "batch/storey_layout.h"
#include "common/error.h"
#include "model/colour_table.h"
#include "model/model_import.h"
#include "support/test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

// The floors an ensemble judges its runs by, and the peaks read from the node recorder files.
namespace kelvane {
namespace {

using ::testing::HasSubstr;

ModelStore model(const std::string& name) {
    return importModelFile(test::dataPath(name), initPalette()).store;
}

std::vector<std::pair<double, std::vector<std::int32_t>>> floorsOf(const StoreyLayout& layout) {
    std::vector<std::pair<double, std::vector<std::int32_t>>> floors;
    for (const FloorLevel& floor : layout.floors)
        floors.emplace_back(floor.elevation, floor.joints);
    return floors;
}

TEST(StoreyLayout, FloorsComeFromTheDiaphragmsOrTheElevations) {
    using Floors = std::vector<std::pair<double, std::vector<std::int32_t>>>;
    // Three diaphragms, retained joints 17, 18, 19; the supports 1 to 4 are the ground.
    EXPECT_EQ(floorsOf(storeyLayout(model("solver/shear-building.s2k"), 1, 0)),
              (Floors{{0, {1, 2, 3, 4}}, {3000, {17}}, {6000, {18}}, {9000, {19}}}));
    // The portal's diaphragm retains joint 5.
    ModelStore portal = model("solver/portal.s2k");
    EXPECT_EQ(floorsOf(storeyLayout(portal, 2, 0)), (Floors{{0, {1, 3}}, {3000, {5}}}));
    // Without it, the joints the frames connect at the beam's elevation are the floor (joint 5
    // stands alone).
    portal.diaphragmCount = 0;
    EXPECT_EQ(floorsOf(storeyLayout(portal, 2, 0)), (Floors{{0, {1, 3}}, {3000, {2, 4}}}));

    const StoreyLayout layout = storeyLayout(model("solver/shear-building.s2k"), 2, 100);
    const std::vector<std::string> lines = storeyLines(layout);
    EXPECT_EQ(lines, (std::vector<std::string>{"Kelvane storeys 1", "direction 2", "gravity-steps 100",
                                               "floor 0 1 2 3 4", "floor 3000 17", "floor 6000 18",
                                               "floor 9000 19"}));
    test::TempDir dir;
    test::writeFile(dir.file("storeys.txt"),
                    "Kelvane storeys 1\r\ndirection 2\r\ngravity-steps 100\r\n"
                    "floor 0 1 2 3 4\r\nfloor 3000 17\r\nfloor 6000 18\r\nfloor 9000 19\r\n");
    const StoreyLayout read = readStoreyLayout(dir.file("storeys.txt"));
    EXPECT_EQ(std::make_pair(read.direction, read.gravitySteps), std::make_pair(2, 100));
    EXPECT_EQ(floorsOf(read), floorsOf(layout));
}

TEST(StoreyLayout, AModelThatCannotShowADriftIsRefused) {
    const auto failure = [](const ModelStore& store, int direction) -> std::string {
        try {
            storeyLayout(store, direction, 0);
        } catch (const KelvaneError& e) {
            return e.what();
        }
        return "no error";
    };
    ModelStore floating = model("solver/portal.s2k");
    for (int j = 1; j <= floating.nodeCount; ++j)
        floating.nodes[static_cast<std::size_t>(j)].restraint[1] = 0;
    EXPECT_EQ(failure(floating, 1), "The model has no support restrained along X: the record would shake "
                                    "nothing, and no storey drift can be read");
    ModelStore flat = model("solver/portal.s2k");
    for (int j = 1; j <= flat.nodeCount; ++j)
        flat.nodes[static_cast<std::size_t>(j)].z = 0;
    EXPECT_EQ(failure(flat, 1),
              "The model has no floor above its supports (elevation 0): no storey drift can be read");
    EXPECT_THAT(failure(flat, 4), HasSubstr("the peaks are read along X, Y or Z: 1, 2 or 3"));
}

// Joints 1 (ground), 2 and 3 (the first floor, 3000 up, moving as their mean) and 4 (the roof,
// 6000 up), in one node file of three translations each; the peaks read along Y.
TEST(RunPeaks, TheRoofTheDriftAndItsTimeFromTheNodeFile) {
    test::TempDir run;
    // time, then UX UY UZ of joints 1 to 4.
    test::writeFile(run.file("node0.out"),
                    "1 0 0 0 0 99 0 0 99 0 0 99 0\n"    // a gravity step, left out
                    "0.1 0 0 0 0 3 0 0 5 0 0 7 0\n"     // floor 4: drifts 4/3000, 3/3000
                    "0.2 0 0 0 0 -9 0 0 -3 0 0 -20 0\n" // floor -6: drifts 6/3000, 14/3000
                    "0.3 0 0 0 0 1 0 0 1 0 0 2 0\n");
    StoreyLayout layout;
    layout.direction = 2;
    layout.gravitySteps = 1;
    layout.floors = {{0, {1}}, {3000, {2, 3}}, {6000, {4}}};
    const RunPeaks peaks = readRunPeaks(layout, run.path().string());
    EXPECT_EQ(peaks.roofDisplacement, 20);
    EXPECT_DOUBLE_EQ(peaks.driftRatio, 14.0 / 3000);
    EXPECT_EQ(peaks.time, 0.2);
    EXPECT_EQ(peaks.storey, 2);

    layout.gravitySteps = 4;
    try {
        readRunPeaks(layout, run.path().string());
        ADD_FAILURE() << "a run without a step of the history gave peaks";
    } catch (const KelvaneError& e) {
        EXPECT_THAT(e.what(),
                    HasSubstr("hold 4 steps, none of the time history after the 4 of the gravity stage"));
    }
}

// Joints beyond 100 are in the next node file.
TEST(RunPeaks, JointsOfLaterBlocksAreReadFromTheirFiles) {
    test::TempDir run;
    std::string first = "0.5";
    for (int joint = 1; joint <= 100; ++joint)
        first += joint == 50 ? " 0 0 -2" : " 0 0 0";
    test::writeFile(run.file("node0.out"), first + "\n");
    test::writeFile(run.file("node1.out"), "0.5 0 0 0 0 0 0 0 0 8\n"); // joints 101 to 103
    StoreyLayout layout;
    layout.direction = 3;
    layout.floors = {{0, {50}}, {4000, {103}}};
    const RunPeaks peaks = readRunPeaks(layout, run.path().string());
    EXPECT_EQ(peaks.roofDisplacement, 8);
    EXPECT_EQ(peaks.driftRatio, 10.0 / 4000);
}

} // namespace
} // namespace kelvane
