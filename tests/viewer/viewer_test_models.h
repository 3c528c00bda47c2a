#pragma once

#include "model/colour_table.h"
#include "model/model_store.h"

#include <cstdint>
#include <string>

// Small hand-built stores for the viewer tests. Joints are placed by pixel point directly where a
// test exercises a layer without the projection.
namespace kelvane::test {

inline int addJoint(ModelStore& model, double x, double y, double z) {
    if (model.nodes.empty())
        model.nodes.resize(1);
    TNODE node;
    node.x = x;
    node.y = y;
    node.z = z;
    model.nodes.push_back(node);
    return model.nodeCount = static_cast<std::int32_t>(model.nodes.size() - 1);
}

inline int addPixelJoint(ModelStore& model, int screenX, int screenY) {
    const int k = addJoint(model, 0, 0, 0);
    model.nodes[static_cast<std::size_t>(k)].ScreenX = screenX;
    model.nodes[static_cast<std::size_t>(k)].ScreenY = screenY;
    return k;
}

inline int addSection(ModelStore& model, std::int32_t colour, std::int32_t elementType,
                      const std::string& name = "SEC") {
    if (model.frameSections.empty())
        model.frameSections.resize(1);
    TSECTION section;
    section.colour = colour;
    section.elementType = elementType;
    section.name = name;
    model.frameSections.push_back(section);
    return model.frameSectionCount = static_cast<std::int32_t>(model.frameSections.size() - 1);
}

inline int addFrame(ModelStore& model, int nodeI, int nodeJ, int section) {
    if (model.frames.empty())
        model.frames.resize(1);
    TFRAME frame;
    frame.nodeI = nodeI;
    frame.nodeJ = nodeJ;
    frame.section = section;
    model.frames.push_back(frame);
    return model.frameCount = static_cast<std::int32_t>(model.frames.size() - 1);
}

inline int addShellSection(ModelStore& model, std::int32_t colour, std::int32_t isShell) {
    if (model.shellSections.empty())
        model.shellSections.resize(1);
    TAREASEC section;
    section.colour = colour;
    section.isShell = isShell;
    model.shellSections.push_back(section);
    return model.shellSectionCount = static_cast<std::int32_t>(model.shellSections.size() - 1);
}

inline int addArea(ModelStore& model, int section, int n1, int n2, int n3, int n4) {
    if (model.shells.empty())
        model.shells.resize(1);
    TSHELL area;
    area.section = section;
    area.node1 = n1;
    area.node2 = n2;
    area.node3 = n3;
    area.node4 = n4;
    model.shells.push_back(area);
    return model.areaCount = static_cast<std::int32_t>(model.shells.size() - 1);
}

inline int addLoad(ModelStore& model, const TLOAD& load) {
    if (model.loads.empty())
        model.loads.resize(1);
    model.loads.push_back(load);
    return model.loadCount = static_cast<std::int32_t>(model.loads.size() - 1);
}

inline void fixJoint(ModelStore& model, int k, int restrainedDofs) {
    for (int dof = 1; dof <= restrainedDofs; ++dof)
        model.nodes[static_cast<std::size_t>(k)].restraint[static_cast<std::size_t>(dof)] = 1;
}

} // namespace kelvane::test
