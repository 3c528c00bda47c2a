#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

// Solver processes an ensemble runs side by side: each started without waiting, its output going to
// a file, in a process group of its own (a Ctrl-C at the terminal reaches the runner, which ends
// them, not the solvers behind its back) and killed when the process that started it dies.
namespace kelvane {

// Starts `program` (a path; no shell) with the arguments in `folder`, standard input empty and
// both output streams appended to `outputFile`, which is created afresh. Signals blocked in the
// caller are unblocked in the child. Raises KelvaneError when the file cannot be created or the
// program cannot be started.
pid_t startChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                        const std::string& folder, const std::string& outputFile);

struct ChildEnd {
    bool ended = false;
    int exitCode = -1; // when it exited
    int signal = 0;    // when a signal ended it
};

// Whether the child has ended, without waiting (`wait` false) or waiting for it.
ChildEnd reapChild(pid_t child, bool wait);

// Asks the child's process group to end (SIGTERM); kill() ends it at once (SIGKILL).
void terminateChild(pid_t child);
void killChild(pid_t child);

} // namespace kelvane
