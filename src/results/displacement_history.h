#pragma once

#include "model/model_store.h"
#include "results/animation_state.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The displacement history of every joint, read from the node recorder files for the animation.
namespace kelvane {

// Asks the user for the folder of the recorder files; no value when the user cancels.
using FolderChooser = std::function<std::optional<std::string>()>;

// The "LOAD DISP DATA" command. Converts the "Nstep" text (an integer) and the "Scale" text (a
// number, stored as AnimationScale), sizes every joint's histUX/histUY/histUZ to Nstep + 1, then
// asks for the folder and reads lines 1..Nstep of node0.out, node1.out, ... into entries 1..Nstep.
// Returns false when the folder choice was cancelled. `animation.loadedSteps` is 0 from the start
// of a load until the whole history has been read, then Nstep. Failures raise the conversion
// messages led by the box ("Nstep: ..."), the file-open and "List index out of bounds (%d)"
// messages, or refuse a malformed line.
bool LoadDisplacementHistory(ModelStore& store, AnimationState& animation, std::string_view nstepText,
                             std::string_view scaleText, const FolderChooser& chooseFolder);

// The same with the folder already known.
void LoadDisplacementHistory(ModelStore& store, AnimationState& animation, std::string_view nstepText,
                             std::string_view scaleText, const std::string& folder);

} // namespace kelvane
