#pragma once

#include "model/model_store.h"
#include "script/analysis_settings.h"
#include "script/script_writer.h"

namespace kelvane {

// Runs the three passes over the store (integration points, section constants, fiber meshes), then
// builds the whole OpenSees script in the language asked for (the Tcl of the OpenSees interpreter
// or the Python of OpenSeesPy, command for command the same): the prelude and the ten blocks. The lines are
// built into a fresh list, so a failure leaves the caller's previous script as it was; the passes' changes to
// the store stay.
ScriptLines generateScript(ModelStore& store, const AnalysisSettings& analysis,
                           const RecorderSettings& recorders, ScriptLanguage language = ScriptLanguage::Tcl);

// Generates the same script straight into the file `path`, every line ending with CR LF, as
// saveLinesCrLf would save it. The file is written under a temporary name and renamed when
// complete: a failure of the generation or of the disk leaves the previous file as it was.
void saveScript(const std::string& path, ModelStore& store, const AnalysisSettings& analysis,
                const RecorderSettings& recorders, ScriptLanguage language = ScriptLanguage::Tcl);

// saveScript, with a PEER NGA record of the uniform excitation (read relative to the script's
// folder) converted beside the script, which names the converted file.
void saveScriptWithRecord(const std::string& path, ModelStore& store, const AnalysisSettings& analysis,
                          const RecorderSettings& recorders, ScriptLanguage language = ScriptLanguage::Tcl);

} // namespace kelvane
