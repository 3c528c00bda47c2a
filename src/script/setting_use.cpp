#include "script/setting_use.h"

#include "script/analysis_settings.h"

#include <algorithm>
#include <initializer_list>

namespace kelvane {
namespace {

struct SettingUse {
    std::initializer_list<std::string_view> names;
    std::initializer_list<std::int32_t> types;
};

} // namespace

bool settingUsedBy(std::string_view name, std::int32_t analysisType) {
    static const SettingUse uses[] = {
        {{"loadControlCase", "loadSteps", "loadFactor"},
         {SingleLoadControl, GravityPushOver, GravityTimeHistoryAnalysis}},
        {{"dispControlCase", "controlNode", "controlDisp", "controlDof", "dispSteps"},
         {SingleDisplacementControl, GravityPushOver}},
        {{"gmFile", "gmDt", "gmFactor", "gmDirection"}, {TimeHistoryAnalysis, GravityTimeHistoryAnalysis}},
        {{"thDt", "thSteps", "dampingRatio"},
         {TimeHistoryAnalysis, GravityTimeHistoryAnalysis, MultipleSupportExcitation}},
    };
    for (const SettingUse& use : uses)
        if (std::find(use.names.begin(), use.names.end(), name) != use.names.end())
            return std::find(use.types.begin(), use.types.end(), analysisType) != use.types.end();
    return true;
}

} // namespace kelvane
