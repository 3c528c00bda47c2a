#pragma once

#include "model/model_store.h"
#include "script/analysis_settings.h"
#include "solver/solver_run.h"

#include <string>
#include <string_view>
#include <vector>

// What a script leaves out or cannot move, said where it is generated so that a run of it is not
// taken for an analysis of the whole model.
namespace kelvane {

// One line each: a model without any element, a model without any support, areas that are not
// written, frames whose property modifiers their fiber element cannot take, a static stage whose
// load pattern holds no load, a transient or modal procedure of a model without mass.
std::vector<std::string> scriptWarnings(const ModelStore& store, const AnalysisSettings& analysis);

// The loads of load case `loadCase` (0 when it names no case of the model).
int loadsOfCase(const ModelStore& store, std::int32_t loadCase);

// The line a static stage of load case `loadCase` prints when its pattern holds no load, after
// kNoLoadPrefix.
std::string noLoadLine(const ModelStore& store, std::int32_t loadCase);

} // namespace kelvane
