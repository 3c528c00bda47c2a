// Assignments of table-format models that change stiffness, geometry and loads, through the real
// solver: frame property modifiers, end offsets, joint springs, area loads handed to frames and
// area gravity loads, against their hand values.
#include "solver/solver_fixture.h"

#include <cmath>
#include <functional>
#include <string>

namespace kelvane::test {
namespace {

constexpr double E = 2e5; // N/mm2

// tests/data/tables/frame-assignments.s2k (kN, m): columns A and B of section ECOL (A = 0.02 m2,
// I33 = 1e-4 m4), 3 m, A with AMod 0.5 and I33Mod 0.7; cantilever C (4 m, BEAM: I33 = 2e-4 m4)
// with end offsets of 0.5 m at both ends and RigidFact 0.5; cantilevers D and E (4 m, BEAM) on a
// rotational spring of 20000 kN m/rad, E's in the local axes of a joint turned by 90 degrees.
// Cantilever F (4 m, 0.6 m deep and 0.3 m wide) hangs from its joints by its top centre (cardinal
// point 8). Patterns: PUSH 10 kN along X at A2 and B2; PRESS 100 kN down at A2 and B2; TIPC 5 kN
// down at C2; SPANC 2 kN/m down along C; TIPD 5 kN down at D2 and E2; ECC 100 kN along F at F2,
// 0.3 m above F's centroid.
// tests/data/tables/slab-panel-loads.s2k: a 4 m (X) by 6 m (Y) panel of section None on four
// beams (I33 = 2e-4 m4, next to no torsion) split at midspan, on pinned corners; 5 kN/m2 to the
// frames two way (TWO) and one way (ONE); and a 2 m square shell 0.2 m thick at 25 kN/m3 under
// twice its weight (GRAV, MultiplierZ -2).
// tests/data/tables/area-modifiers.s2k: two 2 m by 1 m shells 0.2 m thick (E = 3e7 kN/m2) fixed
// along one short edge, A with f 0.5 and m 0.25, B without; PULL 100 kN along X and LIFT 10 kN up
// at the free edge of each; DEAD their self weight.
const char* kFrames = "tables/frame-assignments.s2k";
const char* kModifiers = "tables/area-modifiers.s2k";
// tests/data/tables/brick-column-weight.s2k: two 200 mm steel cubes stacked (7.85e-5 N/mm3); GRAV
// is three times the upper one's weight.
const char* kBricks = "tables/brick-column-weight.s2k";
const char* kSlab = "tables/slab-panel-loads.s2k";

// A cantilever's tip deflection under a tip force P whose rigid zones are a at the support and b
// at the tip: the flexible length takes P and the moment P b, the tip zone turns with its end.
double offsetCantileverTip(double P, double L, double a, double b, double EI) {
    const double flexible = L - a - b;
    const double deflection = P * std::pow(flexible, 3) / (3 * EI) + P * b * flexible * flexible / (2 * EI);
    const double rotation = P * flexible * flexible / (2 * EI) + P * b * flexible / EI;
    return deflection + rotation * b;
}

// The same under w along the whole length: the support's zone hands its share to the support,
// the tip zone's w b acts at b / 2 beyond the flexible end.
double offsetCantileverSpan(double w, double L, double a, double b, double EI) {
    const double flexible = L - a - b, F = w * b, M = w * b * b / 2;
    const double deflection = w * std::pow(flexible, 4) / (8 * EI) + F * std::pow(flexible, 3) / (3 * EI) +
                              M * flexible * flexible / (2 * EI);
    const double rotation =
        w * std::pow(flexible, 3) / (6 * EI) + F * flexible * flexible / (2 * EI) + M * flexible / EI;
    return deflection + rotation * b;
}

// Midspan deflection of a simply supported span L under a symmetric trapezoid of height w whose
// ramps are a long (a = L / 2: a triangle; a = 0: uniform).
double trapezoidMidspan(double w, double L, double a, double EI) {
    return w * std::pow(5 * L * L - 4 * a * a, 2) / (1920 * EI);
}

struct Expected {
    const char* model;
    int loadCase;
    const char* what;
    std::function<double(const ModelStore&)> measured;
    double value;
    double tolerance; // relative, or absolute for a value of 0
};

class TableAssignmentTest : public SolverTest {};

TEST_F(TableAssignmentTest, AssignmentsGiveTheirHandValues) {
    const double Icol = 1e8, Ibeam = 2e8, Acol = 2e4, h = 3000, L = 4000;
    const double k = 20000e6, P = 5e3;
    const auto ux = [](int joint) { return [joint](const ModelStore& s) { return s.nodes[joint].ux; }; };
    const auto uz = [](int joint) { return [joint](const ModelStore& s) { return s.nodes[joint].uz; }; };
    const double q = 5e-3; // N/mm2
    const auto ratio = [](int joint, int twin, double TNODE::*component) {
        return [=](const ModelStore& s) { return s.nodes[joint].*component / s.nodes[twin].*component; };
    };
    // The supports carry the whole load: the offset frame's, the panel's, the gravity load's.
    const auto supported = [this](const ModelStore&) {
        double sum = 0;
        for (const double reaction : verticalReactions())
            sum += reaction;
        return sum;
    };
    const std::vector<Expected> table = {
        {kFrames, 1, "cracked column drifts by 1/0.7", ux(2), 10e3 * h * h * h / (3 * E * 0.7 * Icol), 1e-4},
        {kFrames, 1, "its uncracked twin keeps its drift", ux(4), 10e3 * h * h * h / (3 * E * Icol), 1e-4},
        {kFrames, 2, "AMod 0.5 doubles the shortening", uz(2), -100e3 * h / (E * 0.5 * Acol), 1e-4},
        {kFrames, 2, "the twin's shortening", uz(4), -100e3 * h / (E * Acol), 1e-4},
        {kFrames, 3, "offset cantilever, tip force", uz(6), -offsetCantileverTip(P, L, 250, 250, E * Ibeam),
         1e-4},
        {kFrames, 4, "offset cantilever, span load", uz(6), -offsetCantileverSpan(2, L, 250, 250, E * Ibeam),
         1e-4},
        {kFrames, 4, "the rigid zones' load reaches the support", supported, 2 * L, 1e-6},
        {kFrames, 5, "cantilever on a spring", uz(8), -(P * L * L * L / (3 * E * Ibeam) + P * L * L / k),
         1e-4},
        {kFrames, 5, "on a spring in turned local axes", uz(10),
         -(P * L * L * L / (3 * E * Ibeam) + P * L * L / k), 1e-4},
        {kFrames, 6, "a pull at the top of the section bends it by P d / 2", uz(12),
         -100e3 * 300 * L * L / (2 * E * 300 * std::pow(600.0, 3) / 12), 1e-4},
        {kSlab, 1, "two way: short beam, triangle", uz(5), -trapezoidMidspan(q * 2000, 4000, 2000, E * Ibeam),
         1e-4},
        {kSlab, 1, "two way: long beam, trapezoid", uz(6), -trapezoidMidspan(q * 2000, 6000, 2000, E * Ibeam),
         1e-4},
        {kSlab, 1, "two way: the other short beam", uz(7), -trapezoidMidspan(q * 2000, 4000, 2000, E * Ibeam),
         1e-4},
        {kSlab, 1, "two way: the other long beam", uz(8), -trapezoidMidspan(q * 2000, 6000, 2000, E * Ibeam),
         1e-4},
        {kSlab, 1, "two way: the panel's load on the supports", supported, q * 24e6, 1e-6},
        {kSlab, 2, "one way along X: long beam, uniform", uz(6),
         -trapezoidMidspan(q * 2000, 6000, 0, E * Ibeam), 1e-4},
        {kSlab, 2, "one way: the other long beam", uz(8), -trapezoidMidspan(q * 2000, 6000, 0, E * Ibeam),
         1e-4},
        {kSlab, 2, "one way: the short beams carry nothing", uz(5), 0, 1e-6},
        {kSlab, 2, "one way: the panel's load on the supports", supported, q * 24e6, 1e-6},
        {kSlab, 3, "area gravity: twice the plate's weight", supported, 2 * 2.5e-5 * 200 * 4e6, 1e-6},
        {kBricks, 2, "solid gravity: three times the upper brick's weight", supported, 3 * 7.85e-5 * 8e6,
         1e-6},
        {kModifiers, 1, "f 0.5 doubles the stretch", ratio(2, 6, &TNODE::ux), 2, 1e-4},
        {kModifiers, 2, "m 0.25 quadruples the bending (shear: f)", ratio(2, 6, &TNODE::uz), 4, 0.02},
        {kModifiers, 3, "the thinner variant weighs as the section", supported, 2 * 2.5e-5 * 200 * 2e6, 1e-6},
    };
    std::string ranModel;
    int ranCase = 0;
    ModelStore store;
    for (const Expected& row : table) {
        SCOPED_TRACE(std::string(row.model) + " case " + std::to_string(row.loadCase) + ": " + row.what);
        if (ranModel != row.model || ranCase != row.loadCase) {
            store = runLoadCase(dataPath(row.model), row.loadCase);
            ranModel = row.model;
            ranCase = row.loadCase;
        }
        const double tolerance = row.value == 0 ? row.tolerance : std::abs(row.value) * row.tolerance;
        EXPECT_NEAR(row.measured(store), row.value, tolerance);
    }
}

} // namespace
} // namespace kelvane::test
