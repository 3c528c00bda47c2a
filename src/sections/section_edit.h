#pragma once

#include "model/model_store.h"

#include <cstdint>
#include <string>

namespace kelvane {

// One frame section as the Frame Section window's controls hold it.
struct SectionEdit {
    // The 1-based item of each list; 0 (no item selected) keeps what the section has, so a
    // rigid-link section (type 7, not in the list) keeps its type.
    std::int32_t elementType = 0;
    std::int32_t sectionKind = 0;
    std::int32_t geomTransf = 0;
    // The boxes as typed.
    std::string divideFX, divideFY, barNumNX, barNumNY, topBar, bottomBar, cover, hingeLengthI, hingeLengthJ;
    std::int32_t colour = 0;
    // Material numbers (0: none of its own); -1 keeps what the section has.
    std::int32_t coreMaterial = -1;
    std::int32_t rebarMaterial = -1;
};

// The window's OK for section k: stores the frame type, the section type, the four counts, the bar
// areas, the cover, the hinge lengths, the colour, the transformation and the two materials, in
// this order. A box that does not convert stops there with its message led by the box's caption
// ("Cover: 'abc' is not a valid floating point value"); what was stored before it stays. When
// everything converts but the mesh settings are unsound (sectionMeshFault), the section is put
// back as it was and the fault is raised, led by its box.
void applySectionEdit(ModelStore& store, int k, const SectionEdit& edit);

} // namespace kelvane
