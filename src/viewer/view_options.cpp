#include "viewer/view_options.h"

namespace kelvane {

const std::array<const char*, kViewOptionCount> kViewOptionCaptions = {
    "Node",          "Node Labels",  "Frame",          "Frame Labels",  "Frame Axis",
    "Node Support",  "Diaphragms",   "Hinge Circle",   "Shell Element", "Shell Labels",
    "Moment Release", "Solid Element", "Solid Label"};

const std::array<const char*, 2> kLoadTypeItems = {"Point Force", "Element Load"};

namespace {

// The switches of ViewOptions in window order; one table serves both directions.
constexpr std::array<bool ViewOptions::*, kViewOptionCount> kSwitchFields = {
    &ViewOptions::node,         &ViewOptions::nodeLabels,    &ViewOptions::frame,
    &ViewOptions::frameLabels,  &ViewOptions::frameAxis,     &ViewOptions::nodeSupport,
    &ViewOptions::diaphragms,   &ViewOptions::hingeCircle,   &ViewOptions::shellElement,
    &ViewOptions::shellLabels,  &ViewOptions::momentRelease, &ViewOptions::solidElement,
    &ViewOptions::solidLabel};

} // namespace

ViewOptionSwitches viewOptionSwitches(const ViewOptions& options) {
    ViewOptionSwitches switches{};
    for (std::size_t s = 0; s < kSwitchFields.size(); ++s)
        switches[s] = options.*kSwitchFields[s];
    return switches;
}

ViewOptions viewOptionsFromSwitches(const ViewOptionSwitches& switches) {
    ViewOptions options;
    for (std::size_t s = 0; s < kSwitchFields.size(); ++s)
        options.*kSwitchFields[s] = switches[s];
    return options;
}

std::vector<std::string> loadCaseItems(const ModelStore& model) {
    const int count = loadCaseNameCount(model);
    if (count == 0)
        return {};
    return {model.loadCaseNames.begin() + 1, model.loadCaseNames.begin() + 1 + count};
}

LoadDisplay showLoadChoice(int loadCaseRow, int loadTypeRow) {
    LoadDisplay display;
    display.loadCase = loadCaseRow >= 0 ? loadCaseRow + 1 : 0;
    display.loadType = loadTypeRow >= 0 ? loadTypeRow + 1 : 0;
    return display;
}

void hideLoads(LoadDisplay& loadDisplay) { loadDisplay.loadCase = 0; }

} // namespace kelvane
