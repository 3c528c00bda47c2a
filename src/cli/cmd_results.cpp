#include "cli/command_registry.h"
#include "common/number_format.h"
#include "common/number_parse.h"
#include "model/colour_table.h"
#include "model/model_import.h"
#include "results/node_results.h"
#include "results/section_results.h"
#include "tcl/analysis_settings.h"
#include "tcl/settings_by_name.h"

#include <cstddef>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kelvane::cli {
namespace {

struct ResultsRequest {
    std::string modelPath;
    std::string folder;
    std::optional<std::int32_t> step;
    std::optional<std::int32_t> sectionComponent;
    std::optional<std::int32_t> mode;
    std::vector<std::pair<std::string, std::string>> assignments; // --set NAME=VALUE, in order
};

ResultsRequest parseRequest(const Arguments& args) {
    ResultsRequest request;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> std::int32_t {
            if (i + 1 >= args.size())
                throw UsageError{arg + " needs a value"};
            return parseInt(args[++i]);
        };
        if (arg == "--step")
            request.step = value();
        else if (arg == "--section-component")
            request.sectionComponent = value();
        else if (arg == "--mode")
            request.mode = value();
        else if (arg == "--set") {
            const std::string assignment = i + 1 < args.size() ? args[++i] : "";
            const std::size_t equals = assignment.find('=');
            if (equals == std::string::npos || equals == 0)
                throw UsageError{"--set needs NAME=VALUE, got '" + assignment + "'"};
            request.assignments.emplace_back(assignment.substr(0, equals), assignment.substr(equals + 1));
        } else if (arg.rfind("--", 0) == 0)
            throw UsageError{"unknown option: " + arg};
        else
            positional.push_back(arg);
    }
    if (positional.size() != 2)
        throw UsageError{"a model file and a results folder are required"};
    request.modelPath = positional[0];
    request.folder = positional[1];
    if (!request.step && (!request.mode || request.sectionComponent))
        throw UsageError{"--step is required unless only --mode is given"};
    if (request.sectionComponent && (*request.sectionComponent < 1 || *request.sectionComponent > 3))
        throw UsageError{"--section-component must be 1, 2 or 3"};
    return request;
}

// results MODEL.s2k FOLDER --step S [--section-component 1|2|3] [--mode M] [--set NAME=VALUE]...:
// reads the recorder files as the deformation window does, with the analysis settings and section
// fields the script was written with (applied in order, as the tcl command does), and prints what
// the readers stored.
int runResults(const Arguments& args) {
    const ResultsRequest request = parseRequest(args);
    ModelStore model = importModelFile(request.modelPath, initPalette()).store;
    AnalysisSettings analysis;
    RecorderSettings recorders;
    for (const auto& [name, value] : request.assignments)
        setNamedValue(model, analysis, recorders, name, value);

    if (request.mode)
        loadModeShape(model, request.folder, *request.mode);
    else
        loadNodeDeformation(model, request.folder, *request.step);
    for (int n = 1; n <= countOf(model.nodeCount); ++n) {
        const TNODE& joint = model.nodes[static_cast<std::size_t>(n)];
        std::cout << "joint=" << n << " ux=" << formatGeneral(joint.ux) << " uy=" << formatGeneral(joint.uy)
                  << " uz=" << formatGeneral(joint.uz) << "\n";
    }

    if (request.sectionComponent) {
        ResultDisplay display;
        const bool rangeComputed = loadSectionDeformation(model, request.folder, *request.step,
                                                          *request.sectionComponent, analysis, display);
        for (int f = 1; f <= countOf(model.frameCount); ++f) {
            const TFRAME& frame = model.frames[static_cast<std::size_t>(f)];
            std::cout << "frame=" << f << " i=" << formatGeneral(frame.hingeValueI)
                      << " j=" << formatGeneral(frame.hingeValueJ) << "\n";
        }
        if (rangeComputed)
            std::cout << "range_min=" << formatGeneral(display.ColourRangeMin)
                      << " range_max=" << formatGeneral(display.ColourRangeMax) << "\n";
    }
    return 0;
}

const RegisterCommand
    reg("results",
        "results MODEL.s2k FOLDER --step S [--section-component 1|2|3] [--mode M] [--set NAME=VALUE]...",
        &runResults);

} // namespace
} // namespace kelvane::cli
