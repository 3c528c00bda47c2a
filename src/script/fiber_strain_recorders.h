#pragma once

#include "model/model_store.h"
#include "script/analysis_settings.h"
#include "script/block_writers.h"

#include <cstdint>
#include <string>

// The fiber stresses and strains of the nonlinear beam-columns at their integration points, which
// tell where steel yielded and concrete spalled or crushed. One file per block of 100 frames and
// integration point: ele{k}_fib{p}.out (k numbered as the other frame recorders), each frame of the
// block with a fiber section at point p writing y, z, area, stress and strain of every fiber in
// the order of its section's fibers.
namespace kelvane {

// The integration point number p (1-based) of a frame's element that holds its fiber section:
// 1..numIntgrPts of the force- and displacement-based beam-columns (Gauss-Lobatto, the ends
// included), the two hinges 1 and 6 of a beam with hinges; trusses, elastic and rigid frames none.
bool hasFiberSectionAt(std::int32_t elementType, int point, const AnalysisSettings& analysis);

// The largest integration point number any frame of the model records: 0 when none has a fiber
// section.
int fiberPointCount(const ModelStore& store, const AnalysisSettings& analysis);

// The place of integration point `point` along its element, 0 at end I and 1 at end J.
double integrationPointPosition(std::int32_t elementType, int point, const AnalysisSettings& analysis);

// Whether any frame of frames first..last records fibers at the point.
bool blockRecordsFibers(const ModelStore& store, int first, int last, int point,
                        const AnalysisSettings& analysis);

std::string fiberFileName(int fileNumber, int point);

// The values each fiber writes: y, z, area, stress, strain.
inline constexpr int kFiberValues = 5;

// The recorders, one per block of frames and integration point that records any fiber.
void writeFiberStrainRecorders(const ScriptInput& in, ScriptWriter& out);

} // namespace kelvane
