#include "tcl/settings_by_name.h"

#include "common/error.h"
#include "common/number_format.h"
#include "common/number_parse.h"
#include "materials/material_defaults.h"
#include "materials/material_fields.h"
#include "model/name_lookup.h"
#include "model/section_defaults.h"
#include "sections/section_fields.h"
#include "tcl/ground_motion_file.h"

#include <array>
#include <charconv>
#include <string>
#include <vector>

namespace kelvane {
namespace {

struct IntegerSetting {
    std::string_view name;
    std::int32_t AnalysisSettings::*field;
};
struct RealSetting {
    std::string_view name;
    double AnalysisSettings::*field;
};
// A setting held as text, stored as given once `check` (when there is one) has passed it.
struct TextSetting {
    std::string_view name;
    std::string AnalysisSettings::*field;
    void (*check)(std::string_view);
};
struct AnalysisSwitch {
    std::string_view name;
    bool AnalysisSettings::*field;
};
struct RecorderSwitch {
    std::string_view name;
    bool RecorderSettings::*field;
};

constexpr IntegerSetting kIntegers[] = {
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
    {"gmDirection", &AnalysisSettings::gmDirection},
    {"thSteps", &AnalysisSettings::thSteps},
};
constexpr RealSetting kReals[] = {
    {"loadFactor", &AnalysisSettings::loadFactor},
    {"controlDisp", &AnalysisSettings::controlDisp},
    {"gmDt", &AnalysisSettings::gmDt},
    {"gmFactor", &AnalysisSettings::gmFactor},
    {"thDt", &AnalysisSettings::thDt},
    {"dampingRatio", &AnalysisSettings::dampingRatio},
};
const TextSetting kTexts[] = {
    {"gmFile", &AnalysisSettings::gmFile, &checkRecordFileName},
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
    {"baseReactions", &RecorderSettings::baseReactions},
};

bool parseSwitch(std::string_view name, std::string_view text) {
    if (auto value = tryParseBool(text))
        return *value;
    fail("'" + std::string(text) + "' is not a valid value for " + std::string(name) +
         " (use 1/0, true/false or on/off)");
}

// The records that "PREFIX.K.FIELD" names.
struct RecordKind {
    std::string_view prefix; // "section."
    const char* what;        // "frame section"
    const char* capitalised; // "Frame section"
};
constexpr RecordKind kSections{"section.", "frame section", "Frame section"};
constexpr RecordKind kMaterials{"material.", "material", "Material"};

// "K" and "FIELD" of "PREFIX.K.FIELD", K within 1..count.
std::pair<int, std::string_view> numberedField(std::string_view name, const RecordKind& kind,
                                               std::int32_t count) {
    const std::string_view rest = name.substr(kind.prefix.size());
    const std::size_t dot = rest.find('.');
    const auto number = tryParseInt(rest.substr(0, dot == std::string_view::npos ? rest.size() : dot));
    if (dot == std::string_view::npos || !number)
        fail("'" + std::string(name) + "' does not name a " + kind.what + " field (" +
             std::string(kind.prefix) + "K.FIELD)");
    if (*number < 1 || *number > countOf(count))
        fail(std::string(kind.capitalised) + " " + std::to_string(*number) +
             " does not exist: the model has " + std::to_string(countOf(count)) + " " + kind.what + "s");
    return {*number, rest.substr(dot + 1)};
}

// A material given by number (0 for none) or by name.
std::int32_t materialReference(const ModelStore& store, std::string_view text) {
    if (const auto number = tryParseInt(text)) {
        if (*number < 0 || *number > countOf(store.materialCount))
            fail("Material " + std::to_string(*number) + " does not exist: the model has " +
                 std::to_string(countOf(store.materialCount)) + " materials");
        return *number;
    }
    const std::int32_t found = findMaterial(store, text);
    if (found == 0)
        fail("The model has no material named '" + std::string(text) + "'");
    return found;
}

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
    for (const auto& entry : kTexts)
        if (entry.name == name) {
            if (entry.check)
                entry.check(valueText);
            analysis.*entry.field = std::string(valueText);
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

std::vector<std::pair<std::string, std::string>> settingValues(const AnalysisSettings& analysis,
                                                               const RecorderSettings& recorders) {
    std::vector<std::pair<std::string, std::string>> values;
    for (const auto& entry : kIntegers)
        values.emplace_back(entry.name, formatInt(analysis.*entry.field));
    for (const auto& entry : kReals)
        values.emplace_back(entry.name, formatRoundTrip(analysis.*entry.field));
    for (const auto& entry : kTexts)
        values.emplace_back(entry.name, analysis.*entry.field);
    for (const auto& entry : kAnalysisSwitches)
        values.emplace_back(entry.name, analysis.*entry.field ? "1" : "0");
    for (const auto& entry : kRecorderSwitches)
        values.emplace_back(entry.name, recorders.*entry.field ? "1" : "0");
    return values;
}

std::vector<std::string_view> settingNames() {
    std::vector<std::string_view> names;
    for (const auto& entry : kIntegers)
        names.push_back(entry.name);
    for (const auto& entry : kReals)
        names.push_back(entry.name);
    for (const auto& entry : kTexts)
        names.push_back(entry.name);
    for (const auto& entry : kAnalysisSwitches)
        names.push_back(entry.name);
    for (const auto& entry : kRecorderSwitches)
        names.push_back(entry.name);
    return names;
}

void setNamedValue(ModelStore& store, AnalysisSettings& analysis, RecorderSettings& recorders,
                   std::string_view name, std::string_view valueText, std::vector<std::string>* notes) {
    if (name.starts_with(kSections.prefix)) {
        const auto [number, field] = numberedField(name, kSections, store.frameSectionCount);
        TSECTION& section = store.frameSections[static_cast<std::size_t>(number)];
        if (field == "coreMaterial")
            section.coreMaterial = materialReference(store, valueText);
        else if (field == "rebarMaterial")
            section.rebarMaterial = materialReference(store, valueText);
        else
            setSectionField(section, field, valueText);
        return;
    }
    if (name.starts_with(kMaterials.prefix)) {
        const auto [number, field] = numberedField(name, kMaterials, store.materialCount);
        setMaterialField(store.materials[static_cast<std::size_t>(number)], field, valueText);
        return;
    }
    if (name == "materialDefaults") {
        if (valueText != "nonlinear")
            fail("'" + std::string(valueText) + "' is not a value for materialDefaults (nonlinear)");
        std::vector<std::string> kept = applyNonlinearDefaults(store);
        if (notes)
            notes->insert(notes->end(), kept.begin(), kept.end());
        return;
    }
    if (name == "elementTypeFromName") {
        if (parseSwitch(name, valueText))
            applyElementTypesFromNames(store);
        return;
    }
    if (name == "addMaterial") {
        addMaterial(store, valueText);
        return;
    }
    setSettingByName(analysis, recorders, name, valueText);
}

} // namespace kelvane
