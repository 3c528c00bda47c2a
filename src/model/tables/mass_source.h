#pragma once

#include "model/tables/import_context.h"

#include <cstdint>
#include <string>
#include <vector>

// Where the model's mass comes from: SAP2000's mass source.
namespace kelvane::tables {

struct MassFromPattern {
    std::int32_t pattern = 0; // load case number of the load pattern
    double multiplier = 0;
};

struct MassSource {
    std::string name;        // empty for SAP2000's default when the file names no source
    std::string namedByCase; // the load case that names this source, if one does
    bool elements = true;    // the elements' own mass
    bool addedMasses = true; // joint, frame and area added masses
    bool loads = false;      // mass from the load patterns below
    std::vector<MassFromPattern> patterns;
};

// MASS SOURCE, or a table that splits it (MASS SOURCE 1 - ..., MASS SOURCE 2 - ...).
bool isMassSourceTable(std::string_view name);

// The mass source of the model: the one a modal or time-history load case names (MassSource of
// LOAD CASE DEFINITIONS), else the default one (IsDefault) of the MASS SOURCE table (SAP2000 14 and
// later: a row per load pattern, the first row of a source carrying Elements, Masses, Loads and
// IsDefault) or of the older MASSES 1 - MASS SOURCE (MassFrom), else SAP2000's default: the
// elements' mass and the added masses. Without `withPatterns` (before the load patterns are read)
// the source's load patterns are left out.
MassSource readMassSource(const ImportContext& context, bool withPatterns = true);

} // namespace kelvane::tables
