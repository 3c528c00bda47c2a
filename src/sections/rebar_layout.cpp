#include "sections/rebar_layout.h"

#include "common/error.h"
#include "common/number_format.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>

namespace kelvane {
namespace {

// The diameter of the circle the bars of a circular column stand on the edge of: the section's
// own, else the smaller side of a rectangle.
double circleDiameter(const TSECTION& s) {
    return s.reinforcement.diameter > 0 ? s.reinforcement.diameter : std::min(s.t1, s.t2);
}

void addFace(std::vector<RebarBar>& bars, int count, double from, double to, double fixed, bool alongY,
             double area) {
    for (int i = 1; i < count - 1; ++i) {
        const double along = from + (to - from) * i / (count - 1);
        bars.push_back(alongY ? RebarBar{along, fixed, area} : RebarBar{fixed, along, area});
    }
}

} // namespace

double columnBarInset(const TREINFORCEMENT& r) {
    return r.cover + r.tieDiameter + r.barDiameter / 2;
}

std::optional<std::string> reinforcementFault(const TSECTION& s) {
    const TREINFORCEMENT& r = s.reinforcement;
    switch (r.kind) {
    case ColumnRectangular: {
        if (r.bars3 < 2 || r.bars2 < 2)
            return "a rectangular column needs 2 bars or more along each face (corners included), not " +
                   formatInt(r.bars3) + " and " + formatInt(r.bars2);
        const double inset = columnBarInset(r);
        if (inset <= 0 || 2 * inset >= std::min(s.t1, s.t2))
            return "the bars' centres lie " + formatGeneral(inset) + " from the edge, outside a section " +
                   formatGeneral(s.t2) + " wide and " + formatGeneral(s.t1) + " deep";
        break;
    }
    case ColumnCircular: {
        if (r.barsCircle < 3)
            return "a circular column needs 3 bars or more, not " + formatInt(r.barsCircle);
        const double inset = columnBarInset(r);
        if (inset <= 0 || 2 * inset >= circleDiameter(s))
            return "the bars' centres lie " + formatGeneral(inset) + " from the edge, outside a circle of " +
                   formatGeneral(circleDiameter(s));
        break;
    }
    case BeamTopBottom:
        if (r.topArea < 0 || r.bottomArea < 0)
            return "a bar area must be 0 or more";
        if (r.cover <= 0 || r.bottomCover <= 0 || r.cover + r.bottomCover >= s.t1 ||
            2 * std::max(r.cover, r.bottomCover) >= s.t2)
            return "covers of " + formatGeneral(r.cover) + " (top) and " + formatGeneral(r.bottomCover) +
                   " (bottom) do not fit a section " + formatGeneral(s.t2) + " wide and " +
                   formatGeneral(s.t1) + " deep";
        return std::nullopt;
    default:
        return std::nullopt;
    }
    if (r.barArea <= 0)
        return "the bar size " + r.barSize + " has no area";
    return std::nullopt;
}

std::vector<RebarBar> reinforcementBars(const TSECTION& s) {
    const TREINFORCEMENT& r = s.reinforcement;
    std::vector<RebarBar> bars;
    if (reinforcementFault(s))
        return bars;
    if (r.kind == ColumnRectangular) {
        const double inset = columnBarInset(r);
        const double y = s.t2 / 2 - inset, z = s.t1 / 2 - inset;
        for (const auto& [cy, cz] : {std::pair{-y, -z}, std::pair{y, -z}, std::pair{y, z}, std::pair{-y, z}})
            bars.push_back({cy, cz, r.barArea});
        addFace(bars, r.bars3, -y, y, -z, true, r.barArea);
        addFace(bars, r.bars3, -y, y, z, true, r.barArea);
        addFace(bars, r.bars2, -z, z, -y, false, r.barArea);
        addFace(bars, r.bars2, -z, z, y, false, r.barArea);
    } else if (r.kind == ColumnCircular) {
        const double radius = circleDiameter(s) / 2 - columnBarInset(r);
        for (int i = 0; i < r.barsCircle; ++i) {
            const double angle = 2 * std::numbers::pi * i / r.barsCircle;
            bars.push_back({radius * std::cos(angle), radius * std::sin(angle), r.barArea});
        }
    } else if (r.kind == BeamTopBottom) {
        for (const auto& [area, cover, z] :
             {std::tuple{r.topArea, r.cover, s.t1 / 2 - r.cover},
              std::tuple{r.bottomArea, r.bottomCover, -(s.t1 / 2 - r.bottomCover)}})
            if (area > 0) {
                bars.push_back({-(s.t2 / 2 - cover), z, area / 2});
                bars.push_back({s.t2 / 2 - cover, z, area / 2});
            }
    }
    return bars;
}

void placeReinforcementBars(TSECTION& s) {
    TREINFORCEMENT& r = s.reinforcement;
    if (r.kind == ReinforcementNone)
        return;
    if (const std::optional<std::string> fault = reinforcementFault(s))
        fail("Frame section " + s.name + ": " + *fault);
    s.bars = reinforcementBars(s);
    if (r.kind == BeamTopBottom) {
        s.sectionKind = 1;
        s.cover = r.cover;
        s.barNumNX = s.barNumNY = 2;
        s.topBar = r.topArea;
        s.bottomBar = r.bottomArea;
        return;
    }
    s.sectionKind = 2;
    s.cover = columnBarInset(r);
    if (r.kind == ColumnRectangular) {
        s.barNumNX = r.bars3;
        s.barNumNY = r.bars2 - 2;
        s.topBar = r.bars3 * r.barArea;
        s.bottomBar = (r.bars2 - 2) * r.barArea;
    }
}

double totalBarArea(const TSECTION& section) {
    double total = 0;
    for (const RebarBar& bar : section.bars)
        total += bar.area;
    return total;
}

} // namespace kelvane
