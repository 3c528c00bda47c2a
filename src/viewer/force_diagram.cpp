#include "viewer/force_diagram.h"

#include "results/frame_forces.h"
#include "viewer/scene_access.h"

#include <algorithm>
#include <cmath>

namespace kelvane {
namespace {

bool isMoment(std::int32_t component) {
    return component == ForceM2 || component == ForceM3;
}

// The shear whose change along the frame bends the moment's diagram: V2 for M3, V3 for M2.
std::int32_t shearOf(std::int32_t moment) {
    return moment == ForceM3 ? ForceV2 : ForceV3;
}

Vector3 cross(const Vector3& a, const Vector3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

void keepLarger(DiagramExtreme& extreme, double value, std::int32_t frame, double t) {
    if (std::fabs(value) > std::fabs(extreme.value) || extreme.frame == 0)
        extreme = {value, frame, t};
}

} // namespace

double frameLength(const ModelStore& model, const TFRAME& frame) {
    const TNODE* i = jointAt(model, frame.nodeI);
    const TNODE* j = jointAt(model, frame.nodeJ);
    if (i == nullptr || j == nullptr)
        return 0;
    return std::hypot(j->x - i->x, j->y - i->y, j->z - i->z);
}

double diagramValue(const TFRAME& frame, double length, std::int32_t component, double t) {
    const double atI = endForce(frame, EndI, component);
    const double atJ = endForce(frame, EndJ, component);
    double value = atI + (atJ - atI) * t;
    if (isMoment(component)) {
        // dM/dx = -V and dV/dx = -w in the model file's convention, so M'' = w = (V_i - V_j) / L.
        const std::int32_t shear = shearOf(component);
        const double loadTimesLengthSquared =
            (endForce(frame, EndI, shear) - endForce(frame, EndJ, shear)) * length;
        value += loadTimesLengthSquared * t * (t - 1) / 2;
    }
    return value;
}

DiagramExtreme largestDiagramValue(const ModelStore& model, std::int32_t component) {
    DiagramExtreme extreme;
    const int count = frameCountOf(model);
    for (int k = 1; k <= count; ++k) {
        const TFRAME& frame = model.frames[static_cast<std::size_t>(k)];
        if (!frame.hasEndForces)
            continue;
        const double length = frameLength(model, frame);
        keepLarger(extreme, diagramValue(frame, length, component, 0), k, 0);
        keepLarger(extreme, diagramValue(frame, length, component, 1), k, 1);
        if (!isMoment(component) || length <= 0)
            continue;
        // The parabola's vertex, where dM/dt = M_j - M_i + w L^2 (2t - 1) / 2 is zero.
        const std::int32_t shear = shearOf(component);
        const double curvature = (endForce(frame, EndI, shear) - endForce(frame, EndJ, shear)) * length;
        if (curvature == 0)
            continue;
        const double vertex =
            0.5 - (endForce(frame, EndJ, component) - endForce(frame, EndI, component)) / curvature;
        if (vertex > 0 && vertex < 1)
            keepLarger(extreme, diagramValue(frame, length, component, vertex), k, vertex);
    }
    return extreme;
}

double modelSize(const ModelStore& model) {
    const int count = jointCount(model);
    if (count == 0)
        return 0;
    const TNODE& first = model.nodes[1];
    double low[3] = {first.x, first.y, first.z};
    double high[3] = {first.x, first.y, first.z};
    for (int k = 2; k <= count; ++k) {
        const TNODE& node = model.nodes[static_cast<std::size_t>(k)];
        const double at[3] = {node.x, node.y, node.z};
        for (int a = 0; a < 3; ++a) {
            low[a] = std::min(low[a], at[a]);
            high[a] = std::max(high[a], at[a]);
        }
    }
    return std::max({high[0] - low[0], high[1] - low[1], high[2] - low[2]});
}

double diagramScale(const ModelStore& model, const ForceDiagram& diagram, const DiagramExtreme& extreme) {
    const double largest = std::fabs(extreme.value);
    if (extreme.frame == 0 || largest == 0 || !std::isfinite(largest))
        return 0;
    return diagram.fraction * modelSize(model) / largest;
}

Vector3 diagramDirection(const ModelStore& model, const TFRAME& frame, std::int32_t component) {
    const Vector3 axis2{frame.axis2X, frame.axis2Y, frame.axis2Z};
    if (component != ForceV3 && component != ForceM2)
        return component == ForceM3 ? Vector3{-axis2.x, -axis2.y, -axis2.z} : axis2;
    const double length = frameLength(model, frame);
    if (length <= 0)
        return {};
    const TNODE& i = model.nodes[static_cast<std::size_t>(frame.nodeI)];
    const TNODE& j = model.nodes[static_cast<std::size_t>(frame.nodeJ)];
    const Vector3 axis1{(j.x - i.x) / length, (j.y - i.y) / length, (j.z - i.z) / length};
    const Vector3 axis3 = cross(axis1, axis2);
    return component == ForceM2 ? Vector3{-axis3.x, -axis3.y, -axis3.z} : axis3;
}

double forceInUnits(double value, std::int32_t component, std::int32_t units) {
    if (units != UnitsKilonewtonMetre)
        return value;
    return value / (component == ForceT || isMoment(component) ? 1e6 : 1e3);
}

std::string forceUnitName(std::int32_t component, std::int32_t units) {
    const bool moment = component == ForceT || isMoment(component);
    if (units == UnitsKilonewtonMetre)
        return moment ? "kN\xB7m" : "kN";
    return moment ? "N\xB7mm" : "N";
}

std::string forceComponentName(std::int32_t component) {
    static const char* const names[] = {"", "N", "V2", "V3", "T", "M2", "M3"};
    return component >= ForceN && component <= ForceM3 ? names[component] : "";
}

} // namespace kelvane
