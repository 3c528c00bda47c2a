#pragma once

#include "model/model_store.h"

#include <array>

// Vectors and the local axes of a frame.
namespace kelvane {

using Vector = std::array<double, 3>;

double dot(const Vector& a, const Vector& b);
Vector cross(const Vector& a, const Vector& b);
Vector scaled(const Vector& v, double factor);

double lengthOfFrame(const ModelStore& store, const TFRAME& frame);

// The store's local axes 1, 2 and 3 of a frame as unit vectors (those of the script): 1 from
// joint I to joint J, 2 the frame's axis2, 3 = 1 x 2.
std::array<Vector, 3> localAxes(const ModelStore& store, const TFRAME& frame);

} // namespace kelvane
