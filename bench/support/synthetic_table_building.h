#pragma once

#include "support/synthetic_building.h"

#include <string>

// Synthetic SAP2000 table-format models for the benchmarks: the building of synthetic_building.h
// (storeys x baysX x baysY bays of 6 m, 3.3 m storeys) written as SAP2000 writes its tables, in kN
// and m: joints with their global coordinates, fixed supports, a diaphragm constraint per floor,
// joint masses, concrete columns and beams, a slab area per bay and floor, and load patterns DEAD
// (self weight and uniform loads on every beam), SDEAD (uniform loads on every beam) and PUSH
// (lateral forces on the floor joints).
namespace kelvane::bench {

std::string syntheticTableBuilding(const BuildingSize& size);
long long syntheticTableBuildingLineCount(const BuildingSize& size);
// A square-plan building whose file has about `lines` lines.
BuildingSize tableBuildingSizeForLines(long long lines);

} // namespace kelvane::bench
