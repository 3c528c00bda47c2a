#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// What the HTML report of an analysis holds, each part as text, tables and pictures already made.
namespace kelvane {

using NameValues = std::vector<std::pair<std::string, std::string>>;

// A picture embedded in the report: PNG bytes, shown with its caption.
struct ReportPicture {
    std::string caption;
    std::string png;
};

// The storey drift profile and the target displacement of the run, when they exist: a table of
// the storeys (its header first), the target displacement and its terms as name=value pairs, and
// the profile's picture.
struct DriftSection {
    std::vector<std::vector<std::string>> storeys;
    NameValues target;
    std::optional<ReportPicture> picture;
};

struct DamageSection {
    NameValues counts; // step, sections, then each state, as render --damage prints them
    NameValues limits; // the strain limits taken
    std::optional<ReportPicture> picture;
};

struct ReportContent {
    std::string title;         // the model file's name
    std::string resultsFolder; // where the recorder files were read
    NameValues modelSummary;   // the counts and masses, as `info` prints them
    std::vector<std::string> importReport;
    NameValues analysisSettings; // every setting the script was written with
    std::vector<ReportPicture> curves;
    std::vector<std::string> notes; // what could not be read, for the reader of the report
    std::optional<DamageSection> damage;
    std::optional<DriftSection> drifts;
};

} // namespace kelvane
