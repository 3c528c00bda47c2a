#pragma once

#include <cstdint>

namespace kelvane {

// Playback of a loaded displacement history. `running` mirrors the main window's timer.
struct AnimationState {
    double AnimationScale = 0;
    std::int32_t AnimationStep = 0;
    std::int32_t loadedSteps = 0; // steps held by the joints' histories (0: nothing loaded)
    bool running = false;
};

} // namespace kelvane
