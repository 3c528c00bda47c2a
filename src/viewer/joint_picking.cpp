#include "viewer/joint_picking.h"

#include "viewer/scene_access.h"

#include <cstdlib>

namespace kelvane {

std::int32_t PickJoint(const ModelStore& model, int x, int y, int reach) {
    std::int32_t picked = 0;
    long long nearest = 0;
    const int count = jointCount(model);
    for (int n = 1; n <= count; ++n) {
        const TNODE& joint = model.nodes[static_cast<std::size_t>(n)];
        const long long dx = std::llabs(static_cast<long long>(joint.ScreenX) - x);
        const long long dy = std::llabs(static_cast<long long>(joint.ScreenY) - y);
        if (dx > reach || dy > reach)
            continue;
        const long long distance = dx * dx + dy * dy;
        if (picked == 0 || distance < nearest) {
            picked = n;
            nearest = distance;
        }
    }
    return picked;
}

} // namespace kelvane
