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
// it inside the bars' centre lines. Stops with a message naming the section when a count is
// negative, the mesh needs more than 80 fibers, or its shape cannot be meshed (a general section,
// of the file's properties only) and it holds no fibers; the sections meshed before keep their
// new lists.
void meshFiberSections(ModelStore& store, std::int32_t rebarMaterial);

// Meshes one section (its number and name appear in messages). A pipe and a circle take Divide FX
// sectors in Divide FY rings; a channel, angle, tee, double angle or double channel two fibers
// through the thickness of each of Divide FX divisions of its flanges and Divide FY of its webs,
// about its centroid. Shapes the mesher does not know keep their list.
void meshFiberSection(TSECTION& section, int sectionNumber, std::int32_t rebarMaterial);

// Rectangle, I, box, pipe, circle and the open steel shapes.
bool isMeshableShape(std::int32_t shape);

// The number of fibers the mesh of the section's shape takes, its counts being 0 or more (0 for a
// section of no known shape).
std::int64_t meshFiberCount(const TSECTION& section);

// The count printed under the section preview: the number of fibers the mesher writes; none for a
// pipe or a section of no known shape.
std::optional<std::int64_t> previewFiberCount(const TSECTION& section);
std::optional<std::int64_t> previewFiberCount(const ModelStore& store, int sectionNumber);

} // namespace kelvane
