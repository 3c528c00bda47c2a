#include "model/tables/joint_load_sums.h"

namespace kelvane::tables {

void JointLoadSums::add(std::int32_t joint, const Vector& force) {
    const auto index = static_cast<std::size_t>(joint);
    if (sums_.size() <= index)
        sums_.resize(index + 1, Vector{});
    for (std::size_t c = 0; c < 3; ++c)
        sums_[index][c] += force[c];
}

void JointLoadSums::flush(ModelStore& store, const std::string& caseName) {
    for (std::size_t joint = 1; joint < sums_.size(); ++joint) {
        const Vector& sum = sums_[joint];
        if (sum[0] == 0 && sum[1] == 0 && sum[2] == 0)
            continue;
        TLOAD& load = store.loads.emplace_back();
        load.kind = LoadJointForce;
        load.target = static_cast<std::int32_t>(joint);
        load.caseName = caseName;
        load.fx = sum[0];
        load.fy = sum[1];
        load.fz = sum[2];
    }
    sums_.clear();
    store.loadCount = static_cast<std::int32_t>(store.loads.size()) - 1;
}

} // namespace kelvane::tables
