// One animation frame (background, joints projected at a step of their history, joints, supports,
// frames) of a large synthetic building through the QPainter canvas, against drawing the same
// number of plain lines on the same image, best of a few runs each.
//
// animation_frame_bench [--frames N] [--runs R]
#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/s2k_import.h"
#include "paint/qpainter_canvas.h"
#include "results/animation.h"
#include "support/bench_timing.h"
#include "support/synthetic_building.h"
#include "viewer/camera.h"
#include "viewer/scene.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

using kelvane::bench::BestTimes;
using kelvane::bench::bestAlternating;
using kelvane::bench::Clock;

constexpr int kWidth = 1089;
constexpr int kHeight = 873;
constexpr int kSteps = 20;

int intArgument(int argc, char** argv, const std::string& name, int fallback) {
    return static_cast<int>(kelvane::bench::numberArgument(argc, argv, name, fallback));
}

// A sway that grows with height and swings over the steps.
void fillHistories(kelvane::ModelStore& model) {
    for (int k = 1; k <= model.nodeCount; ++k) {
        auto& node = model.nodes[static_cast<std::size_t>(k)];
        node.histUX.assign(kSteps + 1, 0.0);
        node.histUY.assign(kSteps + 1, 0.0);
        node.histUZ.assign(kSteps + 1, 0.0);
        for (int step = 1; step <= kSteps; ++step) {
            node.histUX[static_cast<std::size_t>(step)] = 1e-3 * node.z * std::sin(step * 0.3);
            node.histUY[static_cast<std::size_t>(step)] = 5e-4 * node.z * std::cos(step * 0.3);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    const int frames = intArgument(argc, argv, "--frames", 50000);
    const int runs = intArgument(argc, argv, "--runs", 5);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);

    kelvane::ModelStore model;
    const kelvane::ColourTable colours = kelvane::initPalette();
    model.s2kLines = kelvane::splitLines(kelvane::bench::syntheticBuildingS2k(kelvane::bench::buildingSizeForFrames(frames)));
    kelvane::importModel(model, colours);
    fillHistories(model);

    kelvane::QPainterCanvas canvas(kWidth, kHeight);
    kelvane::ViewState view;
    view.PlanAngle = 30;
    view.TiltAngle = -60;
    const kelvane::ViewOptions options;
    const kelvane::LoadDisplay loads;
    kelvane::ResultDisplay results;
    const kelvane::Scene scene{model, view, options, loads, results, colours, 0};
    const auto redraw = [&] { kelvane::RedrawModel(canvas, scene); };
    redraw();
    kelvane::ZoomAll(view, model, kWidth, kHeight, redraw);
    results.DeformationScale = 10;

    int step = 0;
    const auto drawFrame = [&] {
        step = step % kSteps + 1;
        kelvane::DrawAnimationFrame(canvas, model, view, colours, results, step);
    };

    // The floor: one plain line per frame, between the same pixel points, with the painter's own
    // two-pixel pen (the frames' width), on an image of the same size.
    QImage plain(kWidth, kHeight, QImage::Format_RGB32);
    const auto plainLines = [&] {
        plain.fill(Qt::white);
        QPainter painter(&plain);
        painter.setPen(QPen(Qt::black, 2));
        for (int k = 1; k <= model.frameCount; ++k) {
            const auto& frame = model.frames[static_cast<std::size_t>(k)];
            const auto& i = model.nodes[static_cast<std::size_t>(frame.nodeI)];
            const auto& j = model.nodes[static_cast<std::size_t>(frame.nodeJ)];
            painter.drawLine(i.ScreenX, i.ScreenY, j.ScreenX, j.ScreenY);
        }
    };
    const BestTimes best = bestAlternating(runs, drawFrame, plainLines);
    const double frameSeconds = best.first;
    const double lineSeconds = best.second;

    std::cout << "joints " << model.nodeCount << ", frames " << model.frameCount << ", image " << kWidth
              << " x " << kHeight << "\n";
    std::cout << "animation_frame_seconds=" << frameSeconds << "\n";
    std::cout << "plain_lines_seconds=" << lineSeconds << "\n";
    std::cout << "animation_frame_ratio=" << frameSeconds / lineSeconds << "\n";
    return 0;
}
