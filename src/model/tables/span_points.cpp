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
    sorted_.reserve(static_cast<std::size_t>(std::max(last, 0)));
    for (std::int32_t n = 1; n <= last; ++n)
        sorted_.emplace_back(store.nodes[static_cast<std::size_t>(n)].x, n);
    std::sort(sorted_.begin(), sorted_.end());
    for (std::int32_t f = 1; f <= store.frameCount; ++f) {
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        if (frame.section == 0)
            continue;
        frameEnd_[static_cast<std::size_t>(frame.nodeI)] = 1;
        frameEnd_[static_cast<std::size_t>(frame.nodeJ)] = 1;
    }
}

std::size_t SpanPoints::firstAtOrAfter(double x) const {
    return static_cast<std::size_t>(
        std::lower_bound(sorted_.begin(), sorted_.end(), std::make_pair(x, std::int32_t{0})) -
        sorted_.begin());
}

Vector SpanPoints::positionOf(std::int32_t joint) const {
    const TNODE& node = store_.nodes[static_cast<std::size_t>(joint)];
    return {node.x, node.y, node.z};
}

std::int32_t SpanPoints::jointAt(const Vector& point, double tolerance) const {
    for (auto k = firstAtOrAfter(point[0] - tolerance);
         k < sorted_.size() && sorted_[k].first <= point[0] + tolerance; ++k)
        if (norm(minus(positionOf(sorted_[k].second), point)) <= tolerance)
            return sorted_[k].second;
    return 0;
}

} // namespace kelvane::tables
