// The fixed-end solution that frame loads the solver's elements do not take are written with,
// against the textbook fixed-end forces (the joint loads are the reactions with their signs turned).
#include "script/fixed_end_loads.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kelvane {
namespace {

constexpr double L = 6000, a = 1500, b = L - a;

void expectEndLoads(const EndLoads& actual, const EndLoads& expected) {
    double scale = 0;
    for (const double value : expected)
        scale = std::max(scale, std::abs(value));
    for (std::size_t k = 0; k < 12; ++k)
        EXPECT_NEAR(actual[k], expected[k], 1e-12 * scale) << "component " << k;
}

SpanLoad distributed(int direction, double from, double to, double wa, double wb, bool moment = false) {
    return SpanLoad{direction, moment, false, from, to, wa, wb};
}

SpanLoad point(int direction, double at, double value, bool moment = false) {
    return SpanLoad{direction, moment, true, at, at, value, value};
}

TEST(FixedEndLoads, BendingAxialAndTorsionalLoadsGiveTheTextbookFixedEndForces) {
    const double w = 2, P = 1e4, M = 1.2e7;
    const SpanStiffness bending{L, 1, 1, 0, 0};
    // G As along 2 such that phi = 12 E I3 / (G As L^2) = 2.25.
    const double ei3 = 1.08e15, phi = 2.25;
    const SpanStiffness shear{L, 1, ei3, 12 * ei3 / (phi * L * L), 0};
    const double shearI = P * a * b * (b + phi * L / 2) / (L * L * (1 + phi));
    const double shearJ = P * a * b * (a + phi * L / 2) / (L * L * (1 + phi));
    const struct {
        std::string what;
        SpanLoad load;
        SpanStiffness stiffness;
        EndLoads expected;
    } cases[] = {
        {"uniform along 2",
         distributed(2, 0, L, w, w),
         bending,
         {0, w * L / 2, 0, 0, 0, w * L * L / 12, 0, w * L / 2, 0, 0, 0, -w * L * L / 12}},
        // The plane of axis 3 turns about -axis 2.
        {"uniform along 3",
         distributed(3, 0, L, w, w),
         bending,
         {0, 0, w * L / 2, 0, -w * L * L / 12, 0, 0, 0, w * L / 2, 0, w * L * L / 12, 0}},
        {"uniform along 2 deflecting in shear",
         distributed(2, 0, L, w, w),
         shear,
         {0, w * L / 2, 0, 0, 0, w * L * L / 12, 0, w * L / 2, 0, 0, 0, -w * L * L / 12}},
        {"triangle along 2",
         distributed(2, 0, L, 0, w),
         bending,
         {0, 3 * w * L / 20, 0, 0, 0, w * L * L / 30, 0, 7 * w * L / 20, 0, 0, 0, -w * L * L / 20}},
        {"point along 3",
         point(3, a, P),
         bending,
         {0, 0, P * b * b * (3 * a + b) / (L * L * L), 0, -P * a * b * b / (L * L), 0, 0, 0,
          P * a * a * (a + 3 * b) / (L * L * L), 0, P * a * a * b / (L * L), 0}},
        {"point along 2 deflecting in shear",
         point(2, a, P),
         shear,
         {0, P * b / L + (shearI - shearJ) / L, 0, 0, 0, shearI, 0, P * a / L - (shearI - shearJ) / L, 0, 0,
          0, -shearJ}},
        {"moment about 3",
         point(3, a, M, true),
         bending,
         {0, -6 * M * a * b / (L * L * L), 0, 0, 0, M * b * (b - 2 * a) / (L * L), 0,
          6 * M * a * b / (L * L * L), 0, 0, 0, M * a * (a - 2 * b) / (L * L)}},
        {"axial force over part of the span",
         distributed(1, a, L, w, w),
         bending,
         {w * b * (b / 2) / L, 0, 0, 0, 0, 0, w * b * (a + b / 2) / L, 0, 0, 0, 0, 0}},
        {"torque", point(1, a, M, true), bending, {0, 0, 0, M * b / L, 0, 0, 0, 0, 0, M * a / L, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        expectEndLoads(fixedEndLoads(c.load, c.stiffness), c.expected);
    }
}

TEST(FixedEndLoads, PinnedFramesShareTheirLoadsByStaticsAlone) {
    const double P = 1e4, M = 1.2e7, w = 3;
    expectEndLoads(pinnedEndLoads(point(2, a, P), L), {0, P * b / L, 0, 0, 0, 0, 0, P * a / L, 0, 0, 0, 0});
    // A couple about axis 2 is balanced by forces along 3 at the ends.
    expectEndLoads(pinnedEndLoads(point(2, a, M, true), L), {0, 0, M / L, 0, 0, 0, 0, 0, -M / L, 0, 0, 0});
    // A partial trapezoid: its resultant and the moment of it about end I decide the two shares.
    const double force = (w + 2 * w) / 2 * (b - a);
    const double centroid = a + (b - a) * (w + 2 * 2 * w) / (3 * (w + 2 * w));
    expectEndLoads(pinnedEndLoads(distributed(3, a, b, w, 2 * w), L),
                   {0, 0, force * (L - centroid) / L, 0, 0, 0, 0, 0, force * centroid / L, 0, 0, 0});
}

} // namespace
} // namespace kelvane
