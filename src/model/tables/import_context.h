#pragma once

#include "model/colour_table.h"
#include "model/model_store.h"
#include "model/tables/import_report.h"
#include "model/tables/nonprismatic.h"
#include "model/tables/table_rows.h"
#include "model/tables/unit_scale.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

// What the table readers of one table-format import share.
namespace kelvane::tables {

// Object labels to their 1-based store index. The labels point into the file's lines. SAP2000
// names most objects 1, 2, 3, ...: such labels (up to a bound set by the expected count) are
// looked up by their number, without hashing.
class LabelIndex {
  public:
    // Prepares for about `count` labels.
    void reserve(std::size_t count);
    // False when the label is there already.
    bool add(std::string_view label, std::int32_t index);
    // 0 for a label that is not there.
    std::int32_t find(std::string_view label) const;

  private:
    // The number of a label written as a decimal number without leading zeros, within the bound;
    // 0 for any other label.
    std::size_t numberOf(std::string_view label) const;

    std::size_t bound_ = 1024;
    std::vector<std::int32_t> numbered_;
    std::unordered_map<std::string_view, std::int32_t> named_;
};

// An auto-select list: the sections a design may pick from, and the one analysed before a design.
struct AutoSelectList {
    std::string name;
    std::string startName; // the row's StartSect; empty or "Median" for the middle of the list
    std::vector<std::int32_t> members{};
    std::int32_t start = 0; // the section analysed (0: none known)
};

struct ImportContext {
    ModelStore& store;
    const TableFile& file;
    const ColourTable& colours;
    ImportReport& report;
    UnitScale units{};

    LabelIndex joints{}, frames{}, areas{}, solids{};
    LabelIndex loadPatterns{};                  // pattern name to load case number
    std::vector<double> selfWeightMultiplier{}; // per load case, 1-based
    // Per frame section: the file's Area times WMod, for self weight; -1 when the file gives none.
    std::vector<double> selfWeightArea{};
    // Per joint: the diaphragm it is tied to, and for a diaphragm's retained joint its diaphragm.
    std::vector<std::int32_t> tiedToDiaphragm{}, retainsDiaphragm{};
    std::int32_t fileJointCount = 0;
    // Sections that are no store section: nonprismatic chains and auto-select lists (with the
    // section an analysis starts from, 0 when the list names none).
    std::vector<NonprismaticSection> nonprismatic{};
    std::vector<AutoSelectList> autoSelect{};
    // Per frame: the nonprismatic section it takes (1-based into `nonprismatic`), 0 for none.
    std::vector<std::int32_t> frameNonprismatic{};
};

// The table readers, in the order the import runs them.
void readUnits(ImportContext& context);
void readJoints(ImportContext& context);
void readJointLocalAxes(ImportContext& context);
void readMaterials(ImportContext& context);
void readFrameSections(ImportContext& context);
void readFrames(ImportContext& context);
void readAreaSections(ImportContext& context);
void readAreas(ImportContext& context);
void readAreaModifiers(ImportContext& context);
void readSolids(ImportContext& context);
void readLinks(ImportContext& context);
// The link property tables readLinks reads: the general one and those of each direction.
bool isLinkPropertyTable(std::string_view name);
void readDiaphragms(ImportContext& context);
void readRestraints(ImportContext& context);
void readJointSprings(ImportContext& context);
void readJointMasses(ImportContext& context);
void readFrameReleases(ImportContext& context);
void readFrameModifiers(ImportContext& context);
void readFrameOffsets(ImportContext& context);
void readLoadPatterns(ImportContext& context);
void readLoadCases(ImportContext& context);
void readJointLoads(ImportContext& context);
void readFrameLoads(ImportContext& context);
void readFramePointLoads(ImportContext& context);
void readAreaLoads(ImportContext& context);
void readGravityLoads(ImportContext& context);
void readAreaLoadsToFrames(ImportContext& context);
void addSelfWeight(ImportContext& context);
// Auto-select lists and nonprismatic chains, after FRAME SECTION PROPERTIES 01 - GENERAL.
void readAutoSelectLists(ImportContext& context);
void readNonprismaticSegments(ImportContext& context);
// The reinforcement of concrete columns and beams (tables 02 and 03, with REBAR SIZES).
void readConcreteSections(ImportContext& context);
// Splits frames where auto mesh, nonprismatic sections or both ask, moves their loads onto the
// pieces and leaves out frames without a section.
void meshFrames(ImportContext& context);
// Holds fixed the joints that no element connects.
void holdUnconnectedJoints(ImportContext& context);
// The mass of the elements, the frame, area and joint added masses by weight and the mass of load
// patterns that the mass source takes, lumped to the joints; the report says where it came from.
void addMasses(ImportContext& context);
// FRAME ADDED MASS ASSIGNMENTS into the frames, before they are split.
void readFrameAddedMasses(ImportContext& context);
// Names the load patterns that no load of the store belongs to (an analysis of one moves nothing):
// those whose loads the file gives but the store does not carry, and those the file gives none.
void reportEmptyPatterns(ImportContext& context);
// Reports areas that are not written and a model without any element written.
void reportUnwrittenElements(ImportContext& context);

// The index of the labelled object, or a stop naming the field, the table and the line.
std::int32_t jointOf(const ImportContext& context, const Rows& rows, std::string_view key);
std::int32_t frameOf(const ImportContext& context, const Rows& rows, std::string_view key);
std::int32_t areaOf(const ImportContext& context, const Rows& rows, std::string_view key);
std::int32_t materialOf(const ImportContext& context, const Rows& rows, std::string_view key);
// The load case of the row's LoadPat.
std::int32_t patternOf(const ImportContext& context, const Rows& rows);

// The direction of an area load's Dir (X, Y, Z, Gravity, "X Proj", ..., or the area's local 1, 2,
// 3) as a unit vector, with the factor that turns a load per projected area into one per area;
// nothing, and a line in the report, for a direction that is not carried.
std::optional<std::pair<std::array<double, 3>, double>>
pressureDirection(ImportContext& context, const Rows& rows,
                  const std::vector<std::array<double, 3>>& corners);

// Stops when the label is already in the index, else adds it with the given index.
void addLabel(LabelIndex& index, const Rows& rows, std::string_view key, std::int32_t value);

// The number of rows of a table (0 when the file lacks it).
long long rowsOf(const ImportContext& context, std::string_view table);

// Entry k of a store array sized from rowsOf: grown when the rows read outnumber the rows counted,
// so that a miscount can never write past the array's end.
template <typename Record> Record& rowEntry(std::vector<Record>& entries, std::int32_t k) {
    while (entries.size() <= static_cast<std::size_t>(k))
        entries.emplace_back();
    return entries[static_cast<std::size_t>(k)];
}

} // namespace kelvane::tables
