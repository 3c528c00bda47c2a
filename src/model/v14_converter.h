#pragma once

#include <string>
#include <vector>

// Converts a solid model written by SAP2000 V14 (blocks of "TABLE:" rows in key=value form) into
// the version-6 tables JOINT, RESTRAINT, LOAD, MATERIAL (of the solids, when the file gives it) and
// SOLID that the s2k importer reads.
namespace kelvane {

struct V14Table {
    int first = 0; // index of the first data line in the input, 0 when the table is missing
    int rowCount = 0;
    bool found = false;
};

// Finds the table whose header line is exactly `TABLE:  "<name>"`. Its rows run from the last
// occurrence of the header up to the first blank line after the first occurrence, or to the end of
// the input when none follows. A missing table has no rows. A header repeated after that blank
// line gives a negative row count, which the conversion refuses.
V14Table findV14Table(const std::vector<std::string>& inputLines, const std::string& tableName);

inline constexpr const char* kV14JointTable = "JOINT COORDINATES";
inline constexpr const char* kV14RestraintTable = "JOINT RESTRAINT ASSIGNMENTS";
inline constexpr const char* kV14ForceTable = "JOINT LOADS - FORCE";
inline constexpr const char* kV14SolidTable = "CONNECTIVITY - SOLID";
// Optional: the material of the solids.
inline constexpr const char* kV14SolidPropertyTable = "SOLID PROPERTY DEFINITIONS";
inline constexpr const char* kV14MaterialTable = "MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES";

struct V14Conversion {
    std::vector<std::string> outputLines; // the version-6 text, one entry per line
    // The four report lines, the material line when a solid material was converted, then one line per
    // missing table.
    std::vector<std::string> reportLines;
    int v14JointCount = 0;
    int v14SolidCount = 0;
    std::vector<std::string> missingTables; // names of the tables the input lacks, in reading order
    std::string solidMaterial;              // the material written for the solids, if any
};

// Runs the whole conversion. A field that is not a number raises the conversion message
// ("'%s' is not a valid integer value" / "... floating point value"); nothing is returned then,
// so a failed conversion never leaves partial output to save.
V14Conversion convertV14(const std::vector<std::string>& inputLines);

} // namespace kelvane
