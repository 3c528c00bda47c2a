#include "common/number_format.h"
#include "script/area_formulation.h"
#include "script/block_writers.h"
#include "script/store_access.h"

#include <vector>

namespace kelvane {
namespace {

// Plates, membranes and shells of two thicknesses: an elastic section of their own whatever the
// plate-fiber setting, since their elements need it.
void writeElasticAreaSections(const ModelStore& store, ScriptWriter& out) {
    for (int a = 1; a <= countOf(store.shellSectionCount); ++a) {
        const TAREASEC& section = store.shellSections[a];
        if (section.isShell != 1 || takesPlateFiberSection(section))
            continue;
        const TMAT& material = materialOfShellSection(store, a);
        const MembranePlateStiffness stiffness = membranePlateStiffness(section);
        out.line("##%S ", {section.name});
        out.line("section ElasticMembranePlateSection %d %R %R %R 0 %R",
                 {700 + a, material.e * section.elasticFactor, material.nu, stiffness.thickness,
                  stiffness.bendingFactor});
    }
}

} // namespace

void writePlateFiberBlock(const ScriptInput& in, ScriptWriter& out) {
    const ModelStore& store = in.store;
    const int shellSectionCount = countOf(store.shellSectionCount);
    out.text("");
    writeElasticAreaSections(store, out);
    if (!in.analysis.genPlateFiber)
        return;

    // The plate-fiber materials wrap an elastic nD material of the same number as the store
    // material: one for each material that a written shell section uses.
    std::vector<bool> used(static_cast<std::size_t>(countOf(store.materialCount)) + 1, false);
    for (int a = 1; a <= shellSectionCount; ++a) {
        if (store.shellSections[a].isShell != 1 || !takesPlateFiberSection(store.shellSections[a]))
            continue;
        materialOfShellSection(store, a); // stops on a reference outside the material table
        const std::int32_t m = store.shellSections[a].material;
        if (m > 0)
            used[static_cast<std::size_t>(m)] = true;
    }
    for (int m = 1; m <= countOf(store.materialCount); ++m)
        if (used[static_cast<std::size_t>(m)])
            out.line("nDMaterial ElasticIsotropic %d %R %R",
                     {m, store.materials[m].e, store.materials[m].nu});

    for (int a = 1; a <= shellSectionCount; ++a) {
        const TAREASEC& section = store.shellSections[a];
        if (section.isShell != 1 || !takesPlateFiberSection(section))
            continue;
        out.line("##%S ", {section.name});
        if (section.elasticFactor != 1) {
            // A section of areas with stiffness modifiers: its own elastic material.
            const TMAT& material = materialOfShellSection(store, a);
            // E in full: the factor pairs it with the thickness as written.
            out.line("nDMaterial ElasticIsotropic %d %R %R",
                     {kModifiedShellMaterialBase + a, material.e * section.elasticFactor, material.nu});
            out.line("nDMaterial PlateFiber %d %D", {600 + a, kModifiedShellMaterialBase + a});
        } else {
            out.line("nDMaterial PlateFiber %d %D", {600 + a, section.material});
        }
        out.line("section PlateFiber %d %d %R", {700 + a, 600 + a, section.thickness});
    }
}

} // namespace kelvane
