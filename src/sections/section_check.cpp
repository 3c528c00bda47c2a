#include "sections/section_check.h"

#include "common/number_format.h"
#include "sections/fiber_mesher.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace kelvane {

std::optional<SectionFault> sectionMeshFault(const TSECTION& s) {
    if (s.elementType < NonlinearBeamColumn || s.elementType > CorotTruss || s.shape < ShapeRectangle ||
        s.shape > ShapePipe)
        return std::nullopt;
    const bool rectangle = s.shape == ShapeRectangle;
    for (const auto& [box, divisions, used] : {std::tuple{"Divide FX", s.divideFX, true},
                                               std::tuple{"Divide FY", s.divideFY, s.shape != ShapePipe}})
        if (used && divisions < 1)
            return SectionFault{box, "a fiber mesh needs 1 division or more, not " + formatInt(divisions)};
    for (const auto& [box, bars] : {std::pair{"Bar Num NX", s.barNumNX}, std::pair{"Bar Num NY", s.barNumNY}})
        if (rectangle && bars < 0)
            return SectionFault{box, "a bar count must be 0 or more, not " + formatInt(bars)};
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
