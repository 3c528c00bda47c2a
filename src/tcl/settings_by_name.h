#pragma once

#include "model/model_store.h"
#include "tcl/analysis_settings.h"

#include <string_view>
#include <vector>

namespace kelvane {

// Stores `valueText` into the settings field of that name (`analysisType`, `loadSteps`,
// `useAggregator`, `modalShape`, ...). Integers and reals convert with the runtime's messages;
// switches take 1/0, true/false or on/off. An unknown name or a switch value of another kind is
// refused with a message naming it.
void setSettingByName(AnalysisSettings& analysis, RecorderSettings& recorders, std::string_view name,
                      std::string_view valueText);

// Every name setSettingByName takes: the integer and real analysis settings, then the analysis and
// recorder switches.
std::vector<std::string_view> settingNames();

// As setSettingByName, and "section.K.FIELD" stores the value into field FIELD of frame section K
// (1-based, table order) as the frame section window would. A section number outside the table
// is refused with a message.
void setNamedValue(ModelStore& store, AnalysisSettings& analysis, RecorderSettings& recorders,
                   std::string_view name, std::string_view valueText);

} // namespace kelvane
