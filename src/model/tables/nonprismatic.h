#pragma once

#include "model/model_store.h"

#include <cstdint>
#include <string>
#include <vector>

// Nonprismatic frame sections (FRAME SECTION PROPERTIES 05 - NONPRISMATIC) as SAP2000 varies
// them: a chain of segments, each from a start to an end section. Over a segment the area, the
// shear areas, the torsion constant and the weight vary linearly; I33 and I22 vary so that
// I^(1/n) is linear, n = 1, 2 or 3 (Linear, Parabolic, Cubic).
namespace kelvane::tables {

struct NonprismaticSegment {
    std::int32_t startSection = 0, endSection = 0;
    double length = 0;     // mm when absolute, else a weight of the variable length
    bool absolute = false; // LengthType=Absolute
    int exponent33 = 1, exponent22 = 1;
};

struct NonprismaticSection {
    std::string name;
    std::int32_t colour = 0;
    std::vector<NonprismaticSegment> segments;
};

// A segment laid along a frame: from `start` to `end`, in mm from joint I.
struct SegmentSpan {
    double start = 0, end = 0;
    const NonprismaticSegment* segment = nullptr;
};

// The segments along a frame of the given length. Absolute segments take their length; the
// variable ones share what is left in proportion to their lengths. Segments beyond the frame's
// end are cut off; without variable segments, the last one stretches to the frame's end.
std::vector<SegmentSpan> segmentSpans(const NonprismaticSection& section, double length);

// Whether a segment's properties vary along it (its two sections differ in any property).
bool varies(const ModelStore& store, const NonprismaticSegment& segment);

// The elastic properties of one element from `from` to `to` (mm from joint I) within a span: area,
// shear areas and torsion and both moments of inertia as the harmonic mean over the piece (so a
// piece's flexibility under axial force, shear, torsion and uniform moment is exact). `start` and
// `end` are the segment's two sections with their properties computed.
struct PieceProperties {
    double area = 0, av2 = 0, av3 = 0, torsion = 0, i33 = 0, i22 = 0;
};
PieceProperties pieceProperties(const TSECTION& start, const TSECTION& end, const SegmentSpan& span,
                                double from, double to);

} // namespace kelvane::tables
