#include "solver/solver_fixture.h"

#include "assess/storey_drifts.h"
#include "model/model_import.h"
#include "results/curves.h"

#include <cmath>
#include <filesystem>
#include <optional>

namespace kelvane::test {
namespace {

// tests/data/solver/two-storey-shear-frame.s2k: two storeys of 3000 with four columns 400 (along X)
// x 300, floor joints held against R1 and R2, so that each storey is a shear spring of k = 4 x 12 E I
// / h^3 = 48 x 200000 x (300 x 400^3 / 12) / 3000^3 = 568889 N/mm along X; a mass of 10 on each
// floor's diaphragm master (13, 14). The uniform pattern pushes both floors with F: storey shears
// 2F and F, sways 2F/k and 3F/k. The roof pushed 5 mm a step: F = 5k/3 = 948148 N at step 1, so
// (the node files keep six digits) drifts 2F/k/h = 10/3/3000 = 0.00111111 and 0.000555556, shears 1896296 and
// 948148; twice that at step 2.
class StoreyDriftTest : public SolverTest {
  protected:
    void checkPushedShearFrame(const std::string& elementForce);
};

// Without element force files the shears are the base shear times the share of the pattern's forces
// above each storey: the same values.
TEST_F(StoreyDriftTest, DriftsAndShearsOfAPushedShearFrameAreVOverKPerStorey) {
    for (const char* elementForce : {"elementForce=1", "elementForce=0"}) {
        SCOPED_TRACE(elementForce);
        checkPushedShearFrame(elementForce);
    }
}

void StoreyDriftTest::checkPushedShearFrame(const std::string& elementForce) {
    const std::string model = dataPath("solver/two-storey-shear-frame.s2k");
    std::filesystem::remove(file("ele0.out")); // of the run before
    ASSERT_FALSE(
        writeAndRun(model, {"analysisType=2", "dispControlCase=1", "controlNode=14", "controlDof=1",
                            "controlDisp=5", "dispSteps=2", "pushPattern=2", elementForce, "baseReactions=1"})
            .empty());
    const ModelStore store = importedModel(model);
    AnalysisSettings analysis;
    analysis.analysisType = SingleDisplacementControl;
    analysis.pushPattern = PushUniform;
    analysis.controlNode = 14;
    const double k = 48.0 * 200000.0 * (300.0 * std::pow(400.0, 3) / 12.0) / std::pow(3000.0, 3);
    const double force = 5.0 * k / 3.0;
    struct Case {
        ProfileMoment moment;
        std::optional<int> step;
        double scale; // of the step-1 values
    };
    const Case cases[] = {{ProfileMoment::Step, 1, 1.0},
                          {ProfileMoment::Step, std::nullopt, 2.0},
                          {ProfileMoment::Envelope, std::nullopt, 2.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scale);
        const StoreyProfile profile = storeyProfile(store, analysis, folder(), 1, c.moment, c.step);
        ASSERT_TRUE(profile.hasShear);
        EXPECT_EQ(profile.notes.size(), elementForce == "elementForce=1" ? 0u : 1u);
        ASSERT_EQ(profile.storeys.size(), 2u);
        const double shears[] = {2 * force * c.scale, force * c.scale};
        for (std::size_t i = 0; i < 2; ++i) {
            const StoreyValues& s = profile.storeys[i];
            EXPECT_DOUBLE_EQ(s.top - s.bottom, 3000.0);
            EXPECT_NEAR(s.driftX, shears[i] / k / 3000.0, 1e-5 * shears[i] / k / 3000.0)
                << "storey " << i + 1;
            EXPECT_NEAR(s.shearX, shears[i], 1e-6 * shears[i]) << "storey " << i + 1;
            EXPECT_NEAR(s.driftY, 0.0, 1e-12);
            EXPECT_NEAR(s.shearY, 0.0, 1e-6);
        }
    }
    // The first storey carries the base shear the supports' reactions give.
    const Curve pushover = pushoverCurve(store, analysis, folder(), 14, 1);
    EXPECT_NEAR(storeyProfile(store, analysis, folder(), 1, ProfileMoment::Step, 2).storeys[0].shearX,
                pushover.y.back(), 1e-6 * pushover.y.back());
}

} // namespace
} // namespace kelvane::test
