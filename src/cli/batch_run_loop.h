#pragma once

#include "batch/local_runner.h"

// The terminal side of kelvane-cli batch run: waits for the solvers, prints each run as it ends
// and, on a terminal, a progress bar under them; a Ctrl-C or a termination ends the running
// solvers, whose runs are left for the next call.
namespace kelvane::cli {

// Returns 0 when every run of the set completed, 1 when a run failed, 130 when stopped.
int runBatchOnTerminal(LocalBatchRunner& runner, bool showProgress);

} // namespace kelvane::cli
