#include "model/tables/import_context.h"

#include <string>
#include <unordered_map>

namespace kelvane::tables {
namespace {

struct StaticCase {
    int patterns = 0;  // load patterns assigned
    bool plain = true; // every assignment a load pattern at scale factor 1
};

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

} // namespace

// The load cases. The script analyses load patterns, one per stage of the chosen procedure, so a
// static case that applies one pattern at scale factor 1 from zero initial conditions is that
// pattern (a case without loads has nothing to carry), and a modal case is the modal procedure;
// other cases are reported.
void readLoadCases(ImportContext& context) {
    std::unordered_map<std::string, StaticCase> cases;
    Rows assignments(context.file, "CASE - STATIC 1 - LOAD ASSIGNMENTS");
    while (assignments.next()) {
        StaticCase& loads = cases[std::string(assignments.required("Case"))];
        ++loads.patterns;
        const bool pattern = equalsIgnoringCase(assignments.text("LoadType", "Load pattern"), "Load pattern");
        if (pattern && context.loadPatterns.find(assignments.required("LoadName")) == 0)
            assignments.fail("LoadName=" + std::string(assignments.required("LoadName")) +
                                 ": there is no load pattern of that name",
                             assignments.find("LoadName"));
        loads.plain = loads.plain && pattern && assignments.real("LoadSF", 1) == 1;
    }

    Rows rows(context.file, "LOAD CASE DEFINITIONS");
    while (rows.next()) {
        const std::string_view type = rows.text("Type", "LinStatic");
        if (startsWith(type, "LinModal"))
            continue;
        if (!equalsIgnoringCase(type, "LinStatic") && !equalsIgnoringCase(type, "NonStatic")) {
            context.report.addNotCarried("load cases of type " + std::string(type) +
                                         " (the analysis settings choose the procedure)");
            continue;
        }
        if (!equalsIgnoringCase(rows.text("InitialCond", "Zero"), "Zero")) {
            context.report.addNotCarried("static load cases that continue from another case (the analysis "
                                         "settings' Gravity+PushOver stages its patterns)");
            continue;
        }
        const auto found = cases.find(std::string(rows.required("Case")));
        if (found != cases.end() && (found->second.patterns > 1 || !found->second.plain))
            context.report.addNotCarried("static load cases that combine or scale load patterns (the script "
                                         "applies one pattern a stage)");
    }
}

} // namespace kelvane::tables
