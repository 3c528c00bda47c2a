#pragma once

#include "model/model_store.h"

#include <cstdint>
#include <string_view>

// Materials and sections are referred to by name: the last exact, case-sensitive match among
// records 1..count gives the index; 0 when none matches.
namespace kelvane {

std::int32_t findMaterial(const ModelStore& store, std::string_view name);
std::int32_t findFrameSection(const ModelStore& store, std::string_view name);
std::int32_t findShellSection(const ModelStore& store, std::string_view name);

} // namespace kelvane
