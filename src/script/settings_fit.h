#pragma once

#include "model/model_store.h"
#include "script/analysis_settings.h"

#include <string>
#include <vector>

namespace kelvane {

// Settings carried over from another model may name a joint, a load case or a material this model
// lacks. Each such setting is reset (the control joint to the highest joint free in the control
// degree of freedom, a load case or the rebar material to the first) and described in one line of
// the result; settings that fit are left alone.
std::vector<std::string> fitSettingsToModel(const ModelStore& store, AnalysisSettings& analysis);

} // namespace kelvane
