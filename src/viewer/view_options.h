#pragma once

#include "model/model_store.h"
#include "viewer/view_state.h"

#include <array>
#include <string>
#include <vector>

// What the "View Option" and "Show Load" windows show and store.
namespace kelvane {

inline constexpr int kViewOptionCount = 13;
using ViewOptionSwitches = std::array<bool, kViewOptionCount>;

// Check-box captions in window order.
extern const std::array<const char*, kViewOptionCount> kViewOptionCaptions;

// The switches in window order (on show) and back (on "OK").
ViewOptionSwitches viewOptionSwitches(const ViewOptions& options);
ViewOptions viewOptionsFromSwitches(const ViewOptionSwitches& switches);

// The fixed "Load Type" list.
extern const std::array<const char*, 2> kLoadTypeItems;

// The "Load Case" items: loadCaseNames entries 1 .. loadCaseCount.
std::vector<std::string> loadCaseItems(const ModelStore& model);

// "OK" of "Show Load": positions counted from 0 as list widgets give them, -1 for no choice.
// The case becomes position + 1 (0 with an empty list), the type position + 1.
LoadDisplay showLoadChoice(int loadCaseRow, int loadTypeRow);

// "Refresh": hides the loads.
void hideLoads(LoadDisplay& loadDisplay);

} // namespace kelvane
