#pragma once

#include "solver/solver_location.h"

#include <string>

namespace kelvane {

// What the solver answers to "--version": the first line of its output when it exits with
// status 0, else "" (a solver that takes the option for a script name fails).
std::string solverVersion(const std::string& solver);

// The line both programs print under their own version: "OpenSees VERSION (PATH)" for the solver
// the search finds, "OpenSees (PATH)" when it does not tell its version, and
// "OpenSees: not found. ..." with missingSolverMessage when there is none.
std::string solverVersionLine(const SolverSearch& search);

} // namespace kelvane
