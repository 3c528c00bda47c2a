#include "model/name_lookup.h"
#include "model/tables/import_context.h"

#include <string>

namespace kelvane::tables {
namespace {

AutoSelectList* autoSelectList(ImportContext& context, std::string_view name) {
    for (AutoSelectList& list : context.autoSelect)
        if (list.name == name)
            return &list;
    return nullptr;
}

NonprismaticSection* nonprismaticSection(ImportContext& context, std::string_view name) {
    for (NonprismaticSection& section : context.nonprismatic)
        if (section.name == name)
            return &section;
    return nullptr;
}

std::int32_t sectionOf(const ImportContext& context, const Rows& rows, std::string_view key) {
    const std::string_view name = rows.required(key);
    const std::int32_t found = findFrameSection(context.store, name);
    if (found == 0)
        rows.fail(std::string(key) + "=" + std::string(name) +
                      ": there is no prismatic frame section of that name",
                  rows.find(key));
    return found;
}

// Linear, Parabolic or Cubic: the power n whose root of I varies linearly.
int exponentOf(const Rows& rows, std::string_view key) {
    const std::string_view value = rows.text(key, "Linear");
    if (equalsIgnoringCase(value, "Linear"))
        return 1;
    if (equalsIgnoringCase(value, "Parabolic"))
        return 2;
    if (equalsIgnoringCase(value, "Cubic"))
        return 3;
    rows.fail(std::string(key) + "=" + std::string(value) + " is none of Linear, Parabolic and Cubic",
              rows.find(key));
}

} // namespace

// FRAME SECTION PROPERTIES 04 - AUTO SELECT: one row per member of a list. Before a design,
// SAP2000 analyses the list's starting section, by default the median of the list.
void readAutoSelectLists(ImportContext& context) {
    Rows rows(context.file, "FRAME SECTION PROPERTIES 04 - AUTO SELECT");
    while (rows.next()) {
        AutoSelectList* list = autoSelectList(context, rows.required("ListName"));
        if (list == nullptr)
            rows.fail("ListName=" + std::string(rows.required("ListName")) +
                          ": there is no auto-select section of that name",
                      rows.find("ListName"));
        list->members.push_back(sectionOf(context, rows, "SectionName"));
        if (list->startName.empty() && rows.has("StartSect"))
            list->startName = std::string(rows.text("StartSect"));
    }
    for (AutoSelectList& list : context.autoSelect) {
        if (!list.startName.empty() && !equalsIgnoringCase(list.startName, "Median"))
            list.start = findFrameSection(context.store, list.startName);
        else if (!list.members.empty())
            list.start = list.members[(list.members.size() - 1) / 2];
    }
}

// FRAME SECTION PROPERTIES 05 - NONPRISMATIC: the segments of each chain in row order.
void readNonprismaticSegments(ImportContext& context) {
    Rows rows(context.file, "FRAME SECTION PROPERTIES 05 - NONPRISMATIC");
    while (rows.next()) {
        NonprismaticSection* section = nonprismaticSection(context, rows.required("SectionName"));
        if (section == nullptr)
            rows.fail("SectionName=" + std::string(rows.required("SectionName")) +
                          ": there is no nonprismatic section of that name",
                      rows.find("SectionName"));
        NonprismaticSegment& segment = section->segments.emplace_back();
        segment.startSection = sectionOf(context, rows, "StartSect");
        segment.endSection = rows.has("EndSect") ? sectionOf(context, rows, "EndSect") : segment.startSection;
        const std::string_view lengthType = rows.text("LengthType", "Variable");
        segment.absolute = equalsIgnoringCase(lengthType, "Absolute");
        if (!segment.absolute && !equalsIgnoringCase(lengthType, "Variable"))
            rows.fail("LengthType=" + std::string(lengthType) + " is neither Variable nor Absolute",
                      rows.find("LengthType"));
        const std::string_view lengthKey = rows.has("VarLength") ? "VarLength" : "Length";
        segment.length = rows.real(lengthKey, 1) * (segment.absolute ? context.units.length : 1);
        if (!(segment.length > 0))
            rows.fail(std::string(lengthKey) + "=" + std::string(rows.text(lengthKey)) +
                          ": a segment needs a length greater than 0",
                      rows.find(lengthKey));
        segment.exponent33 = exponentOf(rows, "EI33Var");
        segment.exponent22 = exponentOf(rows, "EI22Var");
    }
}

} // namespace kelvane::tables
