#include "script/equation_solver.h"

#include "materials/material_models.h"
#include "script/store_access.h"

namespace kelvane {

bool solvesLinearly(const ModelStore& store) {
    if (usesNonlinearMaterials(store))
        return false;
    for (int f = 1; f <= countOf(store.frameCount); ++f) {
        const TSECTION& section = sectionOfFrame(store, f);
        if (section.elementType == CorotTruss)
            return false;
        // Only beam-columns take the section's transformation.
        if (section.elementType <= BeamWithHinge && section.geomTransf > 1)
            return false;
    }
    return true;
}

void writeEquationSolver(ScriptWriter& out) {
    out.text("numberer RCM");
    out.text("system UmfPack");
}

// A linear model iterates on the tangent factored at the first step: the first iteration solves it,
// the next take off what the beam-columns that integrate their element loads leave out of one solve
// and what round-off leaves. A single solve ("algorithm Linear") misses the fixed-end moments of a
// displacement-based beam-column under a uniform load, and the two builds then differ in the eighth
// digit on a frame with release springs; the initial stiffness ("-initial") leaves the force-based
// beam-columns of the example without compatible element forces.
void writeSolutionAlgorithm(const ScriptInput& in, ScriptWriter& out) {
    out.text(solvesLinearly(in.store) ? "algorithm ModifiedNewton -factorOnce" : "algorithm Newton");
}

} // namespace kelvane
