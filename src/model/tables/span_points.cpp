#include "model/tables/span_points.h"

#include <algorithm>
#include <cmath>

namespace kelvane::tables {
namespace {

Vector minus(const Vector& a, const Vector& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
Vector plus(const Vector& a, const Vector& b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
double norm(const Vector& v) {
    return std::sqrt(dot(v, v));
}

} // namespace

FrameLine::FrameLine(const Vector& start, const Vector& end) : start_(start), end_(end) {
    const Vector d = minus(end, start);
    length_ = norm(d);
    along_ = length_ > 0 ? scaled(d, 1 / length_) : Vector{};
    tolerance_ = std::min(1.0, 1e-4 * length_);
}

std::optional<double> FrameLine::onSpan(const Vector& point) const {
    const Vector d = minus(point, start_);
    const double at = dot(d, along_);
    if (!(at > tolerance_ && at < length_ - tolerance_))
        return std::nullopt;
    if (norm(minus(d, scaled(along_, at))) > tolerance_)
        return std::nullopt;
    return at;
}

std::optional<Crossing> crossingOf(const FrameLine& first, const FrameLine& second) {
    // The closest points of the two axes: start + s u and start' + t v.
    const Vector& u = first.along();
    const Vector& v = second.along();
    const Vector w = minus(first.start(), second.start());
    const double b = dot(u, v), d = dot(u, w), e = dot(v, w);
    const double denominator = 1 - b * b;
    if (denominator < 1e-12)
        return std::nullopt; // parallel
    const double s = (b * e - d) / denominator;
    const double t = (e - b * d) / denominator;
    const double tolerance = std::min(first.tolerance(), second.tolerance());
    if (!(s > tolerance && s < first.length() - tolerance && t > tolerance &&
          t < second.length() - tolerance))
        return std::nullopt;
    const Vector p = plus(first.start(), scaled(u, s));
    const Vector q = plus(second.start(), scaled(v, t));
    if (norm(minus(p, q)) > tolerance)
        return std::nullopt;
    return Crossing{scaled(plus(p, q), 0.5), s, t};
}

SpanPoints::SpanPoints(const ModelStore& store, std::int32_t joints)
    : store_(store), frameEnd_(store.nodes.size(), 0) {
    const std::int32_t last = std::min<std::int32_t>(joints, store.nodeCount);
    std::vector<double> lengths;
    for (std::int32_t f = 1; f <= store.frameCount; ++f) {
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        if (frame.section == 0)
            continue;
        frameEnd_[static_cast<std::size_t>(frame.nodeI)] = 1;
        frameEnd_[static_cast<std::size_t>(frame.nodeJ)] = 1;
        lengths.push_back(norm(minus(positionOf(frame.nodeJ), positionOf(frame.nodeI))));
    }
    if (last < 1)
        return;
    Vector low = positionOf(1), high = low;
    for (std::int32_t n = 1; n <= last; ++n) {
        const Vector p = positionOf(n);
        for (std::size_t k = 0; k < 3; ++k) {
            low[k] = std::min(low[k], p[k]);
            high[k] = std::max(high[k], p[k]);
        }
    }
    // Cells the length of the median frame, but no more than about a million along any side.
    double extent = 0;
    for (std::size_t k = 0; k < 3; ++k)
        extent = std::max(extent, high[k] - low[k]);
    if (!lengths.empty()) {
        std::nth_element(lengths.begin(), lengths.begin() + static_cast<std::ptrdiff_t>(lengths.size() / 2),
                         lengths.end());
        cell_ = lengths[lengths.size() / 2];
    }
    cell_ = std::max({cell_, extent * 1e-6, 1.0});
    origin_ = low;
    joints_.reserve(static_cast<std::size_t>(last));
    for (std::int32_t n = 1; n <= last; ++n) {
        joints_.push_back(n);
        cells_[keyOf(cellOf(positionOf(n)))].push_back(n);
    }
}

SpanPoints::Cell SpanPoints::cellOf(const Vector& point) const {
    Cell cell{};
    constexpr double kBound = (1 << 20) - 1; // cells beyond the model's (overflowing) extent share the last
    for (std::size_t k = 0; k < 3; ++k) {
        const double index = std::floor((point[k] - origin_[k]) / cell_);
        cell[k] = static_cast<long long>(index > -kBound ? (index < kBound ? index : kBound) : -kBound);
    }
    return cell;
}

// Each index takes 21 bits, offset to be positive.
std::uint64_t SpanPoints::keyOf(const Cell& cell) {
    std::uint64_t key = 0;
    for (const long long index : cell)
        key = (key << 21) | (static_cast<std::uint64_t>(index + (1LL << 20)) & ((1ULL << 21) - 1));
    return key;
}

Vector SpanPoints::positionOf(std::int32_t joint) const {
    const TNODE& node = store_.nodes[static_cast<std::size_t>(joint)];
    return {node.x, node.y, node.z};
}

std::int32_t SpanPoints::jointAt(const Vector& point, double tolerance) const {
    std::int32_t found = 0;
    forEachNear(point, point, tolerance, [&](std::int32_t joint) {
        if (found == 0 && norm(minus(positionOf(joint), point)) <= tolerance)
            found = joint;
    });
    return found;
}

} // namespace kelvane::tables
