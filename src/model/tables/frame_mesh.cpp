#include "common/error.h"
#include "common/number_format.h"
#include "model/frame_axes.h"
#include "model/tables/frame_load_split.h"
#include "model/tables/import_context.h"
#include "model/tables/piece_sections.h"
#include "model/tables/span_points.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <string>

namespace kelvane::tables {
namespace {

// Elements per varying segment of a nonprismatic section. With I harmonically averaged over each
// element, sixteen keep a cantilever's tip deflection within 0.25 % of the exact integral of
// M m / EI for I growing up to eight-fold along the segment (linear 0.07 % at two-fold,
// parabolic 0.14 % at four-fold); eight would leave up to 0.8 %.
constexpr int kPiecesPerVaryingSegment = 16;
// More elements than this from one frame are refused rather than written.
constexpr int kMostPieces = 10000;

struct MeshRule {
    bool on = false, atJoints = false, atFrames = false;
    int segments = 0;
    double maxLength = 0; // mm; 0 for none
};

// A point where a frame is cut: mm from joint I, and the joint there (0: a joint to create).
struct Station {
    double at = 0;
    std::int32_t node = 0;
};

// FRAME AUTO MESH ASSIGNMENTS: a row meshes its frame (AutoMesh defaults to Yes, AtJoints to Yes,
// AtFrames to No, NumSegments and MaxLength to 0, none).
std::vector<MeshRule> readMeshRules(ImportContext& context) {
    std::vector<MeshRule> rules(context.store.frames.size());
    Rows rows(context.file, "FRAME AUTO MESH ASSIGNMENTS");
    while (rows.next()) {
        MeshRule& rule = rules[static_cast<std::size_t>(frameOf(context, rows, "Frame"))];
        rule = MeshRule{};
        if (!rows.yes("AutoMesh", true))
            continue;
        rule.on = true;
        rule.atJoints = rows.yes("AtJoints", true);
        rule.atFrames = rows.yes("AtFrames", false);
        const double segments = rows.real("NumSegments", 0);
        if (!(segments >= 0 && segments <= kMostPieces) || segments != std::floor(segments))
            rows.fail("NumSegments=" + formatGeneral(segments) + " is not a whole number from 0 to " +
                          std::to_string(kMostPieces),
                      rows.find("NumSegments"));
        rule.segments = static_cast<int>(segments);
        rule.maxLength = rows.real("MaxLength", 0) * context.units.length;
        if (!(rule.maxLength >= 0))
            rows.fail("MaxLength is negative", rows.find("MaxLength"));
    }
    return rules;
}

Vector positionOf(const TNODE& node) {
    return {node.x, node.y, node.z};
}

// Joints to connect where two frames meshed at frames cross inside both their spans: an existing
// joint there, else a joint created for both.
void addCrossings(ImportContext& context, const std::vector<MeshRule>& rules, const SpanPoints& points,
                  std::vector<std::vector<Station>>& stations) {
    ModelStore& store = context.store;
    std::vector<std::int32_t> meshed;
    for (std::int32_t f = 1; f <= store.frameCount; ++f)
        if (rules[static_cast<std::size_t>(f)].atFrames &&
            store.frames[static_cast<std::size_t>(f)].section != 0)
            meshed.push_back(f);
    const auto lineOf = [&](std::int32_t f) {
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        return FrameLine(positionOf(store.nodes[static_cast<std::size_t>(frame.nodeI)]),
                         positionOf(store.nodes[static_cast<std::size_t>(frame.nodeJ)]));
    };
    for (std::size_t a = 0; a < meshed.size(); ++a)
        for (std::size_t b = a + 1; b < meshed.size(); ++b) {
            const FrameLine first = lineOf(meshed[a]), second = lineOf(meshed[b]);
            const std::optional<Crossing> crossing = crossingOf(first, second);
            if (!crossing)
                continue;
            std::int32_t node =
                points.jointAt(crossing->point, std::min(first.tolerance(), second.tolerance()));
            if (node == 0) {
                TNODE& created = store.nodes.emplace_back();
                created.x = crossing->point[0];
                created.y = crossing->point[1];
                created.z = crossing->point[2];
                node = static_cast<std::int32_t>(store.nodes.size()) - 1;
            }
            stations[static_cast<std::size_t>(meshed[a])].push_back({crossing->atFirst, node});
            stations[static_cast<std::size_t>(meshed[b])].push_back({crossing->atSecond, node});
        }
    store.nodeCount = static_cast<std::int32_t>(store.nodes.size()) - 1;
}

// Equal cuts into `count` pieces between `from` and `to`.
void addEqualCuts(std::vector<Station>& stations, double from, double to, long long count) {
    for (long long k = 1; k < count; ++k)
        stations.push_back({from + (to - from) * static_cast<double>(k) / static_cast<double>(count), 0});
}

// Sorted, one station per point (a joint wins over a point without one), none at the ends.
std::vector<Station> settled(std::vector<Station> stations, double length, double tolerance) {
    std::stable_sort(stations.begin(), stations.end(),
                     [](const Station& a, const Station& b) { return a.at < b.at; });
    std::vector<Station> kept;
    for (const Station& station : stations) {
        if (station.at <= tolerance || station.at >= length - tolerance)
            continue;
        if (!kept.empty() && station.at - kept.back().at <= tolerance) {
            if (kept.back().node == 0)
                kept.back() = station;
            continue;
        }
        kept.push_back(station);
    }
    return kept;
}

// The stations of one frame: where it is meshed, and where its nonprismatic section asks.
std::vector<Station> stationsOf(ImportContext& context, std::int32_t f, const MeshRule& rule,
                                const SpanPoints& points, std::vector<Station> stations) {
    const ModelStore& store = context.store;
    const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
    const FrameLine line(positionOf(store.nodes[static_cast<std::size_t>(frame.nodeI)]),
                         positionOf(store.nodes[static_cast<std::size_t>(frame.nodeJ)]));
    const double length = line.length();
    points.forEachOnSpan(line, [&](std::int32_t node, double at, bool frameEnd) {
        if (rule.on && (rule.atJoints || (rule.atFrames && frameEnd)))
            stations.push_back({at, node});
        else
            context.report.jointsOnSpans.push_back(
                "joint " + store.nodes[static_cast<std::size_t>(node)].label + " on frame " + frame.label);
    });
    if (rule.on && rule.segments > 1)
        addEqualCuts(stations, 0, length, rule.segments);
    if (const std::int32_t np = context.frameNonprismatic[static_cast<std::size_t>(f)]; np != 0)
        for (const SegmentSpan& span :
             segmentSpans(context.nonprismatic[static_cast<std::size_t>(np - 1)], length)) {
            stations.push_back({span.start, 0});
            if (varies(store, *span.segment))
                addEqualCuts(stations, span.start, span.end, kPiecesPerVaryingSegment);
        }
    std::vector<Station> kept = settled(std::move(stations), length, line.tolerance());
    if (rule.on && rule.maxLength > 0) {
        std::vector<Station> finer = kept;
        double from = 0;
        for (std::size_t k = 0; k <= kept.size(); ++k) {
            const double to = k < kept.size() ? kept[k].at : length;
            const double count = std::ceil((to - from) / rule.maxLength - 1e-9);
            if (count > kMostPieces)
                fail("Table \"FRAME AUTO MESH ASSIGNMENTS\": frame " + frame.label +
                     " would be split into more than " + std::to_string(kMostPieces) +
                     " elements by MaxLength");
            addEqualCuts(finer, from, to, static_cast<long long>(count));
            from = to;
        }
        kept = settled(std::move(finer), length, line.tolerance());
    }
    if (kept.size() >= static_cast<std::size_t>(kMostPieces))
        fail("frame " + frame.label + " would be split into more than " + std::to_string(kMostPieces) +
             " elements");
    return kept;
}

// A label for a joint the meshing creates: "~N", as SAP2000 names its internal joints, unless the
// model has that name already.
class JointLabels {
  public:
    explicit JointLabels(const ModelStore& store) {
        for (std::int32_t n = 1; n <= store.nodeCount; ++n)
            taken_.insert(store.nodes[static_cast<std::size_t>(n)].label);
    }
    std::string next() {
        std::string label;
        do
            label = "~" + std::to_string(++number_);
        while (taken_.contains(label));
        return label;
    }

  private:
    std::set<std::string> taken_;
    long long number_ = 0;
};

// The rebuilt frame table: pieces in the order of their frames, each frame's pieces in a row.
struct Rebuilt {
    std::vector<TFRAME> frames = std::vector<TFRAME>(1);
    std::vector<std::int32_t> first, count;
    std::vector<std::vector<double>> cuts; // per frame split: the pieces' ends as fractions
};

void addPieces(ImportContext& context, std::int32_t f, const std::vector<Station>& stations,
               PieceSections& sections, JointLabels& labels, Rebuilt& rebuilt) {
    ModelStore& store = context.store;
    TFRAME original = std::move(store.frames[static_cast<std::size_t>(f)]);
    const Vector i = positionOf(store.nodes[static_cast<std::size_t>(original.nodeI)]);
    const Vector j = positionOf(store.nodes[static_cast<std::size_t>(original.nodeJ)]);
    const double length = lengthOfFrame(store, original);
    std::vector<double> at{0};
    std::vector<std::int32_t> nodes{original.nodeI};
    for (const Station& station : stations) {
        std::int32_t node = station.node;
        if (node == 0) {
            const double t = station.at / length;
            TNODE& created = store.nodes.emplace_back();
            created.x = i[0] + (j[0] - i[0]) * t;
            created.y = i[1] + (j[1] - i[1]) * t;
            created.z = i[2] + (j[2] - i[2]) * t;
            created.label = labels.next();
            node = static_cast<std::int32_t>(store.nodes.size()) - 1;
            ++context.report.meshJoints;
        } else if (store.nodes[static_cast<std::size_t>(node)].label.empty()) {
            store.nodes[static_cast<std::size_t>(node)].label = labels.next();
            ++context.report.meshJoints;
        }
        at.push_back(station.at);
        nodes.push_back(node);
    }
    at.push_back(length);
    nodes.push_back(original.nodeJ);
    store.nodeCount = static_cast<std::int32_t>(store.nodes.size()) - 1;

    const std::int32_t np = context.frameNonprismatic[static_cast<std::size_t>(f)];
    const std::vector<SegmentSpan> spans =
        np == 0 ? std::vector<SegmentSpan>{}
                : segmentSpans(context.nonprismatic[static_cast<std::size_t>(np - 1)], length);
    const std::size_t pieces = nodes.size() - 1;
    rebuilt.first[static_cast<std::size_t>(f)] = static_cast<std::int32_t>(rebuilt.frames.size());
    rebuilt.count[static_cast<std::size_t>(f)] = static_cast<std::int32_t>(pieces);
    if (pieces == 1) {
        rebuilt.frames.push_back(std::move(original));
        return;
    }
    for (std::size_t k = 0; k < pieces; ++k) {
        TFRAME piece = original;
        piece.nodeI = nodes[k];
        piece.nodeJ = nodes[k + 1];
        piece.label = original.label + "~" + std::to_string(k + 1);
        if (k > 0) {
            piece.assigned.edit().releaseI = {};
            piece.assigned.edit().fixityI = {};
        }
        if (k + 1 < pieces) {
            piece.assigned.edit().releaseJ = {};
            piece.assigned.edit().fixityJ = {};
        }
        if ((piece.release == 1 && k > 0) || (piece.release == 2 && k + 1 < pieces))
            piece.release = 0;
        if (!spans.empty()) {
            const double middle = 0.5 * (at[k] + at[k + 1]);
            const auto span = std::find_if(spans.begin(), spans.end(),
                                           [&](const SegmentSpan& s) { return middle <= s.end; });
            piece.section =
                sections.sectionOf(np, span == spans.end() ? spans.back() : *span, at[k], at[k + 1]);
        }
        rebuilt.frames.push_back(std::move(piece));
    }
    ++context.report.framesSplit;
    context.report.framePieces += static_cast<long long>(pieces);
    std::vector<double>& cuts = rebuilt.cuts[static_cast<std::size_t>(f)];
    for (const double x : at)
        cuts.push_back(x / length);
}

// Loads on the frames as rebuilt; those on a frame left out are reported.
void moveLoads(ImportContext& context, const Rebuilt& rebuilt) {
    ModelStore& store = context.store;
    std::vector<TLOAD> loads(1);
    loads.reserve(store.loads.size());
    long long lost = 0;
    for (std::int32_t l = 1; l <= store.loadCount; ++l) {
        TLOAD& load = store.loads[static_cast<std::size_t>(l)];
        if (load.kind != LoadDistributed && load.kind != LoadFrameSpan && load.kind != LoadFramePoint) {
            loads.push_back(std::move(load));
            continue;
        }
        const auto f = static_cast<std::size_t>(load.target);
        if (f >= rebuilt.count.size() || rebuilt.count[f] == 0) {
            ++lost;
        } else if (rebuilt.count[f] == 1) {
            load.target = rebuilt.first[f];
            loads.push_back(std::move(load));
        } else {
            splitFrameLoad(load, rebuilt.cuts[f], rebuilt.first[f], loads);
        }
    }
    if (lost > 0)
        context.report.addNotCarried("frame loads on frames without a section", lost);
    store.loads = std::move(loads);
    store.loadCount = static_cast<std::int32_t>(store.loads.size()) - 1;
}

} // namespace

void meshFrames(ImportContext& context) {
    ModelStore& store = context.store;
    const std::vector<MeshRule> rules = readMeshRules(context);
    const SpanPoints points(store, context.fileJointCount);
    std::vector<std::vector<Station>> stations(store.frames.size());
    addCrossings(context, rules, points, stations);
    bool changes = false;
    for (std::int32_t f = 1; f <= store.frameCount; ++f) {
        const auto k = static_cast<std::size_t>(f);
        if (store.frames[k].section == 0) {
            context.report.framesWithoutSection.push_back(store.frames[k].label);
            changes = true;
            continue;
        }
        stations[k] = stationsOf(context, f, rules[k], points, std::move(stations[k]));
        changes = changes || !stations[k].empty();
    }
    if (!changes)
        return;
    JointLabels labels(store);
    PieceSections sections(context);
    Rebuilt rebuilt;
    rebuilt.first.assign(store.frames.size(), 0);
    rebuilt.count.assign(store.frames.size(), 0);
    rebuilt.cuts.resize(store.frames.size());
    for (std::int32_t f = 1; f <= store.frameCount; ++f)
        if (store.frames[static_cast<std::size_t>(f)].section != 0)
            addPieces(context, f, stations[static_cast<std::size_t>(f)], sections, labels, rebuilt);
    store.frames = std::move(rebuilt.frames);
    store.frameCount = static_cast<std::int32_t>(store.frames.size()) - 1;
    moveLoads(context, rebuilt);
}

} // namespace kelvane::tables
