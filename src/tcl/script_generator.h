#pragma once

#include "model/model_store.h"
#include "tcl/analysis_settings.h"
#include "tcl/script_writer.h"

namespace kelvane {

// Runs the three passes over the store (integration points, section constants, fiber meshes), then
// builds the whole OpenSees script: the prelude and the ten blocks in order. The lines are built
// into a fresh list, so a failure leaves the caller's previous script as it was; the passes'
// changes to the store stay.
ScriptLines generateScript(ModelStore& store, const AnalysisSettings& analysis,
                           const RecorderSettings& recorders);

} // namespace kelvane
