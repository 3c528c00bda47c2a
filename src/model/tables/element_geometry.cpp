#include "model/tables/element_geometry.h"

#include <cmath>

namespace kelvane::tables {
namespace {

Vector minus(const Vector& a, const Vector& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

Vector at(const ModelStore& store, std::int32_t joint) {
    const TNODE& node = store.nodes[static_cast<std::size_t>(joint)];
    return {node.x, node.y, node.z};
}

Vector unit(const Vector& v) {
    return scaled(v, 1 / std::sqrt(dot(v, v)));
}

// Twice the vector area: the cross product of the diagonals, or of two sides of a triangle.
Vector doubledVectorArea(const std::vector<Vector>& corners) {
    if (corners.size() == 3)
        return cross(minus(corners[1], corners[0]), minus(corners[2], corners[0]));
    return cross(minus(corners[2], corners[0]), minus(corners[3], corners[1]));
}

Vector midpoint(const Vector& a, const Vector& b) {
    return {(a[0] + b[0]) / 2, (a[1] + b[1]) / 2, (a[2] + b[2]) / 2};
}

} // namespace

std::vector<Vector> areaCorners(const ModelStore& store, const TSHELL& area) {
    std::vector<Vector> corners = {at(store, area.node1), at(store, area.node2), at(store, area.node3)};
    if (area.node4 != 0)
        corners.push_back(at(store, area.node4));
    return corners;
}

double areaSize(const std::vector<Vector>& corners) {
    const Vector doubled = doubledVectorArea(corners);
    return std::sqrt(dot(doubled, doubled)) / 2;
}

std::array<Vector, 3> areaLocalAxes(const std::vector<Vector>& corners) {
    const Vector axis3 = unit(doubledVectorArea(corners));
    const bool horizontal = std::sqrt(axis3[0] * axis3[0] + axis3[1] * axis3[1]) < 1e-3;
    // Local 2: the part of +Z (of +Y for a horizontal area) square to local 3.
    const Vector up = horizontal ? Vector{0, 1, 0} : Vector{0, 0, 1};
    const Vector axis2 = unit(minus(up, scaled(axis3, dot(up, axis3))));
    return {cross(axis2, axis3), axis2, axis3};
}

std::vector<double> tributaryAreas(const std::vector<Vector>& corners) {
    if (corners.size() == 3) {
        const double third = areaSize(corners) / 3;
        return {third, third, third};
    }
    Vector centre{};
    for (const Vector& corner : corners)
        for (std::size_t c = 0; c < 3; ++c)
            centre[c] += corner[c] / 4;
    std::vector<double> parts;
    for (std::size_t k = 0; k < 4; ++k) {
        const Vector& previous = corners[(k + 3) % 4];
        const Vector& next = corners[(k + 1) % 4];
        parts.push_back(
            areaSize({corners[k], midpoint(corners[k], next), centre, midpoint(previous, corners[k])}));
    }
    return parts;
}

double solidVolume(const ModelStore& store, const TSOLID& solid) {
    const std::array<Vector, 8> corner = {
        at(store, solid.node1), at(store, solid.node2), at(store, solid.node3), at(store, solid.node4),
        at(store, solid.node5), at(store, solid.node6), at(store, solid.node7), at(store, solid.node8)};
    // The brick's natural coordinates of its corners.
    static constexpr std::array<std::array<double, 3>, 8> natural = {
        {{-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1}, {-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}}};
    // Two Gauss points a direction integrate the Jacobian's determinant exactly.
    const double g = 1 / std::sqrt(3.0);
    double volume = 0;
    for (const double r : {-g, g})
        for (const double s : {-g, g})
            for (const double t : {-g, g}) {
                std::array<Vector, 3> jacobian{};
                for (std::size_t n = 0; n < 8; ++n) {
                    const auto& [ri, si, ti] = natural[n];
                    const std::array<double, 3> derivative = {ri * (1 + s * si) * (1 + t * ti) / 8,
                                                              si * (1 + r * ri) * (1 + t * ti) / 8,
                                                              ti * (1 + r * ri) * (1 + s * si) / 8};
                    for (std::size_t d = 0; d < 3; ++d)
                        for (std::size_t c = 0; c < 3; ++c)
                            jacobian[d][c] += derivative[d] * corner[n][c];
                }
                volume += dot(jacobian[0], cross(jacobian[1], jacobian[2]));
            }
    return std::abs(volume);
}

double unitMassOf(const ModelStore& store, std::int32_t material) {
    return material >= 1 && material <= store.materialCount
               ? store.materials[static_cast<std::size_t>(material)].unitMass
               : 0;
}

void lumpSolidMass(const ModelStore& store, const std::function<void(std::int32_t, double)>& add) {
    for (std::int32_t s = 1; s <= store.solidCount; ++s) {
        const TSOLID& solid = store.solids[static_cast<std::size_t>(s)];
        const bool ownMaterial = solid.section >= 1 && solid.section <= store.materialCount;
        const double unitMass = unitMassOf(store, ownMaterial ? solid.section : 1);
        if (unitMass == 0)
            continue;
        const double share = unitMass * solidVolume(store, solid) / 8;
        for (const std::int32_t joint : {solid.node1, solid.node2, solid.node3, solid.node4, solid.node5,
                                         solid.node6, solid.node7, solid.node8})
            add(joint, share);
    }
}

} // namespace kelvane::tables
