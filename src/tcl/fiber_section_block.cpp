#include "tcl/block_writers.h"

#include "common/error.h"

#include <string>

namespace kelvane {

void writeFiberSectionBlock(const ScriptInput& in, ScriptWriter& out) {
    const ModelStore& store = in.store;
    const int sectionCount = countOf(store.frameSectionCount);
    for (int s = 1; s <= sectionCount; ++s) {
        const TSECTION& section = store.frameSections[s];
        if (section.elementType < NonlinearBeamColumn || section.elementType > CorotTruss)
            continue;
        out.line("##%S ", {section.name});
        // A three-dimensional fiber section needs its torsional stiffness.
        out.line("section Fiber %D -GJ %0.4E {", {s, section.shearModulus * section.torsion});
        if (section.fiberCount > kFiberCapacity)
            fail("Frame section " + std::to_string(s) + " (" + section.name + ") holds " +
                 std::to_string(section.fiberCount) + " fibers; a fiber section holds at most " +
                 std::to_string(kFiberCapacity));
        for (int j = 1; j <= section.fiberCount; ++j) {
            const Fiber& fiber = section.fibers[static_cast<std::size_t>(j)];
            out.line("fiber %0.4E %0.4E %0.4E %D", {fiber.y, fiber.z, fiber.area, fiber.material});
        }
        out.text("}");
    }
    if (!in.analysis.useAggregator)
        return;
    for (int s = 1; s <= sectionCount; ++s) {
        const std::int32_t type = store.frameSections[s].elementType;
        if (type >= NonlinearBeamColumn && type <= BeamWithHinge)
            out.line("section Aggregator %D %D Vy %D Vz %D T -section %D",
                     {1000 + s, 200 + s, 300 + s, 400 + s, s});
    }
}

} // namespace kelvane
