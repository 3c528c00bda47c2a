#include "model/tables/element_geometry.h"
#include "model/tables/import_context.h"
#include "model/tables/joint_load_sums.h"
#include "model/tables/sap_local_axes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace kelvane::tables {
namespace {

Vector minus(const Vector& a, const Vector& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

double lengthOf(const Vector& v) {
    return std::sqrt(dot(v, v));
}

// A load along one edge of an area, per length of the edge: linear between its breakpoints
// (positions along the edge from its first corner, increasing, and the intensity there).
struct EdgeLoad {
    std::vector<std::pair<double, double>> points;
};

// The 45-degree rule on a rectangle: each edge takes the part of the area nearer to it than to
// any other edge, a trapezoid (a triangle on the short edges) of height half the short side.
std::vector<EdgeLoad> twoWayOnRectangle(const std::vector<Vector>& corners, double pressure) {
    const double shortSide =
        std::min(lengthOf(minus(corners[1], corners[0])), lengthOf(minus(corners[2], corners[1])));
    const double h = shortSide / 2;
    std::vector<EdgeLoad> edges;
    for (std::size_t e = 0; e < 4; ++e) {
        const double length = lengthOf(minus(corners[(e + 1) % 4], corners[e]));
        edges.push_back({{{0, 0}, {h, pressure * h}, {length - h, pressure * h}, {length, 0}}});
    }
    return edges;
}

// The 45-degree rule on a triangle: the bisectors meet at the centre of the inscribed circle, so
// each edge takes a triangle of height the circle's radius, peaking where the radius meets it.
std::vector<EdgeLoad> twoWayOnTriangle(const std::vector<Vector>& corners, double pressure) {
    std::array<double, 3> side{};
    for (std::size_t e = 0; e < 3; ++e)
        side[e] = lengthOf(minus(corners[(e + 1) % 3], corners[e]));
    const double perimeter = side[0] + side[1] + side[2];
    const double radius = 2 * areaSize(corners) / perimeter;
    std::vector<EdgeLoad> edges;
    for (std::size_t e = 0; e < 3; ++e) {
        // The tangent point lies (s - opposite side) from the edge's first corner.
        const double foot = perimeter / 2 - side[(e + 1) % 3];
        edges.push_back({{{0, 0}, {foot, pressure * radius}, {side[e], 0}}});
    }
    return edges;
}

// One-way along local axis 1 of a rectangle whose sides lie along its local axes 1 and 2: the
// edges across axis 1 each take half the span, uniformly; the edges along it take nothing.
std::vector<EdgeLoad> oneWayOnRectangle(const std::vector<Vector>& corners, const Vector& axis1,
                                        double pressure) {
    std::vector<EdgeLoad> edges;
    for (std::size_t e = 0; e < 4; ++e) {
        const Vector side = minus(corners[(e + 1) % 4], corners[e]);
        const double length = lengthOf(side);
        const bool across = std::abs(dot(side, axis1)) < 1e-6 * length;
        const double span = lengthOf(minus(corners[(e + 2) % 4], corners[(e + 1) % 4]));
        edges.push_back(
            {{{0, across ? pressure * span / 2 : 0}, {length, across ? pressure * span / 2 : 0}}});
    }
    return edges;
}

bool isRectangle(const std::vector<Vector>& corners) {
    if (corners.size() != 4)
        return false;
    for (std::size_t k = 0; k < 4; ++k) {
        const Vector a = minus(corners[(k + 1) % 4], corners[k]);
        const Vector b = minus(corners[(k + 2) % 4], corners[(k + 1) % 4]);
        if (std::abs(dot(a, b)) > 1e-6 * lengthOf(a) * lengthOf(b))
            return false;
    }
    return true;
}

bool sidesAlong(const std::vector<Vector>& corners, const Vector& axis1) {
    const Vector side = minus(corners[1], corners[0]);
    const double cosine = std::abs(dot(side, axis1)) / lengthOf(side);
    return cosine < 1e-6 || std::abs(cosine - 1) < 1e-6;
}

// The joint's position along the edge from `from` in direction `along`, when it lies on the
// edge's line (within a millionth of the edge's length); else nothing.
std::optional<double> positionOnEdge(const ModelStore& store, std::int32_t joint, const Vector& from,
                                     const Vector& along, double length) {
    const TNODE& node = store.nodes[static_cast<std::size_t>(joint)];
    const Vector offset = minus({node.x, node.y, node.z}, from);
    const double t = dot(offset, along);
    const Vector aside = minus(offset, scaled(along, t));
    if (lengthOf(aside) > 1e-6 * length || t < -1e-6 * length || t > length * (1 + 1e-6))
        return std::nullopt;
    return t;
}

// The frames covering the edge from joint `start` to joint `end`, found by walking from frame to
// frame along the edge: each with the positions of its joints I and J along the edge. Stops where
// no frame goes on along the edge.
struct FrameOnEdge {
    std::int32_t frame = 0;
    double atI = 0, atJ = 0;
};
std::vector<FrameOnEdge> framesAlong(const ModelStore& store,
                                     const std::vector<std::vector<std::int32_t>>& atJoint,
                                     std::int32_t start, std::int32_t end) {
    const TNODE& a = store.nodes[static_cast<std::size_t>(start)];
    const TNODE& b = store.nodes[static_cast<std::size_t>(end)];
    const Vector from = {a.x, a.y, a.z};
    const double length = lengthOf(minus({b.x, b.y, b.z}, from));
    const Vector along = scaled(minus({b.x, b.y, b.z}, from), 1 / length);
    std::vector<FrameOnEdge> found;
    std::int32_t joint = start;
    double reached = 0;
    while (joint != end && reached < length * (1 - 1e-6)) {
        FrameOnEdge next;
        double farthest = reached;
        for (const std::int32_t f : atJoint[static_cast<std::size_t>(joint)]) {
            const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
            const auto atI = positionOnEdge(store, frame.nodeI, from, along, length);
            const auto atJ = positionOnEdge(store, frame.nodeJ, from, along, length);
            if (atI && atJ && std::max(*atI, *atJ) > farthest * (1 + 1e-9) + 1e-9 * length) {
                farthest = std::max(*atI, *atJ);
                next = {f, *atI, *atJ};
            }
        }
        if (next.frame == 0)
            break;
        found.push_back(next);
        const TFRAME& frame = store.frames[static_cast<std::size_t>(next.frame)];
        joint = next.atJ > next.atI ? frame.nodeJ : frame.nodeI;
        reached = farthest;
    }
    return found;
}

double intensityAt(const EdgeLoad& load, double t) {
    for (std::size_t k = 1; k < load.points.size(); ++k) {
        const auto [t0, w0] = load.points[k - 1];
        const auto [t1, w1] = load.points[k];
        if (t <= t1 || k + 1 == load.points.size())
            return t1 > t0 ? w0 + (w1 - w0) * (t - t0) / (t1 - t0) : w1;
    }
    return 0;
}

// The edge's load over the frame's part of it, as linear pieces along the frame (kind 3), each
// split into the frame's local components.
void addToFrame(ModelStore& store, const FrameOnEdge& on, const EdgeLoad& load, const Vector& direction,
                const std::string& caseName) {
    const double from = std::min(on.atI, on.atJ), to = std::max(on.atI, on.atJ);
    std::vector<double> breaks = {from, to};
    for (const auto& [t, w] : load.points)
        if (t > from && t < to)
            breaks.push_back(t);
    std::sort(breaks.begin(), breaks.end());
    const double length = to - from;
    const TFRAME& frame = store.frames[static_cast<std::size_t>(on.frame)];
    for (std::size_t k = 1; k < breaks.size(); ++k) {
        const double t0 = breaks[k - 1], t1 = breaks[k];
        const double w0 = intensityAt(load, t0), w1 = intensityAt(load, t1);
        if (t1 - t0 < 1e-9 * length || (w0 == 0 && w1 == 0))
            continue;
        // Fractions from the frame's joint I, which may lie at either end of its part of the edge.
        const bool forward = on.atJ > on.atI;
        const double a = forward ? (t0 - from) / length : (to - t1) / length;
        const double b = forward ? (t1 - from) / length : (to - t0) / length;
        const double wa = forward ? w0 : w1, wb = forward ? w1 : w0;
        addLocalComponents(store, frame, direction, [&](std::int32_t axis, double component) {
            TLOAD& added = store.loads.emplace_back();
            added.kind = LoadFrameSpan;
            added.target = on.frame;
            added.caseName = caseName;
            added.direction = axis;
            added.fx = wa * component;
            added.fy = wb * component;
            added.distA = a;
            added.distB = b;
        });
    }
}

} // namespace

// AREA LOADS - UNIFORM TO FRAME: a pressure on an area (often one of no section, a panel of a
// floor) handed to the frames along its edges, as SAP2000 does: two way by the 45-degree rule
// (rectangles and triangles), one way along the area's local axis 1 to the two edges across it
// (rectangles with their sides along the local axes). The frames take it as loads along part of
// their span, varying linearly. Other panels, and parts of an edge with no frame along them, hand
// their share to the area's corners, and are reported.
void readAreaLoadsToFrames(ImportContext& context) {
    ModelStore& store = context.store;
    const double unit = context.units.force / context.units.area();
    std::vector<std::vector<std::int32_t>> atJoint(static_cast<std::size_t>(countOf(store.nodeCount)) + 1);
    for (std::int32_t f = 1; f <= store.frameCount; ++f) {
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        if (frame.section == 0)
            continue;
        atJoint[static_cast<std::size_t>(frame.nodeI)].push_back(f);
        atJoint[static_cast<std::size_t>(frame.nodeJ)].push_back(f);
    }
    std::vector<JointLoadSums> sums(static_cast<std::size_t>(countOf(store.loadCaseCount)) + 1);
    Rows rows(context.file, "AREA LOADS - UNIFORM TO FRAME");
    while (rows.next()) {
        const std::int32_t a = areaOf(context, rows, "Area");
        const std::int32_t pattern = patternOf(context, rows);
        const std::string& caseName = store.loadCaseNames[static_cast<std::size_t>(pattern)];
        const TSHELL area = store.shells[static_cast<std::size_t>(a)];
        const std::vector<Vector> corners = areaCorners(store, area);
        if (areaSize(corners) == 0)
            continue;
        const auto direction = pressureDirection(context, rows, corners);
        if (!direction)
            continue;
        const double pressure = rows.real("UnifLoad", 0) * unit * direction->second;
        const std::string_view distribution = rows.text("DistType", "Two way");
        const bool oneWay = equalsIgnoringCase(distribution, "One way");
        if (!oneWay && !equalsIgnoringCase(distribution, "Two way"))
            rows.fail("DistType=" + std::string(distribution) + ": the distribution is One way or Two way",
                      rows.find("DistType"));
        // Angle turns the local axes about local 3 (the restated ETABS decks give it; SAP2000's own
        // rows leave it out).
        const std::array<Vector, 3> axes = areaLocalAxes(corners);
        const double turn = rows.real("Angle", 0) * std::numbers::pi / 180;
        const Vector axis1 = {std::cos(turn) * axes[0][0] + std::sin(turn) * axes[1][0],
                              std::cos(turn) * axes[0][1] + std::sin(turn) * axes[1][1],
                              std::cos(turn) * axes[0][2] + std::sin(turn) * axes[1][2]};
        std::vector<EdgeLoad> edges;
        if (oneWay && isRectangle(corners) && sidesAlong(corners, axis1))
            edges = oneWayOnRectangle(corners, axis1, pressure);
        else if (!oneWay && isRectangle(corners))
            edges = twoWayOnRectangle(corners, pressure);
        else if (!oneWay && corners.size() == 3)
            edges = twoWayOnTriangle(corners, pressure);
        const std::array<std::int32_t, 4> joints = {area.node1, area.node2, area.node3, area.node4};
        const std::size_t n = corners.size();
        double lost = edges.empty() ? pressure * areaSize(corners) : 0;
        if (edges.empty())
            context.report.addNotCarried(
                "area loads to frames on panels other than rectangles (and triangles "
                "two way): given to the area's corners");
        for (std::size_t e = 0; e < edges.size(); ++e) {
            double carried = 0;
            for (const FrameOnEdge& on : framesAlong(store, atJoint, joints[e], joints[(e + 1) % n])) {
                addToFrame(store, on, edges[e], direction->first, caseName);
                const double from = std::min(on.atI, on.atJ), to = std::max(on.atI, on.atJ);
                for (std::size_t k = 1; k < edges[e].points.size(); ++k) {
                    // The load over the overlap of [from, to] with this piece (the trapezoid rule is exact).
                    const double t0 = std::max(from, edges[e].points[k - 1].first);
                    const double t1 = std::min(to, edges[e].points[k].first);
                    if (t1 > t0)
                        carried += (intensityAt(edges[e], t0) + intensityAt(edges[e], t1)) / 2 * (t1 - t0);
                }
            }
            double total = 0;
            for (std::size_t k = 1; k < edges[e].points.size(); ++k)
                total += (edges[e].points[k - 1].second + edges[e].points[k].second) / 2 *
                         (edges[e].points[k].first - edges[e].points[k - 1].first);
            if (std::abs(total - carried) > 1e-9 * std::abs(total)) {
                context.report.addNotCarried(
                    "area loads to frames on edges without frames along them: given to "
                    "the area's corners");
                lost += total - carried;
            }
        }
        if (lost != 0)
            for (std::size_t k = 0; k < n; ++k)
                sums[static_cast<std::size_t>(pattern)].add(
                    joints[k], scaled(direction->first, lost / static_cast<double>(n)));
    }
    for (std::int32_t c = 1; c <= store.loadCaseCount; ++c)
        sums[static_cast<std::size_t>(c)].flush(store, store.loadCaseNames[static_cast<std::size_t>(c)]);
    store.loadCount = static_cast<std::int32_t>(store.loads.size()) - 1;
}

} // namespace kelvane::tables
