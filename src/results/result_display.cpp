#include "results/result_display.h"

#include "common/box_value.h"
#include "common/error.h"
#include "results/frame_forces.h"
#include "results/mode_periods.h"
#include "results/node_results.h"

#include <cmath>

namespace kelvane {

void applyResultDisplay(ResultDisplay& display, std::string_view maxText, std::string_view minText,
                        std::string_view scaleText) {
    display.ColourRangeMax = boxReal("Max Value", maxText);
    display.ColourRangeMin = boxReal("Min Value", minText);
    display.DeformationScale = boxReal("Scaling Factor", scaleText);
}

void readStepDisplacements(ModelStore& store, ResultDisplay& display, const std::string& folder,
                           std::int32_t step) {
    display.displacementStep = step;
    display.mode = 0;
    display.modePeriod = display.modeFrequency = 0;
    loadNodeDeformation(store, folder, step);
}

bool readModeShape(ModelStore& store, ResultDisplay& display, const std::string& folder, std::int32_t mode) {
    display.displacementStep = 0;
    display.mode = mode;
    display.modePeriod = display.modeFrequency = 0;
    loadModeShape(store, folder, mode);
    const auto eigenvalues = readEigenvalues(folder);
    if (!eigenvalues)
        return false;
    const ModePeriod period = modePeriod(*eigenvalues, mode, folder);
    display.modePeriod = period.period;
    display.modeFrequency = period.frequency;
    return true;
}

void readFrameForces(ModelStore& store, ResultDisplay& display, const std::string& folder,
                     std::int32_t step) {
    display.forces.step = step;
    loadFrameForces(store, folder, step);
}

void applyForceDiagram(ForceDiagram& diagram, std::int32_t component, std::int32_t units,
                       std::string_view fractionText) {
    if (component < ForceNone || component > ForceM3)
        fail("Force component " + std::to_string(component) + " is not 0 to 6");
    if (units != UnitsNewtonMillimetre && units != UnitsKilonewtonMetre)
        fail("Force units " + std::to_string(units) + " are not 1 or 2");
    const double fraction = boxReal("Diagram Size", fractionText);
    if (!(fraction > 0))
        fail(boxMessage("Diagram Size",
                        "the size must be a number above 0, not '" + std::string(fractionText) + "'"));
    diagram.component = component;
    diagram.units = units;
    diagram.fraction = fraction;
}

void clearResults(ModelStore& store, ResultDisplay& display) {
    clearResults(store);
    display.displacementStep = display.mode = 0;
    display.modePeriod = display.modeFrequency = 0;
    display.sectionStep = display.sectionComponent = 0;
    display.forces.component = ForceNone;
    display.forces.step = 0;
    display.damage = DamageDisplay{};
}

} // namespace kelvane
