#include "script/block_writers.h"

#include "common/number_format.h"
#include "materials/material_check.h"
#include "materials/material_models.h"
#include "script/link_springs.h"

#include <string>

namespace kelvane {
namespace {

// "uniaxialMaterial Steel02 3 355 200000 0.01 18 0.925 0.15": the numbers as they were given,
// in the shortest form that reads back as the same value.
void writeNonlinearMaterial(ScriptWriter& out, int m, const TMAT& material) {
    checkMaterial(material, m);
    std::string line = "uniaxialMaterial ";
    line += materialModelInfo(material.model).name;
    line += ' ';
    appendInt(line, m);
    for (const double argument : materialScriptArguments(material)) {
        line += ' ';
        appendRoundTrip(line, argument);
    }
    out.text(line);
}

} // namespace

void writeMaterialBlock(const ScriptInput& in, ScriptWriter& out) {
    const ModelStore& store = in.store;
    out.text("puts \"material\"");
    for (int m = 1; m <= countOf(store.materialCount); ++m) {
        const TMAT& material = store.materials[m];
        if (material.model == ModelElastic)
            out.line("uniaxialMaterial Elastic %d %R", {m, material.e});
        else if (isNonlinearModel(material.model))
            writeNonlinearMaterial(out, m, material);
    }
    for (int s = 1; s <= countOf(store.frameSectionCount); ++s)
        if (linkNeedsOwnSpring(store, s))
            out.line("uniaxialMaterial Elastic %d %R",
                     {kLinkSpringTagBase + s, store.materials[store.frameSections[s].material].e});
    // The springs of released frame ends.
    for (const ReleasedEnd& end : in.releases.ends)
        for (std::size_t c = 1; c <= 6; ++c)
            if (end.springs[c] != 0)
                out.line("uniaxialMaterial Elastic %d %R",
                         {end.firstMaterial + static_cast<std::int32_t>(c) - 1, end.springs[c]});
    // The springs of the joints to the ground.
    for (const GroundSpring& spring : in.groundSprings)
        for (std::size_t c = 1; c <= 6; ++c)
            if (writesSpring(store.nodes[spring.joint], c, in.dofsPerNode))
                out.line("uniaxialMaterial Elastic %d %R",
                         {spring.firstMaterial + static_cast<std::int32_t>(c) - 1,
                          store.nodes[spring.joint].assigned->spring[c]});
    writeLinkMaterials(in.links, store, out);
    if (!in.analysis.useAggregator)
        return;
    for (int s = 1; s <= countOf(store.frameSectionCount); ++s) {
        const TSECTION& section = store.frameSections[s];
        out.line("uniaxialMaterial Elastic %d %R", {200 + s, section.shearModulus * section.av2});
        out.line("uniaxialMaterial Elastic %d %R", {300 + s, section.shearModulus * section.av3});
        out.line("uniaxialMaterial Elastic %d %R", {400 + s, section.shearModulus * section.torsion});
    }
}

} // namespace kelvane
