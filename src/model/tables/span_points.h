#pragma once

#include "model/frame_axes.h"
#include "model/model_store.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

// Where joints lie on frames' spans, and where frames cross: the geometry of auto mesh.
namespace kelvane::tables {

// A frame's axis from joint I to joint J, with the distance within which a point lies on it:
// 1 mm, or a ten-thousandth of the length for a shorter frame.
class FrameLine {
  public:
    FrameLine(const Vector& start, const Vector& end);
    double length() const { return length_; }
    double tolerance() const { return tolerance_; }
    const Vector& start() const { return start_; }
    const Vector& end() const { return end_; }
    const Vector& along() const { return along_; }
    // mm from joint I of a point on the span (farther than the tolerance from either end and
    // within it of the axis), else nothing.
    std::optional<double> onSpan(const Vector& point) const;

  private:
    Vector start_, end_, along_;
    double length_ = 0, tolerance_ = 0;
};

// Where two frames cross inside both spans: the point and its distances from either joint I.
struct Crossing {
    Vector point{};
    double atFirst = 0, atSecond = 0;
};
std::optional<Crossing> crossingOf(const FrameLine& first, const FrameLine& second);

// The joints of the file in a grid of cubic cells, for finding those on a span.
class SpanPoints {
  public:
    // Joints 1..joints; those at an end of a frame that has a section are marked as frame ends.
    // The cells are about as long as the median frame.
    SpanPoints(const ModelStore& store, std::int32_t joints);

    // Calls visit(joint, mm from joint I, whether the joint is another frame's end) for every
    // joint on the line's span, in no particular order.
    template <typename Visit> void forEachOnSpan(const FrameLine& line, Visit visit) const {
        forEachNear(line.start(), line.end(), line.tolerance(), [&](std::int32_t joint) {
            if (const std::optional<double> at = line.onSpan(positionOf(joint)))
                visit(joint, *at, frameEnd_[static_cast<std::size_t>(joint)] != 0);
        });
    }
    // A joint within `tolerance` of the point, 0 for none.
    std::int32_t jointAt(const Vector& point, double tolerance) const;

  private:
    using Cell = std::array<long long, 3>;
    Cell cellOf(const Vector& point) const;
    static std::uint64_t keyOf(const Cell& cell);
    // Calls take(joint) for every joint of the cells the box from a to b (grown by `margin`) meets.
    template <typename Take>
    void forEachNear(const Vector& a, const Vector& b, double margin, Take take) const {
        Vector low{}, high{};
        for (std::size_t k = 0; k < 3; ++k) {
            low[k] = std::min(a[k], b[k]) - margin;
            high[k] = std::max(a[k], b[k]) + margin;
        }
        const Cell from = cellOf(low), to = cellOf(high);
        double cells = 1;
        for (std::size_t k = 0; k < 3; ++k)
            cells *= static_cast<double>(to[k] - from[k] + 1);
        if (cells > static_cast<double>(joints_.size())) {
            for (const std::int32_t joint : joints_)
                take(joint);
            return;
        }
        for (long long x = from[0]; x <= to[0]; ++x)
            for (long long y = from[1]; y <= to[1]; ++y)
                for (long long z = from[2]; z <= to[2]; ++z)
                    if (const auto found = cells_.find(keyOf({x, y, z})); found != cells_.end())
                        for (const std::int32_t joint : found->second)
                            take(joint);
    }
    Vector positionOf(std::int32_t joint) const;

    const ModelStore& store_;
    double cell_ = 1;
    Vector origin_{};
    std::vector<std::int32_t> joints_;
    std::unordered_map<std::uint64_t, std::vector<std::int32_t>> cells_;
    std::vector<char> frameEnd_;
};

} // namespace kelvane::tables
