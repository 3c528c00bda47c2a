#pragma once

#include "viewer/damage_display.h"

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

// The member force component a diagram shows, numbered as the force window lists them.
enum ForceComponent : std::int32_t {
    ForceNone = 0,
    ForceN = 1,
    ForceV2 = 2,
    ForceV3 = 3,
    ForceT = 4,
    ForceM2 = 5,
    ForceM3 = 6,
};

// Units the force values are written in: the model's own (N and N*mm in the default units) or
// kN and kN*m (forces / 1000, moments / 1e6).
enum ForceUnits : std::int32_t { UnitsNewtonMillimetre = 1, UnitsKilonewtonMetre = 2 };

// The member force diagram: which component, of which step, how large and in which units.
struct ForceDiagram {
    std::int32_t component = ForceNone; // ForceNone draws no diagram
    std::int32_t step = 0;              // the step the frames' end forces were read for
    double fraction = 0.1;              // the largest value spans this share of the model's size
    std::int32_t units = UnitsNewtonMillimetre;
};

// How loaded results are shown: joints are drawn at their coordinates plus DeformationScale times
// their displacement; hinge values are coloured within [ColourRangeMin, ColourRangeMax]. The rest
// says what was read, for the captions of the picture: the step of the displacements or the mode
// shape (with its period and frequency, 0 when unknown), the step and component of the hinge
// values (0 when none were read), and the force diagram.
struct ResultDisplay {
    double DeformationScale = 0;
    double ColourRangeMin = -1.0e-4;
    double ColourRangeMax = 1.0e-4;
    std::int32_t displacementStep = 0;
    std::int32_t mode = 0;
    double modePeriod = 0;
    double modeFrequency = 0;
    std::int32_t sectionStep = 0;
    std::int32_t sectionComponent = 0;
    ForceDiagram forces;
    DamageDisplay damage; // the damaged sections of the last damage read
};

} // namespace kelvane
