#ifdef KELVANE_WITH_PAINT

#include "cli/command_registry.h"
#include "common/number_parse.h"
#include "model/colour_table.h"
#include "model/model_import.h"
#include "paint/model_render.h"

#include <QGuiApplication>

#include <iostream>
#include <memory>
#include <optional>

// kelvane-cli render MODEL.s2k -o VIEW.png [--view xy|xz|yz] [--size WxH]: imports the model and
// writes the drawing surface, as the view command leaves it, as a PNG picture.
namespace kelvane::cli {
namespace {

// The main window's drawing surface: its width, and its height below the menu and toolbar and above
// the status bar.
constexpr int kDefaultWidth = 1089;
constexpr int kDefaultHeight = 800;
constexpr int kLargestSide = 16384;

struct RenderArguments {
    std::string modelPath;
    std::string imagePath;
    StandardView view = StandardView::XY;
    int width = kDefaultWidth;
    int height = kDefaultHeight;
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

RenderArguments parseArguments(const Arguments& args) {
    RenderArguments parsed;
    for (std::size_t a = 0; a < args.size(); ++a) {
        const std::string& arg = args[a];
        const bool hasValue = a + 1 < args.size();
        if (arg == "-o" || arg == "--view" || arg == "--size") {
            if (!hasValue)
                throw UsageError{arg + " needs a value"};
            const std::string& value = args[++a];
            if (arg == "-o")
                parsed.imagePath = value;
            else if (arg == "--size")
                parseSize(value, parsed);
            else if (!parseStandardView(value, parsed.view))
                throw UsageError{"--view wants xy, xz or yz, not '" + value + "'"};
        } else if (!arg.empty() && arg[0] == '-') {
            throw UsageError{"unknown option " + arg};
        } else if (parsed.modelPath.empty()) {
            parsed.modelPath = arg;
        } else {
            throw UsageError{"more than one model file: " + arg};
        }
    }
    if (parsed.modelPath.empty())
        throw UsageError{"no model file given"};
    if (parsed.imagePath.empty())
        throw UsageError{"no output picture given (-o VIEW.png)"};
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

int runRender(const Arguments& args) {
    const RenderArguments arguments = parseArguments(args);
    const ColourTable colours = initPalette();
    ModelStore model = importModelFile(arguments.modelPath, colours).store;
    const auto application = ensureGuiApplication();
    const QImage image = renderModelView(model, colours, arguments.view, arguments.width, arguments.height);
    savePng(image, arguments.imagePath);
    std::cout << "wrote " << arguments.imagePath << " (" << image.width() << " x " << image.height() << ")\n";
    return 0;
}

RegisterCommand reg("render", "render MODEL.s2k -o VIEW.png [--view xy|xz|yz] [--size WxH]", &runRender);

} // namespace
} // namespace kelvane::cli

#endif
