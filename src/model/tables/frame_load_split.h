#pragma once

#include "model/model_store.h"

#include <cstdint>
#include <vector>

// The loads of a frame that is split into pieces, moved onto the pieces.
namespace kelvane::tables {

// `cuts` are the pieces' ends as fractions of the frame's length, from 0 to 1 (n + 1 values for n
// pieces), and `firstPiece` the store index of the first piece (the others follow it). A uniform
// load (kind 2) goes to every piece; a load over part of the span (kind 3) to each piece it
// covers, with its intensities at the piece's ends; a point load (kind 4) to the piece it stands
// on, at the start of the next piece where it stands on a cut.
void splitFrameLoad(const TLOAD& load, const std::vector<double>& cuts, std::int32_t firstPiece,
                    std::vector<TLOAD>& out);

} // namespace kelvane::tables
