#pragma once

#include "model/frame_axes.h"
#include "model/model_store.h"

#include <algorithm>
#include <cstdint>
#include <optional>
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

// The joints of the file sorted along X, for finding those on a span.
class SpanPoints {
  public:
    // Joints 1..joints; those at an end of a frame that has a section are marked as frame ends.
    SpanPoints(const ModelStore& store, std::int32_t joints);

    // Calls visit(joint, mm from joint I, whether the joint is another frame's end) for every
    // joint on the line's span.
    template <typename Visit> void forEachOnSpan(const FrameLine& line, Visit visit) const {
        const double low = std::min(line.start()[0], line.end()[0]) - line.tolerance();
        const double high = std::max(line.start()[0], line.end()[0]) + line.tolerance();
        for (auto k = firstAtOrAfter(low); k < sorted_.size() && sorted_[k].first <= high; ++k) {
            const std::int32_t joint = sorted_[k].second;
            if (const std::optional<double> at = line.onSpan(positionOf(joint)))
                visit(joint, *at, frameEnd_[static_cast<std::size_t>(joint)] != 0);
        }
    }
    // A joint within `tolerance` of the point, 0 for none.
    std::int32_t jointAt(const Vector& point, double tolerance) const;

  private:
    std::size_t firstAtOrAfter(double x) const;
    Vector positionOf(std::int32_t joint) const;

    const ModelStore& store_;
    std::vector<std::pair<double, std::int32_t>> sorted_;
    std::vector<char> frameEnd_;
};

} // namespace kelvane::tables
