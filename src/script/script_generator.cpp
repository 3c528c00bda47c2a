#include "script/script_generator.h"

#include "common/text_file.h"
#include "script/block_writers.h"
#include "script/control_joint_check.h"
#include "script/generator_passes.h"
#include "script/ground_motion_file.h"
#include "script/node_dofs.h"
#include "script/script_checks.h"
#include "script/store_access.h"
#include "script/tag_check.h"
#include "sections/fiber_mesher.h"

#include <algorithm>

namespace kelvane {
namespace {

// Room for the lines of a usual script, so that a large one is not moved while it grows.
std::size_t expectedLineCount(const ModelStore& store) {
    std::size_t count = 256;
    count += 3 * static_cast<std::size_t>(countOf(store.nodeCount));  // node, mass, fix
    count += 2 * static_cast<std::size_t>(countOf(store.frameCount)); // transformation, element
    count += static_cast<std::size_t>(countOf(store.areaCount) + countOf(store.solidCount));
    count += 2 * static_cast<std::size_t>(countOf(store.loadCount));
    for (int d = 1; d <= countOf(store.diaphragmCount); ++d)
        count += static_cast<std::size_t>(std::max(0, store.diaphragms[d].slaveCount)) + 1;
    for (int s = 1; s <= countOf(store.frameSectionCount); ++s)
        count += static_cast<std::size_t>(std::max(0, store.frameSections[s].fiberCount)) + 8;
    return count;
}

// The links' ground nodes and elements count on from those of the joints' springs.
LinkLayout layOutLinksAfter(const ModelStore& store, const FrameReleases& releases,
                            const std::vector<GroundSpring>& groundSprings, int dofsPerNode) {
    std::int32_t lastElement =
        countOf(store.frameCount) + countOf(store.areaCount) + countOf(store.solidCount);
    for (const ReleasedEnd& end : releases.ends)
        lastElement = std::max(lastElement, end.element);
    std::int32_t lastNode = countOf(store.nodeCount) + static_cast<std::int32_t>(releases.ends.size());
    for (const GroundSpring& spring : groundSprings) {
        lastElement = std::max(lastElement, spring.element);
        lastNode = std::max(lastNode, spring.node);
    }
    return layOutLinks(store, lastNode, lastElement, dofsPerNode);
}

// The prelude and the ten blocks, in order.
void writeScript(const ModelStore& store, const AnalysisSettings& analysis, const RecorderSettings& recorders,
                 ScriptWriter& out, int dofsPerNode) {
    // The script is 8-bit text like the Tcl one: the names of sections and load cases in its comments
    // and messages keep the model's bytes, which are not always UTF-8.
    out.script({}, {"# -*- coding: latin-1 -*-", "import openseespy.opensees as ops", ""});
    out.blockComment("The model: three dimensions, six degrees of freedom per node (three for solids only)");
    out.text("wipe");
    out.text("puts \"System\"");
    out.line("model basic -ndm 3 -ndf %d", {dofsPerNode});

    const FrameReleases releases = layOutFrameReleases(store);
    const std::vector<GroundSpring> groundSprings = layOutGroundSprings(store, releases, dofsPerNode);
    const LinkLayout links = layOutLinksAfter(store, releases, groundSprings, dofsPerNode);
    const ScriptInput in{store, analysis, recorders, dofsPerNode, releases, groundSprings, links};
    using BlockWriter = void (*)(const ScriptInput&, ScriptWriter&);
    const std::pair<const char*, BlockWriter> blocks[] = {
        {"Nodes, rigid diaphragms, masses and fixities", &writeNodeBlock},
        {"Rigid links: equal translations of their end joints", &writeEqualDofBlock},
        {"Uniaxial materials", &writeMaterialBlock},
        {"Fiber sections and section aggregators", &writeFiberSectionBlock},
        {"Plate-fiber materials and sections of the shells", &writePlateFiberBlock},
        {"Geometric transformations and frame elements", &writeFrameBlock},
        {"Shell elements", &writeShellBlock},
        {"Solid elements and their materials", &writeSolidBlock},
        {"Recorders", &writeRecorderBlock},
        {"Load patterns and the analysis procedure", &writeLoadAnalysisBlock},
    };
    for (const auto& [name, write] : blocks) {
        out.blockComment(name);
        write(in, out);
    }
}

// Runs the passes over the store and the checks that must hold before any line is written;
// returns the number of degrees of freedom per node.
int prepareStore(ModelStore& store, const AnalysisSettings& analysis) {
    checkStoreShape(store);
    assignIntegrationPoints(store, analysis);
    computeSectionProperties(store);
    meshFiberSections(store, analysis.rebarMaterial);
    // Shell tags count on from the frames; a missing frame table counts as none.
    if (store.frameCount < 0)
        store.frameCount = 0;
    checkScriptInputs(store, analysis);
    checkTagCollisions(store, analysis);
    const int dofsPerNode = nodeDofCount(store);
    checkControlJoint(store, analysis, dofsPerNode);
    checkModalMass(store, analysis, dofsPerNode);
    return dofsPerNode;
}

} // namespace

ScriptLines generateScript(ModelStore& store, const AnalysisSettings& analysis,
                           const RecorderSettings& recorders, ScriptLanguage language) {
    const int dofsPerNode = prepareStore(store, analysis);
    ScriptLines lines;
    lines.reserve(expectedLineCount(store));
    ScriptWriter out(lines, language);
    writeScript(store, analysis, recorders, out, dofsPerNode);
    return lines;
}

void saveScript(const std::string& path, ModelStore& store, const AnalysisSettings& analysis,
                const RecorderSettings& recorders, ScriptLanguage language) {
    const int dofsPerNode = prepareStore(store, analysis);
    AtomicFile file(path);
    ScriptWriter out(file, language);
    writeScript(store, analysis, recorders, out, dofsPerNode);
    out.flush();
    file.commit();
}

void saveScriptWithRecord(const std::string& path, ModelStore& store, const AnalysisSettings& analysis,
                          const RecorderSettings& recorders, ScriptLanguage language) {
    const std::string folder = folderOf(path);
    const ScriptGroundMotion motion = scriptGroundMotion(analysis, folder);
    saveScript(path, store, motion.analysis, recorders, language);
    writeConvertedRecord(motion, folder);
}

} // namespace kelvane
