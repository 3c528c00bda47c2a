#pragma once

#include "model/model_store.h"
#include "script/frame_releases.h"

#include <cstdint>
#include <vector>

// Springs from joints to the ground. The solver has no spring at a node, so each joint with
// springs gets a ground node of its own at the same place, fixed in every degree of freedom, and
// a zero-length element from the ground node to the joint, oriented along the joint's local axes,
// with an elastic material per spring.
namespace kelvane {

inline constexpr std::int32_t kJointSpringTagBase = 300000;

struct GroundSpring {
    std::int32_t joint = 0;
    std::int32_t node = 0;          // the ground node
    std::int32_t element = 0;       // the zero-length element
    std::int32_t firstMaterial = 0; // the material of component c is firstMaterial + c - 1
};

// In joint order: ground nodes after the joints and the released ends' nodes, elements after
// the release elements, materials from kJointSpringTagBase. A model of 3 degrees of freedom per
// node keeps the translational springs only.
std::vector<GroundSpring> layOutGroundSprings(const ModelStore& store, const FrameReleases& releases,
                                              int dofsPerNode);

// Whether component c (1..6) of the joint has a spring the script writes.
bool writesSpring(const TNODE& joint, std::size_t c, int dofsPerNode);

} // namespace kelvane
