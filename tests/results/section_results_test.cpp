#include "common/number_format.h"
#include "results/result_display.h"
#include "results/section_layout.h"
#include "results/section_results.h"
#include "results_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvane {
namespace {

using test::errorOf;
using test::resultsData;

using test::storeWithFrameTypes;

TEST(SectionLayout, ValuesPerFrameFollowTheElementAndTheAggregator) {
    AnalysisSettings plain;
    AnalysisSettings aggregated;
    aggregated.useAggregator = true;
    const RecordedSection first = RecordedSection::First, last = RecordedSection::Last;
    EXPECT_EQ(sectionValueCount(NonlinearBeamColumn, last, plain), 4);
    EXPECT_EQ(sectionValueCount(DispBeamColumn, first, aggregated), 7);
    EXPECT_EQ(sectionValueCount(BeamWithHinge, first, aggregated), 7);
    EXPECT_EQ(sectionValueCount(BeamWithHinge, last, aggregated), 4); // section 3 is an interior section
    EXPECT_EQ(sectionValueCount(Truss, first, aggregated), 4);
    EXPECT_EQ(sectionValueCount(CorotTruss, last, plain), 0);
    EXPECT_EQ(sectionValueCount(ElasticBeamColumn, first, plain), 0);
    EXPECT_EQ(sectionValueCount(RigidLink, first, plain), 0);
    aggregated.numIntgrPts = 6;
    EXPECT_EQ(sectionValueCount(BeamWithHinge, last, aggregated), 7); // section 6 is the J hinge
    plain.numIntgrPts = 1;
    EXPECT_EQ(sectionValueCount(Truss, last, plain), 4);
}

TEST(SectionDeformation, ReadsEachFramesValuesAtItsOwnOffsetInTheRecorderNumbering) {
    // ele1 holds frames 1-100, ele2 101-200, ele0 the remainder 201-250 (see tests/data/results).
    std::vector<std::int32_t> types;
    for (int f = 1; f <= 250; ++f)
        types.push_back(f % 10 == 0 ? ElasticBeamColumn : f % 10 == 5 ? Truss : NonlinearBeamColumn);
    ModelStore store = storeWithFrameTypes(types);
    ResultDisplay display;
    ASSERT_TRUE(
        loadSectionDeformation(store, resultsData("frames250"), 2, AxialStrain, AnalysisSettings{}, display));
    for (int f : {1, 99, 101, 199, 201, 249}) {
        EXPECT_NEAR(store.frames[static_cast<std::size_t>(f)].hingeValueI, f * 2e-6, 1e-15) << f;
        EXPECT_NEAR(store.frames[static_cast<std::size_t>(f)].hingeValueJ, -f * 2e-6, 1e-15) << f;
    }
    EXPECT_NEAR(store.frames[205].hingeValueI, 205 * 2e-6, 1e-15); // a truss: first section only
    EXPECT_EQ(store.frames[205].hingeValueJ, 0.0);
    EXPECT_EQ(store.frames[250].hingeValueI, 0.0); // elastic: no values
    EXPECT_NEAR(display.ColourRangeMax, 249 * 2e-6, 1e-15);
    EXPECT_NEAR(display.ColourRangeMin, -249 * 2e-6, 1e-15);
}

class SmallSectionFiles : public ::testing::Test {
  protected:
    std::string load(const std::string& first, const std::string& last, std::int32_t component,
                     std::int32_t step = 1) {
        test::writeFile(folder.file("ele0_secs.out"), first);
        test::writeFile(folder.file("ele0_secn.out"), last);
        return errorOf([&] {
            computed =
                loadSectionDeformation(store, folder.path().string(), step, component, analysis, display);
        });
    }
    test::TempDir folder;
    ModelStore store = storeWithFrameTypes({NonlinearBeamColumn, NonlinearBeamColumn, NonlinearBeamColumn});
    AnalysisSettings analysis;
    ResultDisplay display;
    bool computed = false;
};

TEST_F(SmallSectionFiles, MixedElementsWithTheAggregatorTakeTheirOwnOffsets) {
    store = storeWithFrameTypes({Truss, BeamWithHinge, ElasticBeamColumn, NonlinearBeamColumn});
    analysis.useAggregator = true;
    // First section: 4 + 7 + 0 + 7 values; last section: 0 + 4 + 0 + 7. Every field holds its index.
    EXPECT_EQ(
        load("0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18\n", "0 1 2 3 4 5 6 7 8 9 10 11\n", CurvatureKz),
        "");
    const double expectedI[] = {2, 6, 0, 13}, expectedJ[] = {0, 2, 0, 6};
    for (std::size_t f = 1; f <= 4; ++f) {
        EXPECT_EQ(store.frames[f].hingeValueI, expectedI[f - 1]) << f;
        EXPECT_EQ(store.frames[f].hingeValueJ, expectedJ[f - 1]) << f;
    }
}

TEST_F(SmallSectionFiles, TheRangeSpansBothEndsOfEveryFrameAndMayHaveZeroWidth) {
    EXPECT_EQ(load("0 0.001 0 0 0 -0.003 0 0 0 0.0005 0 0 0\n", "0 0.002 0 0 0 0 0 0 0 -0.001 0 0 0\n",
                   AxialStrain),
              "");
    ASSERT_TRUE(computed);
    EXPECT_EQ(formatGeneral(display.ColourRangeMax), "0.002");
    EXPECT_EQ(formatGeneral(display.ColourRangeMin), "-0.003");
    const std::string zeros = "0 0 0 0 0 0 0 0 0 0 0 0 0\n";
    EXPECT_EQ(load(zeros, zeros, AxialStrain), "");
    EXPECT_EQ(display.ColourRangeMax, 0.0);
    EXPECT_EQ(display.ColourRangeMin, 0.0);
}

TEST_F(SmallSectionFiles, BadInputsStopTheReadWithTheirMessages) {
    const std::string full = "0 1 2 3 4 5 6 7 8 9 10 11 12\n";
    EXPECT_EQ(load(full, "0 1 2 3 4 5 6 7 8 9 10\n", AxialStrain),
              "Line 1 of file \"" + folder.file("ele0_secn.out") + "\" has 11 fields; 13 are needed");
    EXPECT_FALSE(computed);
    EXPECT_EQ(display.ColourRangeMax, ResultDisplay{}.ColourRangeMax);
    EXPECT_EQ(store.frames[3].hingeValueI, 9.0); // the first-section file was read before the failure
    const std::string bad = "0 1 x 3 4 5 6 7 8 9 10 11 12\n";
    EXPECT_EQ(load(bad, full, AxialStrain), ""); // x is not the component read
    EXPECT_EQ(load(bad, full, CurvatureKz), "'x' is not a valid floating point value");
    EXPECT_EQ(load(full, full, AxialStrain, 2),
              "List index out of bounds (1): step 2 is past the end of ele0_secs.out, whose last step is 1");
    EXPECT_EQ(load(full, full, 4), "Section deformation component 4 is not 1, 2 or 3");
}

TEST(SectionDeformation, NoFramesReadsNothingAndLeavesTheRange) {
    ModelStore store = test::storeWith(0, 0);
    store.frameCount = -1;
    ResultDisplay display;
    display.ColourRangeMax = 7;
    EXPECT_FALSE(
        loadSectionDeformation(store, "/nonexistent-folder", 1, AxialStrain, AnalysisSettings{}, display));
    EXPECT_EQ(display.ColourRangeMax, 7.0);
}

TEST(ApplyResultDisplay, ConvertsMaxMinAndScaleInThatOrder) {
    ResultDisplay display;
    applyResultDisplay(display, "0.002", "-3E-3", "50");
    EXPECT_EQ(display.ColourRangeMin, -0.003);
    EXPECT_EQ(display.DeformationScale, 50.0);
    EXPECT_EQ(errorOf([&] { applyResultDisplay(display, "1", "x", "2"); }),
              "Min Value: 'x' is not a valid floating point value");
    EXPECT_EQ(display.ColourRangeMax, 1.0); // assigned before the failure
    EXPECT_EQ(display.DeformationScale, 50.0);
}

} // namespace
} // namespace kelvane
