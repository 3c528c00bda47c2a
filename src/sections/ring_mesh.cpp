#include "sections/ring_mesh.h"

#include <cmath>
#include <numbers>

namespace kelvane {

void meshRings(FiberList& fibers, double outside, double inside, std::int32_t rings, std::int32_t sectors,
               std::int32_t material) {
    const double width = (outside - inside) / 2 / rings;
    for (int ring = 0; ring < rings; ++ring) {
        const double r0 = inside / 2 + ring * width, r1 = r0 + width;
        const double radius = std::sqrt((r0 * r0 + r1 * r1) / 2);
        const double area = (r1 * r1 - r0 * r0) * std::numbers::pi / sectors;
        for (int i = 0; i < sectors; ++i) {
            const double angle = i * 2 * std::numbers::pi / sectors;
            fibers.add(radius * std::cos(angle), radius * std::sin(angle), area, material);
        }
    }
}

} // namespace kelvane
