#include "assess/performance.h"
#include "cli/command_registry.h"
#include "cli/model_setup.h"
#include "common/error.h"
#include "common/number_parse.h"

#ifdef KELVANE_WITH_PAINT
#include "cli/chart_application.h"
#include "paint/curve_picture.h"
#endif

#include <iostream>
#include <optional>
#include <string>

// kelvane-cli assess MODEL.s2k FOLDER --dof D --method n2|asce41 --spectrum SPEC [--joint J] [-o OUT]:
// the target displacement of a pushover run, every quantity of the method on the way.
namespace kelvane::cli {
namespace {

struct AssessArguments {
    ModelArguments model;
    std::string folder;
    PerformanceRequest request;
    bool methodGiven = false;
};

double positiveNumber(const std::string& option, const std::string& text) {
    const auto value = tryParseReal(text);
    if (!value || !(*value > 0))
        throw UsageError{option + " wants a number above zero, not '" + text + "'"};
    return *value;
}

AssessArguments parseArguments(const Arguments& args) {
    AssessArguments parsed;
    Arguments modelArguments;
    int positional = 0;
    bool dofGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw UsageError{arg + " needs a value"};
            return args[++i];
        };
        if (arg == "--dof" || arg == "--joint") {
            const std::string& text = value();
            const auto number = tryParseInt(text);
            if (!number)
                throw UsageError{arg + " wants a whole number, not '" + text + "'"};
            if (arg == "--dof") {
                parsed.request.dof = *number;
                dofGiven = true;
            } else {
                parsed.request.joint = *number;
            }
        } else if (arg == "--method") {
            const std::string& text = value();
            if (text != "n2" && text != "asce41")
                throw UsageError{"--method wants n2 or asce41, not '" + text + "'"};
            parsed.request.method = parseTargetMethod(text);
            parsed.methodGiven = true;
        } else if (arg == "--spectrum")
            parsed.request.spectrum = value();
        else if (arg == "--period")
            parsed.request.asce41.period = positiveNumber(arg, value());
        else if (arg == "--cm")
            parsed.request.asce41.cm = positiveNumber(arg, value());
        else if (arg == "-o" || arg == "--set" || arg == "--project") {
            modelArguments.push_back(arg);
            modelArguments.push_back(value());
        } else if (arg.starts_with("-"))
            throw UsageError{"unknown option " + arg};
        else if (++positional == 2)
            parsed.folder = arg;
        else
            modelArguments.push_back(arg);
    }
    if (parsed.folder.empty())
        throw UsageError{"a model file and a results folder are required"};
    if (!dofGiven || parsed.request.dof < 1 || parsed.request.dof > 3)
        throw UsageError{"--dof D is required: 1, 2 or 3 (along X, Y or Z)"};
    if (!parsed.methodGiven)
        throw UsageError{"--method n2 or --method asce41 is required"};
    if (parsed.request.spectrum.empty())
        throw UsageError{"--spectrum SPEC is required (ec8:..., asce7:... or a CSV file)"};
    parsed.model = parseModelArguments(modelArguments, false);
    return parsed;
}

void savePictures(const PerformanceReport& report, const std::string& output) {
#ifdef KELVANE_WITH_PAINT
    if (!isCurvePicturePath(output))
        throw UsageError{"-o names a .png or .svg picture, not '" + output + "'"};
    const auto application = ensureChartApplication();
    saveCurvesPicture(report.capacityTitle, report.capacity, output, 1100, 700);
    std::cout << "wrote " << output << "\n";
    if (!report.adrs.empty()) {
        const std::size_t dot = output.find_last_of('.');
        const std::string adrs = output.substr(0, dot) + "-adrs" + output.substr(dot);
        saveCurvesPicture(report.adrsTitle, report.adrs, adrs, 1100, 700);
        std::cout << "wrote " << adrs << "\n";
    }
#else
    (void)report;
    (void)output;
    fail("This kelvane-cli was built without pictures");
#endif
}

int runAssess(const Arguments& args) {
    const AssessArguments arguments = parseArguments(args);
    const PreparedModel model = prepareModel(arguments.model);
    const PerformanceReport report =
        assessPerformance(model.store, model.analysis, arguments.folder, arguments.request);
    for (const std::string& note : report.notes)
        std::cerr << note << "\n";
    for (const std::string& line : report.lines)
        std::cout << line << "\n";
    if (!arguments.model.output.empty())
        savePictures(report, arguments.model.output);
    return 0;
}

const RegisterCommand reg({
    .name = "assess",
    .usage = "assess MODEL.s2k FOLDER --dof D --method n2|asce41 --spectrum SPEC [--joint J] [--period T] "
             "[--cm C] [-o OUT.png|OUT.svg] [--project FILE] [--set NAME=VALUE]...",
    .summary = "Find the target displacement of a pushover run (EC8 N2 or ASCE 41 coefficient method)",
    .details =
        "Reads the run's pushover curve (node and base-reaction files: --set baseReactions=1) and the shape\n"
        "of its push pattern with the script's masses: Phi = 1 for the uniform pattern, F_i / m_i for a "
        "load\n"
        "case, the first pushover step's displaced shape for the first-mode pattern, normalised to 1 at\n"
        "the control joint; m* = sum m Phi and Gamma = m* / sum m Phi^2 (C0 of ASCE 41).\n"
        "n2: elastic-perfectly plastic idealisation of equal work up to the peak, T* = 2 pi sqrt(m* dy* /\n"
        "Fy*), dt* from the elastic spectrum (qu rule below TC), idealised again up to dt* where they "
        "differ\n"
        "by more than 5 %. asce41: bilinear fit of equal area with the secant through 0.6 Vy, Te = Ti\n"
        "sqrt(Ki / Ke), C1 and C2 from mu_strength = Sa / (Vy / W) Cm, dt = C0 C1 C2 Sa Te^2 / 4 pi^2 g.\n"
        "Prints every quantity as name=value (lengths mm, forces N, masses t, periods s, accelerations\n"
        "g), target_displacement= the control joint's, then the storeys' drift ratios there.\n"
        "SPEC: ec8:type=1|2,ag=AG[g],ground=A..E,importance=1,damping=5 | asce7:sds=SDS,sd1=SD1,tl=8,site=D\n"
        "| a CSV file of period (s),Sa (g).\n"
        "-o draws the capacity curve with the idealisation and the target; for n2 also OUT-adrs.png, the\n"
        "capacity against the elastic and inelastic demand in Sa-Sd form.",
    .lines =
        {
            {"MODEL.s2k", "the model the script was written from"},
            {"FOLDER", "the folder holding the pushover's recorder files"},
            {"--dof D", "the direction pushed: 1, 2 or 3 (along X, Y or Z)"},
            {"--method n2|asce41", "EC8 N2 method or ASCE 41-17 coefficient method"},
            {"--spectrum SPEC", "ec8:..., asce7:... or a CSV file of period and Sa"},
            {"--joint J", "the control joint (default: the controlNode setting)"},
            {"--period T", "asce41: the elastic period Ti of an eigen analysis (default 2 pi sqrt(m* / Ki))"},
            {"--cm C", "asce41: the effective mass factor Cm (default 1)"},
            {"-o OUT", "the chart to write (OUT.png or OUT.svg)"},
            {"--project FILE", "a project saved for the model (its settings)"},
            {"--set NAME=VALUE", "a setting the script was written with (see kelvane-cli settings)"},
        },
    .run = &runAssess,
});

} // namespace
} // namespace kelvane::cli
