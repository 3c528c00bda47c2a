#include "model/tables/import_report.h"

#include "common/number_format.h"

namespace kelvane::tables {
namespace {

std::string rowsText(long long rows) {
    return std::to_string(rows) + (rows == 1 ? " row" : " rows");
}

void appendTables(std::vector<std::string>& lines, const char* heading,
                  const std::vector<TableRows>& tables) {
    lines.push_back(std::string(heading) + (tables.empty() ? " none" : ""));
    for (const TableRows& table : tables)
        lines.push_back("  " + table.name + ": " + rowsText(table.rows));
}

std::string listed(const std::vector<std::string>& labels) {
    constexpr std::size_t kShown = 20;
    std::string text;
    for (std::size_t i = 0; i < labels.size() && i < kShown; ++i)
        text += (i == 0 ? "" : ", ") + labels[i];
    return labels.size() > kShown ? text + ", ... (" + std::to_string(labels.size()) + " in all)" : text;
}

// Lines only where the model has something to say: frames split, left out, or passed by a joint.
void appendMeshing(std::vector<std::string>& lines, const ImportReport& report) {
    if (report.framesSplit > 0)
        lines.push_back("Frames split (auto mesh, nonprismatic sections): " +
                        std::to_string(report.framesSplit) + " into " + std::to_string(report.framePieces) +
                        " elements, with " + std::to_string(report.meshJoints) + " joints created");
    if (!report.framesWithoutSection.empty())
        lines.push_back("Frames without a section (left out of the analysis): " +
                        std::to_string(report.framesWithoutSection.size()) + " (" +
                        listed(report.framesWithoutSection) + ")");
    if (!report.jointsOnSpans.empty())
        lines.push_back("Joints on a frame's span, not connected to it (no auto mesh at joints): " +
                        std::to_string(report.jointsOnSpans.size()) + " (" + listed(report.jointsOnSpans) +
                        ")");
}

std::string massText(const ImportReport& report, const MassOrigin& origin) {
    const auto inFile = [&](double mass) { return formatSignificant(mass / report.massUnit, 6); };
    if (origin.x == origin.y && origin.y == origin.z)
        return inFile(origin.x) + " " + report.massUnitName;
    return "X " + inFile(origin.x) + ", Y " + inFile(origin.y) + ", Z " + inFile(origin.z) + " " +
           report.massUnitName;
}

} // namespace

void ImportReport::addNotCarried(const std::string& what, long long count) {
    for (NotCarried& item : notCarried)
        if (item.what == what) {
            item.count += count;
            return;
        }
    notCarried.push_back(NotCarried{what, count});
}

std::vector<std::string> reportLines(const ImportReport& report) {
    std::vector<std::string> lines;
    const bool blocks = report.keywordFile || report.etabsFile;
    lines.push_back(report.etabsFile     ? "ETABS model import"
                    : report.keywordFile ? "SAP2000 keyword-format import"
                                         : "SAP2000 table-format import");
    if (!report.program.empty())
        lines.push_back("Written by " + report.program);
    if (report.units.empty())
        lines.push_back(
            report.etabsFile ? "Units: the file names none (CONTROLS UNITS); values are taken as N and mm"
            : report.keywordFile
                ? "Units: the file names none (SYSTEM LENGTH= FORCE=); values are taken as N and mm"
                : "Units: the file names none (PROGRAM CONTROL CurrUnits); values are taken as N and mm");
    else if (report.unitsConverted)
        lines.push_back("Units: " + report.units + " converted to N and mm");
    else
        lines.push_back("Units: " + report.units + " (N and mm already)");
    appendTables(lines, blocks ? "Blocks read:" : "Tables read:", report.tablesRead);
    appendTables(lines, blocks ? "Blocks skipped:" : "Tables skipped:", report.tablesSkipped);
    if (!report.storeyLines.empty())
        lines.push_back("Storeys, from the bottom, with the joints created at each:");
    for (const std::string& storey : report.storeyLines)
        lines.push_back("  " + storey);
    appendMeshing(lines, report);
    if (!report.patternsWithoutLoads.empty()) {
        std::string names;
        for (const std::string& name : report.patternsWithoutLoads)
            names += (names.empty() ? "" : ", ") + name;
        lines.push_back("Load patterns without loads: " + names);
    }
    if (!report.massSource.empty())
        lines.push_back("Mass: " + report.massSource);
    for (const MassOrigin& origin : report.massOrigins)
        lines.push_back("  " + origin.what + ": " + massText(report, origin));
    std::string created = "Joints created for diaphragms: " + std::to_string(report.diaphragmJoints.size());
    for (std::size_t i = 0; i < report.diaphragmJoints.size(); ++i)
        created += (i == 0 ? " (" : ", ") + report.diaphragmJoints[i];
    lines.push_back(created + (report.diaphragmJoints.empty() ? "" : ")"));
    lines.push_back(std::string("Not carried:") + (report.notCarried.empty() ? " nothing" : ""));
    for (const NotCarried& item : report.notCarried)
        lines.push_back("  " + item.what + ": " + std::to_string(item.count));
    lines.insert(lines.end(), report.elementTypeLines.begin(), report.elementTypeLines.end());
    return lines;
}

} // namespace kelvane::tables
