#pragma once

#include "batch/storey_layout.h"

#include <string>

// The peaks of one ensemble run, read from its node recorder files.
namespace kelvane {

struct RunPeaks {
    double roofDisplacement = 0; // the largest |displacement| of the top floor along the record's direction
    double driftRatio = 0;       // the largest |interstorey drift| / storey height, over storeys and steps
    double time = 0;             // the time of the step with that drift
    int storey = 0;              // the storey it was found in, 1 the lowest
};

// The peaks of the time history in `runFolder` (node0.out, node1.out, ... with three translations
// per joint, the time first). The steps of a gravity stage recorded before the time history are
// left out; a file that holds no step of the history, or a line too short, is refused naming it.
RunPeaks readRunPeaks(const StoreyLayout& layout, const std::string& runFolder);

} // namespace kelvane
