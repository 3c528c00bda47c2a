#include "tcl/settings_by_name.h"

#include "common/error.h"
#include "common/number_parse.h"
#include "sections/section_fields.h"

#include <string>
#include <vector>

namespace kelvane {
namespace {

bool parseSwitch(std::string_view name, std::string_view text) {
    if (auto value = tryParseBool(text))
        return *value;
    fail("'" + std::string(text) + "' is not a valid value for " + std::string(name) +
         " (use 1/0, true/false or on/off)");
}

struct IntegerField {
    std::string_view name;
    std::int32_t AnalysisSettings::*field;
};
struct RealField {
    std::string_view name;
    double AnalysisSettings::*field;
};
struct AnalysisSwitch {
    std::string_view name;
    bool AnalysisSettings::*field;
};
struct RecorderSwitch {
    std::string_view name;
    bool RecorderSettings::*field;
};
constexpr IntegerField kIntegers[] = {
    {"analysisType", &AnalysisSettings::analysisType},
    {"loadControlCase", &AnalysisSettings::loadControlCase},
    {"dispControlCase", &AnalysisSettings::dispControlCase},
    {"loadSteps", &AnalysisSettings::loadSteps},
    {"dispSteps", &AnalysisSettings::dispSteps},
    {"controlDof", &AnalysisSettings::controlDof},
    {"controlNode", &AnalysisSettings::controlNode},
    {"modalNumber", &AnalysisSettings::modalNumber},
    {"rebarMaterial", &AnalysisSettings::rebarMaterial},
    {"numIntgrPts", &AnalysisSettings::numIntgrPts},
};
constexpr RealField kReals[] = {
    {"loadFactor", &AnalysisSettings::loadFactor},
    {"controlDisp", &AnalysisSettings::controlDisp},
};
constexpr AnalysisSwitch kAnalysisSwitches[] = {
    {"genPlateFiber", &AnalysisSettings::genPlateFiber},
    {"genMass", &AnalysisSettings::genMass},
    {"useAggregator", &AnalysisSettings::useAggregator},
};
constexpr RecorderSwitch kRecorderSwitches[] = {
    {"nodeDisplacement", &RecorderSettings::nodeDisplacement},
    {"elementForce", &RecorderSettings::elementForce},
    {"sectionDeformation", &RecorderSettings::sectionDeformation},
    {"sectionStressStrain", &RecorderSettings::sectionStressStrain},
    {"modalShape", &RecorderSettings::modalShape},
};

} // namespace

void setSettingByName(AnalysisSettings& analysis, RecorderSettings& recorders, std::string_view name,
                      std::string_view valueText) {
    for (const auto& entry : kIntegers)
        if (entry.name == name) {
            analysis.*entry.field = parseInt(valueText);
            return;
        }
    for (const auto& entry : kReals)
        if (entry.name == name) {
            analysis.*entry.field = parseReal(valueText);
            return;
        }
    for (const auto& entry : kAnalysisSwitches)
        if (entry.name == name) {
            analysis.*entry.field = parseSwitch(name, valueText);
            return;
        }
    for (const auto& entry : kRecorderSwitches)
        if (entry.name == name) {
            recorders.*entry.field = parseSwitch(name, valueText);
            return;
        }
    fail("Unknown setting '" + std::string(name) + "'");
}

std::vector<std::string_view> settingNames() {
    std::vector<std::string_view> names;
    for (const auto& entry : kIntegers)
        names.push_back(entry.name);
    for (const auto& entry : kReals)
        names.push_back(entry.name);
    for (const auto& entry : kAnalysisSwitches)
        names.push_back(entry.name);
    for (const auto& entry : kRecorderSwitches)
        names.push_back(entry.name);
    return names;
}

void setNamedValue(ModelStore& store, AnalysisSettings& analysis, RecorderSettings& recorders,
                   std::string_view name, std::string_view valueText) {
    constexpr std::string_view prefix = "section.";
    if (!name.starts_with(prefix)) {
        setSettingByName(analysis, recorders, name, valueText);
        return;
    }
    const std::string_view rest = name.substr(prefix.size());
    const std::size_t dot = rest.find('.');
    const auto number = tryParseInt(rest.substr(0, dot == std::string_view::npos ? rest.size() : dot));
    if (dot == std::string_view::npos || !number)
        fail("'" + std::string(name) + "' does not name a frame section field (section.K.FIELD)");
    if (*number < 1 || *number > countOf(store.frameSectionCount))
        fail("Frame section " + std::to_string(*number) + " does not exist: the model has " +
             std::to_string(countOf(store.frameSectionCount)) + " frame sections");
    setSectionField(store.frameSections[static_cast<std::size_t>(*number)], rest.substr(dot + 1), valueText);
}

} // namespace kelvane
