#pragma once

#include <array>

// The exact fixed-end solution of a prismatic frame under a load on part of its span, for loads
// the solver's elements do not take themselves: the script hands the frame's joints the loads the
// held frame would put on them.
namespace kelvane {

// A load on a frame along (or, for a moment, about) one of its local axes.
struct SpanLoad {
    int direction = 1;     // local axis 1, 2 or 3
    bool moment = false;   // a moment about the axis, else a force along it
    bool point = false;    // concentrated at a (value wa), else distributed from a to b
    double a = 0, b = 0;   // positions along the frame, 0 .. length
    double wa = 0, wb = 0; // intensity at a and at b, varying linearly between them
};

// The frame's length, its bending stiffnesses E I about local axes 2 and 3 and its shear
// stiffnesses G As along 2 and 3; a shear stiffness of 0 is rigid in shear.
struct SpanStiffness {
    double length = 0;
    double ei2 = 1, ei3 = 1;
    double gas2 = 0, gas3 = 0;
};

// In the frame's local axes: the forces along 1, 2, 3 and the moments about them at end I
// (entries 0 to 5), then at end J (6 to 11).
using EndLoads = std::array<double, 12>;

// The loads on the joints of a frame whose ends are held fixed: the fixed-end reactions with
// their signs turned. Bending follows from the flexibility of the frame held at I alone, with the
// shear deflection where the shear stiffness is given; axial forces and torques are shared by the
// lever rule.
EndLoads fixedEndLoads(const SpanLoad& load, const SpanStiffness& stiffness);

// The same for a frame pinned at both ends (a truss, a rigid link), from statics alone.
EndLoads pinnedEndLoads(const SpanLoad& load, double length);

} // namespace kelvane
