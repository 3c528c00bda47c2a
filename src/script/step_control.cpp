#include "script/step_control.h"

#include "batch/storey_layout.h"
#include "common/checked_math.h"
#include "common/error.h"
#include "common/number_format.h"
#include "script/ground_motion_file.h"
#include "solver/solver_run.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace kelvane {

// Both builds take these forms; BFGS after the Newton variants, since it keeps its own secant
// updates and recovers steps they lose.
const StepAlgorithm kStepAlgorithms[6] = {
    {"Newton", "'Newton'"},
    {"Newton -initial", "'Newton', '-initial'"},
    {"ModifiedNewton -initial", "'ModifiedNewton', '-initial'"},
    {"KrylovNewton", "'KrylovNewton'"},
    {"NewtonLineSearch 0.8", "'NewtonLineSearch', 0.8"},
    {"BFGS", "'BFGS'"},
};

namespace {

using Words = std::vector<std::pair<std::string_view, std::string>>;

// The lines of one language with "@NAME" replaced by the words' values (the longest names first, so
// that "@N" does not eat "@NODE").
class Filled {
  public:
    explicit Filled(Words words) : words_(std::move(words)) {
        std::sort(words_.begin(), words_.end(),
                  [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    }
    std::vector<std::string> operator()(std::initializer_list<std::string_view> lines) const {
        std::vector<std::string> filled;
        for (std::string_view line : lines)
            filled.push_back(fill(line));
        return filled;
    }

  private:
    std::string fill(std::string_view line) const {
        std::string text;
        for (std::size_t i = 0; i < line.size();) {
            bool replaced = false;
            if (line[i] == '@')
                for (const auto& [name, value] : words_)
                    if (line.substr(i + 1, name.size()) == name) {
                        text += value;
                        i += name.size() + 1;
                        replaced = true;
                        break;
                    }
            if (!replaced)
                text += line[i++];
        }
        return text;
    }
    Words words_;
};

void print(ScriptWriter& out, const std::vector<std::string>& tcl, const std::vector<std::string>& python) {
    std::vector<std::string_view> t(tcl.begin(), tcl.end()), p(python.begin(), python.end());
    out.script(t.data(), t.size(), p.data(), p.size());
}

std::string number(double value) {
    return formatRoundTrip(value);
}

std::string tclAlgorithms() {
    std::string list;
    for (const StepAlgorithm& algorithm : kStepAlgorithms)
        list += (list.empty() ? "{" : " {") + std::string(algorithm.tcl) + "}";
    return list;
}

std::string pythonAlgorithms() {
    std::string list;
    for (const StepAlgorithm& algorithm : kStepAlgorithms)
        list += (list.empty() ? "[" : ", [") + std::string(algorithm.python) + "]";
    return list;
}

// How far the stage got, in its own measure, for the line that reports a stop.
struct Measure {
    std::string label, tcl, python;
};
Measure measureOf(const StepStage& stage, const std::string& node, const std::string& dof) {
    switch (stage.kind) {
    case StepKind::LoadControl:
        return {"load factor", "[getTime]", "ops.getTime()"};
    case StepKind::DisplacementControl:
        return {"control displacement", "[nodeDisp " + node + " " + dof + "]",
                "ops.nodeDisp(" + node + ", " + dof + ")"};
    case StepKind::Transient:
        break;
    }
    return {"time", "[getTime]", "ops.getTime()"};
}

double smallestFraction(const ScriptInput& in) {
    const double fraction = in.analysis.minStepFraction;
    if (!(fraction > 0 && fraction <= 1))
        fail("minStepFraction must lie in (0, 1]: it is " + formatGeneral(fraction));
    return fraction;
}

void writeStepHeader(const ScriptInput& in, ScriptWriter& out, const Filled& f) {
    if (in.analysis.stepIterations < 1)
        fail("stepIterations must be at least 1: it is " + std::to_string(in.analysis.stepIterations));
    print(out,
          f({"test NormDispAndUnbalance @TOL @FORCETOL @ITER 0", "set kvFraction 1.0", "set kvStreak 0",
             "set kvSplit 0", "set kvSplitAt -1", "set kvSmallest 1.0", "set kvPeak 0.0", "set kvEnd \"\"",
             "set ok 0", "set step 0.0", "while {$ok == 0 && $step < @N} {",
             "    set kvSize [expr {min($kvFraction, @N - $step)}]"}),
          f({"ops.test('NormDispAndUnbalance', @TOL, @FORCETOL, @ITER, 0)", "kvAlgorithms = [@PYALGORITHMS]",
             "kvFraction = 1.0", "kvStreak = 0", "kvSplit = 0", "kvSplitAt = -1", "kvSmallest = 1.0",
             "kvPeak = 0.0", "kvEnd = ''", "ok = 0", "step = 0.0",
             "while ok == 0 and step < @N:", "    kvSize = min(kvFraction, @N - step)"}));
}

// Tries the algorithms in turn on one step; a step none converges is halved (counted once for
// each step asked for), down to the smallest fraction.
void writeStepTries(ScriptWriter& out, const Filled& f) {
    print(
        out,
        f({"    set ok -1", "    foreach kvAlgorithm {@TCLALGORITHMS} {", "        algorithm {*}$kvAlgorithm",
           "        set ok [@ANALYZE]", "        if {$ok == 0 || $ok == -2} {break}", "    }",
           "    algorithm Newton", "    if {$ok != 0} {",
           "        if {int($step) != $kvSplitAt} {incr kvSplit; set kvSplitAt [expr {int($step)}]}",
           "        if {$kvFraction / 2.0 < @MIN} {break}",
           "        set kvFraction [expr {$kvFraction / 2.0}]",
           "        set kvSmallest [expr {min($kvSmallest, $kvFraction)}]", "        set kvStreak 0",
           "        set ok 0", "        continue", "    }", "    set step [expr {$step + $kvSize}]",
           "    incr kvStreak",
           "    if {$kvFraction < 1.0 && $kvStreak >= 2} {set kvFraction [expr {$kvFraction * 2.0}]; set "
           "kvStreak 0}"}),
        f({"    ok = -1",
           "    for kvAlgorithm in kvAlgorithms:",
           "        ops.algorithm(*kvAlgorithm)",
           "        ok = @PYANALYZE",
           "        if ok == 0 or ok == -2:",
           "            break",
           "    ops.algorithm('Newton')",
           "    if ok != 0:",
           "        if int(step) != kvSplitAt:",
           "            kvSplit += 1",
           "            kvSplitAt = int(step)",
           "        if kvFraction / 2.0 < @MIN:",
           "            break",
           "        kvFraction = kvFraction / 2.0",
           "        kvSmallest = min(kvSmallest, kvFraction)",
           "        kvStreak = 0",
           "        ok = 0",
           "        continue",
           "    step = step + kvSize",
           "    kvStreak += 1",
           "    if kvFraction < 1.0 and kvStreak >= 2:",
           "        kvFraction = kvFraction * 2.0",
           "        kvStreak = 0"}));
}

// A pushover's base shear is its load factor times the pattern: it ends when that has fallen
// below the set fraction of its peak.
void writeCapacityCheck(ScriptWriter& out, const Filled& f) {
    print(
        out,
        f({"    set kvForce [expr {abs([getTime])}]", "    if {$kvForce > $kvPeak} {set kvPeak $kvForce}",
           "    if {$kvForce < @DROP * $kvPeak} {",
           "        set kvEnd [format \"Analysis ended: capacity reached, base shear at %.1f %% of its peak "
           "at control displacement %.6g@DRIFTTEXT, step %.6g of @N\" [expr {100.0 * $kvForce / $kvPeak}] "
           "[nodeDisp @NODE @DOF]@TCLDRIFT $step]",
           "        break", "    }"}),
        f({"    kvForce = abs(ops.getTime())", "    if kvForce > kvPeak:", "        kvPeak = kvForce",
           "    if kvForce < @DROP * kvPeak:",
           "        kvEnd = 'Analysis ended: capacity reached, base shear at %.1f %% of its peak at control "
           "displacement %.6g@DRIFTTEXT, step %.6g of @N' % (100.0 * kvForce / kvPeak, ops.nodeDisp(@NODE, "
           "@DOF)@PYDRIFT, step)",
           "        break"}));
}

// A time history ends when the drift ratio of a storey reaches the set limit.
void writeCollapseCheck(ScriptWriter& out, const Filled& f) {
    print(
        out,
        f({"    set kvDrift 0.0", "    set kvStorey 0", "    set kvIndex 0",
           "    foreach {kvBelow kvAbove kvHeight} {@STOREYS} {", "        incr kvIndex",
           "        set kvRatio [expr {abs([nodeDisp $kvAbove @SHAKEN] - [nodeDisp $kvBelow @SHAKEN]) / "
           "$kvHeight}]",
           "        if {$kvRatio > $kvDrift} {set kvDrift $kvRatio; set kvStorey $kvIndex}", "    }",
           "    if {$kvDrift >= @COLLAPSE} {",
           "        set kvEnd [format \"Analysis ended: collapse, storey drift ratio %.4g in storey %d at "
           "time "
           "%.6g s (step %.6g of @N)\" $kvDrift $kvStorey [getTime] $step]",
           "        break", "    }"}),
        f({"    kvDrift, kvStorey = max((abs(ops.nodeDisp(above, @SHAKEN) - ops.nodeDisp(below, @SHAKEN)) / "
           "height, index + 1) for index, (below, above, height) in enumerate([@PYSTOREYS]))",
           "    if kvDrift >= @COLLAPSE:",
           "        kvEnd = 'Analysis ended: collapse, storey drift ratio %.4g in storey %d at time %.6g s "
           "(step "
           "%.6g of @N)' % (kvDrift, kvStorey, ops.getTime(), step)",
           "        break"}));
}

void writeStepFooter(ScriptWriter& out, const Filled& f) {
    print(
        out,
        f({"}",
           "puts [format \"Step control: @STAGE took %.6g steps, %d subdivided, smallest step 1/%d\" $step "
           "$kvSplit [expr {int(round(1.0 / $kvSmallest))}]]",
           "if {$ok != 0} {error [format \"@STAGE stopped: step %d of @N did not converge at 1/%d of a step; "
           "@LABEL %.6g of %.6g (%.1f %%); the recorder files hold the last converged step\" [expr "
           "{int($step) "
           "+ 1}] [expr {int(round(1.0 / $kvFraction))}] @TCLMEASURE @TARGET [expr {100.0 * $step / @N}]]}"}),
        f({"print('Step control: @STAGE took %.6g steps, %d subdivided, smallest step 1/%d' % (step, "
           "kvSplit, "
           "round(1.0 / kvSmallest)))",
           "if ok != 0:",
           "    raise RuntimeError('@STAGE stopped: step %d of @N did not converge at 1/%d of a step; @LABEL "
           "%.6g of %.6g (%.1f %%); the recorder files hold the last converged step' % (int(step) + 1, "
           "round(1.0 / kvFraction), @PYMEASURE, @TARGET, 100.0 * step / @N))"}));
}

std::string storeyList(const StepStage& stage, bool python) {
    std::string list;
    for (const WatchedStorey& storey : stage.storeys) {
        const std::string below = std::to_string(storey.below), above = std::to_string(storey.above);
        if (python)
            list += (list.empty() ? "(" : ", (") + below + ", " + above + ", " + number(storey.height) + ")";
        else
            list += (list.empty() ? "" : " ") + below + " " + above + " " + number(storey.height);
    }
    return list;
}

double extentOf(const ModelStore& store) {
    double extent = 0;
    for (std::size_t axis = 0; axis < 3; ++axis) {
        double low = 0, high = 0;
        for (int n = 1; n <= countOf(store.nodeCount); ++n) {
            const TNODE& node = store.nodes[static_cast<std::size_t>(n)];
            const double value = axis == 0 ? node.x : axis == 1 ? node.y : node.z;
            low = n == 1 ? value : std::min(low, value);
            high = n == 1 ? value : std::max(high, value);
        }
        extent = std::max(extent, high - low);
    }
    return extent;
}

// The control joint's height above the lowest joint of the model; 0 when the push is vertical.
double controlHeight(const ModelStore& store, std::int32_t node, std::int32_t dof) {
    if (node < 1 || node > countOf(store.nodeCount) || dof < 1 || dof > 2)
        return 0;
    double base = store.nodes[1].z;
    for (int n = 1; n <= countOf(store.nodeCount); ++n)
        base = std::min(base, store.nodes[static_cast<std::size_t>(n)].z);
    return store.nodes[static_cast<std::size_t>(node)].z - base;
}

} // namespace

double stepTolerance(const ScriptInput& in) {
    if (in.analysis.stepTolerance < 0)
        fail("stepTolerance must not be negative: it is " + formatGeneral(in.analysis.stepTolerance));
    if (in.analysis.stepTolerance > 0)
        return in.analysis.stepTolerance;
    const double extent = extentOf(in.store);
    return extent > 0 ? 1e-8 * extent : 1e-8;
}

double unbalanceTolerance(const ScriptInput& in) {
    return kUnbalancePerDisplacement * stepTolerance(in);
}

StepStage loadControlStage(const ScriptInput& in) {
    StepStage stage;
    stage.kind = StepKind::LoadControl;
    stage.name = "Load control";
    stage.steps = in.analysis.loadSteps;
    stage.increment = checkedDiv(in.analysis.loadFactor, in.analysis.loadSteps);
    return stage;
}

StepStage displacementControlStage(const ScriptInput& in, bool pushover) {
    const AnalysisSettings& a = in.analysis;
    StepStage stage;
    stage.kind = StepKind::DisplacementControl;
    stage.name = "Displacement control";
    stage.steps = a.dispSteps;
    stage.increment = a.controlDisp;
    stage.controlNode = a.controlNode;
    stage.controlDof = a.controlDof;
    stage.controlHeight = controlHeight(in.store, a.controlNode, a.controlDof);
    stage.endsAtCapacity = pushover;
    return stage;
}

StepStage transientStage(const ScriptInput& in) {
    const AnalysisSettings& a = in.analysis;
    StepStage stage;
    stage.kind = StepKind::Transient;
    stage.name = "Time history";
    const TransientSteps taken = transientSteps(a);
    stage.steps = taken.steps;
    stage.increment = taken.dt;
    if (a.analysisType == MultipleSupportExcitation || a.gmDirection < 1 || a.gmDirection > 2)
        return stage;
    stage.shakenDof = a.gmDirection;
    // A model without storeys along the shaking (a single frame off the ground) has no collapse check.
    try {
        const StoreyLayout layout = storeyLayout(in.store, a.gmDirection, 0);
        for (std::size_t k = 1; k < layout.floors.size(); ++k) {
            const FloorLevel& below = layout.floors[k - 1];
            const FloorLevel& above = layout.floors[k];
            if (below.joints.empty() || above.joints.empty() || above.elevation <= below.elevation)
                continue;
            stage.storeys.push_back(
                {below.joints.front(), above.joints.front(), above.elevation - below.elevation});
        }
    } catch (const KelvaneError&) {
        stage.storeys.clear();
    }
    return stage;
}

void writeStepLoop(const ScriptInput& in, ScriptWriter& out, const StepStage& stage) {
    const AnalysisSettings& a = in.analysis;
    const std::string node = std::to_string(stage.controlNode), dof = std::to_string(stage.controlDof);
    const std::string increment = number(stage.increment);
    std::string analyzeTcl = "analyze 1", analyzePython = "ops.analyze(1)";
    std::string integratorTcl, integratorPython;
    if (stage.kind == StepKind::LoadControl) {
        integratorTcl = "    integrator LoadControl [expr {$kvSize * " + increment + "}]";
        integratorPython = "    ops.integrator('LoadControl', kvSize * " + increment + ")";
    } else if (stage.kind == StepKind::DisplacementControl) {
        integratorTcl = "    integrator DisplacementControl " + node + " " + dof + " [expr {$kvSize * " +
                        increment + "}]";
        integratorPython = "    ops.integrator('DisplacementControl', " + node + ", " + dof + ", kvSize * " +
                           increment + ")";
    } else {
        analyzeTcl = "analyze 1 [expr {$kvSize * " + increment + "}]";
        analyzePython = "ops.analyze(1, kvSize * " + increment + ")";
    }
    const bool drift = stage.controlHeight > 0;
    const Measure measure = measureOf(stage, node, dof);
    const Filled f(
        {{"N", std::to_string(stage.steps)},
         {"TOL", number(stepTolerance(in))},
         {"FORCETOL", number(unbalanceTolerance(in))},
         {"ITER", std::to_string(a.stepIterations)},
         {"MIN", number(smallestFraction(in))},
         {"TCLALGORITHMS", tclAlgorithms()},
         {"PYALGORITHMS", pythonAlgorithms()},
         {"ANALYZE", analyzeTcl},
         {"PYANALYZE", analyzePython},
         {"STAGE", std::string(stage.name)},
         {"LABEL", measure.label},
         {"TCLMEASURE", measure.tcl},
         {"PYMEASURE", measure.python},
         {"TARGET", number(stage.increment * stage.steps)},
         {"NODE", node},
         {"DOF", dof},
         {"DROP", number(a.capacityDrop)},
         {"DRIFTTEXT", drift ? " (roof drift ratio %.4g)" : ""},
         {"TCLDRIFT",
          drift ? " [expr {[nodeDisp " + node + " " + dof + "] / " + number(stage.controlHeight) + "}]" : ""},
         {"PYDRIFT",
          drift ? ", ops.nodeDisp(" + node + ", " + dof + ") / " + number(stage.controlHeight) : ""},
         {"SHAKEN", std::to_string(stage.shakenDof)},
         {"COLLAPSE", number(a.collapseDrift)},
         {"STOREYS", storeyList(stage, false)},
         {"PYSTOREYS", storeyList(stage, true)}});
    writeStepHeader(in, out, f);
    if (!integratorTcl.empty())
        out.script({integratorTcl}, {integratorPython});
    writeStepTries(out, f);
    if (stage.endsAtCapacity) {
        if (!(a.capacityDrop > 0 && a.capacityDrop < 1))
            fail("capacityDrop must lie between 0 and 1: it is " + formatGeneral(a.capacityDrop));
        writeCapacityCheck(out, f);
    }
    if (!stage.storeys.empty()) {
        if (!(a.collapseDrift > 0))
            fail("collapseDrift must be positive: it is " + formatGeneral(a.collapseDrift));
        writeCollapseCheck(out, f);
    }
    writeStepFooter(out, f);
}

void writeAnalysisEnd(ScriptWriter& out) {
    const std::string completed = kAnalysisCompletedLine;
    out.script({"if {$kvEnd ne \"\"} {puts $kvEnd} else {puts \"" + completed + "\"}"},
               {"print(kvEnd if kvEnd else '" + completed + "')"});
}

} // namespace kelvane
