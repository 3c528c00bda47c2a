#include "common/number_format.h"
#include "model/name_lookup.h"
#include "model/tables/import_context.h"

#include <cmath>
#include <string>

namespace kelvane::tables {
namespace {

// The one factor of three keys, or nothing when they differ.
std::optional<double> commonFactor(const Rows& rows, std::string_view a, std::string_view b,
                                   std::string_view c) {
    const double first = rows.real(a, 1);
    if (rows.real(b, 1) != first || rows.real(c, 1) != first)
        return std::nullopt;
    return first;
}

// The section that carries the modifiers, made from `base` when there is none yet; 0 when the
// thickness it needs is too thin to write.
std::int32_t sectionVariant(ModelStore& store, std::int32_t base, double membrane, double bending,
                            double weight) {
    const TAREASEC original = store.shellSections[static_cast<std::size_t>(base)];
    std::string name = original.name + " (f " + formatGeneral(membrane) + ", m " + formatGeneral(bending);
    if (weight != 1)
        name += ", w " + formatGeneral(weight);
    name += ")";
    const std::int32_t found = findShellSection(store, name);
    if (found != 0)
        return found;
    // E h scales the membrane stiffness and E h^3 the bending one: a thickness of h sqrt(m / f)
    // and E times f h / h' give both; the weight keeps to the original thickness.
    const double thickness = original.thickness * std::sqrt(bending / membrane);
    if (!(thickness > 0))
        return 0;
    TAREASEC& variant = store.shellSections.emplace_back(original);
    variant.name = name;
    variant.thickness = thickness;
    variant.elasticFactor = membrane * original.thickness / thickness;
    // A bending thickness of its own keeps its bending stiffness times m under the variant's E.
    const double bendThickness = original.bendThickness;
    variant.bendThickness = bendThickness > 0 && bendThickness != original.thickness
                                ? bendThickness * std::cbrt(bending / variant.elasticFactor)
                                : 0;
    variant.weightFactor = weight * original.thickness / thickness;
    store.shellSectionCount = static_cast<std::int32_t>(store.shellSections.size()) - 1;
    return store.shellSectionCount;
}

} // namespace

// AREA STIFFNESS MODIFIERS: the solver's shell takes one isotropic material and one thickness,
// which carry one membrane factor (f11 = f22 = f12) and one bending factor (m11 = m22 = m12)
// exactly; the transverse shear then follows the membrane factor. Areas with such modifiers take
// a section of their own; other modifiers are reported. MMod is not carried (element mass is not).
void readAreaModifiers(ImportContext& context) {
    ModelStore& store = context.store;
    Rows rows(context.file, "AREA STIFFNESS MODIFIERS");
    while (rows.next()) {
        const std::int32_t a = areaOf(context, rows, "Area");
        TSHELL& area = store.shells[static_cast<std::size_t>(a)];
        if (area.section == 0 || store.shellSections[static_cast<std::size_t>(area.section)].isShell != 1)
            continue;
        const std::optional<double> membrane = commonFactor(rows, "f11", "f22", "f12");
        const std::optional<double> bending = commonFactor(rows, "m11", "m22", "m12");
        const double weight = rows.real("WMod", 1);
        if (!membrane || !bending || !(*membrane > 0) || !(*bending > 0) || weight < 0) {
            context.report.addNotCarried(
                "area stiffness modifiers that differ between directions or are not positive");
            continue;
        }
        if (rows.real("v13", *membrane) != *membrane || rows.real("v23", *membrane) != *membrane)
            context.report.addNotCarried("area shear modifiers v13, v23 (the shear follows f11)");
        if (rows.real("MMod", 1) != 1)
            context.report.addNotCarried("area mass modifiers (MMod)");
        if (*membrane == 1 && *bending == 1 && weight == 1)
            continue;
        const std::int32_t variant = sectionVariant(store, area.section, *membrane, *bending, weight);
        if (variant == 0)
            context.report.addNotCarried("area stiffness modifiers too far apart to write (m / f)");
        else
            area.section = variant;
    }
}

} // namespace kelvane::tables
