#include "results/curves.h"

#include "common/checked_math.h"
#include "common/error.h"
#include "common/number_format.h"
#include "common/number_parse.h"
#include "common/text_file.h"
#include "results/recorder_files.h"
#include "results/recorder_series.h"
#include "script/node_dofs.h"

#include <algorithm>
#include <cstddef>
#include <numbers>

namespace kelvane {
namespace {

const char* axisName(int dof) {
    static const char* const names[] = {"", "X", "Y", "Z"};
    return names[dof];
}

void checkTranslation(int dof) {
    if (dof < 1 || dof > 3)
        fail("The recorders keep displacements and reactions along X, Y and Z (degrees of freedom 1 to 3), "
             "not degree of freedom " +
             std::to_string(dof));
}

void checkJoint(const ModelStore& store, int joint) {
    const int count = countOf(store.nodeCount);
    if (joint < 1 || joint > count)
        fail("Joint " + std::to_string(joint) + " is not a joint of the model" +
             (count > 0 ? ", whose joints are numbered 1 to " + std::to_string(count) : ", which has none"));
}

// One series read from one or more files, with what the reading left out.
struct Series {
    std::vector<double> time, value;
    std::vector<std::string> notes;
};

void notePartialLine(const std::string& path, const RecorderColumns& columns, Series& series) {
    if (columns.partialLineLeftOut)
        series.notes.push_back(partialLineNote(path, columns.steps()));
}

Series jointDisplacement(const ModelStore& store, const std::string& folder, int joint, int dof) {
    checkJoint(store, joint);
    checkTranslation(dof);
    const int block = (joint - 1) / kRecorderBlockSize;
    const int field = 1 + 3 * ((joint - 1) % kRecorderBlockSize) + dof - 1;
    const std::string path = recorderPath(folder, "node" + std::to_string(block) + ".out");
    RecorderColumns columns = readRecorderColumns(path, {field});
    Series series;
    notePartialLine(path, columns, series);
    series.time = std::move(columns.time);
    series.value = std::move(columns.values[0]);
    return series;
}

// Minus the sum of the reactions along `dof` of the base joints restrained in it: the load the
// supports carry, with the sign of the load. The files hold every base joint, 100 a file.
Series baseShear(const ModelStore& store, const std::string& folder, int dof) {
    checkTranslation(dof);
    const int dofsPerNode = nodeDofCount(store);
    const std::vector<std::int32_t> recorded = baseJoints(store, dofsPerNode);
    const std::vector<std::int32_t> along = baseJoints(store, dofsPerNode, dof);
    if (along.empty())
        fail("The model has no supports restrained along " + std::string(axisName(dof)) +
             ", so it has no base reactions to sum");
    Series series;
    std::size_t steps = 0;
    std::string shortest;
    for (std::size_t first = 0; first < recorded.size(); first += kRecorderBlockSize) {
        const std::size_t count = std::min<std::size_t>(kRecorderBlockSize, recorded.size() - first);
        std::vector<int> fields;
        for (std::size_t k = 0; k < count; ++k)
            if (std::binary_search(along.begin(), along.end(), recorded[first + k]))
                fields.push_back(1 + 3 * static_cast<int>(k) + dof - 1);
        if (fields.empty())
            continue;
        const std::string path =
            recorderPath(folder, "reaction" + std::to_string(first / kRecorderBlockSize) + ".out");
        const RecorderColumns columns = readRecorderColumns(path, fields);
        notePartialLine(path, columns, series);
        if (shortest.empty()) {
            series.time = columns.time;
            series.value.assign(columns.steps(), 0.0);
            steps = columns.steps();
            shortest = path;
        } else if (columns.steps() != steps) {
            series.notes.push_back("\"" + path + "\" holds " + std::to_string(columns.steps()) +
                                   " steps and \"" + shortest + "\" " + std::to_string(steps) +
                                   "; the curve takes the steps both hold");
            if (columns.steps() < steps) {
                steps = columns.steps();
                shortest = path;
            }
        }
        for (std::size_t s = 0; s < steps; ++s)
            for (const auto& column : columns.values)
                series.value[s] -= column[s];
    }
    series.time.resize(steps);
    series.value.resize(steps);
    return series;
}

void setAbscissa(Curve& curve, const std::vector<double>& time, Abscissa against) {
    switch (against) {
    case Abscissa::Step:
        curve.xTitle = "Step";
        curve.xColumn = "step";
        for (std::size_t s = 0; s < time.size(); ++s)
            curve.x.push_back(static_cast<double>(s + 1));
        return;
    case Abscissa::Time:
        curve.xTitle = "Time (s)";
        curve.xColumn = "time";
        break;
    case Abscissa::LoadFactor:
        curve.xTitle = "Load factor";
        curve.xColumn = "load factor";
        break;
    }
    curve.x = time;
    for (std::size_t s = 1; s < time.size(); ++s)
        if (time[s] < time[s - 1])
            curve.stageStarts.push_back(s);
}

std::string displacementName(int joint, int dof) {
    return "Displacement U" + std::string(axisName(dof)) + " of joint " + std::to_string(joint);
}

} // namespace

Curve jointHistoryCurve(const ModelStore& store, const std::string& folder, int joint, int dof,
                        Abscissa against) {
    Series series = jointDisplacement(store, folder, joint, dof);
    Curve curve;
    curve.title = displacementName(joint, dof);
    curve.yTitle = curve.title + " (mm)";
    curve.yColumn = "displacement";
    setAbscissa(curve, series.time, against);
    curve.y = std::move(series.value);
    curve.notes = std::move(series.notes);
    return curve;
}

Curve baseShearHistory(const ModelStore& store, const std::string& folder, int dof, Abscissa against) {
    Series series = baseShear(store, folder, dof);
    Curve curve;
    curve.title = "Base shear along " + std::string(axisName(dof));
    curve.yTitle = curve.title + " (N)";
    curve.yColumn = "base shear";
    setAbscissa(curve, series.time, against);
    curve.y = std::move(series.value);
    curve.notes = std::move(series.notes);
    return curve;
}

Curve pushoverCurve(const ModelStore& store, const AnalysisSettings& analysis, const std::string& folder,
                    int joint, int dof) {
    Series displacement = jointDisplacement(store, folder, joint, dof);
    Series shear = baseShear(store, folder, dof);
    Curve curve;
    curve.title = "Pushover curve";
    curve.xTitle = displacementName(joint, dof) + " (mm)";
    curve.yTitle = "Base shear along " + std::string(axisName(dof)) + " (N)";
    curve.xColumn = "control displacement";
    curve.yColumn = "base shear";
    curve.notes = displacement.notes;
    curve.notes.insert(curve.notes.end(), shear.notes.begin(), shear.notes.end());
    const std::size_t steps = std::min(displacement.value.size(), shear.value.size());
    if (displacement.value.size() != shear.value.size())
        curve.notes.push_back("The node file holds " + std::to_string(displacement.value.size()) +
                              " steps and the reaction files " + std::to_string(shear.value.size()) +
                              "; the curve takes the steps both hold");

    const std::size_t gravitySteps = analysis.analysisType == GravityPushOver
                                         ? static_cast<std::size_t>(std::max(0, analysis.loadSteps))
                                         : 0;
    if (gravitySteps > 0 && steps <= gravitySteps)
        fail("The recorder files hold " + std::to_string(steps) + " steps, no more than the " +
             std::to_string(gravitySteps) + " of the gravity stage: the pushover stage has recorded none");
    curve.x.push_back(gravitySteps > 0 ? displacement.value[gravitySteps - 1] : 0.0);
    curve.y.push_back(gravitySteps > 0 ? shear.value[gravitySteps - 1] : 0.0);
    for (std::size_t s = gravitySteps; s < steps; ++s) {
        curve.x.push_back(displacement.value[s]);
        curve.y.push_back(shear.value[s]);
    }
    return curve;
}

std::vector<ModalPeriod> readModalPeriods(const std::string& folder) {
    const std::string path = recorderPath(folder, "Periods.txt");
    const std::string text = loadText(path);
    std::vector<ModalPeriod> periods;
    std::size_t at = 0;
    while ((at = text.find_first_not_of(" \t\r\n", at)) != std::string::npos) {
        const std::size_t end = std::min(text.find_first_of(" \t\r\n", at), text.size());
        const std::string word = text.substr(at, end - at);
        at = end;
        ModalPeriod mode;
        mode.mode = static_cast<int>(periods.size()) + 1;
        try {
            mode.eigenvalue = parseReal(word);
        } catch (const KelvaneError& error) {
            fail(std::string(error.what()) + " (eigenvalue " + std::to_string(mode.mode) + " of file \"" +
                 path + "\")");
        }
        if (!(mode.eigenvalue > 0))
            fail("The eigenvalue of mode " + std::to_string(mode.mode) + " in \"" + path + "\" is " + word +
                 ": a mode without stiffness has no period");
        const double omega = checkedSqrt(mode.eigenvalue);
        mode.period = 2 * std::numbers::pi / omega;
        mode.frequency = omega / (2 * std::numbers::pi);
        periods.push_back(mode);
    }
    if (periods.empty())
        fail("\"" + path + "\" holds no eigenvalue");
    return periods;
}

Curve periodCurve(const std::vector<ModalPeriod>& periods) {
    Curve curve;
    curve.title = "Periods of the modes";
    curve.xTitle = "Mode";
    curve.yTitle = "Period (s)";
    curve.xColumn = "mode";
    curve.yColumn = "period";
    for (const ModalPeriod& mode : periods) {
        curve.x.push_back(mode.mode);
        curve.y.push_back(mode.period);
    }
    return curve;
}

std::vector<std::string> curveCsvLines(const Curve& curve) {
    std::vector<std::string> lines;
    lines.reserve(curve.x.size() + 1);
    lines.push_back(curve.xColumn + "," + curve.yColumn);
    for (std::size_t i = 0; i < curve.x.size(); ++i)
        lines.push_back(formatGeneral(curve.x[i]) + "," + formatGeneral(curve.y[i]));
    return lines;
}

std::vector<std::string> periodCsvLines(const std::vector<ModalPeriod>& periods) {
    std::vector<std::string> lines{"mode,eigenvalue,period,frequency"};
    for (const ModalPeriod& mode : periods)
        lines.push_back(formatInt(mode.mode) + "," + formatGeneral(mode.eigenvalue) + "," +
                        formatGeneral(mode.period) + "," + formatGeneral(mode.frequency));
    return lines;
}

} // namespace kelvane
