#include "sections/reinforcement_summary.h"

#include "common/number_format.h"
#include "materials/confined_concrete.h"
#include "sections/rebar_layout.h"

namespace kelvane {
namespace {

const std::string kSquareMillimetres = "mm\xB2"; // Latin-1, as the window shows the core's bytes

std::string sizeText(const std::string& name, double area) {
    return (name.empty() ? std::string() : name + ": ") + formatSignificant(area, 4);
}

} // namespace

std::vector<SummaryRow> reinforcementRows(const ModelStore& store, int k) {
    if (k < 1 || k > countOf(store.frameSectionCount))
        return {};
    const TSECTION& s = store.frameSections[static_cast<std::size_t>(k)];
    const TREINFORCEMENT& r = s.reinforcement;
    std::vector<SummaryRow> rows;
    switch (r.kind) {
    case BeamTopBottom:
        return {{"Top bars", formatSignificant(r.topArea, 4), kSquareMillimetres + " in all"},
                {"Bottom bars", formatSignificant(r.bottomArea, 4), kSquareMillimetres + " in all"},
                {"Top cover", formatGeneral(r.cover), "mm to bar centres"},
                {"Bottom cover", formatGeneral(r.bottomCover), "mm to bar centres"}};
    case ColumnRectangular:
    case ColumnCircular:
        break;
    default:
        return {};
    }
    rows.push_back({"Bar size", sizeText(r.barSize, r.barArea), kSquareMillimetres + " each"});
    if (r.kind == ColumnRectangular) {
        rows.push_back({"Bars along 3-dir face", formatInt(r.bars3), "bars, corners included"});
        rows.push_back({"Bars along 2-dir face", formatInt(r.bars2), "bars, corners included"});
    } else {
        rows.push_back({"Bars on the circle", formatInt(r.barsCircle), "bars"});
    }
    rows.push_back({"Clear cover", formatGeneral(r.cover), "mm to the ties"});
    rows.push_back(
        {"All bars",
         formatInt(static_cast<std::int64_t>(s.bars.size())) + " = " + formatSignificant(totalBarArea(s), 5),
         kSquareMillimetres});
    rows.push_back(
        {r.spiral ? "Spiral" : "Ties", sizeText(r.tieSize, r.tieArea), kSquareMillimetres + " each"});
    rows.push_back({"Spacing", formatGeneral(r.tieSpacing), "mm"});
    if (r.kind == ColumnRectangular)
        rows.push_back({"Legs along 2 / 3", formatInt(r.tieLegs2) + " / " + formatInt(r.tieLegs3), "legs"});
    if (const std::optional<ConfinedConcrete> confined = sectionConfinement(store, k)) {
        rows.push_back({"Confined f'cc", formatSignificant(confined->fcc, 4), "N/mm\xB2 (Mander)"});
        rows.push_back({"Ultimate strain ecu", formatSignificant(confined->epscu, 4), "strain"});
    } else {
        rows.push_back({"Confined f'cc", "none", "no ties, spacing or strengths to confine the core"});
    }
    return rows;
}

} // namespace kelvane
