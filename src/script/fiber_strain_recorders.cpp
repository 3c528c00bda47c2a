#include "script/fiber_strain_recorders.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <vector>

namespace kelvane {
namespace {

constexpr int kHingePoints = 6; // hinge I, the four interior elastic sections, hinge J

// The Gauss-Lobatto points on [0, 1]: the ends and the roots of the derivative of the Legendre
// polynomial of degree n - 1, found by Newton's method from the Chebyshev points.
std::vector<double> lobattoPoints(int n) {
    if (n < 2)
        return {0.5};
    const int degree = n - 1;
    std::vector<double> x(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        x[static_cast<std::size_t>(i)] = -std::cos(std::numbers::pi * i / degree);
    for (int i = 1; i < degree; ++i) {
        double& xi = x[static_cast<std::size_t>(i)];
        for (int iteration = 0; iteration < 100; ++iteration) {
            double previous = 1, current = xi;
            for (int k = 2; k <= degree; ++k) {
                const double next = ((2 * k - 1) * xi * current - (k - 1) * previous) / k;
                previous = current;
                current = next;
            }
            // current = P_n-1(xi), previous = P_n-2(xi); the step of the Lobatto iteration.
            const double step = (xi * current - previous) / (n * current);
            xi -= step;
            if (std::abs(step) < 1e-15)
                break;
        }
    }
    for (double& value : x)
        value = 0.5 * (value + 1);
    return x;
}

} // namespace

bool hasFiberSectionAt(std::int32_t elementType, int point, const AnalysisSettings& analysis) {
    switch (elementType) {
    case NonlinearBeamColumn:
    case DispBeamColumn:
        return point >= 1 && point <= analysis.numIntgrPts;
    case BeamWithHinge:
        return point == 1 || point == kHingePoints;
    default:
        return false;
    }
}

int fiberPointCount(const ModelStore& store, const AnalysisSettings& analysis) {
    int points = 0;
    for (int f = 1; f <= countOf(store.frameCount) && f < static_cast<int>(store.frames.size()); ++f) {
        const std::int32_t section = store.frames[static_cast<std::size_t>(f)].section;
        if (section < 1 || section > countOf(store.frameSectionCount) ||
            section >= static_cast<int>(store.frameSections.size()))
            continue;
        const std::int32_t type = store.frameSections[static_cast<std::size_t>(section)].elementType;
        if (type == NonlinearBeamColumn || type == DispBeamColumn)
            points = std::max(points, analysis.numIntgrPts);
        else if (type == BeamWithHinge)
            points = std::max(points, kHingePoints);
    }
    return points;
}

double integrationPointPosition(std::int32_t elementType, int point, const AnalysisSettings& analysis) {
    if (elementType == BeamWithHinge)
        return point <= 1 ? 0.0 : 1.0;
    const std::vector<double> points = lobattoPoints(analysis.numIntgrPts);
    if (point < 1 || point > static_cast<int>(points.size()))
        return 0.5;
    return points[static_cast<std::size_t>(point - 1)];
}

bool blockRecordsFibers(const ModelStore& store, int first, int last, int point,
                        const AnalysisSettings& analysis) {
    for (int f = first; f <= last && f < static_cast<int>(store.frames.size()); ++f) {
        const std::int32_t section = store.frames[static_cast<std::size_t>(f)].section;
        if (section >= 1 && section <= countOf(store.frameSectionCount) &&
            section < static_cast<int>(store.frameSections.size()) &&
            hasFiberSectionAt(store.frameSections[static_cast<std::size_t>(section)].elementType, point,
                              analysis))
            return true;
    }
    return false;
}

std::string fiberFileName(int fileNumber, int point) {
    return "ele" + std::to_string(fileNumber) + "_fib" + std::to_string(point) + ".out";
}

void writeFiberStrainRecorders(const ScriptInput& in, ScriptWriter& out) {
    const int frameCount = countOf(in.store.frameCount);
    const int points = fiberPointCount(in.store, in.analysis);
    const int whole = frameCount / 100, rest = frameCount % 100;
    for (int point = 1; point <= points; ++point) {
        const auto write = [&](int file, int first, int last) {
            if (!blockRecordsFibers(in.store, first, last, point, in.analysis))
                return;
            // The aggregator hands a response to the fiber section it holds only when asked by "section".
            if (in.analysis.useAggregator)
                out.line("recorder Element -file %s -time -eleRange %D %D section %d section fiberData",
                         {fiberFileName(file, point), first, last, point});
            else
                out.line("recorder Element -file %s -time -eleRange %D %D section %d fiberData",
                         {fiberFileName(file, point), first, last, point});
        };
        for (int k = 1; k <= whole; ++k)
            write(k, (k - 1) * 100 + 1, k * 100);
        if (rest > 0)
            write(0, whole * 100 + 1, whole * 100 + rest);
    }
}

} // namespace kelvane
