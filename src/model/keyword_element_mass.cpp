#include "model/frame_axes.h"
#include "model/table_readers.h"
#include "model/tables/element_geometry.h"
#include "script/generator_passes.h"

#include <array>

namespace kelvane {
namespace {

// The section's area as the script gives it: computed from the dimensions of its shape.
double sectionArea(const ModelStore& store, std::int32_t s) {
    TSECTION section = store.frameSections[static_cast<std::size_t>(s)];
    computeSectionProperties(section, 0);
    return section.area;
}

void addToJoint(ModelStore& store, std::int32_t joint, double mass) {
    if (joint < 1 || joint > countOf(store.nodeCount) || mass == 0)
        return;
    DofValues& m = store.nodes[static_cast<std::size_t>(joint)].mass;
    for (std::size_t dof = 1; dof <= 3; ++dof)
        m[dof] += mass;
}

} // namespace

void addKeywordElementMass(ModelStore& store) {
    std::vector<double> massPerLength(static_cast<std::size_t>(countOf(store.frameSectionCount)) + 1, 0.0);
    for (std::int32_t s = 1; s <= store.frameSectionCount; ++s) {
        const double unitMass =
            tables::unitMassOf(store, store.frameSections[static_cast<std::size_t>(s)].material);
        massPerLength[static_cast<std::size_t>(s)] = unitMass != 0 ? unitMass * sectionArea(store, s) : 0;
    }
    for (std::int32_t f = 1; f <= store.frameCount; ++f) {
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        if (frame.section < 1 || frame.section > store.frameSectionCount)
            continue;
        const double half =
            massPerLength[static_cast<std::size_t>(frame.section)] * lengthOfFrame(store, frame) / 2;
        addToJoint(store, frame.nodeI, half);
        addToJoint(store, frame.nodeJ, half);
    }
    for (std::int32_t a = 1; a <= store.areaCount; ++a) {
        const TSHELL& area = store.shells[static_cast<std::size_t>(a)];
        if (area.section < 1 || area.section > store.shellSectionCount)
            continue;
        const TAREASEC& section = store.shellSections[static_cast<std::size_t>(area.section)];
        const double perArea = tables::unitMassOf(store, section.material) * section.thickness;
        if (perArea == 0)
            continue;
        const std::vector<double> parts = tables::tributaryAreas(tables::areaCorners(store, area));
        const std::array<std::int32_t, 4> joints = {area.node1, area.node2, area.node3, area.node4};
        for (std::size_t k = 0; k < parts.size(); ++k)
            addToJoint(store, joints[k], perArea * parts[k]);
    }
    tables::lumpSolidMass(store, [&](std::int32_t joint, double mass) { addToJoint(store, joint, mass); });
}

} // namespace kelvane
