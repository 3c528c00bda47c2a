#include "viewer/projection.h"

#include "viewer/scene_access.h"

#include <cmath>
#include <numbers>

namespace kelvane {

namespace {

constexpr double kDegreesToRadians = std::numbers::pi / 180.0;
// The local-axis stroke stands this many pixels from the frame's midpoint.
constexpr double kAxisStrokePixels = 40.0;

} // namespace

std::int32_t roundToPixel(double value) {
    if (std::isnan(value))
        return 0;
    // nearbyint rounds in the current mode, which is round-to-nearest-even.
    const double rounded = std::nearbyint(value);
    if (rounded >= kPixelLimit)
        return kPixelLimit;
    if (rounded <= -kPixelLimit)
        return -kPixelLimit;
    return static_cast<std::int32_t>(rounded);
}

Projector::Projector(const ViewState& view, int width, int height)
    : cosPlan_(std::cos(view.PlanAngle * kDegreesToRadians)),
      sinPlan_(std::sin(view.PlanAngle * kDegreesToRadians)),
      cosTilt_(std::cos(view.TiltAngle * kDegreesToRadians)),
      sinTilt_(std::sin(view.TiltAngle * kDegreesToRadians)), offsetX_(view.OffsetX),
      offsetY_(view.OffsetY), scale_(view.Scale), halfWidth_(width / 2.0), halfHeight_(height / 2.0) {}

Point Projector::operator()(double x, double y, double z) const {
    const double u = cosPlan_ * x - sinPlan_ * y;
    const double v = sinPlan_ * x + cosPlan_ * y;
    const double w = sinTilt_ * z - cosTilt_ * v;
    return {roundToPixel((u - offsetX_) / scale_ + halfWidth_),
            roundToPixel((w - offsetY_) / scale_ + halfHeight_)};
}

void Projector::offset(double dx, double dy, double dz, double& pixelX, double& pixelY) const {
    const double v = sinPlan_ * dx + cosPlan_ * dy;
    pixelX = (cosPlan_ * dx - sinPlan_ * dy) / scale_;
    pixelY = (sinTilt_ * dz - cosTilt_ * v) / scale_;
}

Point projectPoint(const ViewState& view, int width, int height, double x, double y, double z) {
    return Projector(view, width, height)(x, y, z);
}

void ProjectNodes(ModelStore& model, const ViewState& view, double deformationScale, int width,
                  int height) {
    const Projector project(view, width, height);
    const int count = jointCount(model);
    for (int k = 1; k <= count; ++k) {
        TNODE& node = model.nodes[static_cast<std::size_t>(k)];
        const Point p = project(node.x + deformationScale * node.ux, node.y + deformationScale * node.uy,
                                node.z + deformationScale * node.uz);
        node.ScreenX = p.x;
        node.ScreenY = p.y;
    }
}

namespace {

std::int32_t interpolate(std::int32_t from, std::int32_t to, double fraction) {
    return roundToPixel(from + fraction * static_cast<double>(std::int64_t{to} - from));
}

} // namespace

void ProjectFrames(ModelStore& model, const ViewState& view, int width, int height) {
    const Projector project(view, width, height);
    const int count = frameCountOf(model);
    for (int k = 1; k <= count; ++k) {
        TFRAME& frame = model.frames[static_cast<std::size_t>(k)];
        const TNODE* i = jointAt(model, frame.nodeI);
        const TNODE* j = jointAt(model, frame.nodeJ);
        if (i == nullptr || j == nullptr)
            continue;
        const double mx = (i->x + j->x) / 2;
        const double my = (i->y + j->y) / 2;
        const double mz = (i->z + j->z) / 2;
        const Point middle = project(mx, my, mz);
        frame.ScreenX = middle.x;
        frame.ScreenY = middle.y;

        const double reach = kAxisStrokePixels * view.Scale;
        const Point tip = project(mx + reach * frame.axis2X, my + reach * frame.axis2Y, mz + reach * frame.axis2Z);
        frame.AxisTipX = tip.x;
        frame.AxisTipY = tip.y;

        frame.HingeIX = interpolate(i->ScreenX, j->ScreenX, 0.2);
        frame.HingeIY = interpolate(i->ScreenY, j->ScreenY, 0.2);
        frame.HingeJX = interpolate(i->ScreenX, j->ScreenX, 0.8);
        frame.HingeJY = interpolate(i->ScreenY, j->ScreenY, 0.8);
    }
}

} // namespace kelvane
