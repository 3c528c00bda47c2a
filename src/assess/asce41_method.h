#pragma once

#include "assess/capacity_curve.h"
#include "assess/push_shape.h"
#include "assess/seismic_demand.h"

#include <optional>
#include <string>
#include <vector>

// The target displacement of a pushover by the coefficient method of ASCE 41-17 (7.4.3.3).
namespace kelvane {

struct Asce41Options {
    std::optional<double> period; // Ti (s) of an eigen analysis; else that of the equivalent system
    double cm = 1.0;              // the effective mass factor of Table 7-4
};

struct Asce41Result {
    double c0 = 0; // Gamma of the push shape at the control joint
    double ki = 0; // the initial stiffness: the curve's first segment
    double ti = 0; // the elastic period
    bool tiGiven = false;
    double dd = 0, vd = 0; // the end of the bilinear fit: the target or the peak, the lesser
    double vy = 0, dy = 0; // the yield point of the fit
    double ke = 0;         // the effective stiffness: the secant through 0.6 Vy on the curve
    double alpha1 = 0;     // the post-yield slope over Ke
    double te = 0;         // Ti sqrt(Ki / Ke)
    double saG = 0;        // Sa(Te) in g
    double weight = 0;     // W: the mass along the push times g
    double cm = 1;
    double muStrength = 0; // Sa / (Vy / W) Cm
    char site = 'D';
    double a = 0; // the site class factor
    double c1 = 0, c2 = 0;
    double dt = 0; // C0 C1 C2 Sa Te^2 / (4 pi^2) g
    int iterations = 0;
    std::vector<std::string> notes;
};

// Fits the bilinear curve of equal area up to the lesser of the target and the displacement of
// the peak shear, its first branch the secant through the curve at 0.6 Vy, and finds the target;
// refits up to the target while the target lies below the peak's displacement, until it settles
// within 0.1 %. C1 takes Te no shorter than 0.2 s and is 1 from Te = 1 s on; C2 is 1 from Te =
// 0.7 s on; neither falls below 1 (a strength ratio below 1 is elastic).
Asce41Result asce41TargetDisplacement(const CapacityCurve& curve, const PushShape& shape,
                                      const ResponseSpectrum& spectrum, const Asce41Options& options);

// name=value lines of every quantity, lengths in mm, forces in N, periods in s.
std::vector<std::string> asce41Lines(const Asce41Result& result);

} // namespace kelvane
