#include "model/frame_axes.h"
#include "model/tables/import_context.h"
#include "model/tables/sap_local_axes.h"
#include "sections/plate_shapes.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane::tables {
namespace {

bool isBeamColumn(const ModelStore& store, const TFRAME& frame) {
    const std::int32_t type = store.frameSections[static_cast<std::size_t>(frame.section)].elementType;
    return type >= ElasticBeamColumn && type <= BeamWithHinge;
}

Vector jointAt(const ModelStore& store, std::int32_t joint) {
    const TNODE& node = store.nodes[static_cast<std::size_t>(joint)];
    return {node.x, node.y, node.z};
}

Vector plus(const Vector& a, const Vector& b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}

// The cardinal point's number (1 to 11) from "8 (Top Center)" or "8".
int cardinalPointOf(const Rows& rows) {
    const std::string_view text = rows.text("CardinalPt", "10");
    int number = 0;
    std::size_t k = 0;
    for (; k < text.size() && text[k] >= '0' && text[k] <= '9'; ++k)
        number = number * 10 + (text[k] - '0');
    if (k == 0 || number < 1 || number > 11)
        rows.fail("CardinalPt=" + std::string(text) + ": a cardinal point is a number from 1 to 11",
                  rows.find("CardinalPt"));
    return number;
}

// Where the centroid lies from the line through the joints, along SAP2000's local 2 and 3 axes,
// for a cardinal point: 1 to 9 are the bottom (-2), middle and top (+2) rows of left (+3, seen
// looking along -1), centre and right points of the section's depth and width; 10 and 11 (the
// centroid, and the shear centre of a symmetric shape) lie on the line.
std::pair<double, double> centroidFromLine(int point, double depth, double width) {
    if (point > 9)
        return {0, 0};
    const int row = (point - 1) / 3, column = (point - 1) % 3;
    return {(1 - row) * depth / 2, (column - 1) * width / 2};
}

// FRAME INSERTION POINT ASSIGNMENTS: the joint offsets (Offset1X..Offset2Z, in GLOBAL or the
// frame's local axes) plus the centroid's offset from the cardinal point. With StiffTransform=No
// SAP2000 leaves the frame's stiffness at the joints, and so does the script.
void readInsertionPoints(ImportContext& context) {
    ModelStore& store = context.store;
    Rows rows(context.file, "FRAME INSERTION POINT ASSIGNMENTS");
    while (rows.next()) {
        TFRAME& frame = store.frames[static_cast<std::size_t>(frameOf(context, rows, "Frame"))];
        if (!rows.yes(rows.has("StiffTransform") ? "StiffTransform" : "Transform", true))
            continue;
        const bool local = equalsIgnoringCase(rows.text("CoordSys", "GLOBAL"), "Local");
        const std::array<Vector, 3> axes = {sapLocalAxis(store, frame, 1), sapLocalAxis(store, frame, 2),
                                            sapLocalAxis(store, frame, 3)};
        const auto offset = [&](char end) {
            const std::string prefix = std::string("Offset") + end;
            const Vector given = {rows.real(prefix + "X", 0) * context.units.length,
                                  rows.real(prefix + "Y", 0) * context.units.length,
                                  rows.real(prefix + "Z", 0) * context.units.length};
            if (!local)
                return given;
            Vector global{};
            for (std::size_t k = 0; k < 3; ++k)
                global = plus(global, scaled(axes[k], given[k]));
            return global;
        };
        Vector atI = offset('1'), atJ = offset('2');
        const int point = cardinalPointOf(rows);
        const TSECTION& section = store.frameSections[static_cast<std::size_t>(frame.section)];
        const bool round = section.shape == ShapePipe || section.shape == ShapeCircle;
        const double depth = section.t1, width = round ? section.t1 : section.t2;
        if (point <= 9 && point != 5 && (depth == 0 || width == 0)) {
            context.report.addNotCarried("cardinal points of frames whose section gives no depth and width");
        } else {
            auto [along2, along3] = centroidFromLine(point, depth, width);
            // The cardinal points lie on the outline of an open shape, whose centroid is off its
            // centre and off its shear centre (a plate's y axis is local 3, its z axis local 2).
            if (point <= 9) {
                const auto [y, z] = centroidFromOutlineCentre(section);
                along2 += z;
                along3 += y;
            } else if (point == 11) {
                const auto [y, z] = shearCentreFromCentroid(section);
                along2 -= z;
                along3 -= y;
            }
            const Vector shift = plus(scaled(axes[1], along2), scaled(axes[2], along3));
            atI = plus(atI, shift);
            atJ = plus(atJ, shift);
        }
        frame.assigned.edit().offsetI = atI;
        frame.assigned.edit().offsetJ = atJ;
    }
}

// Half the largest cross-section dimension of the frames other than `frame` that meet at `joint`:
// the length of an automatic end offset there.
double automaticOffset(const ModelStore& store, const std::vector<std::vector<std::int32_t>>& framesAt,
                       std::int32_t frame, std::int32_t joint) {
    double offset = 0;
    for (const std::int32_t other : framesAt[static_cast<std::size_t>(joint)]) {
        const TSECTION& section = store.frameSections[static_cast<std::size_t>(
            store.frames[static_cast<std::size_t>(other)].section)];
        if (other != frame)
            offset = std::max(offset, std::max(section.t1, section.t2) / 2);
    }
    return offset;
}

std::vector<std::vector<std::int32_t>> framesAtJoints(const ModelStore& store) {
    std::vector<std::vector<std::int32_t>> framesAt(static_cast<std::size_t>(countOf(store.nodeCount)) + 1);
    for (std::int32_t f = 1; f <= store.frameCount; ++f) {
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        for (const std::int32_t joint : {frame.nodeI, frame.nodeJ})
            if (joint >= 1 && joint <= store.nodeCount)
                framesAt[static_cast<std::size_t>(joint)].push_back(f);
    }
    return framesAt;
}

// FRAME OFFSET ALONG LENGTH ASSIGNMENTS: rigid zones RigidFact x Length1 at end I and RigidFact x
// Length2 at end J, measured along the frame from its (inserted) ends; the element spans the rest.
// SAP2000 writes the factor as RigidFact or RigidFactor and the kind as OffsetType or Type. An
// automatic offset is, at each end, half the largest section dimension (depth or width) of the
// other frames meeting there.
void readLengthOffsets(ImportContext& context) {
    ModelStore& store = context.store;
    Rows rows(context.file, "FRAME OFFSET ALONG LENGTH ASSIGNMENTS");
    std::vector<std::vector<std::int32_t>> framesAt;
    while (rows.next()) {
        const std::int32_t f = frameOf(context, rows, "Frame");
        TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        const std::string_view kind = rows.has("OffsetType") ? rows.text("OffsetType") : rows.text("Type");
        const bool automatic = kind.starts_with("Auto") || (!rows.has("Length1") && !rows.has("Length2"));
        const std::string_view factorKey = rows.has("RigidFactor") ? "RigidFactor" : "RigidFact";
        const double factor = rows.real(factorKey, 0);
        if (automatic && framesAt.empty())
            framesAt = framesAtJoints(store);
        const double a = automatic ? automaticOffset(store, framesAt, f, frame.nodeI)
                                   : rows.real("Length1", 0) * context.units.length;
        const double b = automatic ? automaticOffset(store, framesAt, f, frame.nodeJ)
                                   : rows.real("Length2", 0) * context.units.length;
        if (factor < 0 || factor > 1)
            rows.fail(std::string(factorKey) + "=" + std::string(rows.text(factorKey)) +
                          ": a rigid-zone factor lies from 0 to 1",
                      rows.find(factorKey));
        if (a == 0 && b == 0)
            continue;
        const Vector i = plus(jointAt(store, frame.nodeI), frame.assigned->offsetI);
        const Vector j = plus(jointAt(store, frame.nodeJ), frame.assigned->offsetJ);
        const Vector span = {j[0] - i[0], j[1] - i[1], j[2] - i[2]};
        const double length = std::sqrt(dot(span, span));
        if (automatic && a + b >= length) {
            context.report.addNotCarried("automatic end offsets as long as their frame (left out)");
            continue;
        }
        if (a < 0 || b < 0 || a + b >= length)
            rows.fail("frame " + frame.label + ": end offsets of " + std::string(rows.text("Length1")) +
                      " and " + std::string(rows.text("Length2")) + " leave no length between them");
        const Vector along = scaled(span, 1 / length);
        FrameAssignments& assigned = frame.assigned.edit();
        assigned.offsetI = plus(assigned.offsetI, scaled(along, factor * a));
        assigned.offsetJ = plus(assigned.offsetJ, scaled(along, -factor * b));
    }
}

} // namespace

// Insertion points, then end offsets along the length. The solver takes both as its joint
// offsets, which beam-columns have; a truss or a rigid link keeps its joints and is reported.
void readFrameOffsets(ImportContext& context) {
    readInsertionPoints(context);
    readLengthOffsets(context);
    ModelStore& store = context.store;
    long long unwritten = 0, withoutShear = 0;
    for (std::int32_t f = 1; f <= store.frameCount; ++f) {
        TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        if (frame.assigned->offsetI == Vector{} && frame.assigned->offsetJ == Vector{})
            continue;
        const TSECTION& section = store.frameSections[static_cast<std::size_t>(frame.section)];
        if (isBeamColumn(store, frame)) {
            const bool shearAreas = section.av2 > 0 || section.av3 > 0 ||
                                    (section.shape != ShapeNone && !section.propertiesFromFile);
            withoutShear += section.elementType == ElasticBeamColumn && shearAreas ? 1 : 0;
            continue;
        }
        frame.assigned.edit().offsetI = frame.assigned.edit().offsetJ = Vector{};
        ++unwritten;
    }
    if (unwritten > 0)
        context.report.addNotCarried("end offsets and insertion points of trusses and rigid links",
                                     unwritten);
    // The solver's elastic Timoshenko beam silently ignores joint offsets: such frames are written
    // as elastic beam-columns, which honour them but take no shear deflection.
    if (withoutShear > 0)
        context.report.addNotCarried(
            "shear deformation of elastic frames with end offsets or insertion points", withoutShear);
}

} // namespace kelvane::tables
