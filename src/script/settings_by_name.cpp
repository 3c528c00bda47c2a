#include "script/settings_by_name.h"

#include "common/error.h"
#include "common/number_format.h"
#include "common/number_parse.h"
#include "materials/material_defaults.h"
#include "materials/material_fields.h"
#include "model/name_lookup.h"
#include "model/section_defaults.h"
#include "script/ground_motion_file.h"
#include "script/load_combination.h"
#include "sections/section_fields.h"

#include <array>
#include <charconv>
#include <string>
#include <vector>

namespace kelvane {
namespace {

struct IntegerSetting {
    std::string_view name;
    std::int32_t AnalysisSettings::*field;
    std::string_view unit;
    std::string_view meaning;
};
struct RealSetting {
    std::string_view name;
    double AnalysisSettings::*field;
    std::string_view unit;
    std::string_view meaning;
};
// A setting held as text, stored as given once `check` (when there is one) has passed it.
struct TextSetting {
    std::string_view name;
    std::string AnalysisSettings::*field;
    void (*check)(std::string_view);
    std::string_view unit;
    std::string_view meaning;
};
struct AnalysisSwitch {
    std::string_view name;
    bool AnalysisSettings::*field;
    std::string_view unit;
    std::string_view meaning;
};
struct RecorderSwitch {
    std::string_view name;
    bool RecorderSettings::*field;
    std::string_view unit;
    std::string_view meaning;
};

constexpr IntegerSetting kIntegers[] = {
    {"analysisType", &AnalysisSettings::analysisType, "",
     "the procedure: 1 single load control, 2 single displacement control, 3 gravity + pushover, 4 modal, "
     "5 time history, 6 gravity + time history, 7 multiple-support excitation"},
    {"loadControlCase", &AnalysisSettings::loadControlCase, "",
     "the load case applied under load control (1-based, file order)"},
    {"dispControlCase", &AnalysisSettings::dispControlCase, "",
     "the load case that gives the pattern pushed under displacement control"},
    {"loadSteps", &AnalysisSettings::loadSteps, "", "steps of the load-control analysis"},
    {"dispSteps", &AnalysisSettings::dispSteps, "", "steps of the displacement-control analysis"},
    {"controlDof", &AnalysisSettings::controlDof, "",
     "the pushed degree of freedom of the control joint (1 UX, 2 UY, 3 UZ)"},
    {"controlNode", &AnalysisSettings::controlNode, "",
     "the joint whose displacement is controlled (joint number)"},
    {"modalNumber", &AnalysisSettings::modalNumber, "",
     "mode shapes recorded (the modal analysis finds up to 12 modes)"},
    {"rebarMaterial", &AnalysisSettings::rebarMaterial, "",
     "the material of the bars of fiber sections (material number)"},
    {"numIntgrPts", &AnalysisSettings::numIntgrPts, "",
     "integration points of force- and displacement-based beam-columns"},
    {"gmDirection", &AnalysisSettings::gmDirection, "",
     "the direction the ground motion shakes (1 X, 2 Y, 3 Z)"},
    {"thSteps", &AnalysisSettings::thSteps, "", "steps of the transient analysis"},
    {"dampingMode", &AnalysisSettings::dampingMode, "",
     "the second mode Rayleigh damping is anchored on (0: where the cumulative modal mass reaches 90 %)"},
    {"pushPattern", &AnalysisSettings::pushPattern, "",
     "what a pushover pushes with: 0 its load case, 1 the masses times the shape of the mode of "
     "largest mass along controlDof, 2 the masses"},
    {"stepIterations", &AnalysisSettings::stepIterations, "",
     "iterations of the convergence test of each step (nonlinear materials)"},
    {"elementIterations", &AnalysisSettings::elementIterations, "",
     "iterations of force-based elements (0: the element's own)"},
};
constexpr RealSetting kReals[] = {
    {"loadFactor", &AnalysisSettings::loadFactor, "",
     "the load factor reached at the last load-control step"},
    {"controlDisp", &AnalysisSettings::controlDisp, "mm",
     "the displacement increment PER STEP; the target is dispSteps x controlDisp"},
    {"gmDt", &AnalysisSettings::gmDt, "s", "the time step of the ground motion record"},
    {"gmFactor", &AnalysisSettings::gmFactor, "",
     "the factor on the record's values, which must then be in mm/s2"},
    {"thDt", &AnalysisSettings::thDt, "s", "the time step of the transient analysis"},
    {"dampingRatio", &AnalysisSettings::dampingRatio, "",
     "the Rayleigh damping ratio on mode 1 and mode dampingMode (0.05 is 5 %)"},
    {"stepTolerance", &AnalysisSettings::stepTolerance, "mm",
     "the convergence test's tolerance (0: a hundred-millionth of the model's extent)"},
    {"minStepFraction", &AnalysisSettings::minStepFraction, "",
     "the smallest fraction a failed step is split down to"},
    {"capacityDrop", &AnalysisSettings::capacityDrop, "",
     "a pushover ends as capacity reached when its base shear falls below this fraction of its peak"},
    {"collapseDrift", &AnalysisSettings::collapseDrift, "",
     "a time history ends as collapse at this storey drift ratio"},
};
const TextSetting kTexts[] = {
    {"gmFile", &AnalysisSettings::gmFile, &checkRecordFileName, "",
     "the ground motion record, as the script names it (a PEER .AT2 file is converted)"},
    {"gravityCases", &AnalysisSettings::gravityCases, &checkLoadCombination, "",
     "the gravity stage as a combination of load cases, NAME:FACTOR,NAME:FACTOR (empty: loadControlCase)"},
};
constexpr AnalysisSwitch kAnalysisSwitches[] = {
    {"genPlateFiber", &AnalysisSettings::genPlateFiber, "", "write the plate-fiber materials of the shells"},
    {"genMass", &AnalysisSettings::genMass, "", "write the joint masses"},
    {"useAggregator", &AnalysisSettings::useAggregator, "",
     "aggregate torsion and shear onto fiber sections"},
};
constexpr RecorderSwitch kRecorderSwitches[] = {
    {"nodeDisplacement", &RecorderSettings::nodeDisplacement, "", "record the joint displacements"},
    {"elementForce", &RecorderSettings::elementForce, "", "record the frame end forces"},
    {"sectionDeformation", &RecorderSettings::sectionDeformation, "", "record the section deformations"},
    {"sectionStressStrain", &RecorderSettings::sectionStressStrain, "",
     "record the fiber stresses and strains of the nonlinear beam-columns (the damage on the model)"},
    {"modalShape", &RecorderSettings::modalShape, "", "record the mode shapes"},
    {"baseReactions", &RecorderSettings::baseReactions, "", "record the reactions of the supports"},
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

std::vector<SettingDescription> settingDescriptions() {
    const auto defaults = settingValues(AnalysisSettings{}, RecorderSettings{});
    std::vector<SettingDescription> described;
    const auto add = [&](const auto& entry) {
        const std::string& value = defaults[described.size()].second;
        described.push_back(
            {std::string(entry.name), std::string(entry.unit), std::string(entry.meaning), value});
    };
    for (const auto& entry : kIntegers)
        add(entry);
    for (const auto& entry : kReals)
        add(entry);
    for (const auto& entry : kTexts)
        add(entry);
    for (const auto& entry : kAnalysisSwitches)
        add(entry);
    for (const auto& entry : kRecorderSwitches)
        add(entry);
    return described;
}

std::string settingUnit(std::string_view name) {
    for (const SettingDescription& setting : settingDescriptions())
        if (setting.name == name)
            return setting.unit;
    return {};
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
