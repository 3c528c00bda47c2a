#pragma once

#include "model/model_store.h"
#include "sections/fiber_list.h"

#include <cstdint>
#include <utility>
#include <vector>

// Channels, angles, tees and their doubles as the rectangles (plates) they are made of, placed
// about the shape's centroid: one description gives the fibers, the properties and the preview.
namespace kelvane {

// A plate centred at (y, z) about the shape's centroid, y along the section's local 3 axis and z
// along its local 2 axis (as SAP2000 draws a section: 3 to the right, 2 up), `width` along y and
// `height` along z, split into `divisions` fibers along its length (the longer side) and two
// through its thickness.
struct Plate {
    double y = 0, z = 0, width = 0, height = 0;
    std::int32_t divisions = 0;
    bool alongY() const { return width >= height; }
};

bool isPlateShape(std::int32_t shape);

// The plates of a channel (web on the left, flanges toward +3), an angle (vertical leg on the
// left, horizontal leg at the bottom toward +3), a tee (flange on top), a double angle (two angles back to
// back, the gap t5 between their vertical legs) and a double channel (two channels back to back,
// webs t5 apart). Flanges take Divide FX divisions, webs and vertical legs Divide FY. Empty for
// every other shape.
std::vector<Plate> platesOf(const TSECTION& section);

// Where the centroid lies from the centre of the shape's outline, along y and along z (0, 0 for a
// symmetric shape and for every shape that is not a plate shape).
std::pair<double, double> centroidFromOutlineCentre(const TSECTION& section);

// Where the shear centre lies from the centroid, along y and z (0, 0 for a shape that is not a
// plate shape).
std::pair<double, double> shearCentreFromCentroid(const TSECTION& section);

// The fibers a plate shape takes: two through the thickness of each division.
std::int64_t plateFiberCount(std::int32_t shape, std::int64_t divideFX, std::int64_t divideFY);

// Area, second moments about the centroid's axes (I33 about the horizontal y axis, I22 about the
// vertical z axis), the open section's torsion constant (sum of b t^3 / 3) and the shear areas
// (5/6 of the plates along each direction).
struct PlateProperties {
    double area = 0, i22 = 0, i33 = 0, torsion = 0, av2 = 0, av3 = 0;
};
PlateProperties plateProperties(const std::vector<Plate>& plates);

// The fibers take the solver's local axes: y is -3, z is 2. Each division of a plate gets two fibers through
// the thickness at the two-point Gauss positions, and the divisions' centres are spread from the plate's
// centre by 1 / sqrt(1 - 1/n^2): the fibers then carry the plate's area, first and second moments exactly,
// whatever n (n of 2 or more).
void meshPlates(FiberList& fibers, const std::vector<Plate>& plates, std::int32_t material);

} // namespace kelvane
