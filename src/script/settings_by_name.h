#pragma once

#include "model/model_store.h"
#include "script/analysis_settings.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvane {

// Stores `valueText` into the settings field of that name (`analysisType`, `loadSteps`,
// `useAggregator`, `modalShape`, `gmFile`, ...). Integers and reals convert with the runtime's
// messages; switches take 1/0, true/false or on/off; the record file name is checked as
// checkRecordFileName checks it. An unknown name or a switch value of another kind is
// refused with a message naming it.
void setSettingByName(AnalysisSettings& analysis, RecorderSettings& recorders, std::string_view name,
                      std::string_view valueText);

// Every setting by name with its value as text that setSettingByName reads back to the same value
// (switches as 1 or 0), in a fixed order: the analysis settings, then the recorders.
std::vector<std::pair<std::string, std::string>> settingValues(const AnalysisSettings& analysis,
                                                               const RecorderSettings& recorders);

// Every name setSettingByName takes: the integer, real and text analysis settings, then the
// analysis and recorder switches.
std::vector<std::string_view> settingNames();

// One setting as `kelvane-cli settings` lists it: its name, its unit in the model's units (N, mm,
// s; empty for a count, a number or a switch), what it means and its default value as text.
struct SettingDescription {
    std::string name;
    std::string unit;
    std::string meaning;
    std::string defaultValue;
};

// Every setting in the order of settingNames().
std::vector<SettingDescription> settingDescriptions();

// The unit of the setting of that name; empty for none or an unknown name.
std::string settingUnit(std::string_view name);

// As setSettingByName, and, naming the model's records:
//   section.K.FIELD      field FIELD of frame section K (1-based, table order), as the frame section
//                        window stores it; coreMaterial and rebarMaterial take a material number
//                        (0 for none) or name;
//   material.K.FIELD     field FIELD of material K, as the Material window stores it (model,
//                        E, nu, name, or a parameter of the model: Fy, E0, b, R0, cR1, cR2, fpc,
//                        epsc0, fpcu, epsU, lambda, ft, Ets);
//   materialDefaults=nonlinear  every concrete to Concrete02, every steel and rebar to Steel02,
//                        with the usual parameters; a material that keeps its model is described
//                        in `notes`;
//   addMaterial=NAME     a new material after the model's own;
//   elementTypeFromName=1  every frame section takes the formulation the first letter of its
//                        name names (E, N, D, H, T, C, R), as version-6 files do (0: as imported).
// A section or material number outside its table is refused with a message.
void setNamedValue(ModelStore& store, AnalysisSettings& analysis, RecorderSettings& recorders,
                   std::string_view name, std::string_view valueText,
                   std::vector<std::string>* notes = nullptr);

} // namespace kelvane
