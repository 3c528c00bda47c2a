#include "batch/batch_progress.h"

#include "solver/run_progress.h"

#include <algorithm>

namespace kelvane {

std::string batchProgressText(const BatchProgress& progress) {
    std::string text =
        std::to_string(progress.completed + progress.failed) + "/" + std::to_string(progress.total) + " runs";
    if (progress.failed > 0)
        text += "  " + std::to_string(progress.failed) + " failed";
    return text + "  " + (progress.secondsLeft ? formatElapsed(*progress.secondsLeft) : std::string("--")) +
           " left";
}

std::string batchProgressBar(const BatchProgress& progress, int width) {
    const int ended = progress.completed + progress.failed;
    const int filled = progress.total > 0 ? std::clamp(ended * width / progress.total, 0, width) : width;
    return "[" + std::string(static_cast<std::size_t>(filled), '#') +
           std::string(static_cast<std::size_t>(width - filled), '-') + "]  " + batchProgressText(progress);
}

std::string batchCountsText(int total, int completed, int failed, int collapsed) {
    std::string text = std::to_string(total) + (total == 1 ? " run: " : " runs: ") +
                       std::to_string(completed) + " completed" +
                       (collapsed > 0 ? " (" + std::to_string(collapsed) + " collapse)" : "") + ", " +
                       std::to_string(failed) + " failed";
    const int left = total - completed - failed;
    if (left > 0)
        text += ", " + std::to_string(left) + " not run";
    return text;
}

std::string planCountsText(std::size_t records, std::size_t scales) {
    const auto counted = [](std::size_t count, const char* what) {
        return std::to_string(count) + " " + what + (count == 1 ? "" : "s");
    };
    return counted(records * scales, "run") + " (" + counted(records, "record") + " x " +
           counted(scales, "scale") + ")";
}

} // namespace kelvane
