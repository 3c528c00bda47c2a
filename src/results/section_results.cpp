#include "results/section_results.h"

#include "common/error.h"
#include "results/recorder_files.h"

#include <algorithm>
#include <cstddef>

namespace kelvane {
namespace {

enum class FrameEnd { I, J };

void readFrameEnd(ModelStore& store, const std::string& path, std::int32_t step, std::int32_t component,
                  const RecorderBlock& range, FrameEnd end, FieldViews& fields) {
    const RecorderFile file(path);
    splitRecorderLine(file, step, 1 + 3 * range.objectCount, fields);
    for (int i = 1; i <= range.objectCount; ++i) {
        TFRAME& frame = store.frames[static_cast<std::size_t>(range.firstObject + i - 1)];
        const double value = fieldValue(fields, 3 * (i - 1) + component);
        (end == FrameEnd::I ? frame.hingeValueI : frame.hingeValueJ) = value;
    }
}

} // namespace

bool loadSectionDeformation(ModelStore& store, const std::string& folder, std::int32_t step,
                            std::int32_t component, ResultDisplay& display) {
    if (component < AxialStrain || component > CurvatureKy)
        fail("Section deformation component " + std::to_string(component) + " is not 1, 2 or 3");
    const int frameCount = countOf(store.frameCount);
    if (static_cast<long long>(store.frames.size()) <= frameCount)
        fail("The model holds fewer frame records than its frame count");

    FieldViews fields;
    for (int block = 0; block < blockCount(frameCount); ++block) {
        const RecorderBlock range = recorderBlock(frameCount, block);
        const std::string number = std::to_string(frameFileNumber(frameCount, block));
        readFrameEnd(store, recorderPath(folder, "ele" + number + "_secs.out"), step, component, range,
                     FrameEnd::I, fields);
        readFrameEnd(store, recorderPath(folder, "ele" + number + "_secn.out"), step, component, range,
                     FrameEnd::J, fields);
    }
    if (frameCount < 1)
        return false;

    double rangeMax = store.frames[1].hingeValueI;
    double rangeMin = rangeMax;
    for (int f = 1; f <= frameCount; ++f) {
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        rangeMax = std::max({rangeMax, frame.hingeValueI, frame.hingeValueJ});
        rangeMin = std::min({rangeMin, frame.hingeValueI, frame.hingeValueJ});
    }
    display.ColourRangeMax = rangeMax;
    display.ColourRangeMin = rangeMin;
    return true;
}

} // namespace kelvane
