#include "model/tables/piece_sections.h"

#include "script/generator_passes.h"

#include <string>
#include <utility>

namespace kelvane::tables {

std::int32_t PieceSections::sectionOf(std::int32_t nonprismatic, const SegmentSpan& span, double from,
                                      double to) {
    const NonprismaticSegment& segment = *span.segment;
    if (!varies(context_.store, segment))
        return segment.startSection;
    const TSECTION& start = computed(segment.startSection);
    const TSECTION& end = computed(segment.endSection);
    const PieceProperties p = pieceProperties(start, end, span, from, to);
    const double weightStart = weightAreaOf(segment.startSection);
    const double weightEnd = weightAreaOf(segment.endSection);
    const double middle = (0.5 * (from + to) - span.start) / (span.end - span.start);
    const double weight =
        weightStart < 0 || weightEnd < 0 ? -1 : weightStart + (weightEnd - weightStart) * middle;
    const auto key =
        std::make_tuple(nonprismatic, start.material, p.area, p.av2, p.av3, p.torsion, p.i33, p.i22, weight);
    if (const auto found = made_.find(key); found != made_.end())
        return found->second;
    const NonprismaticSection& chain = context_.nonprismatic[static_cast<std::size_t>(nonprismatic - 1)];
    TSECTION section = context_.store.frameSections[static_cast<std::size_t>(segment.startSection)];
    section.name = chain.name + "~" + std::to_string(++madeOf_[nonprismatic]);
    section.colour = chain.colour;
    section.shape = ShapeNone;
    section.propertiesFromFile = true;
    section.shearDeformation = true;
    section.elementType = ElasticBeamColumn;
    section.area = p.area;
    section.av2 = p.av2;
    section.av3 = p.av3;
    section.torsion = p.torsion;
    section.i33 = p.i33;
    section.i22 = p.i22;
    if (start.material != end.material)
        context_.report.addNotCarried(
            "nonprismatic segments between sections of two materials (the start's is used)");
    ModelStore& store = context_.store;
    store.frameSections.push_back(std::move(section));
    store.frameSectionCount = static_cast<std::int32_t>(store.frameSections.size()) - 1;
    context_.selfWeightArea.push_back(weight);
    made_.emplace(key, store.frameSectionCount);
    return store.frameSectionCount;
}

const TSECTION& PieceSections::computed(std::int32_t s) {
    auto found = computed_.find(s);
    if (found == computed_.end()) {
        TSECTION section = context_.store.frameSections[static_cast<std::size_t>(s)];
        computeSectionProperties(section, 0);
        found = computed_.emplace(s, std::move(section)).first;
    }
    return found->second;
}

double PieceSections::weightAreaOf(std::int32_t s) {
    const double area = context_.selfWeightArea[static_cast<std::size_t>(s)];
    return area >= 0 || context_.store.frameSections[static_cast<std::size_t>(s)].propertiesFromFile
               ? area
               : computed(s).area;
}

} // namespace kelvane::tables
