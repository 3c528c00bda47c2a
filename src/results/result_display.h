#pragma once

#include "model/model_store.h"
#include "viewer/view_state.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvane {

// The deformation window's OK: ColourRangeMax, ColourRangeMin and DeformationScale from the three
// box texts, converted and assigned in that order. A text that is not a number raises "'%s' is not
// a valid floating point value" led by its box ("Max Value: ..."); the values assigned before it
// stay.
void applyResultDisplay(ResultDisplay& display, std::string_view maxText, std::string_view minText,
                        std::string_view scaleText);

// The readers as the result windows and the command line run them: each first notes in `display`
// what the joints or frames are about to hold, for the captions of the picture, then reads.
void readStepDisplacements(ModelStore& store, ResultDisplay& display, const std::string& folder,
                           std::int32_t step);
// The mode shape, then its period and frequency from Periods.txt when the folder holds one (both
// 0 when it does not); true when the period is known.
bool readModeShape(ModelStore& store, ResultDisplay& display, const std::string& folder, std::int32_t mode);
void readFrameForces(ModelStore& store, ResultDisplay& display, const std::string& folder, std::int32_t step);

// The force window's OK: the component (0 for none, 1..6 P .. M3), the units (ForceUnits) and the
// "Diagram Size" text, the share of the model's size the largest value spans. A size that is not a
// number above 0 raises its message, led by "Diagram Size: ", and changes nothing.
void applyForceDiagram(ForceDiagram& diagram, std::int32_t component, std::int32_t units,
                       std::string_view fractionText);

// ClearResults: the joints' displacements and the frames' end values and forces back to 0, and
// nothing left to caption or to draw as a diagram.
void clearResults(ModelStore& store, ResultDisplay& display);

} // namespace kelvane
