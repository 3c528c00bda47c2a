#include "tcl/script_checks.h"

#include "common/error.h"
#include "tcl/node_dofs.h"
#include "tcl/store_access.h"

#include <string>

namespace kelvane {
namespace {

// A frame whose section name matched none would get a transformation and no element: the frame
// would be missing from the analysis without a word.
void checkFrameSections(const ModelStore& store) {
    for (int f = 1; f <= countOf(store.frameCount); ++f) {
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        if (frame.section == 0)
            fail("Frame " + std::to_string(f) + " names the frame section '" + frame.sectionName +
                 "', which the model does not have");
    }
}

// Both beam-columns integrate with Gauss-Lobatto, which needs 2 points at least; the force-based
// element holds at most 10 sections.
void checkIntegrationPoints(const ModelStore& store, const AnalysisSettings& analysis) {
    const std::int32_t points = analysis.numIntgrPts;
    for (int f = 1; f <= countOf(store.frameCount); ++f) {
        const TSECTION& section = sectionOfFrame(store, f);
        const bool forceBased = section.elementType == NonlinearBeamColumn;
        const bool displacementBased = section.elementType == DispBeamColumn;
        if ((forceBased && (points < 2 || points > 10)) || (displacementBased && points < 2))
            fail("Force/Disp Beam Column numIntgrPts is " + std::to_string(points) + ": the " +
                 (forceBased ? "Nonlinear BeamColumn elements (frame section " + section.name +
                                   ") need 2 to 10 integration points"
                             : "Disp BeamColumn elements (frame section " + section.name +
                                   ") need at least 2 integration points"));
    }
}

void checkShellMaterials(const ModelStore& store, const AnalysisSettings& analysis) {
    if (!analysis.genPlateFiber)
        return;
    for (int a = 1; a <= countOf(store.shellSectionCount); ++a) {
        const TAREASEC& section = store.shellSections[static_cast<std::size_t>(a)];
        if (section.isShell == 1 && section.material == 0)
            fail("Shell section " + std::to_string(a) + " (" + section.name + ") names the material '" +
                 section.materialName + "', which the model does not have");
    }
}

} // namespace

void checkScriptInputs(const ModelStore& store, const AnalysisSettings& analysis) {
    checkFrameSections(store);
    checkIntegrationPoints(store, analysis);
    checkShellMaterials(store, analysis);
}

void checkModalMass(const ModelStore& store, const AnalysisSettings& analysis, int dofsPerNode) {
    if (analysis.analysisType == ModalAnalysis && freeMassDofCount(store, analysis.genMass, dofsPerNode) == 0)
        fail("The modal analysis needs mass, and no free degree of freedom of the model carries any: give "
             "the joints mass (the MASS table) and keep Gen Mass on");
}

} // namespace kelvane
