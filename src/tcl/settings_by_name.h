#pragma once

#include "tcl/analysis_settings.h"

#include <string_view>

namespace kelvane {

// Stores `valueText` into the settings field of that name (`analysisType`, `loadSteps`,
// `useAggregator`, `modalShape`, ...). Integers and reals convert with the runtime's messages;
// switches take 1/0, true/false or on/off. An unknown name or a switch value of another kind is
// refused with a message naming it.
void setSettingByName(AnalysisSettings& analysis, RecorderSettings& recorders, std::string_view name,
                      std::string_view valueText);

} // namespace kelvane
