#include "script/script_checks.h"

#include "common/error.h"
#include "common/number_format.h"
#include "script/area_formulation.h"
#include "script/ground_motion_file.h"
#include "script/node_dofs.h"
#include "script/store_access.h"

#include <cmath>
#include <filesystem>
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
    for (int a = 1; a <= countOf(store.shellSectionCount); ++a) {
        const TAREASEC& section = store.shellSections[static_cast<std::size_t>(a)];
        const bool written = analysis.genPlateFiber || !takesPlateFiberSection(section);
        if (section.isShell == 1 && written && section.material == 0)
            fail("Shell section " + std::to_string(a) + " (" + section.name + ") names the material '" +
                 section.materialName + "', which the model does not have");
    }
}

// A time step or damping the solver would take without a word and integrate into nonsense (or
// divide by), and a record name the script could not carry.
void checkTransientSettings(const AnalysisSettings& analysis) {
    const std::int32_t type = analysis.analysisType;
    if (type != TimeHistoryAnalysis && type != GravityTimeHistoryAnalysis &&
        type != MultipleSupportExcitation)
        return;
    if (!(analysis.thDt > 0))
        fail("The analysis time step (thDt) is " + formatGeneral(analysis.thDt) +
             "; it must be greater than 0");
    if (analysis.thSteps < 1)
        fail("The number of analysis steps (thSteps) is " + std::to_string(analysis.thSteps) +
             "; the transient analysis needs at least 1");
    if (!(analysis.dampingRatio >= 0))
        fail("The damping ratio (dampingRatio) is " + formatGeneral(analysis.dampingRatio) +
             "; it must not be negative");
    if (!usesGroundMotionRecord(analysis))
        return;
    checkRecordFileName(analysis.gmFile);
    // The recorders open their .out files beside the script, emptying them, before the excitation
    // reads its record: a record of that name would shake the model by nothing.
    const std::filesystem::path record = std::filesystem::path(analysis.gmFile).lexically_normal();
    if (record.parent_path().empty() && record.extension() == ".out")
        fail("The record \"" + analysis.gmFile +
             "\" lies beside the script with the extension of its recorder files (.out), which the "
             "recorders empty before the record is read; rename the record");
    if (isPeerRecordName(analysis.gmFile))
        fail("The record \"" + analysis.gmFile +
             "\" is a PEER NGA file, which the solver cannot read: it is converted to the plain file "
             "the script reads when the script is saved");
    if (!std::isfinite(analysis.gmFactor))
        fail("The record's factor (gmFactor) is " + formatGeneral(analysis.gmFactor) +
             "; it must be a finite number");
    if (!(analysis.gmDt > 0))
        fail("The record's time step (gmDt) is " + formatGeneral(analysis.gmDt) +
             "; it must be greater than 0");
    if (analysis.gmDirection < 1 || analysis.gmDirection > 3)
        fail("The record's direction (gmDirection) is " + std::to_string(analysis.gmDirection) +
             "; it shakes the model along X, Y or Z: 1, 2 or 3");
}

} // namespace

void checkScriptInputs(const ModelStore& store, const AnalysisSettings& analysis) {
    checkFrameSections(store);
    checkIntegrationPoints(store, analysis);
    checkShellMaterials(store, analysis);
    checkTransientSettings(analysis);
}

void checkModalMass(const ModelStore& store, const AnalysisSettings& analysis, int dofsPerNode) {
    if (analysis.analysisType == ModalAnalysis && freeMassDofCount(store, analysis.genMass, dofsPerNode) == 0)
        fail("The modal analysis needs mass, and no free degree of freedom of the model carries any: give "
             "the joints mass (the MASS table) and keep Gen Mass on");
}

} // namespace kelvane
