#pragma once

#include "script/block_writers.h"

// How the analyses of a script solve their equations: a sparse direct solver (UmfPack, which orders
// the equations itself to keep the fill small) on equations numbered by reverse Cuthill-McKee. A
// linear model (elastic materials, linear geometric transformations, no corotational truss) has a
// constant stiffness, factored once for the whole stage and iterated on (modified Newton); any other
// model iterates with Newton.
//
// The skyline and band solvers of symmetric positive definite matrices fill in far more on a
// building: ProfileSPD had not solved a 16-storey synthetic building of 30 000 equations in 150 s
// and held 1.2 GB, where UmfPack solved its ten steps in 34 s and 0.65 GB. The sparse symmetric
// solvers are not used because the Tcl interpreter's SparseSYM and SparseSPD return wrong
// displacements (-1.5 instead of PL^3/3EI = 2.667 for a two-element cantilever of unit properties;
// OpenSeesPy's are right).
namespace kelvane {

bool solvesLinearly(const ModelStore& store);

// The numberer and the linear system.
void writeEquationSolver(ScriptWriter& out);
// The solution algorithm of a stage: one factorisation for a linear model, Newton otherwise.
void writeSolutionAlgorithm(const ScriptInput& in, ScriptWriter& out);

} // namespace kelvane
