#include "solver/solver_fixture.h"

#include "common/number_parse.h"
#include "common/text_file.h"
#include "model/colour_table.h"
#include "model/model_import.h"
#include "results/frame_forces.h"
#include "results/node_results.h"
#include "script/settings_by_name.h"
#include "solver/recorder_cross_check.h"
#include "solver/solver_run.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>

namespace kelvane::test {

namespace {

bool runningInCi() {
    const char* ci = std::getenv("CI");
    return ci != nullptr && std::string(ci) == "true";
}

// Runs the installed launcher on a one-line script; an empty string when the solver works, else
// what went wrong. Checked once per test process.
std::string solverProblem() {
    static const std::string problem = [] {
        const std::pair<const char*, const char*> probes[] = {
            {"opensees", "model basic -ndm 3 -ndf 6\nnode 1 0 0 0\nputs solver-ready\n"},
            {"openseespy", "import openseespy.opensees as ops\nops.model('basic', '-ndm', 3, '-ndf', 6)\n"
                           "ops.node(1, 0.0, 0.0, 0.0)\nprint('solver-ready')\n"},
        };
        for (const auto& [name, script] : probes) {
            const std::string launcher = binPath(name);
            if (!std::filesystem::exists(launcher))
                return "no solver launcher at " + launcher;
            TempDir probe;
            const std::string path = probe.file(std::string("probe") + (name[8] == 'p' ? ".py" : ".tcl"));
            writeFile(path, script);
            const CommandResult run = runCommand(shellQuoted(launcher) + " " + shellQuoted(path));
            if (run.exitCode != 0 || run.out.find("solver-ready") == std::string::npos)
                return std::string("the solver launcher ") + name + " does not run: " + run.err;
        }
        return std::string();
    }();
    return problem;
}

bool isElementForceFile(const std::string& name) {
    return name.starts_with("ele") && name.ends_with(".out") &&
           name.find_first_not_of("0123456789", 3) == name.size() - 4;
}

// The Tcl interpreter (the `opensees` package, 0.1.32) applies a uniform excitation's ground
// acceleration to the free degrees of freedom of joints a rigid diaphragm ties: their vertical
// masses are shaken along with the horizontal ones, so a floor of a model without beams moves up
// and down under a horizontal record, which OpenSeesPy 3.7 (rightly) does not do. Such runs are
// not compared.
bool tclInterpreterShakesTiedMasses(const std::string& modelPath, const std::vector<std::string>& settings) {
    bool excitation = false;
    for (const std::string& setting : settings)
        excitation = setting == "analysisType=5" || setting == "analysisType=6" ? true
                     : setting.rfind("analysisType=", 0) == 0                   ? false
                                                                                : excitation;
    if (!excitation)
        return false;
    const ModelStore store = importedModel(modelPath);
    for (int d = 1; d <= countOf(store.diaphragmCount); ++d) {
        const TDIAPH& diaphragm = store.diaphragms[static_cast<std::size_t>(d)];
        for (int k = 1; k <= diaphragm.slaveCount; ++k) {
            const TNODE& joint =
                store.nodes[static_cast<std::size_t>(diaphragm.members[static_cast<std::size_t>(k)])];
            if (joint.mass[3] != 0 || joint.mass[4] != 0 || joint.mass[5] != 0)
                return true;
        }
    }
    return false;
}

// OpenSeesPy 3.7 leaves a joint behind whose translations equalDOF ties to another joint when no
// element but zero-length springs reaches it (a rigid link ending in the air): after the first
// step its recorded translations stay near their first values, where the Tcl interpreter records
// the retained joint's, as the constraint says. Such runs are not compared.
bool openSeesPyLeavesDanglingTiedJointsBehind(const std::vector<std::string>& tclScript) {
    std::set<std::string> tied, reached;
    for (const std::string& line : tclScript) {
        std::istringstream words(line);
        std::string command, kind, tag, node;
        words >> command;
        if (command == "equalDOF" && words >> node >> node) {
            tied.insert(node);
        } else if (command == "element" && words >> kind >> tag && kind != "zeroLength") {
            const int nodes = kind.starts_with("Shell") ? 4 : kind == "stdBrick" ? 8 : 2;
            for (int n = 0; n < nodes && words >> node; ++n)
                reached.insert(node);
        }
    }
    return std::any_of(tied.begin(), tied.end(),
                       [&](const std::string& joint) { return !reached.contains(joint); });
}

// How far a run got: the steps each stage of a nonlinear script took and how it ended.
std::vector<std::string> howFarItGot(const std::string& output) {
    std::vector<std::string> got;
    for (const std::string& line : splitLines(output)) {
        // OpenSeesPy's warnings may end without a line end, before the line that follows them.
        const std::size_t control = line.find("Step control: "), end = line.find("Analysis ");
        if (control != std::string::npos)
            got.push_back(line.substr(control, line.find(" steps, ") - control));
        else if (end != std::string::npos)
            got.push_back(line.substr(end));
    }
    return got;
}

} // namespace

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

void SolverTest::SetUp() {
    const std::string problem = solverProblem();
    if (problem.empty())
        return;
    const std::string advice =
        "OpenSees is not installed (" + problem + "); scripts/setup.sh installs it, then re-run cmake";
    if (runningInCi())
        FAIL() << advice;
    GTEST_SKIP() << advice;
}

std::string SolverTest::writeScript(const std::string& modelPath, const std::vector<std::string>& settings,
                                    const std::string& name) {
    std::string command = shellQuoted(binPath("kelvane-cli")) + " tcl " + shellQuoted(modelPath) + " -o " +
                          shellQuoted(file(name));
    for (const auto& setting : settings)
        command += " --set " + shellQuoted(setting);
    const CommandResult result = runCommand(command);
    if (result.exitCode != 0) {
        ADD_FAILURE() << "kelvane-cli tcl failed (" << result.exitCode << "): " << result.err;
        return {};
    }
    written_ = {file(name), modelPath, settings};
    return file(name);
}

ModelStore SolverTest::runLoadCase(const std::string& modelPath, int loadCase,
                                   std::vector<std::string> settings) {
    settings.insert(settings.begin(),
                    {"loadControlCase=" + std::to_string(loadCase), "loadSteps=1", "baseReactions=1"});
    EXPECT_FALSE(writeAndRun(modelPath, settings).empty());
    ModelStore store = importedModel(modelPath);
    loadNodeDeformation(store, folder(), 1);
    return store;
}

std::vector<double> SolverTest::verticalReactions() const {
    const std::vector<std::string> lines = nonEmptyLines(file("reaction0.out"));
    std::vector<double> vertical;
    if (!lines.empty()) {
        const std::vector<double> r = numbersOf(lines.back());
        for (std::size_t k = 3; k < r.size(); k += 3)
            vertical.push_back(r[k]);
    }
    return vertical;
}

bool SolverTest::runScript(const std::string& scriptPath) {
    const CommandResult result =
        runCommand(shellQuoted(binPath("kelvane-cli")) + " run " + shellQuoted(scriptPath));
    if (result.exitCode != 0) {
        ADD_FAILURE() << "the solver run failed (" << result.exitCode << "): " << result.err;
        return false;
    }
    if (scriptPath == written_.script) {
        tclOutput_ = result.out;
        runPythonTwin();
    }
    return true;
}

// The same model and settings as a Python script, run by OpenSeesPy in a folder of its own with
// the same input files, and its recorder files compared with those of the Tcl run.
void SolverTest::runPythonTwin() {
    namespace fs = std::filesystem;
    const fs::path tclFolder = fs::path(written_.script).parent_path();
    const fs::path pythonFolder = tclFolder / "openseespy";
    fs::create_directories(pythonFolder);
    for (const auto& entry : fs::directory_iterator(tclFolder))
        if (entry.is_regular_file() && entry.path().extension() == ".txt" &&
            entry.path().filename() != "Periods.txt")
            fs::copy_file(entry.path(), pythonFolder / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
    const std::string script = (pythonFolder / fs::path(written_.script).stem()).string() + ".py";
    std::string command = shellQuoted(binPath("kelvane-cli")) + " py " + shellQuoted(written_.model) +
                          " -o " + shellQuoted(script);
    for (const auto& setting : written_.settings)
        command += " --set " + shellQuoted(setting);
    const CommandResult generated = runCommand(command);
    if (generated.exitCode != 0) {
        ADD_FAILURE() << "kelvane-cli py failed (" << generated.exitCode << "): " << generated.err;
        return;
    }
    const CommandResult run = runCommand(shellQuoted(binPath("kelvane-cli")) + " run " + shellQuoted(script));
    if (run.exitCode != 0) {
        ADD_FAILURE() << "the OpenSeesPy run failed (" << run.exitCode << "): " << run.err;
        return;
    }
    EXPECT_EQ(howFarItGot(run.out), howFarItGot(tclOutput_))
        << "OpenSeesPy got elsewhere than the Tcl interpreter";
    const std::vector<std::string> tclScript = loadLines(written_.script);
    if (tclInterpreterShakesTiedMasses(written_.model, written_.settings) ||
        openSeesPyLeavesDanglingTiedJointsBehind(tclScript))
        return;
    // The builds' 3-D corotational transformations are different formulations: they agree with
    // each other, and with the linear transformation, to the order of the rotations squared only.
    const bool corotational = std::any_of(tclScript.begin(), tclScript.end(), [](const std::string& line) {
        return line.starts_with("geomTransf Corotational");
    });
    // Force-based elements of a nonlinear model stop their own iterations at an energy tolerance, where
    // the builds' element formulations stand a compatibility error of up to about 1e-7 rad apart.
    const bool iteratedElements =
        std::any_of(tclScript.begin(), tclScript.end(), [](const std::string& line) {
            return line.starts_with("element nonlinearBeamColumn ") &&
                   line.find(" -iter ") != std::string::npos;
        });
    std::vector<std::string> files, forceFiles;
    for (const std::string& name : recorderFileNames(tclScript))
        (isElementForceFile(name) ? forceFiles : files).push_back(name);
    if (fs::exists(tclFolder / "Periods.txt"))
        files.push_back("Periods.txt");
    const CrossCheck check = crossCheckRecorders(tclFolder, pythonFolder, files,
                                                 corotational       ? 1e-5
                                                 : iteratedElements ? 1e-4
                                                                    : 1e-9);
    EXPECT_TRUE(check.differences.empty())
        << "the OpenSeesPy run differs from the Tcl run: " << check.differences.front();
    if (!forceFiles.empty())
        crossCheckFrameForces(tclFolder, pythonFolder, forceFiles.front());
}

// The element force files hold no values of a corotational truss in OpenSeesPy's run and twelve in
// the Tcl interpreter's, so they are compared through the reader, which takes either: the end
// forces of every frame that has them in both runs, at the last step.
void SolverTest::crossCheckFrameForces(const std::filesystem::path& tclFolder,
                                       const std::filesystem::path& pythonFolder,
                                       const std::string& anyForceFile) {
    const std::size_t steps = nonEmptyLines((tclFolder / anyForceFile).string()).size();
    ModelStore tcl = importedModel(written_.model), python = importedModel(written_.model);
    AnalysisSettings analysis;
    RecorderSettings recorders;
    for (ModelStore* store : {&tcl, &python})
        for (const std::string& setting : written_.settings) {
            const std::size_t equals = setting.find('=');
            setNamedValue(*store, analysis, recorders, setting.substr(0, equals), setting.substr(equals + 1));
        }
    loadFrameForces(tcl, tclFolder.string(), static_cast<std::int32_t>(steps));
    loadFrameForces(python, pythonFolder.string(), static_cast<std::int32_t>(steps));
    for (int f = 1; f <= countOf(tcl.frameCount); ++f) {
        const TFRAME& a = tcl.frames[static_cast<std::size_t>(f)];
        const TFRAME& b = python.frames[static_cast<std::size_t>(f)];
        if (!a.hasEndForces || !b.hasEndForces)
            continue;
        double scale = 0;
        for (double value : a.endForces)
            scale = std::max(scale, std::abs(value));
        for (std::size_t v = 0; v < a.endForces.size(); ++v)
            ASSERT_NEAR(a.endForces[v], b.endForces[v], 1e-5 * scale + 1e-9)
                << "end force " << v << " of frame " << f
                << " differs between the Tcl and the OpenSeesPy run";
    }
}

std::string SolverTest::writeAndRun(const std::string& modelPath, const std::vector<std::string>& settings) {
    const std::string script = writeScript(modelPath, settings);
    if (script.empty() || !runScript(script))
        return {};
    return script;
}

ModelStore importedModel(const std::string& modelPath) {
    return importModelFile(modelPath, initPalette()).store;
}

std::vector<std::string> nonEmptyLines(const std::string& path) {
    std::vector<std::string> lines;
    for (auto& line : loadLines(path))
        if (line.find_first_not_of(" \t") != std::string::npos)
            lines.push_back(line);
    return lines;
}

std::vector<double> numbersOf(const std::string& line) {
    std::vector<double> numbers;
    std::istringstream words(line);
    std::string word;
    while (words >> word)
        numbers.push_back(parseReal(word));
    return numbers;
}

} // namespace kelvane::test
