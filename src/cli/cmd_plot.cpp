#include "assess/storey_drifts.h"
#include "cli/command_registry.h"
#include "cli/model_setup.h"
#include "common/error.h"
#include "common/number_parse.h"
#include "common/text_file.h"
#include "results/curves.h"

#ifdef KELVANE_WITH_PAINT
#include "cli/chart_application.h"
#include "paint/curve_picture.h"
#endif

#include <iostream>
#include <memory>
#include <optional>
#include <string>

// kelvane-cli plot MODEL.s2k FOLDER (--joint J --dof D | --pushover --dof D | --base-shear --dof D |
// --periods) -o OUT: draws a curve of a run's recorder files, or writes its numbers as CSV.
namespace kelvane::cli {
namespace {

enum class CurveWanted { None, History, Pushover, BaseShear, Periods, Drifts };

struct PlotArguments {
    ModelArguments model;
    std::string folder;
    CurveWanted curve = CurveWanted::None;
    std::optional<int> joint;
    std::optional<int> dof;
    std::optional<Abscissa> against;
    std::optional<int> step;
    bool envelope = false;
    int width = 1000;
    int height = 700;
};

constexpr int kLargestSide = 16384;

Abscissa parseAbscissa(const std::string& text) {
    if (text == "step")
        return Abscissa::Step;
    if (text == "time")
        return Abscissa::Time;
    if (text == "load-factor")
        return Abscissa::LoadFactor;
    throw UsageError{"--against wants step, time or load-factor, not '" + text + "'"};
}

void parseSize(const std::string& text, PlotArguments& parsed) {
    const auto x = text.find('x');
    const auto width = x == std::string::npos ? std::nullopt : tryParseInt(text.substr(0, x));
    const auto height = x == std::string::npos ? std::nullopt : tryParseInt(text.substr(x + 1));
    if (!width || !height || *width < 100 || *height < 100 || *width > kLargestSide || *height > kLargestSide)
        throw UsageError{"--size wants WIDTHxHEIGHT in pixels (100 to 16384 each), not '" + text + "'"};
    parsed.width = *width;
    parsed.height = *height;
}

void choose(PlotArguments& parsed, CurveWanted curve) {
    if (parsed.curve != CurveWanted::None)
        throw UsageError{"choose one curve: --joint, --pushover, --base-shear, --periods or --drifts"};
    parsed.curve = curve;
}

int integerValue(const std::string& option, const std::string& text) {
    const auto value = tryParseInt(text);
    if (!value)
        throw UsageError{option + " wants a whole number, not '" + text + "'"};
    return *value;
}

// The options of the curve are taken here; MODEL, FOLDER, -o, --project and --set as the other
// model commands take them.
PlotArguments parseArguments(const Arguments& args) {
    PlotArguments parsed;
    Arguments modelArguments;
    int positional = 0;
    bool jointGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw UsageError{arg + " needs a value"};
            return args[++i];
        };
        if (arg == "--pushover")
            choose(parsed, CurveWanted::Pushover);
        else if (arg == "--base-shear")
            choose(parsed, CurveWanted::BaseShear);
        else if (arg == "--periods")
            choose(parsed, CurveWanted::Periods);
        else if (arg == "--drifts")
            choose(parsed, CurveWanted::Drifts);
        else if (arg == "--step")
            parsed.step = integerValue(arg, value());
        else if (arg == "--envelope")
            parsed.envelope = true;
        else if (arg == "--joint") {
            parsed.joint = integerValue(arg, value());
            jointGiven = true;
        } else if (arg == "--dof")
            parsed.dof = integerValue(arg, value());
        else if (arg == "--against")
            parsed.against = parseAbscissa(value());
        else if (arg == "--size")
            parseSize(value(), parsed);
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
    if (parsed.curve == CurveWanted::None && jointGiven)
        parsed.curve = CurveWanted::History;
    if (parsed.curve == CurveWanted::None)
        throw UsageError{"choose a curve: --joint J, --pushover, --base-shear, --periods or --drifts"};
    if (parsed.folder.empty())
        throw UsageError{"a model file and a results folder are required"};
    if (parsed.curve != CurveWanted::Periods && !parsed.dof)
        throw UsageError{"--dof D is required: 1, 2 or 3 (along X, Y or Z)"};
    if (parsed.curve == CurveWanted::Periods && (parsed.dof || parsed.joint || parsed.against))
        throw UsageError{"--periods takes no --joint, --dof or --against"};
    if (parsed.curve == CurveWanted::Pushover && parsed.against)
        throw UsageError{"--pushover draws base shear against displacement and takes no --against"};
    if ((parsed.step || parsed.envelope) && parsed.curve != CurveWanted::Drifts)
        throw UsageError{"--step and --envelope go with --drifts"};
    if (parsed.step && parsed.envelope)
        throw UsageError{"choose --step N or --envelope, not both"};
    if (parsed.curve == CurveWanted::Drifts && (parsed.joint || parsed.against))
        throw UsageError{"--drifts takes no --joint or --against"};
    parsed.model = parseModelArguments(modelArguments);
    return parsed;
}

bool endsWith(const std::string& text, const std::string& ending) {
    if (text.size() < ending.size())
        return false;
    for (std::size_t i = 0; i < ending.size(); ++i) {
        const char c = text[text.size() - ending.size() + i];
        if ((c >= 'A' && c <= 'Z' ? c + 32 : c) != ending[i])
            return false;
    }
    return true;
}

void savePicture(const Curve& curve, bool bars, const PlotArguments& arguments) {
#ifdef KELVANE_WITH_PAINT
    const auto application = ensureChartApplication();
    saveCurvePicture(curve, bars ? ChartKind::Bars : ChartKind::Line, arguments.model.output, arguments.width,
                     arguments.height);
#else
    (void)curve;
    (void)bars;
    (void)arguments;
    fail("This kelvane-cli was built without pictures; write the numbers as .csv");
#endif
}

// The shear picture stands beside the drift picture: OUT-shear.png for OUT.png.
std::string besidePath(const std::string& path, const std::string& suffix) {
    const std::size_t dot = path.find_last_of('.');
    return path.substr(0, dot) + suffix + path.substr(dot);
}

// A storey profile reads from zero: drawn as a family of one curve, whose axes start there.
void saveProfilePicture(const Curve& curve, const PlotArguments& arguments) {
#ifdef KELVANE_WITH_PAINT
    const auto application = ensureChartApplication();
    saveCurvesPicture(curve.title, {curve}, arguments.model.output, arguments.width, arguments.height);
#else
    savePicture(curve, false, arguments);
#endif
}

int plotDrifts(const PreparedModel& model, const PlotArguments& arguments, bool csv) {
    const ProfileMoment moment = arguments.envelope ? ProfileMoment::Envelope
                                 : arguments.step   ? ProfileMoment::Step
                                                    : defaultProfileMoment(model.analysis);
    const StoreyProfile profile = storeyProfile(model.store, model.analysis, arguments.folder,
                                                arguments.dof.value_or(1), moment, arguments.step);
    for (const std::string& note : profile.notes)
        std::cerr << note << "\n";
    const std::string& output = arguments.model.output;
    if (csv) {
        saveLinesCrLf(output, storeyProfileCsvLines(profile));
    } else {
        saveProfilePicture(storeyDriftCurve(profile, profile.direction), arguments);
        if (profile.hasShear) {
            PlotArguments shearPicture = arguments;
            shearPicture.model.output = besidePath(output, "-shear");
            saveProfilePicture(storeyShearCurve(profile, profile.direction), shearPicture);
            std::cout << "wrote " << shearPicture.model.output << "\n";
        }
    }
    std::cout << "wrote " << output << " (" << profile.storeys.size() << " storeys, "
              << (profile.moment == ProfileMoment::Envelope ? std::string("envelope")
                                                            : "step " + std::to_string(profile.step))
              << ")\n";
    return 0;
}

int runPlot(const Arguments& args) {
    const PlotArguments arguments = parseArguments(args);
    const std::string& output = arguments.model.output;
    const bool csv = endsWith(output, ".csv");
    if (!csv && !endsWith(output, ".png") && !endsWith(output, ".svg"))
        throw UsageError{"-o names a .png or .svg picture or a .csv file, not '" + output + "'"};
    const PreparedModel model = prepareModel(arguments.model);
    const std::string& folder = arguments.folder;
    if (arguments.curve == CurveWanted::Drifts)
        return plotDrifts(model, arguments, csv);

    Curve curve;
    std::vector<std::string> numbers;
    const int dof = arguments.dof.value_or(0);
    switch (arguments.curve) {
    case CurveWanted::History:
        curve = jointHistoryCurve(model.store, folder, *arguments.joint, dof,
                                  arguments.against.value_or(Abscissa::Step));
        break;
    case CurveWanted::Pushover:
        curve = pushoverCurve(model.store, model.analysis, folder,
                              arguments.joint.value_or(model.analysis.controlNode), dof);
        break;
    case CurveWanted::BaseShear:
        curve = baseShearHistory(model.store, folder, dof, arguments.against.value_or(Abscissa::Time));
        break;
    case CurveWanted::Periods: {
        const auto periods = readModalPeriods(folder);
        curve = periodCurve(periods);
        numbers = periodCsvLines(periods);
        break;
    }
    case CurveWanted::None:
    case CurveWanted::Drifts:
        break;
    }
    for (const std::string& note : curve.notes)
        std::cerr << note << "\n";
    if (csv)
        saveLinesCrLf(output, numbers.empty() ? curveCsvLines(curve) : numbers);
    else
        savePicture(curve, arguments.curve == CurveWanted::Periods, arguments);
    std::cout << "wrote " << output << " (" << curve.x.size() << " points)\n";
    return 0;
}

const RegisterCommand reg({
    .name = "plot",
    .usage =
        "plot MODEL.s2k FOLDER (--joint J --dof D [--against step|time|load-factor] | --pushover --dof D "
        "[--joint J] | --base-shear --dof D [--against step|time|load-factor] | --periods | --drifts --dof D "
        "[--step N|--envelope]) "
        "-o OUT.png|OUT.svg|OUT.csv [--size WxH] [--project FILE] [--set NAME=VALUE]...",
    .summary = "Draw a curve of a run's recorder files, or write its numbers as CSV",
    .details =
        "The curves: a joint's displacement history (node files), the pushover curve and the base-shear\n"
        "history (node and base-reaction files: --set baseReactions=1 when writing the script), the periods\n"
        "of the modal procedure (Periods.txt). The base shear is minus the sum of the reactions along D of\n"
        "the supports and of the joints rigid links tie to them. The pushover curve starts from rest; after\n"
        "the gravity stage of Gravity+PushOver (its loadSteps steps) it starts where gravity left the\n"
        "frame. The CSV file has a header line: the control displacement and the base shear; the step,\n"
        "time or load factor and the displacement or base shear; or mode, eigenvalue, period and\n"
        "frequency. The last line of a file that the solver is still writing is left out, with a note on\n"
        "standard error.\n"
        "--drifts finds the storeys from the diaphragms (else the elevations of the joints) above the\n"
        "supports; the drift ratio is the difference of the floors' mean displacements over the storey\n"
        "height, the storey shear the force the frames crossing the storey's mid-height carry (element\n"
        "force files: --set elementForce=1; without them a pushover's base shear times the share of its\n"
        "pattern's forces above the storey). Its CSV file has storey, bottom, top, height, drift ratio X\n"
        "and Y, shear X and Y; a picture draws the drift profile, and OUT-shear.png the shears.",
    .lines =
        {
            {"MODEL.s2k", "the model the script was written from"},
            {"FOLDER", "the folder holding the recorder files"},
            {"--joint J", "the joint whose displacement history is drawn; with --pushover the control joint "
                          "(default: the controlNode setting)"},
            {"--dof D", "the direction: 1, 2 or 3 (along X, Y or Z)"},
            {"--against step|time|load-factor",
             "what a history is drawn against (default: step for a joint, time for the base shear)"},
            {"--pushover", "the base shear against the control joint's displacement"},
            {"--base-shear", "the base-shear history"},
            {"--periods", "the periods of the modes, as bars"},
            {"--drifts", "the interstorey drift ratios (and storey shears) of the storeys along D, 1 or 2"},
            {"--step N", "with --drifts: the recorded step shown (default: the last of a static run, the "
                         "peak roof displacement of a time history)"},
            {"--envelope", "with --drifts: the largest drift and shear of each storey over the run"},
            {"-o OUT", "the picture to write (OUT.png or OUT.svg), or its numbers (OUT.csv)"},
            {"--size WxH", "the picture's width and height in pixels (default 1000x700)"},
            {"--project FILE", "a project saved for the model (its settings)"},
            {"--set NAME=VALUE", "a setting the script was written with (see kelvane-cli settings)"},
        },
    .run = &runPlot,
});

} // namespace
} // namespace kelvane::cli
