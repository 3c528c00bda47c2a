#include "tcl/block_writers.h"

namespace kelvane {

void writeMaterialBlock(const ScriptInput& in, ScriptWriter& out) {
    const ModelStore& store = in.store;
    out.text("puts \"material\"");
    for (int m = 1; m <= countOf(store.materialCount); ++m) {
        const TMAT& material = store.materials[m];
        if (material.model == 1)
            out.line("uniaxialMaterial Elastic %d %0.4e", {m, material.e});
    }
    if (!in.analysis.useAggregator)
        return;
    for (int s = 1; s <= countOf(store.frameSectionCount); ++s) {
        const TSECTION& section = store.frameSections[s];
        out.line("uniaxialMaterial Elastic %d %0.4e", {200 + s, section.shearModulus * section.av2});
        out.line("uniaxialMaterial Elastic %d %0.4e", {300 + s, section.shearModulus * section.av3});
        out.line("uniaxialMaterial Elastic %d %0.4e", {400 + s, section.shearModulus * section.torsion});
    }
}

} // namespace kelvane
