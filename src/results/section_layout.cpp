#include "results/section_layout.h"

#include <cstddef>

namespace kelvane {
namespace {

constexpr int kFiberSectionValues = 4;      // eps, kappa z, kappa y, theta
constexpr int kAggregatedSectionValues = 7; // then Vy, Vz, T
constexpr int kBeamWithHingesPoints = 6;    // hinge, four interior elastic sections, hinge

} // namespace

int sectionValueCount(std::int32_t elementType, RecordedSection section, const AnalysisSettings& analysis) {
    const int number = section == RecordedSection::First ? 1 : analysis.numIntgrPts;
    const int fiberValues = analysis.useAggregator ? kAggregatedSectionValues : kFiberSectionValues;
    switch (elementType) {
    case NonlinearBeamColumn:
    case DispBeamColumn:
        return number >= 1 && number <= analysis.numIntgrPts ? fiberValues : 0;
    case BeamWithHinge:
        if (number == 1 || number == kBeamWithHingesPoints)
            return fiberValues;
        return number > 1 && number < kBeamWithHingesPoints ? kFiberSectionValues : 0;
    case Truss:
    case CorotTruss:
        return number == 1 ? kFiberSectionValues : 0; // never aggregated
    default:
        return 0; // elastic beam-columns, rigid links and frames without an element
    }
}

std::int32_t elementTypeOfFrame(const ModelStore& store, int frame) {
    const std::int32_t section = store.frames[static_cast<std::size_t>(frame)].section;
    if (section < 1 || section > countOf(store.frameSectionCount) ||
        static_cast<std::size_t>(section) >= store.frameSections.size())
        return 0;
    return store.frameSections[static_cast<std::size_t>(section)].elementType;
}

} // namespace kelvane
