#include "sections/section_check.h"

#include "common/number_format.h"
#include "sections/fiber_mesher.h"

#include <algorithm>
#include <utility>

namespace kelvane {

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
