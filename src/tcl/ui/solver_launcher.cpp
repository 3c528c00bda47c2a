#include "tcl/ui/solver_launcher.h"

#include "common/error.h"

namespace kelvane {

void launchSolverDetached(const QString& scriptPath) {
    (void)scriptPath;
    fail("The OpenSees solver cannot be started yet.");
}

} // namespace kelvane
