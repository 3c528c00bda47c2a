#pragma once

#include <cstdint>

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
    bool sectionStressStrain = false; // stored and shown; no recorder depends on it
    bool modalShape = false;
    bool baseReactions = false; // the reactions of the supports, in blocks of 100 supports
};

} // namespace kelvane
