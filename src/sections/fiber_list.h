#pragma once

#include "model/model_store.h"

// Fills a section's fiber slots from 1 on; the mesher has counted them beforehand.
namespace kelvane {

class FiberList {
  public:
    explicit FiberList(TSECTION& section) : section_(section) {}
    void add(double y, double z, double area, std::int32_t material) {
        section_.fibers[static_cast<std::size_t>(++count_)] = Fiber{y, z, area, material};
    }
    void finish() { section_.fiberCount = count_; }

  private:
    TSECTION& section_;
    int count_ = 0;
};

} // namespace kelvane
