#pragma once

#include "model/frame_axes.h"
#include "model/model_store.h"

#include <array>

// The directions that table-format frame loads are given in.
namespace kelvane::tables {

// The direction of SAP2000's local axis 1, 2 or 3 of a frame. It is the store's axis except for
// a vertical frame whose joint I is on top: SAP2000 points its local 2 along +X turned by the
// angle about local 1, where the store's points the other way (the same line, so the same
// stiffness, but local loads must follow SAP2000's sense).
Vector sapLocalAxis(const ModelStore& store, const TFRAME& frame, int direction);

// Hands a load of the given global vector to `make` as its components along the frame's local
// axes: one call per non-zero component (a component below 1e-12 of the vector is rounding noise
// of the resolution), with the direction and the component.
template <typename Make>
void addLocalComponents(const ModelStore& store, const TFRAME& frame, const Vector& global, Make make) {
    const std::array<Vector, 3> axes = localAxes(store, frame);
    const double magnitude = dot(global, global);
    for (std::size_t k = 0; k < 3; ++k) {
        const double component = dot(global, axes[k]);
        if (component != 0 && component * component >= 1e-24 * magnitude)
            make(static_cast<std::int32_t>(k + 1), component);
    }
}

} // namespace kelvane::tables
