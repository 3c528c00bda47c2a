#pragma once

#include <cstdint>

namespace kelvane {

// The camera: a parallel projection set by two angles, a scale and a pan offset.
struct ViewState {
    double PlanAngle = 0;  // degrees, rotation about the vertical Z axis
    double TiltAngle = 0;  // degrees, 0 looks down the Z axis, -90 looks horizontally
    double Scale = 5.0;    // model length units per pixel
    double OffsetX = 0;    // model units
    double OffsetY = 0;
};

enum InteractionMode : std::int32_t {
    ModeNone = 0,
    ModePanWaiting = 1,
    ModePanDragging = 2,
    ModeRotateWaiting = 3,
    ModeRotateDragging = 4,
    ModeSelectElement = 101,
    ModeIdle = 102,
};

struct Interaction {
    std::int32_t mode = ModeNone;
    std::int32_t dragAnchorX = 0;
    std::int32_t dragAnchorY = 0;
};

// The thirteen drawing switches, in the order of the "View Option" window.
struct ViewOptions {
    bool node = true;
    bool nodeLabels = false;
    bool frame = true;
    bool frameLabels = false;
    bool frameAxis = false;
    bool nodeSupport = true;
    bool diaphragms = false;
    bool hingeCircle = false;
    bool shellElement = true;
    bool shellLabels = false;
    bool momentRelease = true;
    bool solidElement = true;
    bool solidLabel = false;
};

// Which loads are written on the picture: case 0 draws none; type 1 point forces, 2 element loads.
struct LoadDisplay {
    std::int32_t loadCase = 0;
    std::int32_t loadType = 0;
};

// How loaded results are shown: joints are drawn at their coordinates plus DeformationScale times
// their displacement; hinge values are coloured within [ColourRangeMin, ColourRangeMax].
struct ResultDisplay {
    double DeformationScale = 0;
    double ColourRangeMin = -1.0e-4;
    double ColourRangeMax = 1.0e-4;
};

} // namespace kelvane
