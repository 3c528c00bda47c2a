#include "results/result_display.h"

#include "common/number_parse.h"

namespace kelvane {

void applyResultDisplay(ResultDisplay& display, std::string_view maxText, std::string_view minText,
                        std::string_view scaleText) {
    display.ColourRangeMax = parseReal(maxText);
    display.ColourRangeMin = parseReal(minText);
    display.DeformationScale = parseReal(scaleText);
}

} // namespace kelvane
