#include "assess/storey_drifts.h"
#include "model/colour_table.h"
#include "model/model_import.h"
#include "results_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

// The moment a storey profile shows, from hand-made node files of the portal (joints 3 and 4 on the
// floor at 3000 above the supports 1 and 2).
namespace kelvane {
namespace {

using ::testing::HasSubstr;

TEST(StoreyProfileTest, PeakAndEnvelopeOfATimeHistoryAndNoShearWithoutElementFiles) {
    test::TempDir dir;
    // Floor sway (mean of joints 3 and 4) along X: 1, -3, 2; along Y: 0.6, 0, -0.3.
    test::writeFile(dir.file("node0.out"), "0.1 0 0 0 0 0 0 1.2 0.6 0 0.8 0.6 0\n"
                                           "0.2 0 0 0 0 0 0 -3 0 0 -3 0 0\n"
                                           "0.3 0 0 0 0 0 0 2 -0.3 0 2 -0.3 0\n");
    const ModelStore store =
        importModelFile(test::dataPath("results/portal/portal.s2k"), initPalette()).store;
    AnalysisSettings analysis;
    analysis.analysisType = TimeHistoryAnalysis;
    struct Case {
        ProfileMoment moment;
        std::optional<int> step;
        int stepShown;
        double driftX, driftY;
    };
    const Case cases[] = {
        {defaultProfileMoment(analysis), std::nullopt, 2, -3.0 / 3000, 0.0},
        {ProfileMoment::Step, 1, 1, 1.0 / 3000, 0.6 / 3000},
        {ProfileMoment::Step, std::nullopt, 3, 2.0 / 3000, -0.3 / 3000},
        {ProfileMoment::Envelope, std::nullopt, 0, -3.0 / 3000, 0.6 / 3000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stepShown);
        const StoreyProfile profile =
            storeyProfile(store, analysis, dir.path().string(), 1, c.moment, c.step);
        EXPECT_EQ(profile.step, c.stepShown);
        ASSERT_EQ(profile.storeys.size(), 1u);
        EXPECT_NEAR(profile.storeys[0].driftX, c.driftX, 1e-15);
        EXPECT_NEAR(profile.storeys[0].driftY, c.driftY, 1e-15);
        EXPECT_FALSE(profile.hasShear);
        ASSERT_EQ(profile.notes.size(), 1u);
        EXPECT_THAT(profile.notes[0], HasSubstr("elementForce=1"));
    }
    EXPECT_THAT(test::errorOf(
                    [&] { storeyProfile(store, analysis, dir.path().string(), 1, ProfileMoment::Step, 4); }),
                HasSubstr("Step 4 is not a recorded step: the files hold steps 1 to 3"));
}

} // namespace
} // namespace kelvane
