#include "script/frame_properties.h"

#include "script/elastic_shear.h"
#include "script/store_access.h"

namespace kelvane {

FrameProperties framePropertiesOf(const ModelStore& store, int frame) {
    const TFRAME& record = store.frames[static_cast<std::size_t>(frame)];
    const TSECTION& section = sectionOfFrame(store, frame);
    return {
        section.area * record.assigned->areaModifier,  section.i22 * record.assigned->i22Modifier,
        section.i33 * record.assigned->i33Modifier,    section.av2 * record.assigned->shear2Modifier,
        section.av3 * record.assigned->shear3Modifier, section.torsion * record.assigned->torsionModifier};
}

bool frameDeflectsInShear(const ModelStore& store, int frame) {
    const TFRAME& record = store.frames[static_cast<std::size_t>(frame)];
    const bool offset = record.assigned->offsetI != std::array<double, 3>{} ||
                        record.assigned->offsetJ != std::array<double, 3>{};
    return deflectsInShear(sectionOfFrame(store, frame)) && !offset;
}

SpanStiffness spanStiffnessOf(const ModelStore& store, int frame, double length) {
    SpanStiffness stiffness;
    stiffness.length = length;
    const TSECTION& section = sectionOfFrame(store, frame);
    if (!frameDeflectsInShear(store, frame))
        return stiffness;
    const TMAT& material = materialOfFrame(store, frame);
    const FrameProperties p = framePropertiesOf(store, frame);
    stiffness.ei2 = material.e * p.i22;
    stiffness.ei3 = material.e * p.i33;
    stiffness.gas2 = material.g * writtenShearArea(section, p.av2);
    stiffness.gas3 = material.g * writtenShearArea(section, p.av3);
    return stiffness;
}

} // namespace kelvane
