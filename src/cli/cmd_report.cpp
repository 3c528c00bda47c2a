#ifdef KELVANE_WITH_PAINT

#include "cli/chart_application.h"
#include "cli/command_registry.h"
#include "cli/model_setup.h"
#include "common/number_parse.h"
#include "model/colour_table.h"
#include "model/model_import.h"
#include "paint/report_painter.h"
#include "report/save_report.h"

#include <filesystem>
#include <iostream>
#include <optional>

// kelvane-cli report MODEL.s2k FOLDER -o REPORT.html: the report of a run as one HTML page.
namespace kelvane::cli {
namespace {

constexpr int kLargestSide = 16384;

struct ReportArguments {
    std::string modelPath;
    std::string folder;
    std::string output;
    ReportRequest request;
    int width = 900;
    int height = 600;
    std::string project;
    std::vector<std::pair<std::string, std::string>> assignments;
    std::optional<TargetMethod> method;
    std::string spectrum;
};

double positiveStrain(const std::string& option, const std::string& text) {
    const auto strain = tryParseReal(text);
    if (!strain || !(*strain > 0))
        throw UsageError{option + " wants a positive strain, not '" + text + "'"};
    return *strain;
}

void parseOption(const std::string& option, const std::string& value, ReportArguments& parsed) {
    DamageLimits& limits = parsed.request.limits;
    if (option == "-o") {
        parsed.output = value;
    } else if (option == "--step") {
        const auto step = tryParseInt(value);
        if (!step || *step < 1)
            throw UsageError{"--step wants a recorded step from 1 on, not '" + value + "'"};
        parsed.request.step = *step;
    } else if (option == "--size") {
        const auto x = value.find('x');
        const auto width = x == std::string::npos ? std::nullopt : tryParseInt(value.substr(0, x));
        const auto height = x == std::string::npos ? std::nullopt : tryParseInt(value.substr(x + 1));
        if (!width || !height || *width < 100 || *height < 100 || *width > kLargestSide ||
            *height > kLargestSide)
            throw UsageError{"--size wants WIDTHxHEIGHT in pixels (100 to 16384 each), not '" + value + "'"};
        parsed.width = *width;
        parsed.height = *height;
    } else if (option == "--yield-strain") {
        limits.yieldStrain = positiveStrain(option, value);
    } else if (option == "--spalling-strain") {
        limits.spallingStrain = positiveStrain(option, value);
    } else if (option == "--crushing-strain") {
        limits.crushingStrain = positiveStrain(option, value);
    } else if (option == "--rebar-ultimate-strain") {
        limits.rebarUltimateStrain = positiveStrain(option, value);
    } else if (option == "--dof") {
        const auto dof = tryParseInt(value);
        if (!dof || *dof < 1 || *dof > 2)
            throw UsageError{"--dof wants 1 or 2 (along X or Y), not '" + value + "'"};
        parsed.request.driftDirection = *dof;
    } else if (option == "--method") {
        if (value != "n2" && value != "asce41")
            throw UsageError{"--method wants n2 or asce41, not '" + value + "'"};
        parsed.method = parseTargetMethod(value);
    } else if (option == "--spectrum") {
        parsed.spectrum = value;
    } else if (option == "--project") {
        parsed.project = value;
    } else { // --set
        const std::size_t equals = value.find('=');
        if (equals == std::string::npos || equals == 0)
            throw UsageError{"--set needs NAME=VALUE, got '" + value + "'"};
        parsed.assignments.emplace_back(value.substr(0, equals), value.substr(equals + 1));
    }
}

ReportArguments parseArguments(const Arguments& args) {
    static const std::vector<std::string> withValue{"-o",
                                                    "--step",
                                                    "--size",
                                                    "--yield-strain",
                                                    "--spalling-strain",
                                                    "--crushing-strain",
                                                    "--rebar-ultimate-strain",
                                                    "--dof",
                                                    "--method",
                                                    "--spectrum",
                                                    "--project",
                                                    "--set"};
    ReportArguments parsed;
    for (std::size_t a = 0; a < args.size(); ++a) {
        const std::string& arg = args[a];
        if (std::find(withValue.begin(), withValue.end(), arg) != withValue.end()) {
            if (a + 1 >= args.size())
                throw UsageError{arg + " needs a value"};
            parseOption(arg, args[++a], parsed);
        } else if (!arg.empty() && arg[0] == '-') {
            throw UsageError{"unknown option " + arg};
        } else if (parsed.modelPath.empty()) {
            parsed.modelPath = arg;
        } else if (parsed.folder.empty()) {
            parsed.folder = arg;
        } else {
            throw UsageError{"more than a model file and a results folder: " + arg};
        }
    }
    if (parsed.modelPath.empty() || parsed.folder.empty())
        throw UsageError{"report needs the model file and the folder of its results"};
    if (parsed.output.empty())
        throw UsageError{"no report given (-o REPORT.html)"};
    if (parsed.method.has_value() != !parsed.spectrum.empty())
        throw UsageError{"the target displacement needs both --method n2|asce41 and --spectrum SPEC"};
    if (parsed.method) {
        PerformanceRequest target;
        target.dof = parsed.request.driftDirection;
        target.method = *parsed.method;
        target.spectrum = parsed.spectrum;
        parsed.request.target = target;
    }
    return parsed;
}

int runReport(const Arguments& args) {
    ReportArguments arguments = parseArguments(args);
    const ColourTable colours = initPalette();
    const ImportedModel imported = importModelFile(arguments.modelPath, colours);
    PreparedModel prepared;
    prepared.store = imported.store;
    applyProjectAndSettings(prepared, arguments.modelPath, arguments.project, arguments.assignments);
    arguments.request.modelName = std::filesystem::path(arguments.modelPath).filename().string();
    arguments.request.resultsFolder = arguments.folder;

    const auto application = ensureChartApplication();
    QtReportPainter painter(colours, arguments.width, arguments.height);
    saveReport(arguments.output, imported, prepared.store, prepared.analysis, prepared.recorders,
               arguments.request, painter);
    std::cout << "wrote " << arguments.output << "\n";
    return 0;
}

const RegisterCommand reg({
    .name = "report",
    .usage = "report MODEL.s2k FOLDER -o REPORT.html [--step S] [--size WxH] [--yield-strain E] "
             "[--spalling-strain E] [--crushing-strain E] [--rebar-ultimate-strain E] [--dof D] "
             "[--method n2|asce41 --spectrum SPEC] [--project FILE] "
             "[--set NAME=VALUE]...",
    .summary = "Write the report of a run as one self-contained HTML page",
    .details = "The page holds the model's summary (as info prints it) and import report, the settings the\n"
               "script was written with, the curves of its procedure (pushover, histories or periods), the\n"
               "damage on the model with its counts (when the run recorded fiber strains:\n"
               "sectionStressStrain=1), the storey drifts and, with --method and --spectrum, the target\n"
               "displacement of a pushover as assess finds it; what cannot be read is listed as a note.\n"
               "Pictures are embedded, and it prints without its navigation.",
    .lines =
        {
            {"MODEL.s2k", "the SAP2000 text model"},
            {"FOLDER", "the folder holding the recorder files of the run"},
            {"-o REPORT.html", "the report to write"},
            {"--step S", "the step of the damage picture (default: the last recorded)"},
            {"--size WxH", "the pictures' width and height in pixels (default 900x600)"},
            {"--yield-strain E", "the steel's yield strain (default: Fy / E0 of each steel)"},
            {"--spalling-strain E", "the cover's spalling strain (default: 2 epsc0, else 0.004)"},
            {"--crushing-strain E", "the core's crushing strain (default: epsU of the concrete)"},
            {"--rebar-ultimate-strain E", "the rebar's ultimate tensile strain (default 0.05)"},
            {"--dof D", "the direction of the drift profile and of the push: 1 or 2 (X or Y; default 1)"},
            {"--method n2|asce41", "the target displacement by EC8 N2 or ASCE 41-17 (with --spectrum)"},
            {"--spectrum SPEC", "ec8:..., asce7:... or a CSV file of period and Sa, as assess reads it"},
            {"--project FILE", "the project the script was written with"},
            {"--set NAME=VALUE",
             "a setting, section.K.FIELD or material.K.FIELD the script was written with"},
        },
    .run = &runReport,
});

} // namespace
} // namespace kelvane::cli

#endif
