#include "common/number_format.h"
#include "results/result_display.h"
#include "results/section_results.h"
#include "results_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace kelvane {
namespace {

using test::errorOf;
using test::resultsData;
using test::storeWith;

TEST(SectionDeformation, ReadsFirstAndLastSectionFilesInTheRecorderNumbering) {
    // ele1 holds frames 1-100, ele2 frames 101-200 and ele0 the remainder 201-250.
    ModelStore store = storeWith(0, 250);
    ResultDisplay display;
    ASSERT_TRUE(loadSectionDeformation(store, resultsData("frames250"), 2, AxialStrain, display));
    for (int f : {1, 100, 101, 200, 201, 250}) {
        EXPECT_NEAR(store.frames[static_cast<std::size_t>(f)].hingeValueI, f * 2e-6, 1e-15) << f;
        EXPECT_NEAR(store.frames[static_cast<std::size_t>(f)].hingeValueJ, -f * 2e-6, 1e-15) << f;
    }
    EXPECT_NEAR(display.ColourRangeMax, 0.0005, 1e-15);
    EXPECT_NEAR(display.ColourRangeMin, -0.0005, 1e-15);
}

class SmallSectionFiles : public ::testing::Test {
  protected:
    std::string load(const std::string& first, const std::string& last, std::int32_t component,
                     std::int32_t step = 1) {
        test::writeFile(folder.file("ele0_secs.out"), first);
        test::writeFile(folder.file("ele0_secn.out"), last);
        return errorOf([&] {
            computed = loadSectionDeformation(store, folder.path().string(), step, component, display);
        });
    }
    test::TempDir folder;
    ModelStore store = storeWith(0, 3);
    ResultDisplay display;
    bool computed = false;
};

TEST_F(SmallSectionFiles, CurvatureKzReadsFieldsTwoFiveAndEight) {
    EXPECT_EQ(load("0 11 12 13 21 22 23 31 32 33\n", "0 -11 -12 -13 -21 -22 -23 -31 -32 -33\n", CurvatureKz),
              "");
    EXPECT_EQ(store.frames[1].hingeValueI, 12.0);
    EXPECT_EQ(store.frames[2].hingeValueI, 22.0);
    EXPECT_EQ(store.frames[3].hingeValueJ, -32.0);
}

TEST_F(SmallSectionFiles, TheRangeSpansBothEndsOfEveryFrameAndMayHaveZeroWidth) {
    EXPECT_EQ(load("0 0.001 0 0 -0.003 0 0 0.0005 0 0\n", "0 0.002 0 0 0 0 0 -0.001 0 0\n", AxialStrain), "");
    ASSERT_TRUE(computed);
    EXPECT_EQ(formatGeneral(display.ColourRangeMax), "0.002");
    EXPECT_EQ(formatGeneral(display.ColourRangeMin), "-0.003");
    EXPECT_EQ(load("0 0 0 0 0 0 0 0 0 0\n", "0 0 0 0 0 0 0 0 0 0\n", AxialStrain), "");
    EXPECT_EQ(display.ColourRangeMax, 0.0);
    EXPECT_EQ(display.ColourRangeMin, 0.0);
}

TEST_F(SmallSectionFiles, BadInputsStopTheReadWithTheirMessages) {
    EXPECT_EQ(load("0 1 2 3 4 5 6 7 8 9\n", "0 1 2 3\n", AxialStrain),
              "Line 1 of file \"" + folder.file("ele0_secn.out") + "\" has 4 fields; 10 are needed");
    EXPECT_FALSE(computed);
    EXPECT_EQ(display.ColourRangeMax, ResultDisplay{}.ColourRangeMax);
    EXPECT_EQ(store.frames[3].hingeValueI, 7.0); // the first-section file was read before the failure
    EXPECT_EQ(load("0 1 x 3 4 5 6 7 8 9\n", "0 1 2 3 4 5 6 7 8 9\n", AxialStrain),
              ""); // x is not the component
    EXPECT_EQ(load("0 1 x 3 4 5 6 7 8 9\n", "0 1 2 3 4 5 6 7 8 9\n", CurvatureKz),
              "'x' is not a valid floating point value");
    EXPECT_EQ(load("0\n", "0\n", AxialStrain, 2), "List index out of bounds (1)");
    EXPECT_EQ(load("0\n", "0\n", 4), "Section deformation component 4 is not 1, 2 or 3");
}

TEST(SectionDeformation, NoFramesReadsNothingAndLeavesTheRange) {
    ModelStore store = storeWith(0, 0);
    store.frameCount = -1;
    ResultDisplay display;
    display.ColourRangeMax = 7;
    EXPECT_FALSE(loadSectionDeformation(store, "/nonexistent-folder", 1, AxialStrain, display));
    EXPECT_EQ(display.ColourRangeMax, 7.0);
}

TEST(ApplyResultDisplay, ConvertsMaxMinAndScaleInThatOrder) {
    ResultDisplay display;
    applyResultDisplay(display, "0.002", "-3E-3", "50");
    EXPECT_EQ(display.ColourRangeMin, -0.003);
    EXPECT_EQ(display.DeformationScale, 50.0);
    EXPECT_EQ(errorOf([&] { applyResultDisplay(display, "1", "x", "2"); }),
              "'x' is not a valid floating point value");
    EXPECT_EQ(display.ColourRangeMax, 1.0); // assigned before the failure
    EXPECT_EQ(display.DeformationScale, 50.0);
}

} // namespace
} // namespace kelvane
