#include "model/frame_axes.h"

#include <cmath>

namespace kelvane {

double dot(const Vector& a, const Vector& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vector cross(const Vector& a, const Vector& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

Vector scaled(const Vector& v, double factor) {
    return {v[0] * factor, v[1] * factor, v[2] * factor};
}

double lengthOfFrame(const ModelStore& store, const TFRAME& frame) {
    const TNODE& i = store.nodes[static_cast<std::size_t>(frame.nodeI)];
    const TNODE& j = store.nodes[static_cast<std::size_t>(frame.nodeJ)];
    return std::sqrt((j.x - i.x) * (j.x - i.x) + (j.y - i.y) * (j.y - i.y) + (j.z - i.z) * (j.z - i.z));
}

std::array<Vector, 3> localAxes(const ModelStore& store, const TFRAME& frame) {
    const TNODE& i = store.nodes[static_cast<std::size_t>(frame.nodeI)];
    const TNODE& j = store.nodes[static_cast<std::size_t>(frame.nodeJ)];
    const Vector axis1 = scaled({j.x - i.x, j.y - i.y, j.z - i.z}, 1 / lengthOfFrame(store, frame));
    const Vector axis2 = {frame.axis2X, frame.axis2Y, frame.axis2Z};
    return {axis1, axis2, cross(axis1, axis2)};
}

} // namespace kelvane
