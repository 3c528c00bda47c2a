#pragma once

#include <cstdint>
#include <string>

namespace kelvane {

// The analysis procedure and its numbers, and the switches that decide which optional blocks of
// the script are written. Defaults are those the program starts with.
struct AnalysisSettings {
    std::int32_t analysisType = 1; // 1..7, see AnalysisType
    std::int32_t loadControlCase = 1;
    std::int32_t loadSteps = 100;
    double loadFactor = 1.0;
    std::int32_t dispControlCase = 1;
    std::int32_t controlNode = 1;
    double controlDisp = 0.1;
    std::int32_t controlDof = 1;
    std::int32_t dispSteps = 100;
    std::int32_t numIntgrPts = 3;
    std::int32_t rebarMaterial = 1;
    bool useAggregator = false;
    std::int32_t modalNumber = 12;
    bool genPlateFiber = true;
    bool genMass = true;

    // The transient procedures. The record is the acceleration file of the uniform excitation,
    // named as the script names it (relative to the script's folder, or with a path); a PEER NGA
    // .AT2 record is converted beside the script first (see ground_motion_file.h). gmDt is the
    // record's time step, gmFactor scales it, gmDirection is the degree of freedom it shakes
    // (1 X, 2 Y, 3 Z). thDt and thSteps are the analysis steps of every transient procedure, and
    // dampingRatio the Rayleigh damping ratio on mode 1 and mode dampingMode (0: the first mode
    // from 2 on where the cumulative effective mass along the excitation reaches 90 %).
    std::string gmFile = "GMX.txt";
    double gmDt = 0.02;
    double gmFactor = 0.1;
    std::int32_t gmDirection = 1;
    double thDt = 0.02;
    std::int32_t thSteps = 1000;
    double dampingRatio = 0.05;
    std::int32_t dampingMode = 0;

    // The step control of a model with nonlinear materials (see step_control.h): the convergence
    // test's tolerance (0: a hundred-millionth of the model's extent, in its length unit) and
    // iterations, the smallest fraction a failed step is split down to, the iterations of the
    // force-based elements (0: the element's own), the fraction of its peak base shear at which a
    // pushover ends as "capacity reached", and the storey drift ratio at which a time history ends
    // as "collapse".
    double stepTolerance = 0;
    std::int32_t stepIterations = 100;
    double minStepFraction = 1.0 / 1024;
    std::int32_t elementIterations = 0;
    double capacityDrop = 0.8;
    double collapseDrift = 0.1;

    // The load-control (gravity) stage as a combination of load cases, "NAME:FACTOR,NAME:FACTOR"
    // (see load_combination.h); empty: loadControlCase alone.
    std::string gravityCases;
    // What a displacement-control stage pushes with, see PushPattern.
    std::int32_t pushPattern = 0;
};

enum PushPattern : std::int32_t {
    PushLoadCase = 0,  // the load case dispControlCase
    PushFirstMode = 1, // mass x the shape of the mode with the largest effective mass along controlDof
    PushUniform = 2,   // mass along controlDof
};

enum AnalysisType : std::int32_t {
    SingleLoadControl = 1,
    SingleDisplacementControl = 2,
    GravityPushOver = 3,
    ModalAnalysis = 4,
    TimeHistoryAnalysis = 5,
    GravityTimeHistoryAnalysis = 6,
    MultipleSupportExcitation = 7,
};

// Which recorders the script writes.
struct RecorderSettings {
    bool nodeDisplacement = true;
    bool elementForce = false;
    bool sectionDeformation = false;
    bool sectionStressStrain = false; // the fiber stresses and strains of the nonlinear beam-columns
    bool modalShape = false;
    bool baseReactions = false; // the reactions of the supports, in blocks of 100 supports
};

} // namespace kelvane
