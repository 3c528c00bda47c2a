#pragma once

#include "script/block_writers.h"

#include <cstdint>
#include <string_view>
#include <vector>

// The step control of the procedures of a model with nonlinear materials, described once and
// printed in Tcl and in Python. Each stage takes its steps one at a time. A step that does not
// converge is retried with each algorithm of kStepAlgorithms in turn (none after the integrator
// failed to update the model, `analyze` returning -2: every algorithm would start from that same
// failed update); when none converges it is halved, down to the smallest step fraction, and the
// size grows back after two steps in a row converge. A step counts only when `analyze` returned 0,
// which both builds return only when the test converged. The script prints the lines the runner
// judges the run by (solver_run.h):
//   "STAGE stopped: step K of N did not converge at 1/F of a step; QUANTITY X of Y (P %); ..."
//   "Analysis ended: capacity reached, base shear at P % of its peak at control displacement X ..."
//   "Analysis ended: collapse, storey drift ratio D in storey S at time T s ..."
//   "Step control: STAGE took N steps, S subdivided, smallest step 1/F"
namespace kelvane {

enum class StepKind { LoadControl, DisplacementControl, Transient };

// A storey whose drift the collapse check of a time history watches: the joint below, the joint
// above, and the height between them.
struct WatchedStorey {
    std::int32_t below = 0;
    std::int32_t above = 0;
    double height = 0;
};

struct StepStage {
    StepKind kind = StepKind::LoadControl;
    std::string_view name;        // "Load control", "Displacement control", "Time history"
    std::int32_t steps = 0;       // the steps asked for
    double increment = 0;         // per step: load factor, control displacement or time
    std::int32_t controlNode = 0; // displacement control: the joint and direction it drives
    std::int32_t controlDof = 0;
    double controlHeight = 0;           // the control joint's height above the base (0: unknown)
    bool endsAtCapacity = false;        // a pushover ends when its base shear has fallen past its peak
    std::int32_t shakenDof = 0;         // a time history's direction of shaking
    std::vector<WatchedStorey> storeys; // a time history ends at a collapse of any of them
};

// The algorithms a failed step is retried with, in both builds' words.
struct StepAlgorithm {
    std::string_view tcl;
    std::string_view python;
};
extern const StepAlgorithm kStepAlgorithms[6];

// The stage as the analysis settings and the model describe it.
StepStage loadControlStage(const ScriptInput& in);
StepStage displacementControlStage(const ScriptInput& in, bool pushover);
StepStage transientStage(const ScriptInput& in);

// The tolerance of the convergence test: the one set, else a hundred-millionth of the model's extent.
double stepTolerance(const ScriptInput& in);

// The test also holds the step's unbalanced forces (N, and N mm for moments) below the forces that
// the displacement tolerance leaves on a stiffness of 1e6 N/mm: a step whose last iteration moved
// the joints little but left the loads unbalanced (modified Newton on the initial stiffness, a
// stalled BFGS or line search) does not count as converged.
inline constexpr double kUnbalancePerDisplacement = 1e6;
double unbalanceTolerance(const ScriptInput& in);

// The step loop of the stage, after its analysis has been defined.
void writeStepLoop(const ScriptInput& in, ScriptWriter& out, const StepStage& stage);

// The script's last line: how the analysis ended (completed, or the capacity or collapse end a stage
// reached).
void writeAnalysisEnd(ScriptWriter& out);

} // namespace kelvane
