#include "sections/section_check.h"

#include "common/number_format.h"
#include "sections/fiber_mesher.h"

#include <algorithm>
#include <utility>

namespace kelvane {
namespace {

// Whether the dimensions of a pipe, circle or open steel shape make the shape: positive, a pipe's
// wall under half its diameter, flanges within the depth and webs within the width of each part.
bool soundDimensions(const TSECTION& s) {
    const double h = s.t1, b = s.t2, tf = s.t3, tw = s.t4, gap = s.t5;
    const bool doubled = s.shape == ShapeDoubleAngle || s.shape == ShapeDoubleChannel;
    const double part = doubled ? (b - gap) / 2 : b;
    const double flanges = s.shape == ShapeChannel || s.shape == ShapeDoubleChannel ? 2 * tf : tf;
    switch (s.shape) {
    case ShapePipe:
        return h > 0 && b > 0 && 2 * b < h;
    case ShapeCircle:
        return h > 0;
    default:
        return h > flanges && tf > 0 && part > tw && tw > 0 && gap >= 0;
    }
}

} // namespace

std::optional<SectionFault> sectionMeshFault(const TSECTION& s) {
    if (s.elementType < NonlinearBeamColumn || s.elementType > CorotTruss || !isMeshableShape(s.shape))
        return std::nullopt;
    const bool rectangle = s.shape == ShapeRectangle;
    for (const auto& [box, divisions] :
         {std::pair{"Divide FX", s.divideFX}, std::pair{"Divide FY", s.divideFY}})
        if (divisions < 1)
            return SectionFault{box, "a fiber mesh needs 1 division or more, not " + formatInt(divisions)};
    // Fewer than three sectors leave a ring stiff about one axis only.
    if ((s.shape == ShapePipe || s.shape == ShapeCircle) && s.divideFX < 3)
        return SectionFault{"Divide FX", "a ring needs 3 sectors or more, not " + formatInt(s.divideFX)};
    for (const auto& [box, bars] : {std::pair{"Bar Num NX", s.barNumNX}, std::pair{"Bar Num NY", s.barNumNY}})
        if (rectangle && bars < 0)
            return SectionFault{box, "a bar count must be 0 or more, not " + formatInt(bars)};
    if (s.shape >= ShapePipe && !soundDimensions(s))
        return SectionFault{"Dimension T1", "the dimensions T1 to T5 (" + formatGeneral(s.t1) + ", " +
                                                formatGeneral(s.t2) + ", " + formatGeneral(s.t3) + ", " +
                                                formatGeneral(s.t4) + ", " + formatGeneral(s.t5) +
                                                ") make no " + (s.shape == ShapePipe ? "pipe" : "shape") +
                                                " to mesh: a part is empty or overlaps another"};
    if (rectangle && s.cover >= std::min(s.t1, s.t2) / 2)
        return SectionFault{"Cover", formatGeneral(s.cover) +
                                         " is half the section's width or depth or more (" +
                                         formatGeneral(s.t2) + " wide, " + formatGeneral(s.t1) +
                                         " deep): the bars would lie outside the concrete"};
    if (const std::int64_t fibers = meshFiberCount(s); fibers > kFiberCapacity)
        return SectionFault{"Divide FX",
                            "the mesh of these divisions and bars needs " + std::to_string(fibers) +
                                " fibers; a fiber section holds at most " + std::to_string(kFiberCapacity)};
    return std::nullopt;
}

} // namespace kelvane
