#pragma once

#include "model/model_store.h"

// How the script writes each kind of area section: its element and its section.
namespace kelvane {

// Shells of one thickness take a plate-fiber section of their material (when the analysis setting
// writes them); plates, membranes and shells with a bending thickness of their own take an elastic
// membrane-plate section with the stiffnesses of their kind.
bool takesPlateFiberSection(const TAREASEC& section);

// The elastic membrane-plate section: thickness h and the factor on E of plate bending and
// transverse shear (bending D = factor E h^3 / 12 (1 - nu^2), membrane E h / (1 - nu^2)).
struct MembranePlateStiffness {
    double thickness = 0;
    double bendingFactor = 1;
};
MembranePlateStiffness membranePlateStiffness(const TAREASEC& section);

// The element of a quadrilateral of the section: the discrete Kirchhoff ShellDKGQ for plates,
// ShellMITC4 for shells and membranes. Triangles take ShellDKGT.
const char* quadrilateralElement(const TAREASEC& section);

} // namespace kelvane
