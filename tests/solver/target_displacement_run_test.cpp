#include "solver/solver_fixture.h"

#include "assess/performance.h"
#include "assess/seismic_demand.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace kelvane::test {
namespace {

// tests/data/solver/shear-building.s2k along X: three shear storeys k = 48 x 200000 x (300 x 400^3 /
// 12) / 3000^3 = 568889 N/mm and floor masses m = 10. Mode 1 of the chain: omega^2 = k/m (2 - 2
// cos(pi/7)) = 11267.5, T1 = 0.059192 s, Phi = sin(i pi/7) / sin(3 pi/7) = 0.445042, 0.801938, 1:
// m* = 10 x 2.246980 = 22.4698, sum m Phi^2 = 18.41166, Gamma = 1.220410. Pushed 10 mm by the
// first-mode pattern the frame stays elastic, so both methods give the elastic modal response of the
// roof, Gamma Sa(T1) g T1^2 / 4 pi^2: EC8 type 1, ag 0.3 g, ground B: Sa = 0.36 (1 + 0.059192 / 0.15 x
// 1.5) = 0.573092 g, dt = 1.220410 x 0.573092 x 9806.65 x 8.8751e-5 = 0.608727 mm; ASCE 7 SDS 1, SD1
// 0.6 (T0 = 0.12): Sa = 0.4 + 0.6 x 0.059192 / 0.12 = 0.695962 g, dt = 0.739236 mm, with C1 = C2 = 1
// when Cm is the mode's share of the mass, (sum m Phi)^2 / (sum m x sum m Phi^2) = 504.892 / 552.350
// = 0.914081: the bilinear fit ends at the target, Vy = Ki dt = m* Gamma Sa g and mu_strength = 1.
// The storeys then drift dt (Phi_i - Phi_i-1) / 3000: 0.445042, 0.356896 and 0.198062 of dt / 3000.
class TargetDisplacementRunTest : public SolverTest {};

TEST_F(TargetDisplacementRunTest, AnElasticShearBuildingMovesAsItsFirstModeSays) {
    const std::string model = dataPath("solver/shear-building.s2k");
    ASSERT_FALSE(writeAndRun(model, {"analysisType=2", "dispControlCase=1", "controlNode=19", "controlDof=1",
                                     "controlDisp=5", "dispSteps=2", "pushPattern=1", "baseReactions=1"})
                     .empty());
    const ModelStore store = importedModel(model);
    AnalysisSettings analysis;
    analysis.analysisType = SingleDisplacementControl;
    analysis.pushPattern = PushFirstMode;
    analysis.controlNode = 19;
    const double k = 48.0 * 200000.0 * (300.0 * std::pow(400.0, 3) / 12.0) / std::pow(3000.0, 3);
    const double omega2 = k / 10.0 * (2 - 2 * std::cos(std::numbers::pi / 7));
    const double t1 = 2 * std::numbers::pi / std::sqrt(omega2);
    struct Case {
        TargetMethod method;
        const char* spectrum;
        double sa;
        double cm;
    };
    const Case cases[] = {
        {TargetMethod::N2, "ec8:type=1,ag=0.3g,ground=B", 0.36 * (1 + t1 / 0.15 * 1.5), 1.0},
        {TargetMethod::Asce41, "asce7:sds=1,sd1=0.6", 0.4 + 0.6 * t1 / 0.12, 0.914081}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spectrum);
        PerformanceRequest request;
        request.dof = 1;
        request.method = c.method;
        request.spectrum = c.spectrum;
        request.asce41.cm = c.cm;
        const PerformanceReport report = assessPerformance(store, analysis, folder(), request);
        const double gamma = 2.246980 / 1.841166;
        const double expected = gamma * c.sa * 9806.65 * t1 * t1 / (4 * std::numbers::pi * std::numbers::pi);
        EXPECT_NEAR(report.targetDisplacement, expected, 1e-3 * expected);
        const std::string gammaLine = c.method == TargetMethod::N2 ? "Gamma=1.2204" : "C0=1.2204";
        EXPECT_NE(std::find(report.lines.begin(), report.lines.end(), gammaLine), report.lines.end());
        const double shares[] = {0.445042, 0.356896, 0.198062};
        for (int storey = 1; storey <= 3; ++storey) {
            const std::string name = "drift_ratio_at_target_storey_" + std::to_string(storey) + "=";
            const auto line = std::find_if(report.lines.begin(), report.lines.end(),
                                           [&](const std::string& l) { return l.starts_with(name); });
            ASSERT_NE(line, report.lines.end()) << name;
            const double drift = shares[storey - 1] * report.targetDisplacement / 3000;
            EXPECT_NEAR(std::stod(line->substr(name.size())), drift, 1e-4 * drift) << name;
        }
    }
    // The report of the same run holds the storeys' drifts and the N2 target with its terms.
    const CommandResult written = runCommand(
        shellQuoted(binPath("kelvane-cli")) + " report " + shellQuoted(model) + " " + shellQuoted(folder()) +
        " -o " + shellQuoted(file("report.html")) +
        " --method n2 --spectrum ec8:type=1,ag=0.3g,ground=B --set analysisType=2 --set controlNode=19"
        " --set pushPattern=1");
    ASSERT_EQ(written.exitCode, 0) << written.err;
    const std::string html = readFile(file("report.html"));
    for (const char* part :
         {"<th>Drift X (%)</th>", "<tr><th>Gamma</th><td class=\"number\">1.2204</td></tr>",
          "<figcaption>Interstorey drift ratios along X"})
        EXPECT_NE(html.find(part), std::string::npos) << part;
}

} // namespace
} // namespace kelvane::test
