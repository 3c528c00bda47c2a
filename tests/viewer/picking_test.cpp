#include "common/error.h"
#include "viewer/picking.h"
#include "viewer/view_state.h"
#include "viewer_test_models.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

using namespace kelvane::test;

void placeMidpoint(ModelStore& model, int frame, int x, int y) {
    model.frames[static_cast<std::size_t>(frame)].ScreenX = x;
    model.frames[static_cast<std::size_t>(frame)].ScreenY = y;
}

TEST(PickFrame, BoxHoldsItsLeftAndTopEdgesButNotItsRightAndBottomOnes) {
    ModelStore model;
    addFrame(model, 0, 0, 0);
    placeMidpoint(model, 1, 100, 100);
    EXPECT_EQ(PickFrame(model, 95, 95), 1);
    EXPECT_EQ(PickFrame(model, 104, 104), 1);
    EXPECT_EQ(PickFrame(model, 105, 100), 0);
    EXPECT_EQ(PickFrame(model, 100, 105), 0);
    EXPECT_EQ(PickFrame(model, 94, 100), 0);
    EXPECT_EQ(PickFrame(model, 100, 94), 0);
}

TEST(PickFrame, HigherNumberWinsWhereBoxesOverlap) {
    ModelStore model;
    for (int k = 0; k < 3; ++k)
        addFrame(model, 0, 0, 0);
    placeMidpoint(model, 1, 100, 100);
    placeMidpoint(model, 2, 106, 100);
    placeMidpoint(model, 3, 300, 300);
    EXPECT_EQ(PickFrame(model, 102, 100), 2);
    EXPECT_EQ(PickFrame(model, 96, 100), 1);
}

TEST(PickFrame, NoFramesPickNothing) {
    ModelStore model;
    model.frameCount = -1;
    EXPECT_EQ(PickFrame(model, 0, 0), 0);
}

struct FrameProperties : ::testing::Test {
    ModelStore model;
    void SetUp() override {
        model.materials.resize(2);
        model.materialCount = 1;
        model.materials[1].name = "C30";
        const int section = addSection(model, 0, NonlinearBeamColumn, "COL400");
        model.frameSections[static_cast<std::size_t>(section)].material = 1;
        addFrame(model, 3, 8, section);
        model.frames[1].angle = 30.5;
        addFrame(model, 4, 5, 0);
    }
};

TEST_F(FrameProperties, SevenRowsNameTheFrameItsJointsSectionTypeAndMaterial) {
    const FramePropertyRows expected = {{{"Label", "1"},
                                         {"Node i", "3"},
                                         {"Node j", "8"},
                                         {"Angle", "30.5"},
                                         {"Section", "COL400"},
                                         {"Element Type", "2"},
                                         {"Material", "C30"}}};
    EXPECT_EQ(framePropertyRows(model, "1"), expected);
}

// A table-format model names its frames and joints by the file's labels; the box then holds the
// label, and a label that reads like a number still means its own frame.
TEST_F(FrameProperties, FileLabelsNameTheFrameAndItsJoints) {
    model.nodes.resize(9);
    model.nodeCount = 8;
    model.nodes[3].label = "A3";
    model.frames[1].label = "2";
    model.frames[2].label = "B7";
    EXPECT_EQ(frameLabelText(model, 1), "2");
    const FramePropertyRows rows = framePropertyRows(model, "2");
    EXPECT_EQ(rows[0].second, "2");
    EXPECT_EQ(rows[1].second, "A3");
    EXPECT_EQ(rows[2].second, "8") << "a joint without a label shows its number";
    EXPECT_EQ(rows[4].second, "COL400");
    EXPECT_EQ(framePropertyRows(model, "B7")[1].second, "4");
    model.frames[2].label.clear();
    EXPECT_EQ(frameLabelText(model, 2), "2");
}

TEST_F(FrameProperties, UnmatchedSectionShowsEmptyNamesAndTypeZero) {
    const auto rows = framePropertyRows(model, "2");
    EXPECT_EQ(rows[3].second, "0");
    EXPECT_EQ(rows[4].second, "");
    EXPECT_EQ(rows[5].second, "0");
    EXPECT_EQ(rows[6].second, "");
}

TEST_F(FrameProperties, EndForcesFollowInTheChosenUnitsOnceRead) {
    auto rows = frameForceRows(model, "1", UnitsKilonewtonMetre);
    EXPECT_EQ(rows[0], (std::pair<std::string, std::string>{"N i [kN]", ""}));
    EXPECT_EQ(rows[11], (std::pair<std::string, std::string>{"M3 j [kN\xB7m]", ""}));
    TFRAME& frame = model.frames[1];
    frame.hasEndForces = true;
    frame.endForces = {1500, 2, 3, 4e6, 5, 6, 7, 8, 9, 10, 11, -6.25e6};
    rows = frameForceRows(model, "1", UnitsKilonewtonMetre);
    EXPECT_EQ(rows[0].second, "1.5");
    EXPECT_EQ(rows[3], (std::pair<std::string, std::string>{"T i [kN\xB7m]", "4"}));
    EXPECT_EQ(rows[11].second, "-6.25");
    rows = frameForceRows(model, "1", UnitsNewtonMillimetre);
    EXPECT_EQ(rows[6], (std::pair<std::string, std::string>{"N j [N]", "7"}));
    EXPECT_EQ(rows[11], (std::pair<std::string, std::string>{"M3 j [N\xB7mm]", "-6250000"}));
}

// No frame picked: an empty box, and the grid shows its captions and nothing else.
TEST_F(FrameProperties, NoFramePickedListsNothing) {
    EXPECT_EQ(frameLabelText(model, 0), "");
    const FramePropertyRows rows = framePropertyRows(model, "");
    for (std::size_t row = 0; row < rows.size(); ++row)
        EXPECT_EQ(rows[row].second, "") << rows[row].first;
    EXPECT_EQ(rows[6].first, "Material");
    model.frames[0].hasEndForces = true; // entry 0 is no frame, whatever it holds
    const FrameForceRows forces = frameForceRows(model, "", UnitsKilonewtonMetre);
    EXPECT_EQ(forces[0], (std::pair<std::string, std::string>{"N i [kN]", ""}));
    EXPECT_EQ(forces[11].second, "");
}

TEST_F(FrameProperties, TextThatIsNotAFrameNumberStopsWithAMessage) {
    try {
        framePropertyRows(model, "x1");
        FAIL() << "no error";
    } catch (const KelvaneError& error) {
        EXPECT_STREQ(error.what(), "'x1' is not a valid integer value");
    }
    for (const char* outside : {"0", "3", "-1"}) {
        try {
            framePropertyRows(model, outside);
            FAIL() << "no error for " << outside;
        } catch (const KelvaneError& error) {
            EXPECT_NE(std::string(error.what()).find(std::string("Frame ") + outside), std::string::npos)
                << error.what();
        }
    }
}

} // namespace
} // namespace kelvane
