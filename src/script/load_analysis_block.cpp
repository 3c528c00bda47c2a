#include "script/block_writers.h"

#include "common/checked_math.h"
#include "common/error.h"
#include "common/number_format.h"
#include "materials/material_models.h"
#include "script/equation_solver.h"
#include "script/frame_load_lines.h"
#include "script/ground_motion_file.h"
#include "script/load_combination.h"
#include "script/modal_loads.h"
#include "script/node_dofs.h"
#include "script/offset_frame_loads.h"
#include "script/python_command.h"
#include "script/script_warnings.h"
#include "script/step_control.h"
#include "solver/solver_run.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {
namespace {

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

// The stage's load pattern; a case of a combination carries its factor. A pattern without loads of
// a procedure that moves only by it prints a line that tells whoever judges the run that nothing
// was loaded.
void writeLoadPattern(const ScriptInput& in, ScriptWriter& out, std::string_view header,
                      std::int32_t loadCase, bool onlyLoading, std::optional<double> factor = std::nullopt) {
    const ModelStore& store = in.store;
    const std::string_view name = loadCaseName(store, loadCase);
    if (!header.empty())
        out.text(header);
    out.line("## Load Case = %s", {name});
    if (factor)
        out.line("pattern Plain %D Linear -fact %s {", {loadCase, formatGeneral(*factor)});
    else
        out.line("pattern Plain %D Linear {", {loadCase});
    for (int i = 1; i <= countOf(store.loadCount); ++i) {
        const TLOAD& load = store.loads[i];
        if (load.caseName != name)
            continue;
        if (load.kind == LoadJointForce && in.dofsPerNode == 3) {
            out.line("load %D %R %R %R", {load.target, load.fx, load.fy, load.fz});
        } else if (load.kind == LoadJointForce) {
            out.line("load %D %R %R %R %R %R %R",
                     {load.target, load.fx, load.fy, load.fz, load.mx, load.my, load.mz});
        } else if ((load.kind == LoadDistributed || load.kind == LoadFrameSpan ||
                    load.kind == LoadFramePoint) &&
                   hasEndOffsets(store, load.target)) {
            writeOffsetFrameLoad(in, out, load);
        } else if (load.kind == LoadDistributed) {
            writeUniformFrameLoad(in, out, load);
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
    writeEquationSolver(out);
    out.text("test EnergyIncr 1.0e-6 200");
    writeSolutionAlgorithm(in, out);
}

// The steps of a stage: an elastic model takes them in one command, a model with nonlinear
// materials under step control.
void writeStaticSteps(const ScriptInput& in, ScriptWriter& out, const StepStage& stage) {
    if (!usesNonlinearMaterials(in.store)) {
        out.line("analyze %d", {stage.steps});
        return;
    }
    writeStepLoop(in, out, stage);
}

void writeLoadControlStage(const ScriptInput& in, ScriptWriter& out, std::string_view header,
                           bool onlyLoading) {
    const AnalysisSettings& a = in.analysis;
    const double increment = checkedDiv(a.loadFactor, a.loadSteps);
    const std::vector<CaseFactor> combination = loadCombination(in.store, a.gravityCases);
    if (combination.empty())
        writeLoadPattern(in, out, header, a.loadControlCase, onlyLoading);
    for (std::size_t c = 0; c < combination.size(); ++c)
        writeLoadPattern(in, out, c == 0 ? header : std::string_view{}, combination[c].loadCase, false,
                         combination[c].factor);
    writeStaticSolver(in, out);
    out.line("integrator LoadControl %0.4E", {increment});
    out.text("analysis Static");
    writeStaticSteps(in, out, loadControlStage(in));
}

void writeDispControlStage(const ScriptInput& in, ScriptWriter& out, std::string_view header) {
    const AnalysisSettings& a = in.analysis;
    if (a.pushPattern == PushLoadCase) {
        writeLoadPattern(in, out, header, a.dispControlCase, true);
    } else {
        out.text(header);
        writePushPattern(in, out, loadCaseNameCount(in.store) + 1);
    }
    writeStaticSolver(in, out);
    out.line("integrator DisplacementControl %d %d %0.4E", {a.controlNode, a.controlDof, a.controlDisp});
    out.text("analysis Static");
    writeStaticSteps(in, out, displacementControlStage(in, true));
}

// The pushover's load case cannot be a gravity case too: its pattern tag would be defined twice.
void checkPushCaseOutsideGravity(const ScriptInput& in) {
    const AnalysisSettings& a = in.analysis;
    if (a.pushPattern != PushLoadCase)
        return;
    const std::vector<CaseFactor> combination = loadCombination(in.store, a.gravityCases);
    if (combination.empty() && a.loadControlCase == a.dispControlCase)
        fail("Gravity+PushOver needs two load cases: both stages name load case " +
             std::to_string(a.loadControlCase) + ", whose pattern tag would be defined twice");
    for (const CaseFactor& term : combination)
        if (term.loadCase == a.dispControlCase)
            fail("Gravity+PushOver pushes with load case " +
                 std::string(loadCaseName(in.store, term.loadCase)) +
                 ", which gravityCases holds too: its pattern tag would be defined twice");
}

// A nonlinear procedure checks every stage, so reaching its end means every step converged or a
// stage ended at the capacity or collapse it watches for; the line says so to whoever judges the run
// (the retried steps leave the solver's warnings behind).
void writeStaticCompletion(const ScriptInput& in, ScriptWriter& out) {
    if (usesNonlinearMaterials(in.store))
        writeAnalysisEnd(out);
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

void writeTransientSolver(const ScriptInput& in, ScriptWriter& out) {
    out.text("constraints Transformation");
    writeEquationSolver(out);
    out.text("test EnergyIncr 1.0e-4 200");
    writeSolutionAlgorithm(in, out);
    out.text("integrator Newmark 0.5 0.25");
    out.text("analysis Transient");
}

void writeTransientSteps(const ScriptInput& in, ScriptWriter& out, std::string_view tclTemplate) {
    if (!usesNonlinearMaterials(in.store)) {
        const TransientSteps taken = transientSteps(in.analysis);
        out.line(tclTemplate, {taken.steps, transientNumber(taken.dt)});
        return;
    }
    writeStepLoop(in, out, transientStage(in));
    writeAnalysisEnd(out);
}

void writeUniformExcitation(const ScriptInput& in, ScriptWriter& out) {
    const AnalysisSettings& a = in.analysis;
    writeRayleighDamping(in, out, a.gmDirection);
    writeScript(out, {"set IDloadTag 1001;"}, {"IDloadTag = 1001"});
    const std::string recordLine = "set iGMfile \"" + a.gmFile + "\";";
    const std::string recordPython = "iGMfile = " + pythonString(a.gmFile);
    writeScript(out, {recordLine}, {recordPython});
    out.scriptLine("set iGMdirection \"%d\"; ", "iGMdirection = %d", {a.gmDirection});
    out.scriptLine("set iGMfact \"%s\";  ", "iGMfact = %s", {transientNumber(a.gmFactor)});
    out.scriptLine("set dt %s;   ", "dt = %s", {transientNumber(a.gmDt)});
    writeScript(out, kUniformExcitation, kUniformExcitationPython);
    writeTransientSolver(in, out);
    writeTransientSteps(in, out, "analyze %d %s");
}

void writeMultiSupportExcitation(const ScriptInput& in, ScriptWriter& out) {
    writeRayleighDamping(in, out, 1); // the records move the supports along X
    writeScript(out, kMultiSupport, kMultiSupportPython);
    writeTransientSolver(in, out);
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
        checkPushCaseOutsideGravity(in);
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
