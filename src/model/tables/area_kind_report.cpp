#include "model/tables/area_kind_report.h"

namespace kelvane::tables {

// The script's formulations (see the shell block): shells and membranes take ShellMITC4, plates the
// discrete Kirchhoff ShellDKGQ, whose section has no membrane stiffness to speak of. A thin shell
// on ShellMITC4 adds a transverse shear deformation that is negligible at a thin shell's
// proportions (the plate tests meet Kirchhoff's value within 0.3 %), so it goes unreported.
void reportAreaKind(const TAREASEC& section, ImportReport& report) {
    const bool ownBending = section.bendThickness > 0 && section.bendThickness != section.thickness;
    switch (section.kind) {
    case AreaPlateThick:
        report.addNotCarried("Plate-Thick sections: written as thin plates (ShellDKGQ), without transverse "
                             "shear deformation");
        break;
    case AreaShellThick:
        if (ownBending)
            report.addNotCarried("Shell-Thick sections with a bending thickness of their own: transverse "
                                 "shear stiffness from the membrane thickness times (bending / membrane "
                                 "thickness)^3");
        break;
    default:
        break;
    }
}

} // namespace kelvane::tables
