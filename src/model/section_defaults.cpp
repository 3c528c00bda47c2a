#include "model/section_defaults.h"

namespace kelvane {

std::int32_t elementTypeOfName(std::string_view name) {
    if (name.empty())
        return ElasticBeamColumn;
    switch (name.front()) {
    case 'E':
        return ElasticBeamColumn;
    case 'N':
        return NonlinearBeamColumn;
    case 'D':
        return DispBeamColumn;
    case 'H':
        return BeamWithHinge;
    case 'T':
        return Truss;
    case 'C':
        return CorotTruss;
    case 'R':
        return RigidLink;
    default:
        return ElasticBeamColumn;
    }
}

void setImportDefaults(TSECTION& section) {
    section.divideFX = 5;
    section.divideFY = 5;
    section.barNumNX = 5;
    section.barNumNY = 5;
    section.topBar = 1000.0;
    section.bottomBar = 1000.0;
    section.cover = 35.0;
    section.sectionKind = 2; // Column Section
    section.geomTransf = 1;  // Linear
}

void setShapeDefaults(TSECTION& section) {
    if (section.shape < ShapeRectangle || section.shape > ShapePipe)
        return;
    if (section.shape == ShapePipe)
        section.divideFX = 20;
    section.hingeLengthI = section.t1;
    section.hingeLengthJ = section.t1;
}

} // namespace kelvane
