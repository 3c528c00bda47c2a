#pragma once

#include "model/colour_table.h"
#include "model/model_store.h"
#include "results/animation_state.h"
#include "script/analysis_settings.h"
#include "viewer/view_state.h"

#include <cstdint>
#include <string>

namespace kelvane {

// Everything the program holds while it runs, created once with the start-up defaults. Core
// functions take the parts they need by reference.
struct Session {
    ModelStore model;
    // The model file last imported (empty before the first); a project names it.
    std::string modelPath;
    ColourTable colours = initPalette();
    AnalysisSettings analysis;
    RecorderSettings recorders;
    ViewState view;
    Interaction interaction;
    ViewOptions viewOptions;
    LoadDisplay loadDisplay;
    ResultDisplay results;
    std::int32_t selectedFrame = 0;
    AnimationState animation;
    // The folder of the script run last, where its recorder files are.
    std::string lastRunFolder;
};

} // namespace kelvane
