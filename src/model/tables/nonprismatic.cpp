#include "model/tables/nonprismatic.h"

#include <algorithm>
#include <cmath>

namespace kelvane::tables {
namespace {

// The value q^n where q runs linearly from a^(1/n) at the segment's start to b^(1/n) at its end.
struct Variation {
    double qStart = 0, qEnd = 0;
    int exponent = 1;

    Variation(double a, double b, int n)
        : qStart(std::pow(std::max(a, 0.0), 1.0 / n)), qEnd(std::pow(std::max(b, 0.0), 1.0 / n)),
          exponent(n) {}
    double rootAt(double t) const { return qStart + (qEnd - qStart) * t; }
};

// 1 / mean(1 / q(t)^n) over t in [ta, tb]: the stiffness of a piece in series; 0 where the value
// reaches 0 anywhere on the piece.
double harmonicMean(const Variation& v, double ta, double tb) {
    const double qa = v.rootAt(ta), qb = v.rootAt(tb);
    if (!(qa > 0) || !(qb > 0))
        return 0;
    const int n = v.exponent;
    if (std::abs(qb - qa) <= 1e-12 * std::max(qa, qb))
        return std::pow(0.5 * (qa + qb), n);
    const double meanInverse = n == 1 ? std::log(qb / qa) / (qb - qa)
                                      : (std::pow(qa, 1 - n) - std::pow(qb, 1 - n)) / ((n - 1) * (qb - qa));
    return 1 / meanInverse;
}

} // namespace

std::vector<SegmentSpan> segmentSpans(const NonprismaticSection& section, double length) {
    double absolute = 0, variable = 0;
    for (const NonprismaticSegment& segment : section.segments)
        (segment.absolute ? absolute : variable) += std::max(segment.length, 0.0);
    const double left = std::max(length - absolute, 0.0);
    std::vector<SegmentSpan> spans;
    double at = 0;
    for (const NonprismaticSegment& segment : section.segments) {
        if (at >= length)
            break;
        const double own = std::max(segment.length, 0.0);
        const double span = segment.absolute ? own : (variable > 0 ? left * own / variable : 0);
        if (span <= 0)
            continue;
        spans.push_back({at, std::min(at + span, length), &segment});
        at += span;
    }
    if (!spans.empty())
        spans.back().end = length;
    return spans;
}

bool varies(const ModelStore& store, const NonprismaticSegment& segment) {
    if (segment.startSection == segment.endSection)
        return false;
    const TSECTION& a = store.frameSections[static_cast<std::size_t>(segment.startSection)];
    const TSECTION& b = store.frameSections[static_cast<std::size_t>(segment.endSection)];
    return a.area != b.area || a.i33 != b.i33 || a.i22 != b.i22 || a.torsion != b.torsion || a.av2 != b.av2 ||
           a.av3 != b.av3 || a.shape != b.shape || a.t1 != b.t1 || a.t2 != b.t2 || a.t3 != b.t3 ||
           a.t4 != b.t4 || a.t5 != b.t5 || a.t6 != b.t6;
}

PieceProperties pieceProperties(const TSECTION& start, const TSECTION& end, const SegmentSpan& span,
                                double from, double to) {
    const double length = span.end - span.start;
    const double ta = length > 0 ? (from - span.start) / length : 0;
    const double tb = length > 0 ? (to - span.start) / length : 1;
    const auto linear = [&](double a, double b) { return harmonicMean(Variation(a, b, 1), ta, tb); };
    PieceProperties p;
    p.area = linear(start.area, end.area);
    p.av2 = linear(start.av2, end.av2);
    p.av3 = linear(start.av3, end.av3);
    p.torsion = linear(start.torsion, end.torsion);
    p.i33 = harmonicMean(Variation(start.i33, end.i33, span.segment->exponent33), ta, tb);
    p.i22 = harmonicMean(Variation(start.i22, end.i22, span.segment->exponent22), ta, tb);
    return p;
}

} // namespace kelvane::tables
