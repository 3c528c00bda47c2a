#pragma once

#include "model/frame_axes.h"
#include "model/model_store.h"

#include <functional>
#include <vector>

// The geometry of areas and solids that their loads are computed from.
namespace kelvane::tables {

// The corners of an area in ring order: three for a triangle, else four.
std::vector<Vector> areaCorners(const ModelStore& store, const TSHELL& area);

// The area's size: half the cross product of its diagonals (of two sides for a triangle), exact
// for a plane area.
double areaSize(const std::vector<Vector>& corners);

// SAP2000's local axes 1, 2 and 3 of an area: 3 normal to it by the right-hand rule over the
// corners' order, 2 upward in the vertical plane through 3 (along +Y for a horizontal area), 1
// = 2 x 3.
std::array<Vector, 3> areaLocalAxes(const std::vector<Vector>& corners);

// The part of an area that each corner carries, in corner order: a third of a triangle; for a
// quadrilateral the region between the corner, the midpoints of its two sides and the centre.
std::vector<double> tributaryAreas(const std::vector<Vector>& corners);

// The volume of a solid: that of the trilinear brick through its eight corners.
double solidVolume(const ModelStore& store, const TSOLID& solid);

// The mass per unit volume of a material (0 for an index outside the material table).
double unitMassOf(const ModelStore& store, std::int32_t material);

// Every solid's mass, unit mass x volume, an eighth to each corner, handed to `add` (joint, mass); a
// solid without a property is of the first material, as the script makes it.
void lumpSolidMass(const ModelStore& store, const std::function<void(std::int32_t, double)>& add);

} // namespace kelvane::tables
