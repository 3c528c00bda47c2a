#include "model/model_mass.h"

namespace kelvane {

std::array<double, 3> totalTranslationalMass(const ModelStore& store) {
    std::array<double, 3> total{};
    for (int n = 1; n <= countOf(store.nodeCount); ++n) {
        const DofValues& mass = store.nodes[static_cast<std::size_t>(n)].mass;
        if (mass[1] == 0)
            continue;
        for (std::size_t k = 0; k < 3; ++k)
            total[k] += mass[k + 1];
    }
    return total;
}

} // namespace kelvane
