#pragma once

#include "assess/capacity_curve.h"
#include "assess/push_shape.h"
#include "assess/seismic_demand.h"

#include <string>
#include <vector>

// The target displacement of a pushover by the N2 method of Eurocode 8 (EN 1998-1, Annex B).
namespace kelvane {

// The acceleration of gravity in the store's units (mm/s^2).
inline constexpr double kGravityMmPerS2 = 9806.65;

struct N2Result {
    double gamma = 0, mStar = 0;   // the equivalent system
    double dmStar = 0, fyStar = 0; // where the idealisation ends, and its yield force (F* = V / Gamma)
    double emStar = 0;             // the work under the capacity curve up to dm*
    double dyStar = 0;             // 2 (dm* - Em* / Fy*)
    double tStar = 0;              // 2 pi sqrt(m* dy* / Fy*)
    double tc = 0;                 // the spectrum's corner period
    double seG = 0;                // Se(T*) in g
    double detStar = 0;            // Se(T*) (T* / 2 pi)^2: the elastic demand
    double qu = 0;                 // Se(T*) m* / Fy*, at least 1
    double dtStar = 0, dt = 0;     // the target of the equivalent system and of the building
    double firstDt = 0;            // the target before the iteration on dm*
    int iterations = 0;            // times the idealisation was redone with dm* = dt*
    std::vector<std::string> notes;
};

// Idealises the capacity curve (F* = V / Gamma, d* = d / Gamma) as elastic-perfectly plastic of
// equal work up to its peak, finds T* and the target from the elastic spectrum (the equal
// displacement rule from TC on, the qu rule below it, between det* and 3 det*), and where dt*
// differs from dm* by more than 5 % idealises again up to dt* (with the force of the curve there)
// until the two agree within 0.1 %, as long as dt* lies on the curve.
N2Result n2TargetDisplacement(const CapacityCurve& curve, const PushShape& shape,
                              const ResponseSpectrum& spectrum);

// name=value lines of every quantity, lengths in the model's unit (mm), forces in N, periods in s.
std::vector<std::string> n2Lines(const N2Result& result);

} // namespace kelvane
