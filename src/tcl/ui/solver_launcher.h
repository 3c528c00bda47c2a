#pragma once

#include "solver/solver_location.h"

#include <QString>

namespace kelvane {

// Starts the OpenSees solver on a script without waiting for it: the solver beside the program,
// else the one in the user's solver folder, else the one on the PATH, run in the script's folder
// with the script's full path as its one argument. Throws KelvaneError when no solver can be found
// (saying how to install one) or it cannot be started.
void launchSolverDetached(const QString& scriptPath);

// The same with the places searched given explicitly.
void launchSolverDetached(const QString& scriptPath, const SolverSearch& search);

} // namespace kelvane
