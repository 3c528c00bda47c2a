#pragma once

#include "model/model_store.h"

#include <cstdint>

// The rotational springs of a rigid link (a zero-length element) are elastic: they take the
// uniaxial material of the link section's material while that is elastic, and an elastic material
// of their own, tag 500 + section, with the same modulus when the section's material follows a
// nonlinear model (whose strength would otherwise turn the link into a hinge).
namespace kelvane {

inline constexpr std::int32_t kLinkSpringTagBase = 500;

// Whether rigid-link section s needs an elastic spring material of its own.
bool linkNeedsOwnSpring(const ModelStore& store, int section);

// The uniaxial material tag of the springs of rigid-link section s.
std::int32_t linkSpringTag(const ModelStore& store, int section);

} // namespace kelvane
