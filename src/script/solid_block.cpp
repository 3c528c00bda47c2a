#include "script/block_writers.h"

#include "common/error.h"

#include <set>
#include <string>

namespace kelvane {
namespace {

// The elastic material of a brick, named by its section number: the material of that number, else
// the model's first material.
const TMAT& brickMaterial(const ModelStore& store, std::int32_t section) {
    const int materialCount = countOf(store.materialCount);
    if (materialCount == 0)
        fail("Solid elements need a material: the model has no MATERIAL table (solid section " +
             std::to_string(section) + ")");
    return store.materials[section >= 1 && section <= materialCount ? section : 1];
}

// One elastic nD material per solid section number, in ascending order, before the bricks use it.
void writeBrickMaterials(const ModelStore& store, ScriptWriter& out) {
    std::set<std::int32_t> sections;
    for (int i = 1; i <= countOf(store.solidCount); ++i)
        sections.insert(store.solids[i].section);
    for (std::int32_t section : sections) {
        const TMAT& material = brickMaterial(store, section);
        out.line("nDMaterial ElasticIsotropic %d %R %R", {section, material.e, material.nu});
    }
}

} // namespace

void writeSolidBlock(const ScriptInput& in, ScriptWriter& out) {
    const ModelStore& store = in.store;
    // Brick tags continue after the frames and the areas, so no element tag repeats.
    const int firstTag = countOf(store.frameCount) + countOf(store.areaCount);
    out.text("puts \"SOLID element\"");
    writeBrickMaterials(store, out);
    for (int i = 1; i <= countOf(store.solidCount); ++i) {
        const TSOLID& solid = store.solids[i];
        out.line("element stdBrick %D %D %D %D %D %D %D %D %D %D",
                 {firstTag + i, solid.node1, solid.node2, solid.node3, solid.node4, solid.node5, solid.node6,
                  solid.node7, solid.node8, solid.section});
    }
}

} // namespace kelvane
