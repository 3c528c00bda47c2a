#include "script/block_writers.h"

#include "common/error.h"

#include <cmath>
#include <string>

namespace kelvane {
namespace {

// A fiber coordinate as written: the round-off of a ring's sines and cosines (1E-15 of the radius
// where the fiber lies on an axis) is written as 0.
double fiberCoordinate(double value, double other) {
    return std::abs(value) < 1e-12 * std::abs(other) ? 0.0 : value;
}

} // namespace

void writeFiberSectionBlock(const ScriptInput& in, ScriptWriter& out) {
    const ModelStore& store = in.store;
    const int sectionCount = countOf(store.frameSectionCount);
    for (int s = 1; s <= sectionCount; ++s) {
        const TSECTION& section = store.frameSections[s];
        if (section.elementType < NonlinearBeamColumn || section.elementType > CorotTruss)
            continue;
        out.line("##%S ", {section.name});
        // A three-dimensional fiber section needs its torsional stiffness.
        out.line("section Fiber %D -GJ %R {", {s, section.shearModulus * section.torsion});
        if (section.fiberCount > kFiberCapacity)
            fail("Frame section " + std::to_string(s) + " (" + section.name + ") holds " +
                 std::to_string(section.fiberCount) + " fibers; a fiber section holds at most " +
                 std::to_string(kFiberCapacity));
        for (int j = 1; j <= section.fiberCount; ++j) {
            const Fiber& fiber = section.fibers[static_cast<std::size_t>(j)];
            out.line("fiber %R %R %R %D", {fiberCoordinate(fiber.y, fiber.z),
                                           fiberCoordinate(fiber.z, fiber.y), fiber.area, fiber.material});
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
