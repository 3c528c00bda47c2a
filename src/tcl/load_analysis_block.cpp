#include "tcl/block_writers.h"

#include "common/checked_math.h"
#include "common/error.h"
#include "common/number_format.h"
#include "materials/material_models.h"
#include "solver/solver_run.h"
#include "tcl/frame_load_lines.h"
#include "tcl/node_dofs.h"
#include "tcl/python_command.h"
#include "tcl/script_warnings.h"

#include <span>
#include <string>
#include <string_view>

namespace kelvane {
namespace {

void writeFixed(ScriptWriter& out, std::span<const std::string_view> lines) {
    for (std::string_view line : lines)
        out.text(line);
}

// The procedure's own logic, in each language.
template <std::size_t TclCount, std::size_t PythonCount>
void writeScript(ScriptWriter& out, const std::string_view (&tcl)[TclCount],
                 const std::string_view (&python)[PythonCount]) {
    out.script(tcl, TclCount, python, PythonCount);
}

void writeScript(ScriptWriter& out, std::initializer_list<std::string_view> tcl,
                 std::initializer_list<std::string_view> python) {
    out.script(tcl, python);
}

// Rayleigh damping on modes 1 and 2, after the lines "set xDamp RATIO;", "set nEigenI 1;", the
// number of modes and the eigen line: alphaM = 2 xi wI wJ / (wI + wJ), beta = 2 xi / (wI + wJ).
constexpr std::string_view kRayleighDamping[] = {
    "set lambdaI [lindex $lambdaN [expr $nEigenI-1]];",
    "set lambdaJ [lindex $lambdaN [expr $nEigenJ-1]];",
    "set omegaI [expr pow($lambdaI,0.5)]; ",
    "set omegaJ [expr pow($lambdaJ,0.5)];",
    "set alphaM [expr $xDamp*(2*$omegaI*$omegaJ)/($omegaI+$omegaJ)]; ",
    "set betaKcurr [expr 2.*$xDamp/($omegaI+$omegaJ)];   ",
    "rayleigh $alphaM $betaKcurr 0 0  ",
    "  ",
};
constexpr std::string_view kRayleighDampingPython[] = {
    "lambdaI = lambdaN[nEigenI - 1]",
    "lambdaJ = lambdaN[nEigenJ - 1]",
    "omegaI = lambdaI ** 0.5",
    "omegaJ = lambdaJ ** 0.5",
    "alphaM = xDamp * (2 * omegaI * omegaJ) / (omegaI + omegaJ)",
    "betaKcurr = 2. * xDamp / (omegaI + omegaJ)",
    "ops.rayleigh(alphaM, betaKcurr, 0, 0)",
    "",
};

// The excitation by the record, after the lines that name the record, its direction, factor and
// time step. The Tcl series is given inline; OpenSeesPy names it by a tag, the pattern's.
constexpr std::string_view kUniformExcitation[] = {
    "foreach GMdirection $iGMdirection GMfile $iGMfile GMfact $iGMfact { ",
    "incr IDloadTag; ",
    "set GMfatt [expr 1*$iGMfact];  ",
    "set AccelSeries \"Series -dt $dt -filePath $iGMfile -factor  $GMfatt\";",
    "pattern UniformExcitation  $IDloadTag  $GMdirection -accel  $AccelSeries; ",
    "}  ",
    "  ",
};
constexpr std::string_view kUniformExcitationPython[] = {
    "IDloadTag += 1",
    "GMfatt = 1 * iGMfact",
    "ops.timeSeries('Path', IDloadTag, '-dt', dt, '-filePath', iGMfile, '-factor', GMfatt)",
    "ops.pattern('UniformExcitation', IDloadTag, iGMdirection, '-accel', IDloadTag)",
    "",
};
constexpr std::string_view kUniformExcitationSolver[] = {
    "constraints Transformation; ", "numberer Plain;  ", "system UmfPack; ",
    "test EnergyIncr 1.0e-4 200; ", "algorithm Newton ", "integrator Newmark 0.5 0.25 ",
    "analysis Transient",
};

// Two displacement records (both DM1X.txt, factor 1, step 0.02 s): the first imposed on joints 1
// and 3, the second on joints 2 and 4, along X. OpenSeesPy takes the series by tags 2001 and 2002.
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
};
constexpr std::string_view kMultiSupportPython[] = {
    "iGMfile = 'DM1X.txt'",
    "iGMfact = 1",
    "dt = 0.02",
    "ops.timeSeries('Path', 2001, '-dt', dt, '-filePath', iGMfile, '-factor', iGMfact)",
    "iGMfile = 'DM1X.txt'",
    "iGMfact = 1",
    "dt = 0.02",
    "ops.timeSeries('Path', 2002, '-dt', dt, '-filePath', iGMfile, '-factor', iGMfact)",
    "ops.pattern('MultipleSupport', 1)",
    "ops.groundMotion(1, 'Plain', '-disp', 2001)",
    "ops.imposedMotion(1, 1, 1)",
    "ops.imposedMotion(3, 1, 1)",
    "ops.pattern('MultipleSupport', 2)",
    "ops.groundMotion(2, 'Plain', '-disp', 2002)",
    "ops.imposedMotion(2, 1, 2)",
    "ops.imposedMotion(4, 1, 2)",
    "",
};
constexpr std::string_view kMultiSupportSolver[] = {
    "constraints Transformation;",  "numberer Plain; ",  "system UmfPack;  ",
    "test EnergyIncr 1.0e-4 200; ", "algorithm Newton ", "integrator Newmark 0.5 0.25",
    "analysis Transient",
};

// The eigenvalues into Periods.txt, as Tcl prints a list of doubles: the shortest form that reads
// back, which Python's repr gives too.
constexpr std::string_view kModalAnalysis[] = {
    "set period \"Periods.txt\"",
    "set Periods [open $period \"w\"]",
    "puts $Periods \" $lambda\"",
    "close $Periods",
};
constexpr std::string_view kModalAnalysisPython[] = {
    "with open('Periods.txt', 'w') as Periods:",
    "    Periods.write(' ' + ' '.join(repr(value) for value in lambdaN) + '\\n')",
};

// The name of load case `index`; an index outside the model's cases names no case.
std::string_view loadCaseName(const ModelStore& store, std::int32_t index) {
    if (index < 1 || index > loadCaseNameCount(store))
        return {};
    return store.loadCaseNames[static_cast<std::size_t>(index)];
}

// The no-load line as both languages print it: without the characters Tcl would substitute.
std::string printableLine(std::string line) {
    for (char& c : line)
        if (c == '"' || c == '$' || c == '[' || c == ']' || c == '\\' || c == '{' || c == '}')
            c = '_';
    return line;
}

// The stage's load pattern. A pattern without loads of a procedure that moves only by it prints a
// line that tells whoever judges the run that nothing was loaded.
void writeLoadPattern(const ScriptInput& in, ScriptWriter& out, std::string_view header,
                      std::int32_t loadCase, bool onlyLoading) {
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
        } else if (load.kind == LoadFrameSpan || load.kind == LoadFramePoint) {
            writeFrameSpanLoad(in, out, load);
        }
    }
    out.text("}");
    if (onlyLoading && loadsOfCase(store, loadCase) == 0)
        out.line("puts \"%s\"", {printableLine(noLoadLine(store, loadCase))});
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
    static constexpr std::string_view kRetriesPython[] = {
        "    ok = ops.analyze(1)",
        "    if ok != 0:",
        "        ops.test('NormDispIncr', 1.0e-6, 1000)",
        "        ops.algorithm('ModifiedNewton', '-initial')",
        "        ok = ops.analyze(1)",
        "    if ok != 0:",
        "        ops.algorithm('KrylovNewton')",
        "        ok = ops.analyze(1)",
        "    if ok != 0:",
        "        ops.algorithm('NewtonLineSearch', 0.8)",
        "        ok = ops.analyze(1)",
        "    ops.test('EnergyIncr', 1.0e-6, 200)",
        "    ops.algorithm('Newton')",
        "    if ok == 0:",
        "        step += 1",
    };
    writeScript(out, {"set ok 0", "set step 0"}, {"ok = 0", "step = 0"});
    out.scriptLine("while {$ok == 0 && $step < %d} {", "while ok == 0 and step < %d:", {steps});
    writeScript(out, kRetries, kRetriesPython);
    out.scriptLine(
        "if {$ok != 0} {error \"%s stopped: step [expr {$step + 1}] of %d did not converge\"}",
        "if ok != 0:\n    raise RuntimeError('%s stopped: step ' + str(step + 1) + ' of %d did not "
        "converge')",
        {stage, steps});
}

void writeLoadControlStage(const ScriptInput& in, ScriptWriter& out, std::string_view header,
                           bool onlyLoading) {
    const AnalysisSettings& a = in.analysis;
    const double increment = checkedDiv(a.loadFactor, a.loadSteps);
    writeLoadPattern(in, out, header, a.loadControlCase, onlyLoading);
    writeStaticSolver(in, out);
    out.line("integrator LoadControl %0.4E", {increment});
    out.text("analysis Static");
    writeStaticSteps(in, out, "Load control", a.loadSteps);
}

void writeDispControlStage(const ScriptInput& in, ScriptWriter& out, std::string_view header) {
    const AnalysisSettings& a = in.analysis;
    writeLoadPattern(in, out, header, a.dispControlCase, true);
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

// OpenSeesPy refuses to set the constraint handler of an analysis already made, which the Tcl
// interpreter takes; the second stage of a Python script starts from a new analysis.
void writeNextStage(ScriptWriter& out) {
    out.script({}, {"ops.wipeAnalysis()"});
}

// The numbers of the transient procedures as the script writes them: in their shortest form, up to
// 15 digits, so that 0.1 times a scale of 3 is written 0.3 (a literal both languages read).
std::string transientNumber(double value) {
    return formatGeneral(value);
}

void writeRayleighDamping(const ScriptInput& in, ScriptWriter& out) {
    writeScript(out, {" "}, {});
    out.scriptLine("set xDamp %s;", "xDamp = %s", {transientNumber(in.analysis.dampingRatio)});
    writeScript(out, {"set nEigenI 1;"}, {"nEigenI = 1"});
    const EigenRequest eigen = eigenRequest(in.store, in.analysis.genMass, in.dofsPerNode, 2);
    out.scriptLine("set nEigenJ %d;", "nEigenJ = %d", {eigen.modes});
    if (eigen.dense)
        writeScript(out, {"set lambdaN [eigen -fullGenLapack [expr $nEigenJ]];"},
                    {"lambdaN = ops.eigen('-fullGenLapack', nEigenJ)"});
    else
        writeScript(out, {"set lambdaN [eigen [expr $nEigenJ]];"}, {"lambdaN = ops.eigen(nEigenJ)"});
    writeScript(out, kRayleighDamping, kRayleighDampingPython);
}

void writeTransientSteps(const ScriptInput& in, ScriptWriter& out, std::string_view tclTemplate) {
    out.line(tclTemplate, {in.analysis.thSteps, transientNumber(in.analysis.thDt)});
}

void writeUniformExcitation(const ScriptInput& in, ScriptWriter& out) {
    const AnalysisSettings& a = in.analysis;
    writeRayleighDamping(in, out);
    writeScript(out, {"set IDloadTag 1001;"}, {"IDloadTag = 1001"});
    const std::string recordLine = "set iGMfile \"" + a.gmFile + "\";";
    const std::string recordPython = "iGMfile = " + pythonString(a.gmFile);
    writeScript(out, {recordLine}, {recordPython});
    out.scriptLine("set iGMdirection \"%d\"; ", "iGMdirection = %d", {a.gmDirection});
    out.scriptLine("set iGMfact \"%s\";  ", "iGMfact = %s", {transientNumber(a.gmFactor)});
    out.scriptLine("set dt %s;   ", "dt = %s", {transientNumber(a.gmDt)});
    writeScript(out, kUniformExcitation, kUniformExcitationPython);
    writeFixed(out, kUniformExcitationSolver);
    writeTransientSteps(in, out, "analyze %d %s");
}

void writeMultiSupportExcitation(const ScriptInput& in, ScriptWriter& out) {
    writeRayleighDamping(in, out);
    writeScript(out, kMultiSupport, kMultiSupportPython);
    writeFixed(out, kMultiSupportSolver);
    writeTransientSteps(in, out, "analyze %d %s ");
}

} // namespace

void writeLoadAnalysisBlock(const ScriptInput& in, ScriptWriter& out) {
    const AnalysisSettings& a = in.analysis;
    switch (a.analysisType) {
    case SingleLoadControl:
        writeLoadControlStage(in, out, "puts \"loading\"", true);
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
        writeLoadControlStage(in, out, "puts \"gravity\"", false);
        out.text("loadConst -time 0.0");
        writeNextStage(out);
        writeDispControlStage(in, out, "puts \"pushover\"");
        writeStaticCompletion(in, out);
        break;
    case ModalAnalysis: {
        // More modes than free mass degrees of freedom make the eigen solver fail and shift every
        // period; ask for at most as many as the model has.
        const EigenRequest eigen = eigenRequest(in.store, a.genMass, in.dofsPerNode, 12);
        out.scriptLine("set numModes %d", "numModes = %d", {eigen.modes});
        if (eigen.dense)
            writeScript(out, {"set lambda [eigen -fullGenLapack $numModes]"},
                        {"lambdaN = ops.eigen('-fullGenLapack', numModes)"});
        else
            writeScript(out, {"set lambda [eigen  $numModes]"}, {"lambdaN = ops.eigen(numModes)"});
        writeScript(out, kModalAnalysis, kModalAnalysisPython);
        out.text("record");
        break;
    }
    case TimeHistoryAnalysis:
        writeUniformExcitation(in, out);
        break;
    case GravityTimeHistoryAnalysis:
        writeLoadControlStage(in, out, "puts \"gravity\"", false);
        out.text("loadConst -time 0.0");
        writeNextStage(out);
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
