#pragma once

#include "model/model_store.h"

#include <string_view>

// What every frame section gets on import, whatever the format of the file.
namespace kelvane {

// The element formulation by the first letter of the section's name: E elastic, N nonlinear,
// D displacement-based, H beam with hinges, T truss, C corotational truss, R rigid link; any other
// letter (and an empty name) elastic.
std::int32_t elementTypeOfName(std::string_view name);

// The fiber mesh, bar, cover, kind and transformation defaults.
void setImportDefaults(TSECTION& section);

// After the shape and dimensions are set: hinge lengths of the four meshed shapes are the depth
// t1, and a pipe is meshed in 20 rings.
void setShapeDefaults(TSECTION& section);

} // namespace kelvane
