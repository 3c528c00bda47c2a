#pragma once

#include "model/model_store.h"

#include <array>
#include <cstdint>
#include <vector>

// End releases and partial fixity of beam-column frames. The solver's elastic beam-column takes
// -releasey and -releasez but leaves both its stiffness and its element loads as they are without
// them, and the fiber elements have no such option; so a released end is written as a node of the
// element's own at the joint and a zero-length element that joins the joint to it in the frame's
// local axes (directions 1..6: P, V2, V3, T, M2, M3). The zero-length element holds each component
// that is not released with a stiff spring, a partly fixed one with its spring and leaves a
// released one free. (An equalDOF cannot tie the translations: the joint may itself be tied to a
// diaphragm, and the solver's Transformation handler silently drops a constraint whose retained
// node is constrained by another.)
namespace kelvane {

inline constexpr std::int32_t kReleaseSpringTagBase = 100000;

// How much stiffer than the frame itself a held component's spring is: the frame's flexibility
// grows by this fraction.
inline constexpr double kHeldSpringFactor = 1e6;

struct ReleasedEnd {
    std::int32_t frame = 0;
    bool endJ = false;
    std::int32_t joint = 0;
    std::int32_t node = 0;    // the element's own node
    std::int32_t element = 0; // the zero-length element; 0 when every component is free
    // Per component 1..6: the spring's stiffness, 0 for a released (free) component.
    DofValues springs{};
    // The uniaxial material of component c is firstMaterial + c - 1.
    std::int32_t firstMaterial = 0;
};

struct FrameReleases {
    std::vector<ReleasedEnd> ends;
    // Per frame 1..frameCount: the index + 1 in `ends` of its released I and J end, 0 for none.
    std::vector<std::array<std::int32_t, 2>> ofFrame;

    // The node the frame's element ends at: the released end's own node, else the joint.
    std::int32_t elementNode(const ModelStore& store, int frame, bool endJ) const;
};

// Lays out the released ends of every beam-column frame (element types 1 to 4; trusses and rigid
// links have their own end conditions), in frame order, I end first: nodes after the joints,
// zero-length elements after the frames, areas and solids, materials from kReleaseSpringTagBase.
// Stops when a frame whose end is released has no stiffness to hold the other components with.
FrameReleases layOutFrameReleases(const ModelStore& store);

} // namespace kelvane
