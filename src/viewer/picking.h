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

// The "Frame Properties" grid: seven (caption, value) rows for the frame numbered by the text of
// the "Frame Label" box. A text that is not an integer raises the conversion message; a number
// outside the frame table raises a message naming it.
using FramePropertyRows = std::array<std::pair<std::string, std::string>, 7>;
FramePropertyRows framePropertyRows(const ModelStore& model, const std::string& frameLabelText);

} // namespace kelvane
