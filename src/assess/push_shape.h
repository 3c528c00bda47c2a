#pragma once

#include "model/model_store.h"
#include "script/analysis_settings.h"

#include <cstdint>
#include <string>
#include <vector>

// The displacement shape of a pushover and the equivalent single-degree-of-freedom system it
// defines: Phi normalised to 1 at the control joint, m* = sum m_i Phi_i and the transformation
// factor Gamma = m* / sum m_i Phi_i^2.
namespace kelvane {

struct PushShape {
    std::string source;               // how Phi was found
    std::vector<std::int32_t> joints; // the joints with mass along the push
    std::vector<double> masses, phi;
    double totalMass = 0;   // sum m_i
    double mStar = 0;       // sum m_i Phi_i
    double sumMassPhi2 = 0; // sum m_i Phi_i^2
    double gamma = 0;       // m* / sum m_i Phi_i^2
};

// The sums of a shape given joint by joint (masses and Phi, Phi = 1 at the control joint).
PushShape equivalentSystem(std::vector<std::int32_t> joints, std::vector<double> masses,
                           std::vector<double> phi, std::string source);

// The shape of the run's push pattern along `dof`, with the script's masses (the joints whose mass
// lines are written, less those supports hold along `dof`): the uniform pattern pushes the masses (Phi = 1);
// the load case pattern pushes F_i = m_i Phi_i (Phi_i = F_i / m_i of its joint forces over that of the
// control joint); the first-mode pattern pushes the masses times the mode shape, which is the shape the frame
// takes at the first pushover step, still elastic (read from the node files). A control joint without mass or
// load (load case pattern) or without movement (mode pattern) is refused.
PushShape runPushShape(const ModelStore& store, const AnalysisSettings& analysis, const std::string& folder,
                       int controlJoint, int dof);

} // namespace kelvane
