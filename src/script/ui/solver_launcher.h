#pragma once

#include "solver/solver_location.h"
#include "solver/watched_run.h"

#include <QString>
#include <memory>

namespace kelvane {

// Starts the OpenSees solver on a script without waiting for it and returns the watch on the run:
// the solver beside the program, else the one in the user's solver folder, else the one on the
// PATH, run in the script's folder with the script's full path as its one argument. The solver is
// detached from the program: it goes on when the program ends, its output kept in a log file beside
// the script. Throws KelvaneError when no solver can be found (saying how to install one) or it cannot
// be started.
std::unique_ptr<WatchedRun> launchSolverDetached(const QString& scriptPath);

// The same with the places searched given explicitly.
std::unique_ptr<WatchedRun> launchSolverDetached(const QString& scriptPath, const SolverSearch& search);

// The places the desktop program looks for the solver.
SolverSearch desktopSolverSearch();

} // namespace kelvane
