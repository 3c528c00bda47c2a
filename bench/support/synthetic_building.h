#pragma once

#include <string>

// Synthetic s2k models for the benchmarks: a reinforced-concrete frame building of storeys x baysX x
// baysY bays (6 m bays, 3.3 m storeys) with columns, beams in both directions, a slab shell per bay
// and floor, a rigid diaphragm with its master joint per floor, masses on the floor joints, fixed
// supports, materials, frame and shell sections, and two load cases (DEAD: distributed loads on every
// beam; PUSH: lateral forces on the diaphragm masters). Joints and frames are numbered 1..N in table
// order, as the importer requires.
namespace kelvane::bench {

struct BuildingSize {
    int storeys = 1;
    int baysX = 1;
    int baysY = 1;
};

std::string syntheticBuildingS2k(int storeys, int baysX, int baysY);
inline std::string syntheticBuildingS2k(const BuildingSize& size) {
    return syntheticBuildingS2k(size.storeys, size.baysX, size.baysY);
}

// The number of lines syntheticBuildingS2k writes for a size, and the number of frames it holds.
long long syntheticBuildingLineCount(const BuildingSize& size);
long long syntheticBuildingFrameCount(const BuildingSize& size);

// A square-plan building with as many storeys as bays (or fewer) whose file has about `lines`
// lines, or whose frame table has about `frames` frames.
BuildingSize buildingSizeForLines(long long lines);
BuildingSize buildingSizeForFrames(long long frames);

// The file of buildingSizeForLines(lines).
std::string syntheticBuildingS2kWithLines(long long lines);

} // namespace kelvane::bench

namespace kelvane {
using bench::syntheticBuildingS2kWithLines;
} // namespace kelvane
