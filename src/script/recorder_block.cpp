#include "script/block_writers.h"
#include "script/fiber_strain_recorders.h"
#include "script/node_dofs.h"

#include <algorithm>

#include "common/number_format.h"
#include "script/node_dofs.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {
namespace {

constexpr std::size_t kRecorderChunk = 100;

// Node chunks of 100: chunk c = 0.. covers nodes c*100+1 .. c*100+100; the remainder comes last.
template <typename WriteChunk> void forEachNodeChunk(int count, WriteChunk write) {
    const int whole = count / 100, rest = count % 100;
    for (int c = 0; c < whole; ++c)
        write(c, c * 100 + 1, c * 100 + 100);
    if (rest > 0)
        write(whole, whole * 100 + 1, whole * 100 + rest);
}

// Frame chunks of 100: chunk k = 1.. covers frames (k-1)*100+1 .. k*100; the remainder is chunk 0.
template <typename WriteChunk> void forEachFrameChunk(int count, WriteChunk write) {
    const int whole = count / 100, rest = count % 100;
    for (int k = 1; k <= whole; ++k)
        write(k, (k - 1) * 100 + 1, k * 100);
    if (rest > 0)
        write(0, whole * 100 + 1, whole * 100 + rest);
}

void writeFrameRecorders(ScriptWriter& out, int frameCount, std::string_view lineTemplate) {
    forEachFrameChunk(frameCount, [&](int chunk, int first, int last) {
        out.line(lineTemplate, {chunk, first, last});
    });
}

// The reactions of the base joints (the supports and the joints rigid links tie to them), 100 joints a
// file (reaction0.out for the first hundred, ...). The recorder has the solver compute the reactions
// before it records them. Ten digits instead of the
// recorders' usual six keep the sum of many reactions, and the load factor in the time column, exact
// enough to check equilibrium against the applied load.
void writeReactionRecorders(const ScriptInput& in, ScriptWriter& out) {
    const std::vector<std::int32_t> base = baseJoints(in.store, in.dofsPerNode);
    std::string joints;
    for (std::size_t first = 0; first < base.size(); first += kRecorderChunk) {
        joints.clear();
        const std::size_t last = std::min(base.size(), first + kRecorderChunk);
        for (std::size_t i = first; i < last; ++i) {
            if (i > first)
                joints += ' ';
            appendInt(joints, base[i]);
        }
        out.line("recorder Node -file reaction%d.out -time -precision 10 -node %s -dof 1 2 3 reaction",
                 {static_cast<std::int32_t>(first / kRecorderChunk), joints});
    }
}

} // namespace

void writeRecorderBlock(const ScriptInput& in, ScriptWriter& out) {
    const int nodeCount = countOf(in.store.nodeCount);
    const int frameCount = countOf(in.store.frameCount);
    const RecorderSettings& wanted = in.recorders;

    out.text("puts \"recorder\"");
    if (wanted.nodeDisplacement)
        forEachNodeChunk(nodeCount, [&](int chunk, int first, int last) {
            out.line("recorder Node -file node%d.out -time -nodeRange %D %D -dof 1 2 3 disp",
                     {chunk, first, last});
        });
    if (wanted.baseReactions)
        writeReactionRecorders(in, out);
    if (wanted.elementForce)
        writeFrameRecorders(out, frameCount,
                            "recorder Element -file ele%d.out -time -eleRange %D %D localForce");
    if (wanted.sectionDeformation) {
        writeFrameRecorders(
            out, frameCount,
            "recorder Element -file ele%d_secs.out -time -eleRange %D %D section 1 deformation");
        const std::int32_t lastSection = in.analysis.numIntgrPts;
        forEachFrameChunk(frameCount, [&](int chunk, int first, int last) {
            out.line("recorder Element -file ele%d_secn.out -time -eleRange %D %D section %d deformation",
                     {chunk, first, last, lastSection});
        });
    }
    if (wanted.sectionStressStrain)
        writeFiberStrainRecorders(in, out);
    // Eigenvectors exist only after an eigen command; the static procedures run none, and a
    // mode-shape recorder would stop their analysis at its first step.
    const bool runsEigen =
        in.analysis.analysisType < SingleLoadControl || in.analysis.analysisType > GravityPushOver;
    // The modal procedure computes numModes modes, the transient ones the two of their Rayleigh
    // damping; a recorder of a mode beyond them would write zeros.
    const int computedModes = in.analysis.analysisType == ModalAnalysis
                                  ? modalModeCount(in.store, in.analysis.genMass, in.dofsPerNode)
                                  : eigenRequest(in.store, in.analysis.genMass, in.dofsPerNode, 2).modes;
    const int modes = std::min(in.analysis.modalNumber, computedModes);
    if (wanted.modalShape && runsEigen)
        for (int mode = 1; mode <= modes; ++mode)
            forEachNodeChunk(nodeCount, [&](int chunk, int first, int last) {
                out.line(
                    "recorder Node -file eigen%d_node%d.out -time -nodeRange %D %D -dof 1 2 3 \"eigen %D\"",
                    {mode, chunk, first, last, mode});
            });
}

} // namespace kelvane
