#pragma once

#include "model/model_store.h"
#include "script/analysis_settings.h"

#include <string>
#include <vector>

// The curves an engineer reads first from an analysis, computed from the recorder files of a run:
// a joint's displacement history, the pushover (capacity) curve, the base-shear history and the
// periods of the modal procedure.
namespace kelvane {

// What a history is drawn against: the recorded step (the line of the files, from 1), or the time
// column, which a static procedure advances by the load factor.
enum class Abscissa { Step, Time, LoadFactor };

struct Curve {
    std::string title;
    std::string xTitle, yTitle;   // the axes of the chart
    std::string xColumn, yColumn; // the header of the numbers' CSV file
    std::vector<double> x, y;
    // Points from which a new stage of the analysis goes on with its time started afresh
    // ("loadConst -time 0.0" after gravity): a chart against time does not join them to the point before.
    std::vector<std::size_t> stageStarts;
    std::vector<std::string> notes; // what the reading left out, for the user
};

// Displacement `dof` (1 UX, 2 UY, 3 UZ: the node recorders keep translations) of `joint` at every
// recorded step of the node file of the joint's block of 100.
Curve jointHistoryCurve(const ModelStore& store, const std::string& folder, int joint, int dof,
                        Abscissa against);

// Base shear along `dof` (1 X, 2 Y, 3 Z) against the displacement of `joint` along the same degree of
// freedom. The base shear is the applied load the supports carry: minus the sum of the reactions of
// the base-reaction files (the supports' and those of the joints rigid links tie to them). The curve starts
// from rest (0, 0); after the gravity stage of Gravity+PushOver, whose `loadSteps` steps the files hold
// first, it starts from where gravity left the frame and follows the pushover steps only.
Curve pushoverCurve(const ModelStore& store, const AnalysisSettings& analysis, const std::string& folder,
                    int joint, int dof);

// The base shear along `dof` at every recorded step.
Curve baseShearHistory(const ModelStore& store, const std::string& folder, int dof, Abscissa against);

struct ModalPeriod {
    int mode = 0;
    double eigenvalue = 0; // omega squared
    double period = 0;     // 2 pi / omega
    double frequency = 0;  // omega / 2 pi
};

// The eigenvalues the modal procedure writes to Periods.txt in `folder`, with their periods and
// frequencies. An eigenvalue that is not positive has no period and is refused, naming its mode.
std::vector<ModalPeriod> readModalPeriods(const std::string& folder);

// The periods as a curve of period against mode, for the bar chart.
Curve periodCurve(const std::vector<ModalPeriod>& periods);

// The numbers as CSV lines: the header line, then one line per point.
std::vector<std::string> curveCsvLines(const Curve& curve);
std::vector<std::string> periodCsvLines(const std::vector<ModalPeriod>& periods);

} // namespace kelvane
