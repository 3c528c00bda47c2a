#pragma once

#include "model/model_store.h"
#include "viewer/canvas.h"

// The picture of one frame section in the section window: outline, fiber division lines, bars and
// the fiber count, drawn from the stored record.
namespace kelvane {

inline constexpr int kSectionPreviewSize = 200;

// Draws the section on a 200 by 200 pixel canvas, 160 pixels for its larger dimension. A section
// with no positive dimension has no scale and leaves the picture blank. A one-bar row of a
// rectangle stops with the mesher's floating-point error, like the mesher itself.
void drawSectionPreview(Canvas& canvas, const TSECTION& section);

// The same for section `sectionNumber` (1-based); a number outside the table leaves the picture blank.
void drawSectionPreview(Canvas& canvas, const ModelStore& store, int sectionNumber);

} // namespace kelvane
