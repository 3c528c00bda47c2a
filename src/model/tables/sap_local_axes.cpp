#include "model/tables/sap_local_axes.h"

#include <cmath>
#include <numbers>

namespace kelvane::tables {

Vector sapLocalAxis(const ModelStore& store, const TFRAME& frame, int direction) {
    const std::array<Vector, 3> axes = localAxes(store, frame);
    const bool downward = axes[0][0] == 0 && axes[0][1] == 0 && axes[0][2] < 0;
    if (direction == 1 || !downward)
        return axes[static_cast<std::size_t>(direction - 1)];
    const double angle = frame.angle * std::numbers::pi / 180;
    const Vector axis2 = {std::cos(angle), -std::sin(angle), 0};
    return direction == 2 ? axis2 : cross(axes[0], axis2);
}

} // namespace kelvane::tables
