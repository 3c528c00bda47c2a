#pragma once

#include "model/model_store.h"

#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

// What is wrong with a section's fiber mesh settings, and the caption of the box that holds it.
struct SectionFault {
    std::string_view box;
    std::string message;
};

// The first fault of the mesh settings of a section the mesher meshes (element types 2 to 6, a
// shape it knows): a division count below 1, a ring of fewer than 3 sectors, the dimensions of a
// pipe, circle or open steel shape that make no shape, a negative bar count, a cover of half the rectangle's width or depth or more, a mesh of more fibers than a
// section holds. None for a sound section and for the sections the mesher leaves alone.
std::optional<SectionFault> sectionMeshFault(const TSECTION& section);

} // namespace kelvane
