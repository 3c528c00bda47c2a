#include "cli/command_registry.h"
#include "cli/model_setup.h"
#include "common/number_format.h"
#include "common/number_parse.h"
#include "model/colour_table.h"
#include "model/model_import.h"
#include "results/frame_forces.h"
#include "results/mode_periods.h"
#include "results/node_results.h"
#include "results/section_results.h"
#include "script/analysis_settings.h"
#include "script/settings_by_name.h"

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
    bool forces = false;
    std::string project;                                          // --project FILE
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
        else if (arg == "--forces")
            request.forces = true;
        else if (arg == "--project") {
            if (i + 1 >= args.size())
                throw UsageError{"--project needs a value"};
            request.project = args[++i];
        } else if (arg == "--set") {
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
    if (!request.step && (!request.mode || request.sectionComponent || request.forces))
        throw UsageError{"--step is required unless only --mode is given"};
    if (request.sectionComponent && (*request.sectionComponent < 1 || *request.sectionComponent > 3))
        throw UsageError{"--section-component must be 1, 2 or 3"};
    return request;
}

// The mode's line: its eigenvalue, period and frequency, or that the folder holds no Periods.txt.
void printModePeriod(const std::string& folder, std::int32_t mode) {
    const auto eigenvalues = readEigenvalues(folder);
    if (!eigenvalues) {
        std::cout << "mode=" << mode << " period=unknown (no " << kPeriodsFileName << ")\n";
        return;
    }
    const ModePeriod period = modePeriod(*eigenvalues, mode, folder);
    std::cout << "mode=" << mode << " eigenvalue=" << formatGeneral(period.eigenvalue)
              << " period=" << formatGeneral(period.period)
              << " frequency=" << formatGeneral(period.frequency) << "\n";
}

// One line per frame with force output: its end forces in the frame's local axes and the model
// file's sign convention.
void printFrameForces(const ModelStore& model) {
    static const char* const names[] = {"N", "V2", "V3", "T", "M2", "M3"};
    for (int f = 1; f <= countOf(model.frameCount); ++f) {
        const TFRAME& frame = model.frames[static_cast<std::size_t>(f)];
        if (!frame.hasEndForces)
            continue;
        std::cout << "frame=" << f;
        for (int end = EndI; end <= EndJ; ++end)
            for (int component = 0; component < 6; ++component)
                std::cout << " " << names[component] << (end == EndI ? "_i=" : "_j=")
                          << formatGeneral(frame.endForces[static_cast<std::size_t>(6 * end + component)]);
        std::cout << "\n";
    }
}

// results MODEL.s2k FOLDER --step S [--section-component 1|2|3] [--forces] [--mode M]
// [--set NAME=VALUE]...: reads the recorder files as the result windows do, with the analysis
// settings and section fields the script was written with (applied in order, as the tcl command
// does), and prints what the readers stored.
int runResults(const Arguments& args) {
    const ResultsRequest request = parseRequest(args);
    PreparedModel prepared;
    prepared.store = importModelFile(request.modelPath, initPalette()).store;
    applyProjectAndSettings(prepared, request.modelPath, request.project, request.assignments);
    ModelStore& model = prepared.store;
    const AnalysisSettings& analysis = prepared.analysis;

    if (request.mode) {
        loadModeShape(model, request.folder, *request.mode);
        printModePeriod(request.folder, *request.mode);
    } else
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
    if (request.forces) {
        loadFrameForces(model, request.folder, *request.step);
        printFrameForces(model);
    }
    return 0;
}

const RegisterCommand reg({
    .name = "results",
    .usage = "results MODEL.s2k FOLDER --step S [--section-component 1|2|3] [--forces] [--mode M] "
             "[--project FILE] [--set NAME=VALUE]...",
    .summary = "Read the recorder files of a run back, as the deformation window does, and print them",
    .details =
        "Prints one line per joint (joint=N ux= uy= uz=); with --section-component one per frame\n"
        "(frame=N i= j=) and the colour range; with --forces one per frame with force output, its end\n"
        "forces in the frame's SAP2000 local axes; with --mode the mode's eigenvalue, period and frequency.",
    .lines =
        {
            {"MODEL.s2k", "the model the script was written from"},
            {"FOLDER", "the folder holding the recorder files"},
            {"--step S", "the step (line) of the node, section and force files to read"},
            {"--section-component 1|2|3",
             "also read section deformations: 1 axial strain, 2 curvature about z, 3 about y"},
            {"--forces", "also read the element force files: N, V2, V3, T, M2, M3 at both ends"},
            {"--mode M", "read mode shape M instead of a step of the node files"},
            {"--project FILE", "the project the script was written with"},
            {"--set NAME=VALUE",
             "a setting, section.K.FIELD or material.K.FIELD the script was written with (applied in order)"},
        },
    .run = &runResults,
});

} // namespace
} // namespace kelvane::cli
