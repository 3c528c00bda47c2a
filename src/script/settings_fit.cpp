#include "script/settings_fit.h"

#include <string>

namespace kelvane {
namespace {

// The highest joint (largest Z; the lowest number among equals) that is not restrained in `dof`:
// the roof joint a pushover controls. 0 when there is none.
std::int32_t highestFreeJoint(const ModelStore& store, std::int32_t dof) {
    std::int32_t best = 0;
    for (int j = 1; j <= countOf(store.nodeCount); ++j) {
        const TNODE& node = store.nodes[static_cast<std::size_t>(j)];
        const bool restrained = dof >= 1 && dof <= 6 && node.restraint[static_cast<std::size_t>(dof)] != 0;
        if (!restrained && (best == 0 || node.z > store.nodes[static_cast<std::size_t>(best)].z))
            best = j;
    }
    return best;
}

std::string counted(int count, const char* what) {
    return count > 0 ? "(" + std::string(what) + " 1 to " + std::to_string(count) + ")" : "(it has none)";
}

void fitLoadCase(std::int32_t& loadCase, int cases, const char* setting, std::vector<std::string>& notes) {
    if (loadCase >= 1 && loadCase <= cases)
        return;
    const std::int32_t reset = cases > 0 ? 1 : loadCase;
    if (reset == loadCase)
        return;
    notes.push_back(std::string(setting) + ": load case " + std::to_string(loadCase) +
                    " is not a load case of this model " + counted(cases, "cases") + "; reset to case 1");
    loadCase = reset;
}

} // namespace

std::vector<std::string> fitSettingsToModel(const ModelStore& store, AnalysisSettings& analysis) {
    std::vector<std::string> notes;
    const int joints = countOf(store.nodeCount);
    if (joints > 0 && (analysis.controlNode < 1 || analysis.controlNode > joints)) {
        const std::int32_t joint = highestFreeJoint(store, analysis.controlDof);
        if (joint > 0) {
            notes.push_back("Control Node: joint " + std::to_string(analysis.controlNode) +
                            " is not a joint of this model " + counted(joints, "joints") +
                            "; reset to joint " + std::to_string(joint) +
                            ", the highest joint free in the control direction");
            analysis.controlNode = joint;
        }
    }
    const int cases = loadCaseNameCount(store);
    fitLoadCase(analysis.loadControlCase, cases, "Load Control Case", notes);
    fitLoadCase(analysis.dispControlCase, cases, "Disp Control Load Vector", notes);
    const int materials = countOf(store.materialCount);
    if (materials > 0 && (analysis.rebarMaterial < 1 || analysis.rebarMaterial > materials)) {
        notes.push_back("Rebar Material Number: material " + std::to_string(analysis.rebarMaterial) +
                        " is not a material of this model " + counted(materials, "materials") +
                        "; reset to material 1");
        analysis.rebarMaterial = 1;
    }
    return notes;
}

} // namespace kelvane
