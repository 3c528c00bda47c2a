#include "assess/asce41_method.h"
#include "assess/n2_method.h"
#include "assess/seismic_demand.h"
#include "results_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// Target displacements of pushover curves against hand calculations (N, mm, s; masses in t).
namespace kelvane {
namespace {

using test::errorOf;
using ::testing::HasSubstr;

// Elastic-perfectly plastic curves: stiffness k up to Vy, flat to 400 mm. g = 9806.65 mm/s^2.
//
// Column, one mass m = 100 (Gamma = 1), k = 2000, Vy = 200000: dy = 100, T* = 2 pi sqrt(100 x 100 /
//   200000) = 1.40496 s. EC8 type 1, ag = 0.3 g, ground B (S 1.2, TC 0.5): T* >= TC, Se = 0.3 x 1.2 x
//   2.5 x 0.5 / 1.40496 = 0.320293 g, dt = Se g (T*/2 pi)^2 = 3141.00 x 0.05 = 157.050 mm.
//   ASCE 7 SDS 1.0, SD1 0.6: Ti = Te = 1.40496 s > TS, Sa = 0.6 / Te = 0.427058 g, W = 980665,
//   mu = 0.427058 / (200000 / 980665) = 2.0940; Te > 1 s: C1 = C2 = 1, dt = 0.427058 g x 0.05 = 209.400 mm.
// Stiff column, m = 100, k = 20000, Vy = 400000: dy = 20, T* = 0.444288 s < TC, Se = 0.9 g, det = 0.9 g x
//   0.005 = 44.1299, qu = 0.9 g x 100 / 400000 = 2.20650, dt = 44.1299 / 2.2065 (1 + 1.2065 x 0.5 /
//   0.444288) = 20.000 x 2.357789 = 47.1557 mm. ASCE: Sa = SDS = 1.0 g, mu = 980665 / 400000 = 2.45166,
//   site D (a = 60): C1 = 1 + 1.45166 / (60 x 0.197392) = 1.122570, C2 = 1 + (1.45166 / 0.444288)^2 / 800
//   = 1.013345, dt = 1.122570 x 1.013345 x 1.0 g x 0.005 = 55.7778 mm.
// Two-mass shear building, m1 = m2 = 50, storeys k1 = k2 = 5000, pushed by F ~ m Phi with Phi = (0.5, 1):
//   m* = 25 + 50 = 75, sum m Phi^2 = 12.5 + 50 = 62.5, Gamma = 1.2. Storey shears 75 and 50 per unit load
//   give roof sway 125 / 5000 under V = 75: Ki = 3000; the first storey yields at V = 240000 (dy = 80).
//   N2: Fy* = 200000, dy* = 66.667, T* = 2 pi sqrt(75 x 66.667 / 200000) = 0.993459 s >= TC, Se = 0.45 /
//   0.993459 = 0.452963 g, dt* = 0.452963 g x 0.025 = 111.051, dt = 1.2 x 111.051 = 133.261 mm.
//   ASCE: C0 = 1.2, Ti = 2 pi sqrt(75 / 3000) = 0.993459 s, Sa = 0.6 / Ti = 0.603951 g, W = 100 g,
//   mu = 0.603951 x 980665 / 240000 = 2.46780, C1 = 1 + 1.46780 / (60 x 0.986960) = 1.024787, Te > 0.7:
//   C2 = 1, dt = 1.2 x 1.024787 x 0.603951 g x 0.025 = 182.086 mm.
struct Case {
    const char* name;
    std::vector<double> masses, phi;
    double stiffness, yield;
    double tStar, n2Target, asce41Target;
};

const Case kCases[] = {
    {"column", {100}, {1}, 2000, 200000, 1.40496, 157.050, 209.400},
    {"stiff column", {100}, {1}, 20000, 400000, 0.444288, 47.1557, 55.7778},
    {"two-mass shear building", {50, 50}, {0.5, 1}, 3000, 240000, 0.993459, 133.261, 182.086},
};

CapacityCurve elasticPlastic(double stiffness, double yield) {
    Curve pushover;
    pushover.x = {0, yield / stiffness, 400};
    pushover.y = {0, yield, yield};
    return capacityCurve(pushover);
}

TEST(TargetDisplacementTest, N2AndAsce41MatchTheHandCalculations) {
    const ResponseSpectrum ec8 = parseResponseSpectrum("ec8:type=1,ag=0.3g,ground=B,importance=1");
    const ResponseSpectrum asce7 = parseResponseSpectrum("asce7:sds=1.0,sd1=0.6,tl=8");
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        std::vector<std::int32_t> joints(c.masses.size(), 1);
        const PushShape shape = equivalentSystem(joints, c.masses, c.phi, "hand");
        const CapacityCurve curve = elasticPlastic(c.stiffness, c.yield);
        const N2Result n2 = n2TargetDisplacement(curve, shape, ec8);
        EXPECT_NEAR(n2.tStar, c.tStar, 2e-5 * c.tStar);
        EXPECT_NEAR(n2.dt, c.n2Target, 2e-5 * c.n2Target);
        const Asce41Result asce41 = asce41TargetDisplacement(curve, shape, asce7, {});
        EXPECT_NEAR(asce41.te, c.tStar, 2e-5 * c.tStar);
        EXPECT_NEAR(asce41.vy, c.yield, 1e-6 * c.yield);
        EXPECT_NEAR(asce41.dt, c.asce41Target, 2e-5 * c.asce41Target);
    }
}

// A hardening curve, elastic to (50, 100000) and then to (400, 170000), column m = 100 in the same
// EC8 spectrum. Idealised at the peak (400 mm): the work 2.5E6 + 350 x 135000 = 4.975E7 gives dy* =
// 2 (400 - 292.647) = 214.706, T* = 2 pi sqrt(100 x 214.706 / 170000) = 2.2330 s, beyond TD:
// Se = 0.9 x 0.5 x 2 / 2.2330^2 = 0.180494 g, dt = 0.180494 g x 0.126303 = 223.56 mm, far below 400.
// Idealised again at dt (F = 100000 + 200 (dt - 50)) until the two agree: the fixed point
// dt = 186.86 mm, where F = 127372, dy* = 90.155, T* = 1.67162 s, Se = 0.269199 g (settled within 0.1 %).
TEST(TargetDisplacementTest, N2IdealisesAgainAtTheTargetWhereItLiesFarFromThePeak) {
    Curve pushover;
    pushover.x = {0, 50, 400};
    pushover.y = {0, 100000, 170000};
    const PushShape shape = equivalentSystem({1}, {100}, {1}, "hand");
    const N2Result r = n2TargetDisplacement(capacityCurve(pushover), shape,
                                            parseResponseSpectrum("ec8:type=1,ag=0.3,ground=B"));
    EXPECT_NEAR(r.firstDt, 223.56, 0.02);
    EXPECT_GT(r.iterations, 0);
    EXPECT_NEAR(r.dt, 186.86, 0.2);
    EXPECT_NEAR(r.dmStar, r.dtStar, 1e-3 * r.dtStar);
}

// A curve that yields early and stays nearly flat, (10, 100000) then (400, 110000): the fit's 0.6 Vy
// lies on the elastic branch (Ke = 10000), and the bilinear curve encloses the curve's area.
TEST(TargetDisplacementTest, Asce41FitsACurveThatYieldsEarlyAndStaysFlat) {
    Curve pushover;
    pushover.x = {0, 10, 400};
    pushover.y = {0, 100000, 110000};
    const CapacityCurve curve = capacityCurve(pushover);
    const PushShape shape = equivalentSystem({1}, {100}, {1}, "hand");
    const Asce41Result r =
        asce41TargetDisplacement(curve, shape, parseResponseSpectrum("asce7:sds=1,sd1=0.6"), {});
    ASSERT_GT(r.vy, 100000);
    ASSERT_LT(r.vy, 110000);
    EXPECT_NEAR(r.ke, 10000, 1e-6 * 10000);
    const double curveArea =
        r.dd <= 10 ? 5000 * r.dd * r.dd : 500000 + 0.5 * (100000 + shearAt(curve, r.dd)) * (r.dd - 10);
    const double bilinear = 0.5 * r.dy * r.vy + 0.5 * (r.vy + r.vd) * (r.dd - r.dy);
    EXPECT_NEAR(bilinear, curveArea, 1e-6 * curveArea);
}

// Spectral accelerations on each branch of each shape (g).
TEST(TargetDisplacementTest, SpectraFollowTheirBranches) {
    struct Point {
        const char* spectrum;
        double period, sa;
    };
    const Point points[] = {
        // ag S = 0.36: 0.36 (1 + 0.075 / 0.15 x 1.5), 0.9, 0.9 x 0.5 / 1, 0.9 x 0.5 x 2 / 9
        {"ec8:type=1,ag=0.3,ground=B", 0.075, 0.63},
        {"ec8:type=1,ag=0.3,ground=B", 0.3, 0.9},
        {"ec8:type=1,ag=0.3,ground=B", 1.0, 0.45},
        {"ec8:type=1,ag=0.3,ground=B", 3.0, 0.1},
        // type 2 ground D (S 1.8, TC 0.3), importance 1.2, 10 % damping: eta = sqrt(10 / 15)
        {"ec8:type=2,ag=0.1g,ground=D,importance=1.2,damping=10", 0.2, 0.12 * 1.8 * 2.5 * 0.816497},
        // T0 = 0.12, TS = 0.6: 0.4 + 0.6 x 0.5, 1.0, 0.6 / 2, 0.6 x 4 / 25
        {"asce7:sds=1.0,sd1=0.6,tl=4", 0.06, 0.7},
        {"asce7:sds=1.0,sd1=0.6,tl=4", 0.4, 1.0},
        {"asce7:sds=1.0,sd1=0.6,tl=4", 2.0, 0.3},
        {"asce7:sds=1.0,sd1=0.6,tl=4", 5.0, 0.096},
    };
    for (const Point& p : points) {
        SCOPED_TRACE(std::string(p.spectrum) + " at " + std::to_string(p.period));
        EXPECT_NEAR(spectralAcceleration(parseResponseSpectrum(p.spectrum), p.period), p.sa, 1e-6);
    }
}

// A table spectrum interpolates and has the corner period of the code shape it samples.
TEST(TargetDisplacementTest, TableSpectrumInterpolatesAndFindsItsCorner) {
    test::TempDir dir;
    test::writeFile(dir.file("sa.csv"), "period,sa\n0,0.4\n0.5,1.0\n0.6,1.0\n1.2,0.5\n2.4,0.25\n");
    const ResponseSpectrum s = parseResponseSpectrum(dir.file("sa.csv"));
    EXPECT_NEAR(spectralAcceleration(s, 0.9), 0.75, 1e-12);
    EXPECT_NEAR(cornerPeriod(s), 0.6, 1e-12);
    EXPECT_THAT(errorOf([&] { spectralAcceleration(s, 3.0); }), HasSubstr("ends at 2.4 s"));
}

TEST(TargetDisplacementTest, MalformedSpectraAreRefusedByKey) {
    const std::pair<const char*, const char*> cases[] = {
        {"ec8:type=3,ag=0.3", "type is 1 or 2"}, {"ec8:type=1", "needs ag="},
        {"ec8:ag=0.3,ground=F", "ground='F'"},   {"ec8:ag=0.3,soil=B", "unknown key 'soil'"},
        {"asce7:sds=1.0", "needs sd1="},         {"asce7:sds=x,sd1=1", "sds='x'"},
    };
    for (const auto& [text, message] : cases)
        EXPECT_THAT(errorOf([&] { parseResponseSpectrum(text); }), HasSubstr(message)) << text;
}

} // namespace
} // namespace kelvane
