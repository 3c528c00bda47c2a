#include "common/number_format.h"
#include "common/number_parse.h"
#include "model/name_lookup.h"
#include "model/tables/import_context.h"
#include "model/tables/rebar_sizes.h"
#include "sections/rebar_layout.h"

#include <algorithm>

namespace kelvane::tables {
namespace {

// A count of bars: a whole number, 0 or more (absent: 0).
std::int32_t barCount(const Rows& rows, std::string_view key) {
    const Field* field = rows.find(key);
    if (field == nullptr)
        return 0;
    const std::optional<std::int32_t> count = tryParseInt(rows.text(key));
    if (!count || *count < 0)
        rows.fail(std::string(key) + "=" + std::string(rows.text(key)) +
                      ": a bar count must be a whole number, 0 or more",
                  field);
    return *count;
}

TSECTION& sectionOf(ImportContext& context, const Rows& rows) {
    const std::string_view name = rows.required("SectionName");
    const std::int32_t found = findFrameSection(context.store, name);
    if (found == 0)
        rows.fail("SectionName=" + std::string(name) + ": there is no frame section of that name",
                  rows.find("SectionName"));
    return context.store.frameSections[static_cast<std::size_t>(found)];
}

// The diameter of every section table 01 gives as a circle, by name.
std::vector<std::pair<std::string, double>> circleDiameters(const ImportContext& context) {
    std::vector<std::pair<std::string, double>> circles;
    Rows rows(context.file, "FRAME SECTION PROPERTIES 01 - GENERAL");
    while (rows.next())
        if (equalsIgnoringCase(rows.text("Shape"), "Circle"))
            circles.emplace_back(std::string(rows.required("SectionName")),
                                 rows.real("t3", 0) * context.units.length);
    return circles;
}

// SAP2000 keeps a description whose bars do not fit (a small dummy section with a column's usual
// cover): such a section keeps it, without bars, and the report names it.
void place(ImportContext& context, TSECTION& section) {
    if (reinforcementFault(section)) {
        section.bars.clear();
        context.report.addNotCarried("concrete sections whose bars do not fit the section (meshed without "
                                     "bars): " +
                                     section.name);
        return;
    }
    placeReinforcementBars(section);
}

void readColumns(ImportContext& context, const std::vector<RebarSize>& sizes) {
    const std::vector<std::pair<std::string, double>> circles = circleDiameters(context);
    const double length = context.units.length;
    Rows rows(context.file, "FRAME SECTION PROPERTIES 02 - CONCRETE COLUMN");
    while (rows.next()) {
        TSECTION& section = sectionOf(context, rows);
        TREINFORCEMENT& r = section.reinforcement;
        r = TREINFORCEMENT{};
        const auto circle = std::find_if(circles.begin(), circles.end(),
                                         [&](const auto& entry) { return entry.first == section.name; });
        if (circle != circles.end())
            r.diameter = circle->second;
        const bool circular = circle != circles.end() ||
                              equalsIgnoringCase(rows.text("ReinfConfig", "Rectangular"), "Circular");
        r.kind = circular ? ColumnCircular : ColumnRectangular;
        section.rebarMaterial = materialOf(context, rows, "RebarMatL");
        r.tieMaterial = rows.has("RebarMatC") ? materialOf(context, rows, "RebarMatC") : 0;
        r.spiral = equalsIgnoringCase(rows.text("LatReinf"), "Spiral");
        r.cover = rows.requiredReal("Cover") * length;
        r.bars3 = barCount(rows, "NumBars3Dir");
        r.bars2 = barCount(rows, "NumBars2Dir");
        r.barsCircle = barCount(rows, "NumBarsCirc");
        const RebarSize bar = rebarSizeOf(sizes, rows, "BarSizeL");
        r.barSize = bar.name;
        r.barArea = bar.area;
        r.barDiameter = bar.diameter;
        if (rows.has("BarSizeC")) {
            const RebarSize tie = rebarSizeOf(sizes, rows, "BarSizeC");
            r.tieSize = tie.name;
            r.tieArea = tie.area;
            r.tieDiameter = tie.diameter;
        }
        r.tieSpacing = rows.real("SpacingC", 0) * length;
        r.tieLegs2 = barCount(rows, "NumCBars2");
        r.tieLegs3 = barCount(rows, "NumCBars3");
        place(context, section);
        if (section.shape != ShapeRectangle && section.shape != ShapeCircle)
            context.report.addNotCarried("concrete columns of a shape without a fiber mesh (bars and "
                                         "confinement read, the concrete not meshed)");
    }
}

// A beam takes the larger area of each face of its two ends: the end that governs its strength.
void readBeams(ImportContext& context) {
    const double length = context.units.length, area = context.units.area();
    Rows rows(context.file, "FRAME SECTION PROPERTIES 03 - CONCRETE BEAM");
    while (rows.next()) {
        TSECTION& section = sectionOf(context, rows);
        TREINFORCEMENT& r = section.reinforcement;
        r = TREINFORCEMENT{};
        r.kind = BeamTopBottom;
        section.rebarMaterial = materialOf(context, rows, "RebarMatL");
        r.tieMaterial = rows.has("RebarMatC") ? materialOf(context, rows, "RebarMatC") : 0;
        r.cover = rows.requiredReal("TopCover") * length;
        r.bottomCover = rows.requiredReal("BotCover") * length;
        const double topLeft = rows.real("TopLeftArea", 0), topRight = rows.real("TopRghtArea", 0);
        const double bottomLeft = rows.real("BotLeftArea", 0), bottomRight = rows.real("BotRghtArea", 0);
        r.topArea = std::max(topLeft, topRight) * area;
        r.bottomArea = std::max(bottomLeft, bottomRight) * area;
        if (topLeft != topRight || bottomLeft != bottomRight)
            context.report.addNotCarried(
                "concrete beams whose two ends differ in reinforcement (each face takes its larger area)");
        if (section.shape != ShapeRectangle && section.shape != ShapeCircle)
            context.report.addNotCarried("concrete beams of a shape without a fiber mesh");
        place(context, section);
    }
}

} // namespace

void readConcreteSections(ImportContext& context) {
    const std::vector<RebarSize> sizes = readRebarSizes(context);
    readColumns(context, sizes);
    readBeams(context);
}

} // namespace kelvane::tables
