#pragma once

#include "model/colour_table.h"
#include "model/model_store.h"
#include "results/animation_state.h"
#include "viewer/canvas.h"
#include "viewer/view_state.h"

#include <cstdint>

// Playback of the loaded displacement history on the drawing surface.
namespace kelvane {

// The highest step a tick shows.
inline constexpr std::int32_t kLastAnimationStep = 99;

// "Run Animation / Stop Animation": sets AnimationStep back to 1 and switches playback on or off;
// returns whether it now runs (the window mirrors this in its timer). Starting without a loaded
// history is refused with a message and leaves playback off.
bool ToggleAnimation(AnimationState& animation);

// One timer tick: advances AnimationStep, wrapping to 1 after the last step the loaded history
// holds (at most 99), sets DeformationScale to AnimationScale and returns the step to draw. With no
// history loaded (for instance after a failed load) it switches playback off and returns 0:
// nothing is drawn.
std::int32_t AnimationTick(AnimationState& animation, ResultDisplay& results);

// Every joint at its coordinates plus deformationScale times its history values of `step`, into
// ScreenX/ScreenY. A joint whose history does not hold the step is placed undisplaced. `ux`, `uy`,
// `uz` are neither read nor changed.
void ProjectNodesAtStep(ModelStore& model, const ViewState& view, double deformationScale, int width,
                        int height, std::int32_t step);

// The reduced picture of one step, whatever the view options: background, the joints projected at
// the step, joints, supports, frames and shells (the slabs move with their joints).
void DrawAnimationFrame(Canvas& canvas, ModelStore& model, const ViewState& view, const ColourTable& colours,
                        const ResultDisplay& results, std::int32_t step);

} // namespace kelvane
