#pragma once

#include <string>
#include <string_view>
#include <vector>

// The intensities of an ensemble: the scales each record is run at.
namespace kelvane {

// "0.5,1,1.5" (a list) or "0.2:2:0.2" (FROM:TO:STEP, TO included when the steps reach it). Every
// scale must be greater than 0 and appear once; each is kept as its shortest text of up to 15
// digits reads back, so 0.2 + 2 x 0.2 is 0.6. Anything else is refused with a message naming it.
std::vector<double> parseScales(std::string_view text);

// A scale as manifests, folders and summaries write it: "0.5", "1", "1.25".
std::string scaleText(double scale);

} // namespace kelvane
