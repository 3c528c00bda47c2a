#include "tcl/equation_solver.h"

#include "materials/material_models.h"
#include "tcl/store_access.h"

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

void writeSolutionAlgorithm(const ScriptInput& in, ScriptWriter& out) {
    out.text(solvesLinearly(in.store) ? "algorithm Linear -factorOnce" : "algorithm Newton");
}

} // namespace kelvane
