#include "model/section_defaults.h"

#include "model/table_readers.h"

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

void applyElementTypesFromNames(ModelStore& store) {
    for (std::int32_t s = 1; s <= store.frameSectionCount; ++s) {
        TSECTION& section = store.frameSections[static_cast<std::size_t>(s)];
        section.elementType = elementTypeOfName(section.name);
    }
    tieRigidLinks(store);
}

std::vector<std::string> elementTypeNameLines(const ModelStore& store) {
    static constexpr const char* kNames[] = {"",
                                             "Elastic BeamColumn",
                                             "Nonlinear BeamColumn",
                                             "Disp BeamColumn",
                                             "Beam with Hinge",
                                             "Truss",
                                             "corotTruss",
                                             "Rigid Link"};
    std::vector<std::string> lines{"Element types from the first letter of each section's name:"};
    for (std::int32_t s = 1; s <= store.frameSectionCount; ++s) {
        const TSECTION& section = store.frameSections[static_cast<std::size_t>(s)];
        const std::int32_t type = elementTypeOfName(section.name);
        const bool lettered = !section.name.empty() && std::string_view("ENDHTCR").find(
                                                           section.name.front()) != std::string_view::npos;
        lines.push_back("  " + section.name + ": " + kNames[type] +
                        (lettered ? std::string(" (first letter ") + section.name.front() + ")"
                                  : std::string(" (no letter of the rule: elastic)")));
    }
    return lines;
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

namespace {

// Divide FX and FY of the shapes meshed in rings or plates: fibers enough for the plastic moment
// within a per cent or two, and room left under the 80 a section holds.
struct MeshDefaults {
    std::int32_t shape, divideFX, divideFY;
};
constexpr MeshDefaults kMeshDefaults[] = {
    {ShapePipe, 20, 2}, {ShapeCircle, 16, 4},     {ShapeChannel, 6, 10},      {ShapeAngle, 10, 10},
    {ShapeTee, 10, 10}, {ShapeDoubleAngle, 6, 8}, {ShapeDoubleChannel, 4, 8},
};

} // namespace

void setShapeDefaults(TSECTION& section) {
    if (section.shape < ShapeRectangle || section.shape > ShapeDoubleChannel)
        return;
    for (const MeshDefaults& defaults : kMeshDefaults)
        if (defaults.shape == section.shape) {
            section.divideFX = defaults.divideFX;
            section.divideFY = defaults.divideFY;
        }
    section.hingeLengthI = section.t1;
    section.hingeLengthJ = section.t1;
}

} // namespace kelvane
