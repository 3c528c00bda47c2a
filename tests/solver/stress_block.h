#pragma once

#include <algorithm>
#include <utility>
#include <vector>

namespace kelvane::test {

// A rectangular column under an axial load: concrete f'c, b wide and h deep, rows of bars at
// their depth from the compressed face with their area, the bars' yield stress and E.
struct StressBlockColumn {
    double fc = 0, b = 0, h = 0, fy = 0, es = 0, axial = 0;
    std::vector<std::pair<double, double>> rows; // depth, area
};

// The moment capacity by the ACI 318 rectangular stress block: 0.85 f'c over beta1 c, concrete
// strain 0.003 at the compressed face, bars elastic-plastic (the compressed ones less the concrete
// they displace); the neutral axis found by bisection on the axial force.
inline double stressBlockMoment(const StressBlockColumn& column) {
    const double beta1 = std::clamp(0.85 - 0.05 * (column.fc - 28) / 7, 0.65, 0.85);
    auto forceAndMoment = [&](double c) {
        const double a = std::min(beta1 * c, column.h);
        double force = 0.85 * column.fc * column.b * a, moment = force * (column.h - a) / 2;
        for (const auto& [depth, area] : column.rows) {
            const double strain = 0.003 * (c - depth) / c;
            double stress = std::clamp(column.es * strain, -column.fy, column.fy);
            if (strain > 0 && depth < a)
                stress -= 0.85 * column.fc;
            force += area * stress;
            moment += area * stress * (column.h / 2 - depth);
        }
        return std::make_pair(force, moment);
    };
    double low = 1, high = 5 * column.h;
    for (int i = 0; i < 100; ++i) {
        const double c = (low + high) / 2;
        (forceAndMoment(c).first > column.axial ? high : low) = c;
    }
    return forceAndMoment(low).second;
}

} // namespace kelvane::test
