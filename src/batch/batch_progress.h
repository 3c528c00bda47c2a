#pragma once

#include "batch/local_runner.h"

#include <cstddef>
#include <string>

namespace kelvane {

// A terminal progress bar of an ensemble: "[######------]  12/40 runs  1 failed  0:35 left", the runs
// ended (completed or failed, earlier calls included) of those in the set. The time left is "--"
// until a run of this call has ended.
std::string batchProgressBar(const BatchProgress& progress, int width);

// The same without the bar: "12/40 runs  1 failed  0:35 left".
std::string batchProgressText(const BatchProgress& progress);

// "40 runs: 38 completed, 2 failed" (and ", 3 not run" when some are left).
// "6 runs: 4 completed (1 collapse), 1 failed, 1 not run": the collapsed runs are among the completed.
std::string batchCountsText(int total, int completed, int failed, int collapsed = 0);

// "40 runs (4 records x 10 scales)", "1 run (1 record x 1 scale)".
std::string planCountsText(std::size_t records, std::size_t scales);

} // namespace kelvane
