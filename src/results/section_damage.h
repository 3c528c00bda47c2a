#pragma once

#include "model/model_store.h"
#include "script/analysis_settings.h"
#include "viewer/damage_display.h"
#include "viewer/view_state.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Damage of the fiber sections, judged from the fiber strains the script records: the steel that
// yielded, the cover concrete that spalled, the core concrete that crushed and the rebar that reached
// its ultimate strain, at every recorded integration point, over the steps up to the one asked for.
namespace kelvane {

// Strain limits, all positive; 0 takes the material's own: yield Fy / E0 of each steel, spalling
// 2 epsc0 of the cover concrete (0.004 when it gives no epsc0), crushing epsU of the core concrete
// (of every concrete of a section without a confined core).
struct DamageLimits {
    double yieldStrain = 0;
    double spallingStrain = 0;
    double crushingStrain = 0;
    double rebarUltimateStrain = 0.05; // tension
};

struct SectionDamage {
    std::int32_t frame = 0;
    int point = 0;       // the integration point, 1-based
    double position = 0; // along the element: 0 at end I, 1 at end J
    std::array<bool, kDamageStateCount> states{};
    int worst() const; // the most severe state reached, -1 for none
};

struct DamageSummary {
    std::int32_t step = 0;
    int sectionsRead = 0;
    std::vector<SectionDamage> damaged;          // the sections with any state reached
    std::array<int, kDamageStateCount> counts{}; // sections that reached each state
};

// Reads the fiber recorder files of `folder` (as writeFiberStrainRecorders names them) over lines
// 1..step and judges every recorded section against the limits. A model that records no fibers,
// a file missing, a line shorter than its frames' fibers or a fiber whose area is not the
// section's own is refused with a message naming the file.
DamageSummary readSectionDamage(const ModelStore& store, const AnalysisSettings& analysis,
                                const std::string& folder, std::int32_t step, const DamageLimits& limits);

// The damage as the drawing shows it: the step, a mark per damaged section and the counts.
void showDamage(const DamageSummary& summary, ResultDisplay& display);

// The counts as name=value lines: the step, the sections read, then one line per state.
std::vector<std::string> damageCountLines(const DamageDisplay& damage);

} // namespace kelvane
