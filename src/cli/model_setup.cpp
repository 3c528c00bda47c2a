#include "cli/model_setup.h"

#include "model/colour_table.h"
#include "model/model_import.h"
#include "project/project_file.h"
#include "script/settings_by_name.h"
#include "script/settings_fit.h"

#include <iostream>

namespace kelvane::cli {

ModelArguments parseModelArguments(const Arguments& args, bool needsOutput) {
    ModelArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "-o" || option == "--set" || option == "--project") {
            if (i + 1 >= args.size())
                throw UsageError{option + " needs a value"};
            const std::string& value = args[++i];
            if (option == "-o") {
                parsed.output = value;
            } else if (option == "--project") {
                parsed.project = value;
            } else {
                const std::size_t equals = value.find('=');
                if (equals == std::string::npos || equals == 0)
                    throw UsageError{"--set needs NAME=VALUE, got '" + value + "'"};
                parsed.assignments.emplace_back(value.substr(0, equals), value.substr(equals + 1));
            }
        } else if (parsed.model.empty()) {
            parsed.model = option;
        } else {
            throw UsageError{"unexpected argument: " + option};
        }
    }
    if (parsed.model.empty() || (needsOutput && parsed.output.empty()))
        throw UsageError{needsOutput ? "a model file and -o OUT are required" : "a model file is required"};
    return parsed;
}

PreparedModel prepareModel(const ModelArguments& arguments) {
    PreparedModel prepared;
    prepared.store = importModelFile(arguments.model, initPalette()).store;
    applyProjectAndSettings(prepared, arguments.model, arguments.project, arguments.assignments);
    return prepared;
}

void applyProjectAndSettings(PreparedModel& model, const std::string& modelPath, const std::string& project,
                             const std::vector<std::pair<std::string, std::string>>& assignments) {
    std::vector<std::string> notes;
    if (!project.empty())
        notes = applyProject(readProject(project), modelPath, model.store, model.analysis, model.recorders);
    for (std::string& note : fitSettingsToModel(model.store, model.analysis))
        notes.push_back(std::move(note));
    for (const auto& [name, value] : assignments)
        setNamedValue(model.store, model.analysis, model.recorders, name, value, &notes);
    for (const std::string& note : notes)
        std::cerr << note << '\n';
}

} // namespace kelvane::cli
