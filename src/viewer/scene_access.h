#pragma once

#include "model/model_store.h"
#include "viewer/canvas.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Bounds-checked reads of the store for the viewer: a count never exceeds its array, and a number
// outside its table yields nothing (joints, frames) or the empty record 0 (sections).
namespace kelvane {

inline int boundedCount(std::int32_t count, std::size_t arraySize) {
    const int n = countOf(count);
    const int last = arraySize == 0 ? 0 : static_cast<int>(arraySize - 1);
    return n < last ? n : last;
}

inline int jointCount(const ModelStore& model) { return boundedCount(model.nodeCount, model.nodes.size()); }
inline int frameCountOf(const ModelStore& model) { return boundedCount(model.frameCount, model.frames.size()); }

inline const TNODE* jointAt(const ModelStore& model, std::int32_t k) {
    return k >= 1 && k <= jointCount(model) ? &model.nodes[static_cast<std::size_t>(k)] : nullptr;
}

inline TNODE* jointAt(ModelStore& model, std::int32_t k) {
    return k >= 1 && k <= jointCount(model) ? &model.nodes[static_cast<std::size_t>(k)] : nullptr;
}

// The pixel point of joint k; false when k is not a joint.
inline bool jointPoint(const ModelStore& model, std::int32_t k, Point& point) {
    const TNODE* node = jointAt(model, k);
    if (node == nullptr)
        return false;
    point = {node->ScreenX, node->ScreenY};
    return true;
}

// Frame section `index`, or the zero-filled record for 0 and numbers outside the table.
const TSECTION& frameSectionOf(const ModelStore& model, std::int32_t index);
const TAREASEC& shellSectionOf(const ModelStore& model, std::int32_t index);
const TMAT& materialOf(const ModelStore& model, std::int32_t index);

// The name an object is shown by: the label the file gave it (table format), else its number.
std::string labelOrNumber(const std::string& label, std::int32_t number);
// The same for joint k; a number outside the joint table is shown as it is.
std::string jointName(const ModelStore& model, std::int32_t k);

} // namespace kelvane

namespace kelvane {

// A straight line between two pixel points with the current pen.
inline void drawLine(Canvas& canvas, Point from, Point to) {
    canvas.moveTo(from.x, from.y);
    canvas.lineTo(to.x, to.y);
}

inline constexpr std::int32_t kBlack = 0x000000;
inline constexpr std::int32_t kWhite = 0xFFFFFF;

} // namespace kelvane
