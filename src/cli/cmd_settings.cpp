#include "cli/command_registry.h"
#include "cli/model_setup.h"
#include "materials/material_models.h"
#include "script/settings_by_name.h"
#include "sections/section_fields.h"

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

namespace kelvane::cli {
namespace {

// settings: every setting with its default, unit and meaning, from the one table of settings.
// settings MODEL.s2k [--project FILE] [--set NAME=VALUE]...: the values the tcl command would write
// the model's script with, one name=value line each; settings the model cannot take (a control
// joint it lacks, say) are reset and named on standard error.
int runSettings(const Arguments& args) {
    if (!args.empty()) {
        const PreparedModel model = prepareModel(parseModelArguments(args, false));
        for (const auto& [name, value] : settingValues(model.analysis, model.recorders))
            std::cout << name << '=' << value << '\n';
        return 0;
    }
    const std::vector<SettingDescription> settings = settingDescriptions();
    std::size_t nameWidth = 4, defaultWidth = 7, unitWidth = 4;
    for (const SettingDescription& s : settings) {
        nameWidth = std::max(nameWidth, s.name.size());
        defaultWidth = std::max(defaultWidth, s.defaultValue.size());
        unitWidth = std::max(unitWidth, s.unit.size());
    }
    const auto row = [&](const std::string& name, const std::string& value, const std::string& unit,
                         const std::string& meaning) {
        std::cout << name << std::string(nameWidth + 2 - name.size(), ' ') << value
                  << std::string(defaultWidth + 2 - value.size(), ' ') << unit
                  << std::string(unitWidth + 2 - unit.size(), ' ') << meaning << '\n';
    };
    row("NAME", "DEFAULT", "UNIT", "MEANING");
    for (const SettingDescription& s : settings)
        row(s.name, s.defaultValue, s.unit, s.meaning);
    std::cout << "Switches take 1/0, true/false or on/off. The model's units are N, mm and s.\n";
    // The fields of the model's records, from the tables their setters read.
    std::string sectionFields = "coreMaterial, rebarMaterial";
    for (std::string_view field : sectionFieldNames())
        sectionFields += ", " + std::string(field);
    std::cout << "section.K.FIELD (frame section K, table order): " << sectionFields << "\n";
    std::vector<std::string> parameters;
    for (const MaterialModelInfo& model : materialModels())
        for (const MaterialParameterInfo& parameter : model.parameters) {
            std::string text = std::string(parameter.name);
            if (!parameter.unit.empty())
                text += " (" + std::string(parameter.unit) + ")";
            if (std::find(parameters.begin(), parameters.end(), text) == parameters.end())
                parameters.push_back(text);
        }
    std::string materialFields = "model, E and nu and name (of an added material)";
    for (const std::string& parameter : parameters)
        materialFields += ", " + parameter;
    std::cout << "material.K.FIELD (material K): " << materialFields << "\n";
    return 0;
}

const RegisterCommand reg({
    .name = "settings",
    .usage = "settings [MODEL.s2k [--project FILE] [--set NAME=VALUE]...]",
    .summary = "List every analysis and recorder setting with its default, unit and meaning",
    .details = "With a model, prints the values its script would be written with, one name=value line each;\n"
               "a setting that names a joint, load case or material the model lacks is reset, and the\n"
               "reset is named on standard error.",
    .lines =
        {
            {"MODEL.s2k", "the SAP2000 text model (optional)"},
            {"--project FILE", "a project saved for the model (its settings, materials and sections)"},
            {"--set NAME=VALUE", "an analysis or recorder setting, as tcl takes it"},
        },
    .run = &runSettings,
});

} // namespace
} // namespace kelvane::cli
