#include "tcl/block_writers.h"

#include "common/checked_math.h"
#include "common/error.h"
#include "common/number_format.h"
#include "materials/material_models.h"
#include "solver/solver_run.h"
#include "tcl/node_dofs.h"

#include <span>
#include <string>
#include <string_view>

namespace kelvane {
namespace {

void writeFixed(ScriptWriter& out, std::span<const std::string_view> lines) {
    for (std::string_view line : lines)
        out.text(line);
}

// Rayleigh damping on modes 1 and 2, after the line "set xDamp RATIO;".
constexpr std::string_view kRayleighDamping[] = {
    "set nEigenI 1;",
    "set nEigenJ 2;",
    "set lambdaN [eigen [expr $nEigenJ]];",
    "set lambdaI [lindex $lambdaN [expr $nEigenI-1]];",
    "set lambdaJ [lindex $lambdaN [expr $nEigenJ-1]];",
    "set omegaI [expr pow($lambdaI,0.5)]; ",
    "set omegaJ [expr pow($lambdaJ,0.5)];",
    "set alphaM [expr $xDamp*(2*$omegaI*$omegaJ)/($omegaI+$omegaJ)]; ",
    "set betaKcurr [expr 2.*$xDamp/($omegaI+$omegaJ)];   ",
    "rayleigh $alphaM $betaKcurr 0 0  ",
    "  ",
};

// The excitation by the record, after the lines that name the record, its direction, factor and
// time step.
constexpr std::string_view kUniformExcitation[] = {
    "foreach GMdirection $iGMdirection GMfile $iGMfile GMfact $iGMfact { ",
    "incr IDloadTag; ",
    "set GMfatt [expr 1*$iGMfact];  ",
    "set AccelSeries \"Series -dt $dt -filePath $iGMfile -factor  $GMfatt\";",
    "pattern UniformExcitation  $IDloadTag  $GMdirection -accel  $AccelSeries; ",
    "}  ",
    "  ",
    "constraints Transformation; ",
    "numberer Plain;  ",
    "system UmfPack; ",
    "test EnergyIncr 1.0e-4 200; ",
    "algorithm Newton ",
    "integrator Newmark 0.5 0.25 ",
    "analysis Transient",
};

constexpr std::string_view kMultiSupport[] = {
    "set iGMfile \"DM1X.txt\"; ",
    "set iGMfact \"1\";",
    "set dt 0.02;",
    "set dispSeries1 \"Series -dt $dt -filePath $iGMfile -factor  $iGMfact\";",
    "  ",
    "set iGMfile \"DM1X.txt\";",
    "set iGMfact \"1\";",
    "set dt 0.02; ",
    "set dispSeries2 \"Series -dt $dt -filePath $iGMfile -factor  $iGMfact\";",
    "  ",
    "pattern MultiSupport  1   { ",
    "    groundMotion 1 Plain -disp $dispSeries1",
    "    imposedMotion 1 1 1  ",
    "    imposedMotion 3 1 1  ",
    " }",
    "pattern MultiSupport  2   {",
    "    groundMotion 2 Plain -disp $dispSeries2",
    "    imposedMotion 2 1 2 ",
    "    imposedMotion 4 1 2 ",
    " }",
    "  ",
    "constraints Transformation;",
    "numberer Plain; ",
    "system UmfPack;  ",
    "test EnergyIncr 1.0e-4 200; ",
    "algorithm Newton ",
    "integrator Newmark 0.5 0.25",
    "analysis Transient",
};

// The numbers of the transient procedures as the script writes them: in their shortest form, up to
// 15 digits, so that 0.1 times a scale of 3 is written 0.3.
std::string transientNumber(double value) {
    return formatGeneral(value);
}

void writeRayleighDamping(const ScriptInput& in, ScriptWriter& out) {
    out.text(" ");
    out.line("set xDamp %s;", {transientNumber(in.analysis.dampingRatio)});
    writeFixed(out, kRayleighDamping);
}

void writeUniformExcitation(const ScriptInput& in, ScriptWriter& out) {
    const AnalysisSettings& a = in.analysis;
    writeRayleighDamping(in, out);
    out.text("set IDloadTag 1001;");
    out.line("set iGMfile \"%s\";", {a.gmFile});
    out.line("set iGMdirection \"%d\"; ", {a.gmDirection});
    out.line("set iGMfact \"%s\";  ", {transientNumber(a.gmFactor)});
    out.line("set dt %s;   ", {transientNumber(a.gmDt)});
    writeFixed(out, kUniformExcitation);
    out.line("analyze %d %s", {a.thSteps, transientNumber(a.thDt)});
}

void writeMultiSupportExcitation(const ScriptInput& in, ScriptWriter& out) {
    writeRayleighDamping(in, out);
    writeFixed(out, kMultiSupport);
    out.line("analyze %d %s ", {in.analysis.thSteps, transientNumber(in.analysis.thDt)});
}

constexpr std::string_view kModalAnalysis[] = {
    "set lambda [eigen  $numModes]",
    "set period \"Periods.txt\"",
    "set Periods [open $period \"w\"]",
    "puts $Periods \" $lambda\"",
    "close $Periods",
    "record",
};

// The name of load case `index`; an index outside the model's cases names no case.
std::string_view loadCaseName(const ModelStore& store, std::int32_t index) {
    if (index < 1 || index > loadCaseNameCount(store))
        return {};
    return store.loadCaseNames[static_cast<std::size_t>(index)];
}

void writeLoadPattern(const ScriptInput& in, ScriptWriter& out, std::string_view header,
                      std::int32_t loadCase) {
    const ModelStore& store = in.store;
    const std::string_view name = loadCaseName(store, loadCase);
    out.text(header);
    out.line("## Load Case = %s", {name});
    out.line("pattern Plain %D Linear {", {loadCase});
    for (int i = 1; i <= countOf(store.loadCount); ++i) {
        const TLOAD& load = store.loads[i];
        if (load.caseName != name)
            continue;
        if (load.kind == LoadJointForce && in.dofsPerNode == 3) {
            out.line("load %D %0.4E %0.4E %0.4E", {load.target, load.fx, load.fy, load.fz});
        } else if (load.kind == LoadJointForce) {
            out.line("load %D %0.4E %0.4E %0.4E %0.4E %0.4E %0.4E",
                     {load.target, load.fx, load.fy, load.fz, load.mx, load.my, load.mz});
        } else if (load.kind == LoadDistributed) {
            if (load.direction == 1)
                out.line("eleLoad -ele %D -type -beamUniform 0 0 %0.4E", {load.target, load.fx});
            else if (load.direction == 2)
                out.line("eleLoad -ele %D -type -beamUniform 0 %0.4E 0", {load.target, load.fx});
            else if (load.direction == 3)
                out.line("eleLoad -ele %D -type -beamUniform %0.4E 0 0", {load.target, -load.fx});
        }
    }
    out.text("}");
}

void writeStaticSolver(const ScriptInput& in, ScriptWriter& out) {
    out.text("puts \"analysis\"");
    // Diaphragm ties are multi-point constraints, which the plain handler cannot enforce.
    out.text(hasDiaphragmTie(in.store) ? "constraints Transformation" : "constraints Plain");
    static constexpr std::string_view kTail[] = {"numberer Plain", "system BandGeneral",
                                                 "test EnergyIncr 1.0e-6 200", "algorithm Newton"};
    writeFixed(out, kTail);
}

// The steps of a static stage. An elastic model takes them in one command. A model with nonlinear
// materials takes them one at a time: a step that Newton cannot converge is retried with the
// initial tangent, then with Krylov-Newton and with a line search, and a step that none of them
// converges stops the script with a message naming the stage and the step.
void writeStaticSteps(const ScriptInput& in, ScriptWriter& out, std::string_view stage, std::int32_t steps) {
    if (!usesNonlinearMaterials(in.store)) {
        out.line("analyze %d", {steps});
        return;
    }
    static constexpr std::string_view kRetries[] = {
        "    set ok [analyze 1]",
        "    if {$ok != 0} {",
        "        test NormDispIncr 1.0e-6 1000",
        "        algorithm ModifiedNewton -initial",
        "        set ok [analyze 1]",
        "    }",
        "    if {$ok != 0} {",
        "        algorithm KrylovNewton",
        "        set ok [analyze 1]",
        "    }",
        "    if {$ok != 0} {",
        "        algorithm NewtonLineSearch 0.8",
        "        set ok [analyze 1]",
        "    }",
        "    test EnergyIncr 1.0e-6 200",
        "    algorithm Newton",
        "    if {$ok == 0} {incr step}",
        "}",
    };
    out.text("set ok 0");
    out.text("set step 0");
    out.line("while {$ok == 0 && $step < %d} {", {steps});
    writeFixed(out, kRetries);
    out.line("if {$ok != 0} {error \"%s stopped: step [expr {$step + 1}] of %d did not converge\"}",
             {stage, steps});
}

void writeLoadControlStage(const ScriptInput& in, ScriptWriter& out, std::string_view header) {
    const AnalysisSettings& a = in.analysis;
    const double increment = checkedDiv(a.loadFactor, a.loadSteps);
    writeLoadPattern(in, out, header, a.loadControlCase);
    writeStaticSolver(in, out);
    out.line("integrator LoadControl %0.4E", {increment});
    out.text("analysis Static");
    writeStaticSteps(in, out, "Load control", a.loadSteps);
}

void writeDispControlStage(const ScriptInput& in, ScriptWriter& out, std::string_view header) {
    const AnalysisSettings& a = in.analysis;
    writeLoadPattern(in, out, header, a.dispControlCase);
    writeStaticSolver(in, out);
    out.line("integrator DisplacementControl %d %d %0.4E", {a.controlNode, a.controlDof, a.controlDisp});
    out.text("analysis Static");
    writeStaticSteps(in, out, "Displacement control", a.dispSteps);
}

// A nonlinear static procedure checks every stage, so reaching its end means every step converged;
// the line says so to whoever judges the run (the retried steps leave the solver's warnings behind).
void writeStaticCompletion(const ScriptInput& in, ScriptWriter& out) {
    if (usesNonlinearMaterials(in.store))
        out.line("puts \"%s\"", {kAnalysisCompletedLine});
}

} // namespace

void writeLoadAnalysisBlock(const ScriptInput& in, ScriptWriter& out) {
    const AnalysisSettings& a = in.analysis;
    switch (a.analysisType) {
    case SingleLoadControl:
        writeLoadControlStage(in, out, "puts \"loading\"");
        writeStaticCompletion(in, out);
        break;
    case SingleDisplacementControl:
        writeDispControlStage(in, out, "puts \"loading\"");
        writeStaticCompletion(in, out);
        break;
    case GravityPushOver:
        if (a.loadControlCase == a.dispControlCase)
            fail("Gravity+PushOver needs two load cases: both stages name load case " +
                 std::to_string(a.loadControlCase) + ", whose pattern tag would be defined twice");
        writeLoadControlStage(in, out, "puts \"gravity\"");
        out.text("loadConst -time 0.0");
        writeDispControlStage(in, out, "puts \"pushover\"");
        writeStaticCompletion(in, out);
        break;
    case ModalAnalysis: {
        // More modes than free mass degrees of freedom make the eigen solver fail and shift every
        // period; ask for at most as many as the model has.
        out.line("set numModes %d", {modalModeCount(in.store, a.genMass, in.dofsPerNode)});
        writeFixed(out, kModalAnalysis);
        break;
    }
    case TimeHistoryAnalysis:
        writeUniformExcitation(in, out);
        break;
    case GravityTimeHistoryAnalysis:
        writeLoadControlStage(in, out, "puts \"gravity\"");
        out.text("loadConst -time 0.0");
        writeUniformExcitation(in, out);
        break;
    case MultipleSupportExcitation:
        writeMultiSupportExcitation(in, out);
        break;
    default:
        break;
    }
}

} // namespace kelvane
