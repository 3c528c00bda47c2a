#include "model/tables/element_geometry.h"
#include "model/tables/import_context.h"
#include "model/tables/joint_load_sums.h"
#include "model/tables/sap_local_axes.h"

namespace kelvane::tables {
namespace {

double unitWeightOf(const ModelStore& store, std::int32_t material) {
    return store.materials[static_cast<std::size_t>(material)].unitWeight;
}

// Frames: multiplier x unit weight x Area (times the section's and the frame's weight modifiers),
// uniform and downward. A beam-column takes it as a uniform load over its span; a truss or a rigid
// link, whose element takes no beam load, as a load over the whole span that the script hands to
// its joints.
void addFrameSelfWeight(ImportContext& context, const std::string& caseName, double multiplier) {
    ModelStore& store = context.store;
    for (std::int32_t f = 1; f <= store.frameCount; ++f) {
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        const TSECTION& section = store.frameSections[static_cast<std::size_t>(frame.section)];
        const double weight = unitWeightOf(store, section.material);
        if (frame.section == 0 || weight == 0)
            continue;
        const double area = context.selfWeightArea[static_cast<std::size_t>(frame.section)];
        if (area < 0) {
            context.report.addNotCarried("self weight of frames whose section gives no Area (pattern " +
                                         caseName + ")");
            continue;
        }
        const bool beamLoad =
            section.elementType >= ElasticBeamColumn && section.elementType <= BeamWithHinge;
        const double w = multiplier * weight * area * frame.assigned->weightModifier;
        addLocalComponents(store, frame, {0, 0, -w}, [&](std::int32_t k, double component) {
            TLOAD& load = store.loads.emplace_back();
            load.kind = beamLoad ? LoadDistributed : LoadFrameSpan;
            load.target = f;
            load.caseName = caseName;
            load.direction = k;
            load.fx = component;
            if (!beamLoad) {
                load.fy = component;
                load.distB = 1;
            }
        });
    }
}

// Shells: multiplier x unit weight x thickness x area, shared equally by the area's joints. The
// weight of an area that is not written is reported.
void addShellSelfWeight(ImportContext& context, double multiplier, JointLoadSums& sums) {
    const ModelStore& store = context.store;
    for (std::int32_t a = 1; a <= store.areaCount; ++a) {
        const TSHELL& area = store.shells[static_cast<std::size_t>(a)];
        const TAREASEC& section = store.shellSections[static_cast<std::size_t>(area.section)];
        const double weight = unitWeightOf(store, section.material);
        if (weight == 0 || section.thickness == 0)
            continue;
        if (section.isShell != 1) {
            context.report.addNotCarried("self weight of areas that are not written");
            continue;
        }
        const std::vector<Vector> corners = areaCorners(store, area);
        const double share = multiplier * weight * section.thickness * section.weightFactor *
                             areaSize(corners) / static_cast<double>(corners.size());
        for (const std::int32_t joint : {area.node1, area.node2, area.node3, area.node4})
            if (joint != 0)
                sums.add(joint, {0, 0, -share});
    }
}

// Solids: multiplier x unit weight x volume, an eighth to each joint. A solid without a property
// weighs what the script makes it of: the first material.
void addSolidSelfWeight(const ModelStore& store, double multiplier, JointLoadSums& sums) {
    for (std::int32_t s = 1; s <= store.solidCount; ++s) {
        const TSOLID& solid = store.solids[static_cast<std::size_t>(s)];
        const bool ownMaterial = solid.section >= 1 && solid.section <= store.materialCount;
        const double weight =
            store.materialCount >= 1 ? unitWeightOf(store, ownMaterial ? solid.section : 1) : 0;
        if (weight == 0)
            continue;
        const double share = multiplier * weight * solidVolume(store, solid) / 8;
        for (const std::int32_t joint : {solid.node1, solid.node2, solid.node3, solid.node4, solid.node5,
                                         solid.node6, solid.node7, solid.node8})
            sums.add(joint, {0, 0, -share});
    }
}

// Links: multiplier x the property's weight, half to each joint; a one-joint link's all to its joint.
void addLinkSelfWeight(const ModelStore& store, double multiplier, JointLoadSums& sums) {
    for (std::int32_t l = 1; l <= store.linkCount; ++l) {
        const TLINK& link = store.links[static_cast<std::size_t>(l)];
        const double weight = multiplier * store.linkProps[static_cast<std::size_t>(link.prop)].weight;
        if (weight == 0)
            continue;
        if (link.nodeI == 0) {
            sums.add(link.nodeJ, {0, 0, -weight});
            continue;
        }
        sums.add(link.nodeI, {0, 0, -weight / 2});
        sums.add(link.nodeJ, {0, 0, -weight / 2});
    }
}

} // namespace

// Self weight for each pattern with SelfWtMult: of the frames, the shells, the solids and the links.
void addSelfWeight(ImportContext& context) {
    ModelStore& store = context.store;
    JointLoadSums sums;
    for (std::int32_t c = 1; c <= store.loadCaseCount; ++c) {
        const double multiplier = context.selfWeightMultiplier[static_cast<std::size_t>(c)];
        if (multiplier == 0)
            continue;
        const std::string& caseName = store.loadCaseNames[static_cast<std::size_t>(c)];
        addFrameSelfWeight(context, caseName, multiplier);
        addShellSelfWeight(context, multiplier, sums);
        addSolidSelfWeight(store, multiplier, sums);
        addLinkSelfWeight(store, multiplier, sums);
        sums.flush(store, caseName);
    }
    store.loadCount = static_cast<std::int32_t>(store.loads.size()) - 1;
}

} // namespace kelvane::tables
