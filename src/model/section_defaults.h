#pragma once

#include "model/model_store.h"

#include <string>
#include <string_view>
#include <vector>

// What every frame section gets on import, whatever the format of the file.
namespace kelvane {

// The element formulation by the first letter of the section's name: E elastic, N nonlinear,
// D displacement-based, H beam with hinges, T truss, C corotational truss, R rigid link; any other
// letter (and an empty name) elastic.
std::int32_t elementTypeOfName(std::string_view name);

// Every section takes the formulation its name's first letter names (the convention of the
// version-6 files, which their import applies; a table-format model only on request), and the
// rigid links that result tie their joints.
void applyElementTypesFromNames(ModelStore& store);

// What the name rule gave each section of a version-6 import: "NAME: Elastic BeamColumn (first
// letter E)", one line per section after a heading.
std::vector<std::string> elementTypeNameLines(const ModelStore& store);

// The fiber mesh, bar, cover, kind and transformation defaults.
void setImportDefaults(TSECTION& section);

// After the shape and dimensions are set: hinge lengths of the four meshed shapes are the depth
// t1, and a pipe is meshed in 20 rings.
void setShapeDefaults(TSECTION& section);

} // namespace kelvane
