#pragma once

#include "model/model_store.h"
#include "viewer/view_state.h"

#include <cstdint>
#include <string>

// The member force diagram along a frame, from the end forces the force reader stored (N, V2, V3,
// T, M2, M3 at I and J in the frame's local axes). The only element load a script carries is a
// uniform one (beamUniform), so N, V2, V3 and T run straight between the ends and M3 and M2 are
// parabolas whose curvature is the load that the change of V2 (V3) along the frame gives.
namespace kelvane {

struct Vector3 {
    double x = 0, y = 0, z = 0;
};

// The frame's length between its joints' coordinates; 0 when a joint is not in the table.
double frameLength(const ModelStore& model, const TFRAME& frame);

// The component's value at fraction t of the frame's length from end I (t = 0) to end J (t = 1).
double diagramValue(const TFRAME& frame, double length, std::int32_t component, double t);

// The largest absolute value of the component over every frame with end forces, at an end or at
// a moment's peak between them; frame 0 when no frame has end forces.
struct DiagramExtreme {
    double value = 0; // signed
    std::int32_t frame = 0;
    double t = 0;
};
DiagramExtreme largestDiagramValue(const ModelStore& model, std::int32_t component);

// The largest extent of the joints' coordinates along X, Y or Z (0 without joints).
double modelSize(const ModelStore& model);

// Model length per unit of the component, so that the largest value spans `fraction` of the
// model's size; 0 when there is nothing to scale.
double diagramScale(const ModelStore& model, const ForceDiagram& diagram, const DiagramExtreme& extreme);

// The unit vector, in model coordinates, a positive value is drawn towards: the component's plane
// is 1-2 for N, V2, T and M3 and 1-3 for V3 and M2; shears point along their axis, moments to the
// tension side (-2 for M3, -3 for M2, as the model file's moments compress the positive faces).
Vector3 diagramDirection(const ModelStore& model, const TFRAME& frame, std::int32_t component);

// A value in the chosen units (forces / 1000 and moments / 1e6 for kN and kN*m), and the unit's
// name in Latin-1 ("N", "N\xB7mm", "kN", "kN\xB7m").
double forceInUnits(double value, std::int32_t component, std::int32_t units);
std::string forceUnitName(std::int32_t component, std::int32_t units);

// "N", "V2", "V3", "T", "M2", "M3"; "" for anything else.
std::string forceComponentName(std::int32_t component);

} // namespace kelvane
