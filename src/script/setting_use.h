#pragma once

#include <cstdint>
#include <string_view>

namespace kelvane {

// Whether the procedure `analysisType` (see AnalysisType) reads the analysis setting of that name
// (as settingNames() spells it): the load-control case, steps and factor only the procedures with a
// load-control stage, the displacement control only the pushovers, the record only the uniform
// excitations. Settings every procedure reads (the sections', the mass, the recorders) and unknown
// names are used by all.
bool settingUsedBy(std::string_view name, std::int32_t analysisType);

} // namespace kelvane
