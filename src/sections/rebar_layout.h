#pragma once

#include "model/model_store.h"

#include <optional>
#include <string>
#include <vector>

// Where the bars of a concrete section described as SAP2000 describes it (TREINFORCEMENT) lie.
namespace kelvane {

// The distance from the concrete's edge to the centre of a column's bars: the clear cover, the
// tie and half the bar.
double columnBarInset(const TREINFORCEMENT& reinforcement);

// What keeps the description from placing its bars (too few bars per face, bars outside the
// concrete, a bar without an area); nothing for a sound one.
std::optional<std::string> reinforcementFault(const TSECTION& section);

// The bars, each with its own position and area: a rectangular column's corner bars, then the
// bars between them on the faces parallel to 3 (z = -, then +), then on those parallel to 2; a
// circular column's bars counter-clockwise from the local 2 axis; a beam's top layer, then its
// bottom layer, each as two bars at the layer's corners.
std::vector<RebarBar> reinforcementBars(const TSECTION& section);

// Stores the bars into the section, with its cover (to the bar centres) and the older counts and
// row areas that describe the same bars; stops with a message naming the section when
// reinforcementFault finds a fault.
void placeReinforcementBars(TSECTION& section);

// The total area of the section's bars.
double totalBarArea(const TSECTION& section);

} // namespace kelvane
