#pragma once

#include "model/model_store.h"
#include "script/analysis_settings.h"
#include "script/frame_releases.h"
#include "script/joint_springs.h"
#include "script/link_elements.h"
#include "script/script_writer.h"

// The block writers of the script, called by the generator in the order declared here. Each reads
// the store and the settings and appends its lines; none changes the store.
namespace kelvane {

// The elastic nD material of shell section a with stiffness modifiers is this plus a.
inline constexpr std::int32_t kModifiedShellMaterialBase = 800000;

struct ScriptInput {
    const ModelStore& store;
    const AnalysisSettings& analysis;
    const RecorderSettings& recorders;
    int dofsPerNode = 6; // 3 for a model of solids only
    const FrameReleases& releases;
    const std::vector<GroundSpring>& groundSprings;
    // The link objects' elements and their ground nodes.
    const LinkLayout& links;
};

void writeNodeBlock(const ScriptInput& in, ScriptWriter& out);
void writeEqualDofBlock(const ScriptInput& in, ScriptWriter& out);
void writeMaterialBlock(const ScriptInput& in, ScriptWriter& out);
void writeFiberSectionBlock(const ScriptInput& in, ScriptWriter& out);
void writePlateFiberBlock(const ScriptInput& in, ScriptWriter& out);
void writeFrameBlock(const ScriptInput& in, ScriptWriter& out);
void writeShellBlock(const ScriptInput& in, ScriptWriter& out);
void writeSolidBlock(const ScriptInput& in, ScriptWriter& out);
void writeRecorderBlock(const ScriptInput& in, ScriptWriter& out);
void writeLoadAnalysisBlock(const ScriptInput& in, ScriptWriter& out);

// True when the script ties joints together: a rigid diaphragm or an Equal constraint (which need
// the Transformation constraint handler).
bool hasDiaphragmTie(const ModelStore& store);

} // namespace kelvane
