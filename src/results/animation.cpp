#include "results/animation.h"

#include "common/error.h"
#include "viewer/projection.h"
#include "viewer/scene_layers.h"

#include <algorithm>
#include <cstddef>

namespace kelvane {
namespace {

std::int32_t lastPlayableStep(const AnimationState& animation) {
    return std::min(animation.loadedSteps, kLastAnimationStep);
}

} // namespace

bool ToggleAnimation(AnimationState& animation) {
    animation.AnimationStep = 1;
    if (animation.running) {
        animation.running = false;
        return false;
    }
    if (lastPlayableStep(animation) < 1)
        fail("No displacement history is loaded: load the displacement data first");
    animation.running = true;
    return true;
}

std::int32_t AnimationTick(AnimationState& animation, ResultDisplay& results) {
    const std::int32_t lastStep = lastPlayableStep(animation);
    if (lastStep < 1) {
        animation.running = false;
        return 0;
    }
    ++animation.AnimationStep;
    if (animation.AnimationStep > lastStep || animation.AnimationStep < 1)
        animation.AnimationStep = 1;
    results.DeformationScale = animation.AnimationScale;
    return animation.AnimationStep;
}

void ProjectNodesAtStep(ModelStore& model, const ViewState& view, double deformationScale, int width,
                        int height, std::int32_t step) {
    const int jointCount = static_cast<int>(
        std::min<long long>(countOf(model.nodeCount), static_cast<long long>(model.nodes.size()) - 1));
    const auto p = static_cast<std::size_t>(step);
    for (int n = 1; n <= jointCount; ++n) {
        TNODE& joint = model.nodes[static_cast<std::size_t>(n)];
        double x = joint.x, y = joint.y, z = joint.z;
        if (step >= 0 && p < joint.histUX.size() && p < joint.histUY.size() && p < joint.histUZ.size()) {
            x += deformationScale * joint.histUX[p];
            y += deformationScale * joint.histUY[p];
            z += deformationScale * joint.histUZ[p];
        }
        const Point pixel = projectPoint(view, width, height, x, y, z);
        joint.ScreenX = pixel.x;
        joint.ScreenY = pixel.y;
    }
}

void DrawAnimationFrame(Canvas& canvas, ModelStore& model, const ViewState& view, const ColourTable& colours,
                        const ResultDisplay& results, std::int32_t step) {
    DrawBackground(canvas);
    ProjectNodesAtStep(model, view, results.DeformationScale, canvas.width(), canvas.height(), step);
    DrawNodes(canvas, model);
    DrawSupports(canvas, model, colours);
    DrawFrames(canvas, model);
    DrawShells(canvas, model);
}

} // namespace kelvane
