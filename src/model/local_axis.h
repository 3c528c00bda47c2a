#pragma once

// The local 2 axis of a frame element.
namespace kelvane {

struct Axis2 {
    double x = 0, y = 0, z = 0;
};

// The unit vector of the local 2 axis of a frame from joint I to joint J, turned by angleDegrees
// about the frame's axis. With angle 0 it is the upward vertical for every non-vertical frame,
// (1, 0, 0) for a frame going straight up and (-1, 0, 0) for one going straight down. A frame of
// zero length raises "Invalid floating point operation".
Axis2 localAxis2(double xI, double yI, double zI, double xJ, double yJ, double zJ, double angleDegrees);

} // namespace kelvane
