#pragma once

#include "model/model_store.h"
#include "viewer/canvas.h"
#include "viewer/view_state.h"

#include <cstdint>

// The parallel projection of the camera: model coordinates to pixel points of a W x H surface
// (origin top-left, y downwards).
namespace kelvane {

// Pixel coordinates are kept within +-kPixelLimit, so that the layers' small offsets and the sums
// and differences of two points never overflow 32 bits.
inline constexpr std::int32_t kPixelLimit = 1'000'000'000;

// The integer nearest to `value`, an exact half going to the even neighbour. Values beyond
// +-kPixelLimit are clamped to it and NaN gives 0, so no conversion is ever undefined.
std::int32_t roundToPixel(double value);

// One point: u, v, w from the two angles, then (u - OffsetX) / Scale + W / 2 and
// (w - OffsetY) / Scale + H / 2, each rounded half to even.
Point projectPoint(const ViewState& view, int width, int height, double x, double y, double z);

// The same projection with the angles' sines and cosines worked out once, for many points.
class Projector {
public:
    Projector(const ViewState& view, int width, int height);
    Point operator()(double x, double y, double z) const;
    // The pixel displacement, not rounded, that a model-space vector (dx, dy, dz) projects to.
    void offset(double dx, double dy, double dz, double& pixelX, double& pixelY) const;

  private:
    double cosPlan_, sinPlan_, cosTilt_, sinTilt_;
    double offsetX_, offsetY_, scale_;
    double halfWidth_, halfHeight_;
};

// Every joint at its coordinates plus deformationScale times its displacement, into
// ScreenX/ScreenY.
void ProjectNodes(ModelStore& model, const ViewState& view, double deformationScale, int width,
                  int height);

// Every frame's midpoint (undisplaced), local-axis tip (40 pixels along axis 2) and the points at
// 20 % and 80 % between its joints' current pixel points. Runs after ProjectNodes. A frame whose
// joint numbers lie outside the joint table keeps its previous points.
void ProjectFrames(ModelStore& model, const ViewState& view, int width, int height);

} // namespace kelvane
