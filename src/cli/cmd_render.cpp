#ifdef KELVANE_WITH_PAINT

#include "cli/command_registry.h"
#include "cli/model_setup.h"
#include "common/error.h"
#include "common/number_format.h"
#include "common/number_parse.h"
#include "model/colour_table.h"
#include "model/model_import.h"
#include "paint/model_render.h"
#include "results/result_display.h"
#include "results/section_damage.h"
#include "results/section_results.h"
#include "script/analysis_settings.h"
#include "script/settings_by_name.h"
#include "viewer/force_diagram.h"

#include <QGuiApplication>

#include <algorithm>
#include <iostream>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// kelvane-cli render MODEL.s2k -o PICTURE.png|.svg [options]: imports the model, reads the results
// asked for as the result windows read them, points the camera as the view command does and writes
// the drawing surface as a PNG or SVG picture.
namespace kelvane::cli {
namespace {

// The main window's drawing surface: its width, and its height below the menu and toolbar and above
// the status bar.
constexpr int kDefaultWidth = 1089;
constexpr int kDefaultHeight = 800;
constexpr int kLargestSide = 16384;
// The 3-D view without --rotate: turned 30 degrees in plan and looking down at 30 degrees.
constexpr double kDefaultPlanAngle = 30;
constexpr double kDefaultTiltAngle = -60;

struct RenderArguments {
    std::string modelPath;
    std::string imagePath;
    StandardView view = StandardView::XY;
    std::optional<std::pair<double, double>> rotation;
    int width = kDefaultWidth;
    int height = kDefaultHeight;
    bool labels = false;
    std::optional<std::string> loadCase;
    std::int32_t loadType = 1; // 1 point forces, 2 element loads
    std::optional<std::string> folder;
    std::optional<std::int32_t> step;
    std::optional<std::int32_t> mode;
    std::optional<double> scale;
    std::optional<std::int32_t> sectionComponent;
    std::int32_t forceComponent = ForceNone;
    std::optional<std::int32_t> forceUnits;
    std::optional<std::string> diagramSize;
    bool damage = false;
    DamageLimits limits;
    std::string project;                                          // --project FILE
    std::vector<std::pair<std::string, std::string>> assignments; // --set NAME=VALUE, in order
};

void parseSize(const std::string& text, RenderArguments& arguments) {
    const auto x = text.find('x');
    const auto width = x == std::string::npos ? std::nullopt : tryParseInt(text.substr(0, x));
    const auto height = x == std::string::npos ? std::nullopt : tryParseInt(text.substr(x + 1));
    if (!width || !height || *width < 1 || *height < 1 || *width > kLargestSide || *height > kLargestSide)
        throw UsageError{"--size wants WIDTHxHEIGHT in pixels (1 to 16384 each), not '" + text + "'"};
    arguments.width = *width;
    arguments.height = *height;
}

std::pair<double, double> parseRotation(const std::string& text) {
    const auto comma = text.find(',');
    const auto plan = comma == std::string::npos ? std::nullopt : tryParseReal(text.substr(0, comma));
    const auto tilt = comma == std::string::npos ? std::nullopt : tryParseReal(text.substr(comma + 1));
    if (!plan || !tilt)
        throw UsageError{"--rotate wants PLAN,TILT in degrees, not '" + text + "'"};
    return {*plan, *tilt};
}

std::int32_t parseForceComponent(const std::string& text) {
    for (std::int32_t component = ForceN; component <= ForceM3; ++component)
        if (text == forceComponentName(component))
            return component;
    throw UsageError{"--forces wants N, V2, V3, T, M2 or M3, not '" + text + "'"};
}

std::int32_t parseInteger(const std::string& option, const std::string& text) {
    const auto value = tryParseInt(text);
    if (!value)
        throw UsageError{option + " wants a whole number, not '" + text + "'"};
    return *value;
}

void parseOption(const std::string& option, const std::string& value, RenderArguments& parsed) {
    if (option == "-o") {
        parsed.imagePath = value;
    } else if (option == "--size") {
        parseSize(value, parsed);
    } else if (option == "--view") {
        if (!parseStandardView(value, parsed.view))
            throw UsageError{"--view wants xy, xz, yz or 3d, not '" + value + "'"};
    } else if (option == "--rotate") {
        parsed.rotation = parseRotation(value);
    } else if (option == "--load-case") {
        parsed.loadCase = value;
    } else if (option == "--load-type") {
        if (value != "point" && value != "element")
            throw UsageError{"--load-type wants point or element, not '" + value + "'"};
        parsed.loadType = value == "point" ? 1 : 2;
    } else if (option == "--results") {
        parsed.folder = value;
    } else if (option == "--step") {
        parsed.step = parseInteger(option, value);
    } else if (option == "--mode") {
        parsed.mode = parseInteger(option, value);
    } else if (option == "--scale") {
        const auto scale = tryParseReal(value);
        if (!scale)
            throw UsageError{"--scale wants a number, not '" + value + "'"};
        parsed.scale = *scale;
    } else if (option == "--section-component") {
        parsed.sectionComponent = parseInteger(option, value);
        if (*parsed.sectionComponent < 1 || *parsed.sectionComponent > 3)
            throw UsageError{"--section-component must be 1, 2 or 3"};
    } else if (option == "--forces") {
        parsed.forceComponent = parseForceComponent(value);
    } else if (option == "--force-units") {
        if (value != "N" && value != "kN")
            throw UsageError{"--force-units wants N or kN, not '" + value + "'"};
        parsed.forceUnits = value == "N" ? UnitsNewtonMillimetre : UnitsKilonewtonMetre;
    } else if (option == "--diagram-size") {
        parsed.diagramSize = value;
    } else if (option == "--yield-strain" || option == "--spalling-strain" || option == "--crushing-strain" ||
               option == "--rebar-ultimate-strain") {
        const auto strain = tryParseReal(value);
        if (!strain || !(*strain > 0))
            throw UsageError{option + " wants a positive strain, not '" + value + "'"};
        (option == "--yield-strain"      ? parsed.limits.yieldStrain
         : option == "--spalling-strain" ? parsed.limits.spallingStrain
         : option == "--crushing-strain" ? parsed.limits.crushingStrain
                                         : parsed.limits.rebarUltimateStrain) = *strain;
    } else if (option == "--project") {
        parsed.project = value;
    } else { // --set
        const std::size_t equals = value.find('=');
        if (equals == std::string::npos || equals == 0)
            throw UsageError{"--set needs NAME=VALUE, got '" + value + "'"};
        parsed.assignments.emplace_back(value.substr(0, equals), value.substr(equals + 1));
    }
}

void checkCombination(const RenderArguments& parsed) {
    if (parsed.modelPath.empty())
        throw UsageError{"no model file given"};
    if (parsed.imagePath.empty())
        throw UsageError{"no output picture given (-o PICTURE.png or PICTURE.svg)"};
    if (pictureFormatOf(parsed.imagePath) == PictureFormat::None)
        throw UsageError{"the picture must be named .png or .svg: " + parsed.imagePath};
    if (parsed.rotation && parsed.view != StandardView::ThreeD)
        throw UsageError{"--rotate turns the 3-D view: give --view 3d"};
    if (parsed.damage && !parsed.step)
        throw UsageError{"--damage reads the steps up to the one given by --step"};
    const bool readsResults =
        parsed.step || parsed.mode || parsed.sectionComponent || parsed.forceComponent || parsed.damage;
    if (readsResults && !parsed.folder)
        throw UsageError{
            "--step, --mode, --section-component, --forces and --damage read the files of --results FOLDER"};
    if (parsed.folder && !parsed.step && !parsed.mode)
        throw UsageError{"--results wants --step S or --mode M"};
    if ((parsed.sectionComponent || parsed.forceComponent) && !parsed.step)
        throw UsageError{"--section-component and --forces read the step given by --step"};
    if ((parsed.forceUnits || parsed.diagramSize) && !parsed.forceComponent)
        throw UsageError{"--force-units and --diagram-size belong to --forces"};
    if (parsed.scale && !parsed.folder)
        throw UsageError{"--scale scales the displacements of --results"};
}

RenderArguments parseArguments(const Arguments& args) {
    static const char* const withValue[] = {"-o",
                                            "--view",
                                            "--size",
                                            "--rotate",
                                            "--load-case",
                                            "--load-type",
                                            "--results",
                                            "--step",
                                            "--mode",
                                            "--scale",
                                            "--section-component",
                                            "--forces",
                                            "--force-units",
                                            "--diagram-size",
                                            "--project",
                                            "--set",
                                            "--yield-strain",
                                            "--spalling-strain",
                                            "--crushing-strain",
                                            "--rebar-ultimate-strain"};
    RenderArguments parsed;
    for (std::size_t a = 0; a < args.size(); ++a) {
        const std::string& arg = args[a];
        if (arg == "--labels" || arg == "--damage") {
            (arg == "--labels" ? parsed.labels : parsed.damage) = true;
            continue;
        }
        if (std::find(std::begin(withValue), std::end(withValue), arg) != std::end(withValue)) {
            if (a + 1 >= args.size())
                throw UsageError{arg + " needs a value"};
            parseOption(arg, args[++a], parsed);
        } else if (!arg.empty() && arg[0] == '-') {
            throw UsageError{"unknown option " + arg};
        } else if (parsed.modelPath.empty()) {
            parsed.modelPath = arg;
        } else if (!parsed.folder) {
            parsed.folder = arg; // the results folder, as --results gives it
        } else {
            throw UsageError{"more than a model file and a results folder: " + arg};
        }
    }
    checkCombination(parsed);
    return parsed;
}

// Qt's start-up notes (runtime folder, platform) are not the batch user's business; only its
// critical messages reach standard error.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::cerr << message.toLocal8Bit().constData() << "\n";
}

// Fonts and painting need a GUI application; without a display the offscreen platform serves.
std::unique_ptr<QGuiApplication> ensureGuiApplication() {
    if (QCoreApplication::instance() != nullptr)
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQtMessages);
    static int argc = 1;
    static char name[] = "kelvane-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The Show Load choice: the case named (exactly, as the window lists the names) and the type.
LoadDisplay loadDisplayOf(const ModelStore& model, const RenderArguments& arguments) {
    LoadDisplay loads;
    if (!arguments.loadCase)
        return loads;
    for (int c = 1; c <= countOf(model.loadCaseCount) && c < static_cast<int>(model.loadCaseNames.size());
         ++c)
        if (model.loadCaseNames[static_cast<std::size_t>(c)] == *arguments.loadCase) {
            loads.loadCase = c;
            loads.loadType = arguments.loadType;
            return loads;
        }
    fail("The model has no load case named '" + *arguments.loadCase + "'");
}

// The result windows' reads, in their order: the displacements of the step or the mode shape
// (none with --scale 0), the section deformations, the end forces.
void readResults(ModelStore& model, const AnalysisSettings& analysis, const RenderArguments& arguments,
                 ViewOptions& options, ResultDisplay& results) {
    if (!arguments.folder)
        return;
    const std::string& folder = *arguments.folder;
    results.DeformationScale = arguments.scale.value_or(1.0);
    if (results.DeformationScale != 0) {
        if (arguments.mode)
            readModeShape(model, results, folder, *arguments.mode);
        else
            readStepDisplacements(model, results, folder, *arguments.step);
    }
    if (arguments.sectionComponent) {
        loadSectionDeformation(model, folder, *arguments.step, *arguments.sectionComponent, analysis,
                               results);
        options.hingeCircle = true;
    }
    if (arguments.damage)
        showDamage(readSectionDamage(model, analysis, folder, *arguments.step, arguments.limits), results);
    if (arguments.forceComponent != ForceNone) {
        readFrameForces(model, results, folder, *arguments.step);
        applyForceDiagram(results.forces, arguments.forceComponent,
                          arguments.forceUnits.value_or(results.forces.units),
                          arguments.diagramSize.value_or(formatGeneral(results.forces.fraction)));
    }
}

int runRender(const Arguments& args) {
    const RenderArguments arguments = parseArguments(args);
    const ColourTable colours = initPalette();
    PreparedModel prepared;
    prepared.store = importModelFile(arguments.modelPath, colours).store;
    applyProjectAndSettings(prepared, arguments.modelPath, arguments.project, arguments.assignments);
    ModelStore& model = prepared.store;
    const AnalysisSettings& analysis = prepared.analysis;

    ViewState view;
    ViewOptions options;
    options.nodeLabels = options.frameLabels = arguments.labels;
    const LoadDisplay loads = loadDisplayOf(model, arguments);
    ResultDisplay results;
    readResults(model, analysis, arguments, options, results);

    const auto application = ensureGuiApplication();
    const Scene scene{model, view, options, loads, results, colours, 0};
    const auto [plan, tilt] = arguments.rotation.value_or(std::pair{kDefaultPlanAngle, kDefaultTiltAngle});
    pointCamera(view, scene, arguments.view, plan, tilt, arguments.width, arguments.height);
    savePicture(scene, arguments.width, arguments.height, arguments.imagePath);
    std::cout << "wrote " << arguments.imagePath << " (" << arguments.width << " x " << arguments.height
              << ")\n";
    if (arguments.damage)
        for (const std::string& line : damageCountLines(results.damage))
            std::cout << line << "\n";
    return 0;
}

const RegisterCommand reg({
    .name = "render",
    .usage =
        "render MODEL.s2k [FOLDER] -o PICTURE.png [--view xy|xz|yz|3d] [--rotate PLAN,TILT] [--size WxH] "
        "[--labels] [--load-case NAME] [--load-type point|element] [--results FOLDER] [--step S] [--mode M] "
        "[--scale F] [--section-component 1|2|3] [--forces N|V2|V3|T|M2|M3] [--force-units N|kN] "
        "[--diagram-size F] [--damage] [--yield-strain E] [--spalling-strain E] [--crushing-strain E] "
        "[--rebar-ultimate-strain E] [--project FILE] [--set NAME=VALUE]...",
    .summary = "Draw a model, its loads or its results as the main window's drawing surface shows them",
    .details =
        "The view is fitted to the picture as the view commands fit it to the window. With --results the\n"
        "picture shows the deformed shape of a step or a mode, the section-deformation contour or the\n"
        "member force diagrams read from the recorder files of that folder. With --damage it marks the\n"
        "fiber sections whose steel yielded, cover spalled, core crushed or rebar reached its ultimate\n"
        "strain at any step up to --step (the fiber recorders of sectionStressStrain=1) and prints the\n"
        "counts as name=value lines.",
    .lines =
        {
            {"MODEL.s2k", "the SAP2000 text model"},
            {"-o PICTURE.png", "the picture to write: PNG, or SVG when the name ends in .svg"},
            {"--view xy|xz|yz|3d", "the plan (xy, the default), the XZ or YZ elevation, or a 3-D view"},
            {"--rotate PLAN,TILT",
             "the 3-D view's plan and tilt angles in degrees, as Rotate View turns them"},
            {"--size WxH", "width and height in pixels, 1 to 16384 each (default 1089x800)"},
            {"--labels", "write joint and frame labels"},
            {"--load-case NAME", "show the loads of this load case, as Show Load does"},
            {"--load-type point|element", "which loads of the case: joint forces or element loads"},
            {"FOLDER", "the folder holding the recorder files (as --results)"},
            {"--results FOLDER", "the folder holding the recorder files"},
            {"--step S", "the recorded step to draw"},
            {"--mode M", "the mode shape to draw instead of a step"},
            {"--scale F", "the displacement scale (default 1)"},
            {"--section-component 1|2|3", "the section-deformation contour: axial strain, curvature z or y"},
            {"--forces N|V2|V3|T|M2|M3", "the member force diagram of this component"},
            {"--force-units N|kN", "N and N mm (default) or kN and kN m on the diagram"},
            {"--diagram-size F", "the largest value's length as a fraction of the model's size"},
            {"--damage", "mark the damaged fiber sections and print their counts"},
            {"--yield-strain E", "the steel's yield strain (default: Fy / E0 of each steel)"},
            {"--spalling-strain E", "the cover's spalling strain (default: 2 epsc0, else 0.004)"},
            {"--crushing-strain E", "the core's crushing strain (default: epsU of the concrete)"},
            {"--rebar-ultimate-strain E", "the rebar's ultimate tensile strain (default 0.05)"},
            {"--project FILE", "the project the script was written with"},
            {"--set NAME=VALUE",
             "a setting, section.K.FIELD or material.K.FIELD the script was written with"},
        },
    .run = &runRender,
});

} // namespace
} // namespace kelvane::cli

#endif
