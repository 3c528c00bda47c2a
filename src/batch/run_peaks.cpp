#include "batch/run_peaks.h"

#include "common/error.h"
#include "results/recorder_files.h"
#include "results/recorder_series.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace kelvane {
namespace {

// The displacement series of every joint of the layout along its direction.
struct JointSeries {
    std::vector<double> time;
    std::map<std::int32_t, std::vector<double>> displacement;
};

JointSeries readJointSeries(const StoreyLayout& layout, const std::string& runFolder) {
    std::map<int, std::vector<std::int32_t>> jointsByBlock;
    for (const FloorLevel& floor : layout.floors)
        for (std::int32_t joint : floor.joints) {
            std::vector<std::int32_t>& block = jointsByBlock[(joint - 1) / kRecorderBlockSize];
            if (std::find(block.begin(), block.end(), joint) == block.end())
                block.push_back(joint);
        }
    JointSeries series;
    std::size_t steps = 0;
    bool first = true;
    for (const auto& [block, joints] : jointsByBlock) {
        std::vector<int> fields;
        for (std::int32_t joint : joints)
            fields.push_back(1 + 3 * ((joint - 1) % kRecorderBlockSize) + layout.direction - 1);
        const std::string path = recorderPath(runFolder, "node" + std::to_string(block) + ".out");
        RecorderColumns columns = readRecorderColumns(path, fields);
        steps = first ? columns.steps() : std::min(steps, columns.steps());
        if (first)
            series.time = std::move(columns.time);
        first = false;
        for (std::size_t k = 0; k < joints.size(); ++k)
            series.displacement[joints[k]] = std::move(columns.values[k]);
    }
    series.time.resize(std::min(series.time.size(), steps));
    return series;
}

} // namespace

RunPeaks readRunPeaks(const StoreyLayout& layout, const std::string& runFolder) {
    const JointSeries series = readJointSeries(layout, runFolder);
    const std::size_t steps = series.time.size();
    const auto firstStep = static_cast<std::size_t>(std::max(0, layout.gravitySteps));
    if (steps <= firstStep)
        fail("The node recorder files of \"" + runFolder + "\" hold " + std::to_string(steps) +
             " steps, none of the time history" +
             (firstStep > 0 ? " after the " + std::to_string(firstStep) + " of the gravity stage"
                            : std::string()));

    const auto floorDisplacement = [&](const FloorLevel& floor, std::size_t step) {
        double sum = 0;
        for (std::int32_t joint : floor.joints)
            sum += series.displacement.at(joint)[step];
        return sum / static_cast<double>(floor.joints.size());
    };
    RunPeaks peaks;
    bool driftFound = false;
    for (std::size_t step = firstStep; step < steps; ++step) {
        peaks.roofDisplacement =
            std::max(peaks.roofDisplacement, std::abs(floorDisplacement(layout.floors.back(), step)));
        double below = floorDisplacement(layout.floors[0], step);
        for (std::size_t storey = 1; storey < layout.floors.size(); ++storey) {
            const double above = floorDisplacement(layout.floors[storey], step);
            const double height = layout.floors[storey].elevation - layout.floors[storey - 1].elevation;
            const double ratio = std::abs(above - below) / height;
            if (!driftFound || ratio > peaks.driftRatio) {
                peaks.driftRatio = ratio;
                peaks.time = series.time[step];
                peaks.storey = static_cast<int>(storey);
                driftFound = true;
            }
            below = above;
        }
    }
    return peaks;
}

} // namespace kelvane
