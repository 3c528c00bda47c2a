#pragma once

#include <string>
#include <vector>

// Elastic acceleration response spectra of the design earthquake: the Eurocode 8 shapes, the
// ASCE 7 shape and a spectrum given point by point. Periods in seconds, accelerations in g.
namespace kelvane {

enum class SpectrumKind { Ec8, Asce7, Table };

struct ResponseSpectrum {
    SpectrumKind kind = SpectrumKind::Ec8;
    std::string description; // as the user gave it, for the report
    // Eurocode 8: type 1 or 2, the design ground acceleration on type A ground (ag = agR x the
    // importance factor), the ground type's S, TB, TC, TD and the damping correction eta.
    int ec8Type = 1;
    char ground = 'B';
    double agR = 0, importance = 1, dampingPercent = 5;
    double soil = 1, tb = 0, tc = 0, td = 0, eta = 1;
    // ASCE 7: SDS, SD1 (g) and the long-period transition TL (s); the site class for ASCE 41's a.
    double sds = 0, sd1 = 0, tl = 8;
    char site = 'D';
    // A table: the points (period, Sa) in increasing period.
    std::vector<double> periods, accelerations;
};

// Reads "ec8:type=1,ag=0.3g,ground=B,importance=1,damping=5", "asce7:sds=1.0,sd1=0.6,tl=8,site=D"
// or the path of a CSV file of period (s) and Sa (g) lines (a header line is allowed). Every key
// but ag (ec8) and sds, sd1 (asce7) has the default shown. A malformed text stops with a message
// naming the key or the file and line.
ResponseSpectrum parseResponseSpectrum(const std::string& text);

// The elastic spectral acceleration at period `period` (g). A table is interpolated linearly,
// holds its first value below its first period and refuses a period beyond its last.
double spectralAcceleration(const ResponseSpectrum& spectrum, double period);

// The corner period between the constant acceleration and the constant velocity branches: TC of
// Eurocode 8, TS = SD1/SDS of ASCE 7, and 2 pi max(Sv)/max(Sa) of a table (Sv = Sa T / 2 pi over
// its points), which is the corner period of a code shape.
double cornerPeriod(const ResponseSpectrum& spectrum);

// The site class (A to E) whose coefficient `a` ASCE 41 takes for C1: the ground type of
// Eurocode 8, the site= of ASCE 7, D for a table.
char siteClass(const ResponseSpectrum& spectrum);

// `name=value` lines of the spectrum's parameters.
std::vector<std::string> spectrumLines(const ResponseSpectrum& spectrum);

} // namespace kelvane
