#pragma once

#include <QString>

namespace kelvane {

// Starts the OpenSees solver on a script without waiting for it: the solver beside the program,
// else the one on the PATH, run in the script's folder with the script's full path as its one
// argument. Throws KelvaneError when no solver can be found or it cannot be started.
void launchSolverDetached(const QString& scriptPath);

// The same with the folder searched first given explicitly instead of the program's own.
void launchSolverDetached(const QString& scriptPath, const QString& programFolder);

} // namespace kelvane
