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
    lines.push_back("SAP2000 table-format import");
    if (report.units.empty())
        lines.push_back(
            "Units: the file names none (PROGRAM CONTROL CurrUnits); values are taken as N and mm");
    else if (report.unitsConverted)
        lines.push_back("Units: " + report.units + " converted to N and mm");
    else
        lines.push_back("Units: " + report.units + " (N and mm already)");
    appendTables(lines, "Tables read:", report.tablesRead);
    appendTables(lines, "Tables skipped:", report.tablesSkipped);
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
    return lines;
}

} // namespace kelvane::tables
