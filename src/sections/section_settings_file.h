#pragma once

#include "model/model_store.h"

#include <string>
#include <vector>

// The nonlinear settings of the frame sections (element type, section kind, divisions, bars, cover,
// bar areas, hinge lengths, transformation, colour) as a small text file, keyed by section name,
// so they can be carried over to a revised model:
//
//   Kelvane frame section settings 1
//   [B300X500]
//   elementType=2
//   ...
//   colour=#FF0000
//
// Every section block gives all thirteen fields, converted as the frame section window converts
// them, and may give coreMaterial= and rebarMaterial= with a material name (absent: none). Blank
// lines are ignored.
namespace kelvane {

inline constexpr const char* kSectionSettingsHeader = "Kelvane frame section settings 1";

// The file's lines for sections 1..frameSectionCount in table order. Refuses a model in which two
// sections share a name, since the file could not tell them apart.
std::vector<std::string> sectionSettingsLines(const ModelStore& store);

// Writes the lines with CR LF, atomically (a failed save keeps the previous file).
void exportSectionSettings(const std::string& path, const ModelStore& store);

// Applies settings lines to the sections of the same name. Everything is checked first: a bad line,
// a missing or repeated field, or a name the model does not hold stops with a message naming
// `fileName` and the line, and nothing is applied. With `skippedSections`, a section name the model
// does not hold is listed there instead and its block left out. Sections the file does not name
// keep their settings. `firstLineNumber` is the file line of lines[0], for lines taken from a larger
// file. Returns the number of sections changed.
int applySectionSettings(const std::vector<std::string>& lines, const std::string& fileName,
                         ModelStore& store, std::vector<std::string>* skippedSections = nullptr,
                         int firstLineNumber = 1);

// Reads a file and applies it as above.
int importSectionSettings(const std::string& path, ModelStore& store);

} // namespace kelvane
