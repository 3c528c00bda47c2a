#pragma once

#include "model/model_store.h"

#include <string_view>
#include <vector>

namespace kelvane {

// Stores `text` into the named editable field of a frame section, converted as the frame section
// window converts it: the four counts as integers, bar areas, cover and hinge lengths as decimal
// numbers (with the runtime's conversion messages). The list fields take the 1-based item number:
// `elementType` 1..6, `sectionKind` 1..2, `geomTransf` 1..3; `colour` is an RGB value, decimal or
// "#RRGGBB". Fields: elementType, sectionKind, divideFX, divideFY, barNumNX, barNumNY, topBar,
// bottomBar, cover, hingeLengthI, hingeLengthJ, colour, geomTransf. Anything else is refused.
// A changed bar count, row area or cover of a section whose bars come from the model file puts the
// older description (the counts and row areas) in place of the file's.
void setSectionField(TSECTION& section, std::string_view field, std::string_view text);

// The names setSectionField takes, in the order above.
std::vector<std::string_view> sectionFieldNames();

} // namespace kelvane
