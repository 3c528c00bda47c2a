#pragma once

#include "model/model_store.h"
#include "results/curves.h"
#include "script/analysis_settings.h"

#include <optional>
#include <string>
#include <vector>

// Interstorey drift ratios and storey shears of a run, read from its recorder files.
namespace kelvane {

// Which moment of the run the profile shows: one recorded step, the step at which the top floor
// moves farthest along the direction (`Peak`), or the largest value of each storey over the run.
enum class ProfileMoment { Step, Peak, Envelope };

struct StoreyValues {
    int storey = 0;                // 1 from the ground up
    double bottom = 0, top = 0;    // the floors' elevations (mm)
    double driftX = 0, driftY = 0; // (u_top - u_bottom) / height along X and Y
    double shearX = 0, shearY = 0; // the shear the columns, walls and braces of the storey carry (N)
};

struct StoreyProfile {
    ProfileMoment moment = ProfileMoment::Step;
    int step = 0;          // the recorded step shown (0 for an envelope)
    int direction = 1;     // the floors are found above the supports restrained along it
    bool hasShear = false; // the element force files were there
    std::vector<StoreyValues> storeys;
    std::vector<std::string> notes;
};

// The storeys are the floors of storeyLayout (the diaphragms, else the elevations of the joints);
// a floor moves as the mean of its joints. A storey's shear is the sum, along X and Y, of the forces
// the frames crossing its mid-height carry across it (element force files: elementForce=1), with
// the sign of the load. Without those files a pushover's storey shears along `direction` are its
// base shear times the share of the pattern's forces (m_i Phi_i, see runPushShape) above the storey,
// and other runs have drifts only; a note says which.
// `step` (1-based line of the files) is used with ProfileMoment::Step; without one, Step means
// the last recorded step. An envelope keeps, per storey and direction, the value of largest size.
StoreyProfile storeyProfile(const ModelStore& store, const AnalysisSettings& analysis,
                            const std::string& folder, int direction, ProfileMoment moment,
                            std::optional<int> step);

// The moment an engineer reads first: the last step of a static procedure, the peak of a transient one.
ProfileMoment defaultProfileMoment(const AnalysisSettings& analysis);

// CSV lines: storey, elevations, height, drift ratios and shears along X and Y.
std::vector<std::string> storeyProfileCsvLines(const StoreyProfile& profile);

// The drift ratio profile along `dof` (1 X, 2 Y) as a chart curve: drift ratio (%) against
// elevation, a step at each storey; and the storey shear profile in kN.
Curve storeyDriftCurve(const StoreyProfile& profile, int dof);
Curve storeyShearCurve(const StoreyProfile& profile, int dof);

} // namespace kelvane
