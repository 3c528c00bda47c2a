#include "model/tables/frame_load_split.h"

#include <algorithm>

namespace kelvane::tables {
namespace {

TLOAD onPiece(const TLOAD& load, std::int32_t piece) {
    TLOAD moved = load;
    moved.target = piece;
    return moved;
}

double within(double value) {
    return std::clamp(value, 0.0, 1.0);
}

} // namespace

void splitFrameLoad(const TLOAD& load, const std::vector<double>& cuts, std::int32_t firstPiece,
                    std::vector<TLOAD>& out) {
    const std::size_t pieces = cuts.size() < 2 ? 0 : cuts.size() - 1;
    const auto piece = [&](std::size_t k) { return firstPiece + static_cast<std::int32_t>(k); };
    const auto length = [&](std::size_t k) { return cuts[k + 1] - cuts[k]; };
    switch (load.kind) {
    case LoadDistributed:
        for (std::size_t k = 0; k < pieces; ++k)
            out.push_back(onPiece(load, piece(k)));
        return;
    case LoadFrameSpan: {
        const double a = load.distA, b = load.distB;
        const auto intensity = [&](double x) {
            return b > a ? load.fx + (load.fy - load.fx) * (x - a) / (b - a) : load.fx;
        };
        for (std::size_t k = 0; k < pieces; ++k) {
            const double from = std::max(a, cuts[k]), to = std::min(b, cuts[k + 1]);
            if (!(to - from > 1e-12))
                continue;
            TLOAD& moved = out.emplace_back(onPiece(load, piece(k)));
            moved.distA = within((from - cuts[k]) / length(k));
            moved.distB = within((to - cuts[k]) / length(k));
            moved.fx = intensity(from);
            moved.fy = intensity(to);
        }
        return;
    }
    case LoadFramePoint: {
        std::size_t k = 0;
        while (k + 1 < pieces && load.distA >= cuts[k + 1] - 1e-12)
            ++k;
        if (pieces == 0)
            return;
        TLOAD& moved = out.emplace_back(onPiece(load, piece(k)));
        moved.distA = within((load.distA - cuts[k]) / length(k));
        return;
    }
    default:
        out.push_back(load);
        return;
    }
}

} // namespace kelvane::tables
