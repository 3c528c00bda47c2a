#pragma once

#include "model/model_store.h"

#include <cstdint>
#include <optional>

// Turns the few numbers that describe a frame section into its fiber list.
namespace kelvane {

// Rebuilds the fiber list of every section whose element type is 2 to 6 (beam-column and truss
// kinds); other sections keep theirs. A rectangle with reinforcement from the model file takes its
// bars as they are stored, each at its own position and area. Every bar gets the section's own rebar material, or
// `rebarMaterial` when it has none; the concrete fibers of a rectangle with a core material take
// it inside the bars' centre lines. Stops with a message naming
// the section when a count is negative or the mesh needs more than 80 fibers; the sections meshed
// before keep their new lists.
void meshFiberSections(ModelStore& store, std::int32_t rebarMaterial);

// Meshes one section (its number and name appear in messages). Shapes other than rectangle, I,
// box and pipe keep their list.
void meshFiberSection(TSECTION& section, int sectionNumber, std::int32_t rebarMaterial);

// The number of fibers the mesh of the section's shape takes, its counts being 0 or more (a pipe's
// too; 0 for a section of no known shape).
std::int64_t meshFiberCount(const TSECTION& section);

// The count printed under the section preview: for a rectangle the number of fibers the mesher
// writes; none for a pipe or a section of no known shape.
std::optional<std::int64_t> previewFiberCount(const TSECTION& section);
std::optional<std::int64_t> previewFiberCount(const ModelStore& store, int sectionNumber);

} // namespace kelvane
