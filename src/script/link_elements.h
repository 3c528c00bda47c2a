#pragma once

#include "model/frame_axes.h"
#include "model/model_store.h"
#include "script/script_writer.h"

#include <array>
#include <cstdint>
#include <vector>

// The link objects of the model as solver elements. A link whose ends are apart is a twoNodeLink;
// one whose joints coincide, or a one-joint link (whose end I is a ground node of its own, fixed in
// every degree of freedom), a zeroLength element. Rubber isolators that yield in shear are
// elastomericBearingPlasticity elements, friction isolators singleFPBearing (flatSliderBearing
// without a radius) with a velocity-dependent friction model. Each direction of a link property
// takes a uniaxial material of its own, tag kLinkMaterialTagBase + 10 p + direction.
namespace kelvane {

inline constexpr std::int32_t kLinkMaterialTagBase = 900000;

struct LinkElement {
    std::int32_t link = 0;
    std::int32_t nodeI = 0, nodeJ = 0;
    bool groundNode = false; // nodeI is the link's own ground node
    bool zeroLength = false;
    std::int32_t element = 0;
    double length = 0;
    std::array<Vector, 3> axes{}; // local 1, 2, 3 in global axes
};

struct LinkLayout {
    std::vector<LinkElement> elements;
    // The stiffness of a fixed direction: rigid against the links' own stiffnesses, for the
    // translations and the rotations.
    double rigidTranslation = 0, rigidRotation = 0;
    // Per link property, 1-based: whether a link takes it (only those are written).
    std::vector<char> usedProps;
};

// In link order: ground nodes after `lastNode`, elements after `lastElement`. Stops on a link that
// the script cannot write as SAP2000 defines it (naming the link property and the direction).
LinkLayout layOutLinks(const ModelStore& store, std::int32_t lastNode, std::int32_t lastElement,
                       int dofsPerNode);

// The local axes of a link from I to J as SAP2000 defines them: 1 along the link, or along global Z
// for a link of zero length; 2 in the vertical plane through 1, pointing up (global X for a vertical
// link); 3 = 1 x 2; then 2 and 3 turned by `angle` degrees about 1.
std::array<Vector, 3> linkAxes(const Vector& from, const Vector& to, double angle = 0);

// The uniaxial material tag of direction d (1..6) of link property p.
std::int32_t linkMaterialTag(std::int32_t p, std::size_t d);

// Whether link property p becomes a bearing element (whose materials cover all six directions).
bool isBearingLink(const TLINKPROP& prop);

void writeLinkNodes(const LinkLayout& layout, const ModelStore& store, ScriptWriter& out);
void writeLinkFixes(const LinkLayout& layout, ScriptWriter& out);
void writeLinkMaterials(const LinkLayout& layout, const ModelStore& store, ScriptWriter& out);
void writeLinkElements(const LinkLayout& layout, const ModelStore& store, ScriptWriter& out);

} // namespace kelvane
