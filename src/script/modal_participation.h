#pragma once

#include "script/block_writers.h"

// Script lines that find the modes a stage needs at run time: the eigen analysis, the joints that
// carry mass and the effective mass of each mode along a direction, in both languages.
namespace kelvane {

// "nModes" and "lambdaN": the eigenvalues of `modes` modes, asked as eigenRequest says. Stops when
// the model has no free mass degree of freedom.
void writeEigenModes(const ScriptInput& in, ScriptWriter& out, int modes, std::string_view purpose);

// "massNodes" (the joints with mass, in tag order) and their masses per degree of freedom
// ("nodeMasses"); stops the script when no mass acts along `direction` (1 X, 2 Y, 3 Z).
void writeMassNodes(const ScriptInput& in, ScriptWriter& out, int direction);

// "massRatios": the effective mass of each of the nModes modes along `direction` over the total
// mass along it, (sum m phi)^2 / (sum m phi^2) / sum m, after writeEigenModes and writeMassNodes.
void writeMassRatios(ScriptWriter& out, int direction);

} // namespace kelvane
