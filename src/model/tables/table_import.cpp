#include "model/tables/table_import.h"

#include "common/error.h"
#include "model/s2k_import.h"
#include "model/table_readers.h"
#include "model/tables/import_context.h"
#include "model/tables/mass_source.h"

#include <array>
#include <new>
#include <utility>

namespace kelvane::tables {
namespace {

// The tables the import reads.
constexpr std::array<std::string_view, 55> kTablesRead = {
    "PROGRAM CONTROL",
    "ACTIVE DEGREES OF FREEDOM",
    "JOINT COORDINATES",
    "JOINT RESTRAINT ASSIGNMENTS",
    "JOINT LOCAL AXES ASSIGNMENTS 1 - TYPICAL",
    "JOINT SPRING ASSIGNMENTS 1 - UNCOUPLED",
    "JOINT ADDED MASS ASSIGNMENTS",
    "MASS SOURCE",
    "MASSES 1 - MASS SOURCE",
    "MASSES 2 - MASS SOURCE LOADS",
    "JOINT ADDED MASS BY WEIGHT ASSIGNMENTS",
    "FRAME ADDED MASS ASSIGNMENTS",
    "AREA ADDED MASS ASSIGNMENTS",
    "JOINT CONSTRAINT ASSIGNMENTS",
    "CONSTRAINT DEFINITIONS - DIAPHRAGM",
    "MATERIAL PROPERTIES 01 - GENERAL",
    "MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES",
    "MATERIAL PROPERTIES 03a - STEEL DATA",
    "MATERIAL PROPERTIES 03b - CONCRETE DATA",
    "MATERIAL PROPERTIES 03e - REBAR DATA",
    "FRAME SECTION PROPERTIES 01 - GENERAL",
    "FRAME SECTION PROPERTIES 02 - CONCRETE COLUMN",
    "FRAME SECTION PROPERTIES 03 - CONCRETE BEAM",
    "REBAR SIZES",
    "FRAME SECTION PROPERTIES 04 - AUTO SELECT",
    "FRAME SECTION PROPERTIES 05 - NONPRISMATIC",
    "FRAME AUTO MESH ASSIGNMENTS",
    "CONNECTIVITY - FRAME",
    "FRAME SECTION ASSIGNMENTS",
    "FRAME LOCAL AXES ASSIGNMENTS 1 - TYPICAL",
    "FRAME RELEASE ASSIGNMENTS 1 - GENERAL",
    "FRAME RELEASE ASSIGNMENTS 2 - PARTIAL FIXITY",
    "FRAME PROPERTY MODIFIERS",
    "FRAME INSERTION POINT ASSIGNMENTS",
    "FRAME OFFSET ALONG LENGTH ASSIGNMENTS",
    "AREA SECTION PROPERTIES",
    "CONNECTIVITY - AREA",
    "AREA SECTION ASSIGNMENTS",
    "AREA STIFFNESS MODIFIERS",
    "SOLID PROPERTY DEFINITIONS",
    "CONNECTIVITY - SOLID",
    "SOLID PROPERTY ASSIGNMENTS",
    "CONNECTIVITY - LINK",
    "LINK LOCAL AXES ASSIGNMENTS 1 - TYPICAL",
    "LINK PROPERTY ASSIGNMENTS",
    "LOAD PATTERN DEFINITIONS",
    "LOAD CASE DEFINITIONS",
    "CASE - STATIC 1 - LOAD ASSIGNMENTS",
    "JOINT LOADS - FORCE",
    "FRAME LOADS - DISTRIBUTED",
    "FRAME LOADS - POINT",
    "AREA LOADS - UNIFORM",
    "AREA LOADS - UNIFORM TO FRAME",
    "AREA LOADS - GRAVITY",
    "SOLID LOADS - GRAVITY",
};

// Tables that are not read but change the analysis: each is reported as not carried, with the
// number of its rows.
constexpr std::pair<std::string_view, std::string_view> kAnalysisTablesNotRead[] = {
    {"LINK LOADS - GRAVITY", "link gravity loads"},
    {"CONNECTIVITY - CABLE", "cable objects"},
    {"CONNECTIVITY - TENDON", "tendon objects"},
    {"FRAME LOADS - TEMPERATURE", "frame temperature loads"},
    {"FRAME LOADS - STRAIN", "frame strain loads"},
    {"FRAME LOCAL AXES ASSIGNMENTS 2 - ADVANCED", "frames with advanced local axes"},
    {"FRAME HINGE ASSIGNMENTS", "frame hinges"},
    {"FRAME TENSION AND COMPRESSION LIMITS", "tension and compression limits of frames (taken as linear)"},
    {"FRAME NONPRISMATIC SECTION ASSIGNMENTS", "nonprismatic frame sections"},
    {"AREA LOADS - SURFACE PRESSURE", "area surface pressures"},
    {"AREA LOADS - TEMPERATURE", "area temperature loads"},
    {"AREA LOCAL AXES ASSIGNMENTS 1 - TYPICAL", "areas with local axes"},
    {"AREA SPRING ASSIGNMENTS", "area springs"},
    {"SOLID LOADS - SURFACE PRESSURE", "solid surface pressures"},
    {"JOINT LOADS - GROUND DISPLACEMENT", "joint ground displacements"},
    {"JOINT SPRING ASSIGNMENTS 2 - COUPLED", "coupled joint springs"},
    {"JOINT PANEL ZONE ASSIGNMENTS", "panel zones"},
    {"FRAME LOADS - GRAVITY", "frame gravity loads"},
    {"FRAME LINE SPRING ASSIGNMENTS", "frame line springs"},
    {"SOLID LOADS - TEMPERATURE", "solid temperature loads"},
    {"AREA AUTO MESH ASSIGNMENTS", "areas meshed by SAP2000 (each taken as one element)"},
    {"SECTION DESIGNER PROPERTIES 01 - GENERAL", "section designer sections"},
};

bool isRead(std::string_view name) {
    if (isMassSourceTable(name) || isLinkPropertyTable(name))
        return true;
    for (const std::string_view table : kTablesRead)
        if (equalsIgnoringCase(table, name))
            return true;
    return false;
}

void reportTables(const TableFile& file, ImportReport& report) {
    for (const LocatedTable& table : file.tables()) {
        const TableRows rows{table.name, rowCount(file, table)};
        (isRead(table.name) ? report.tablesRead : report.tablesSkipped).push_back(rows);
        for (const auto& [name, what] : kAnalysisTablesNotRead)
            if (equalsIgnoringCase(name, table.name) && rows.rows > 0)
                report.addNotCarried(std::string(what) + " (" + table.name + ")", rows.rows);
    }
}

void runReaders(ImportContext& context) {
    readUnits(context);
    readJoints(context);
    readJointLocalAxes(context);
    readMaterials(context);
    readFrameSections(context);
    readConcreteSections(context);
    readFrames(context);
    readFrameReleases(context);
    readFrameModifiers(context);
    readFrameAddedMasses(context);
    readFrameOffsets(context);
    readAreaSections(context);
    readAreas(context);
    readAreaModifiers(context);
    readSolids(context);
    readLinks(context);
    readDiaphragms(context);
    readRestraints(context);
    readJointSprings(context);
    readJointMasses(context);
    readLoadPatterns(context);
    readLoadCases(context);
    readJointLoads(context);
    readFrameLoads(context);
    readFramePointLoads(context);
    readAreaLoads(context);
    readGravityLoads(context);
    readAreaLoadsToFrames(context);
    meshFrames(context);
    holdUnconnectedJoints(context);
    addSelfWeight(context);
    reportEmptyPatterns(context);
    reportUnwrittenElements(context);
    tieRigidLinks(context.store);
    addMasses(context);
}

} // namespace

ImportReport importTableModel(ModelStore& store, const ColourTable& colours) {
    return importTableLines(store, store.s2kLines, colours);
}

ImportReport importTableLines(ModelStore& store, const std::vector<std::string>& lines,
                              const ColourTable& colours) {
    resetModel(store); // keeps the S2kLines, which `lines` may be
    ImportReport report;
    try {
        const TableFile file(lines);
        ImportContext context{store, file, colours, report};
        runReaders(context);
        reportTables(file, report);
    } catch (const std::bad_alloc&) {
        fail("Out of memory");
    }
    return report;
}

} // namespace kelvane::tables
