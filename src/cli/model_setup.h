#pragma once

#include "cli/command_registry.h"
#include "model/model_store.h"
#include "script/analysis_settings.h"

#include <string>
#include <vector>

// What the commands that write from a model share: MODEL.s2k, -o OUT, --project FILE and the
// --set NAME=VALUE assignments, applied in that order to a freshly imported model.
namespace kelvane::cli {

struct ModelArguments {
    std::string model;
    std::string output;
    std::string project;
    std::vector<std::pair<std::string, std::string>> assignments;
};

// Parses the arguments; a missing model or -o (when `needsOutput`) is a usage error.
ModelArguments parseModelArguments(const Arguments& args, bool needsOutput = true);

struct PreparedModel {
    ModelStore store;
    AnalysisSettings analysis;
    RecorderSettings recorders;
};

// Imports the model, applies the project, then the assignments in the order given. What a project
// or the nonlinear defaults could not apply is printed on standard error, one line each.
PreparedModel prepareModel(const ModelArguments& arguments);

// The same for a model already imported from `modelPath`; an empty `project` is none.
void applyProjectAndSettings(PreparedModel& model, const std::string& modelPath, const std::string& project,
                             const std::vector<std::pair<std::string, std::string>>& assignments);

} // namespace kelvane::cli
