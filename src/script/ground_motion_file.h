#pragma once

#include "script/analysis_settings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The record file of the uniform excitation: what its name must be to stand in the script's Tcl
// lines, the checks of a plain record, and PEER NGA .AT2 records, which the solver cannot read as
// they are and which are converted to the plain file it reads.
namespace kelvane {

// Standard gravity in the model's units, mm/s² (the models are in N and mm).
inline constexpr double kStandardGravity = 9806.65;

// Refuses a record name the script's lines would break or change: an empty name, or one holding a
// blank, a control character, a quote, a backslash or one of $ [ ] { } ; (Tcl would substitute or
// split it, and a list of two words would make two excitations).
void checkRecordFileName(std::string_view name);

// True when the name ends in ".AT2" (any letter case).
bool isPeerRecordName(std::string_view name);

// The plain file a PEER record is converted to: its file name without the folder, ".AT2" replaced
// by ".txt".
std::string convertedRecordName(std::string_view peerRecord);

struct PeerRecord {
    double dt = 0;                     // the header's DT, in seconds
    std::vector<double> accelerations; // the header's NPTS values, in g
};

// Reads a PEER NGA record: four header lines, the third naming the units (g), the fourth either
// "NPTS=  3930, DT= .0100 SEC" or "3930  .0100  NPTS, DT", then the values, any number a line.
// A file that is not such a record, or whose values are not numbers or not NPTS of them, is
// refused with a message naming the file and the line.
PeerRecord readPeerRecord(const std::string& path);

// Checks a plain record as the solver reads it, numbers separated by blanks or line ends: one
// that is not a number would end the record there without a word. Returns the number of values;
// a file without any, or with a word that is not a number, is refused naming the file and line.
std::size_t checkPlainRecord(const std::string& path);

// What a script of the uniform excitation needs of its record before it is written into
// `scriptFolder` (empty: the current folder). A PEER record is read (a relative name taken from
// the script's folder, as the solver takes a plain record's); the settings then name the converted
// file, which goes beside the script, and take the record's time step. Any other record, and any
// other procedure, keep the settings as they are.
struct ScriptGroundMotion {
    AnalysisSettings analysis;         // the settings to write the script with
    std::string peerRecord;            // the .AT2 file read, "" when nothing is converted
    std::vector<double> accelerations; // its values in mm/s², the converted file's lines
};
ScriptGroundMotion scriptGroundMotion(const AnalysisSettings& analysis, const std::string& scriptFolder);

// Writes the converted record (when there is one) as `motion.analysis.gmFile` in `scriptFolder`,
// one value a line with CR LF, atomically.
void writeConvertedRecord(const ScriptGroundMotion& motion, const std::string& scriptFolder);

// True for the procedures that shake the model with the record (5 and 6).
bool usesGroundMotionRecord(const AnalysisSettings& analysis);

// The steps a transient procedure takes: thSteps of thDt, each split into as many equal steps as
// keep it no longer than the record's time step (gmDt) under a uniform excitation, so that no
// value of the record falls between two steps and is lost (as SAP2000 steps at every point of
// the time function). The analysis covers the same time, and every split step ends on thDt.
struct TransientSteps {
    std::int32_t steps = 0;
    double dt = 0;
};
TransientSteps transientSteps(const AnalysisSettings& analysis);

} // namespace kelvane
