#include "results/section_results.h"

#include "common/error.h"
#include "results/recorder_files.h"
#include "results/section_layout.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace kelvane {
namespace {

// Reads one end of every frame of a block from its file.
void readFrameEnd(ModelStore& store, const std::string& path, std::int32_t step, std::int32_t component,
                  const RecorderBlock& range, RecordedSection section, const AnalysisSettings& analysis) {
    std::vector<int> offsets; // field of each frame's first value; 0 when it writes none
    int fieldsNeeded = 1;     // the time column
    for (int f = range.firstObject; f < range.firstObject + range.objectCount; ++f) {
        const int count = sectionValueCount(elementTypeOfFrame(store, f), section, analysis);
        offsets.push_back(count > 0 ? fieldsNeeded : 0);
        fieldsNeeded += count;
    }
    const RecorderFile file(path);
    FieldViews fields;
    splitRecorderLine(file, step, fieldsNeeded, fields);
    for (int i = 0; i < range.objectCount; ++i) {
        TFRAME& frame = store.frames[static_cast<std::size_t>(range.firstObject + i)];
        const int offset = offsets[static_cast<std::size_t>(i)];
        const double value = offset > 0 ? fieldValue(fields, offset + component - 1) : 0.0;
        (section == RecordedSection::First ? frame.hingeValueI : frame.hingeValueJ) = value;
        (section == RecordedSection::First ? frame.hasHingeValueI : frame.hasHingeValueJ) = offset > 0;
    }
}

} // namespace

bool loadSectionDeformation(ModelStore& store, const std::string& folder, std::int32_t step,
                            std::int32_t component, const AnalysisSettings& analysis,
                            ResultDisplay& display) {
    if (component < AxialStrain || component > CurvatureKy)
        fail("Section deformation component " + std::to_string(component) + " is not 1, 2 or 3");
    const int frameCount = countOf(store.frameCount);
    if (static_cast<long long>(store.frames.size()) <= frameCount)
        fail("The model holds fewer frame records than its frame count");
    display.sectionStep = step;
    display.sectionComponent = component;

    for (int block = 0; block < blockCount(frameCount); ++block) {
        const RecorderBlock range = recorderBlock(frameCount, block);
        const std::string number = std::to_string(frameFileNumber(frameCount, block));
        readFrameEnd(store, recorderPath(folder, "ele" + number + "_secs.out"), step, component, range,
                     RecordedSection::First, analysis);
        readFrameEnd(store, recorderPath(folder, "ele" + number + "_secn.out"), step, component, range,
                     RecordedSection::Last, analysis);
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

// Transitional form for callers that do not pass the analysis settings yet: the start-up
// settings. To be removed once every caller passes its settings.
bool loadSectionDeformation(ModelStore& store, const std::string& folder, std::int32_t step,
                            std::int32_t component, ResultDisplay& display) {
    return loadSectionDeformation(store, folder, step, component, AnalysisSettings{}, display);
}

} // namespace kelvane
