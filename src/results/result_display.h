#pragma once

#include "viewer/view_state.h"

#include <string_view>

namespace kelvane {

// The deformation window's OK: ColourRangeMax, ColourRangeMin and DeformationScale from the three
// box texts, converted and assigned in that order. A text that is not a number raises "'%s' is not
// a valid floating point value"; the values assigned before it stay.
void applyResultDisplay(ResultDisplay& display, std::string_view maxText, std::string_view minText,
                        std::string_view scaleText);

} // namespace kelvane
