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

// After the shape and dimensions are set: hinge lengths of the meshed shapes are the depth t1 (a
// circle's diameter); a pipe is meshed in 20 sectors by 2 rings, a circle in 16 by 4, and the open
// steel shapes in divisions that keep them under 80 fibers.
void setShapeDefaults(TSECTION& section);

} // namespace kelvane
