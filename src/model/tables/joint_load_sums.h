#pragma once

#include "model/frame_axes.h"
#include "model/model_store.h"

#include <string>
#include <vector>

// Forces that areas and solids hand to their joints, summed per joint: one joint force per joint
// and load case, however many elements share the joint.
namespace kelvane::tables {

class JointLoadSums {
  public:
    void add(std::int32_t joint, const Vector& force);
    // Appends to the store a joint force of the case for each joint whose sum is not zero, in joint
    // order, and starts again from zero.
    void flush(ModelStore& store, const std::string& caseName);

  private:
    std::vector<Vector> sums_; // by joint
};

} // namespace kelvane::tables
