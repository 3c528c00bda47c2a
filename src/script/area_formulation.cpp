#include "script/area_formulation.h"

namespace kelvane {
namespace {

// A plate's membrane stiffness, and a membrane's bending stiffness, as a fraction of the full
// one: small enough to leave the other action alone, large enough to keep the joints that only
// such areas reach from being singular in the solver.
constexpr double kPlateMembraneFraction = 1e-6;
constexpr double kMembraneBendingFactor = 1e-6;

bool hasOwnBendingThickness(const TAREASEC& section) {
    return section.bendThickness > 0 && section.bendThickness != section.thickness;
}

} // namespace

bool takesPlateFiberSection(const TAREASEC& section) {
    return (section.kind == AreaShellThick || section.kind == AreaShellThin) &&
           !hasOwnBendingThickness(section);
}

MembranePlateStiffness membranePlateStiffness(const TAREASEC& section) {
    const double bending = section.bendThickness > 0 ? section.bendThickness : section.thickness;
    switch (section.kind) {
    case AreaPlateThin:
    case AreaPlateThick:
        // The thickness scaled down takes the membrane stiffness away; the factor gives back the
        // bending stiffness of the full bending thickness (ShellDKGQ has no transverse shear).
        return {bending * kPlateMembraneFraction,
                1.0 / (kPlateMembraneFraction * kPlateMembraneFraction * kPlateMembraneFraction)};
    case AreaMembrane:
        return {section.thickness, kMembraneBendingFactor};
    default: {
        const double ratio = section.thickness > 0 ? bending / section.thickness : 1.0;
        return {section.thickness, ratio * ratio * ratio};
    }
    }
}

const char* quadrilateralElement(const TAREASEC& section) {
    return section.kind == AreaPlateThin || section.kind == AreaPlateThick ? "ShellDKGQ" : "ShellMITC4";
}

} // namespace kelvane
