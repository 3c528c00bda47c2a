#pragma once

#include "model/model_store.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>

namespace kelvane {

// The last frame whose midpoint box (ScreenX - 5 .. ScreenX + 4, likewise in y) holds (x, y);
// 0 when none does.
std::int32_t PickFrame(const ModelStore& model, int x, int y);

// The "Frame Properties" grid: seven (caption, value) rows for the frame named by the text of
// the "Frame Label" box: the frame whose file label it is (table format), else the frame of that
// number. An empty text (no frame picked) gives the captions with empty values. A text that is
// neither raises the conversion message; a number outside the frame table raises a message naming
// it. Joints show by their labels where the file gave them.
using FramePropertyRows = std::array<std::pair<std::string, std::string>, 7>;
FramePropertyRows framePropertyRows(const ModelStore& model, const std::string& frameLabelText);

// The rows of the frame's end forces below them: "N i [kN]", "V2 i [kN]", ... "M3 j [kN\xB7m]" in
// the chosen units (ForceUnits), values in shortest general form; the values are empty while the
// frame has no end forces (none read yet, or a frame without force output). The frame is checked
// as framePropertyRows checks it.
using FrameForceRows = std::array<std::pair<std::string, std::string>, 12>;
FrameForceRows frameForceRows(const ModelStore& model, const std::string& frameLabelText, std::int32_t units);
// The text of the "Frame Label" box for frame k: its label, else its number; empty for 0 (none).
std::string frameLabelText(const ModelStore& model, std::int32_t k);

} // namespace kelvane
