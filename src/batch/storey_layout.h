#pragma once

#include "model/model_store.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The floors whose displacements give an ensemble run its peaks, from the ground up, kept with the
// set (SET/storeys.txt) so that the peaks are read without the model.
namespace kelvane {

inline constexpr const char* kStoreysName = "storeys.txt";

struct FloorLevel {
    double elevation = 0;
    std::vector<std::int32_t> joints; // the floor moves as the mean of these joints
};

struct StoreyLayout {
    int direction = 1;              // the record's degree of freedom, 1 X, 2 Y, 3 Z
    int gravitySteps = 0;           // the recorded steps before the time history (D+L+Time Hist Analysis)
    std::vector<FloorLevel> floors; // floors[0] is the ground: the supports restrained along `direction`
};

// The floors of the model above its lowest supports restrained along `direction`. With rigid
// diaphragms each floor is the diaphragms at one elevation, moving as their retained joints; without,
// each elevation of the joints that frames, areas or solids connect is a floor, moving as the mean
// of its joints. Elevations within a millionth of the model's height are one. A model with no such
// support, or no floor above it, is refused.
StoreyLayout storeyLayout(const ModelStore& store, int direction, int gravitySteps);

std::vector<std::string> storeyLines(const StoreyLayout& layout);
// Refuses a file that is not one storeyLines wrote, naming the file and line.
StoreyLayout readStoreyLayout(const std::filesystem::path& path);

} // namespace kelvane
