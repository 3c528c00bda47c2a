#include "materials/confined_concrete.h"

#include "common/checked_math.h"
#include "materials/material_defaults.h"
#include "model/name_lookup.h"
#include "sections/rebar_layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvane {
namespace {

// f'cc of a confining stress fl equal in both directions.
double confinedStrength(double fco, double fl) {
    return fco * (-1.254 + 2.254 * std::sqrt(1 + 7.94 * fl / fco) - 2 * fl / fco);
}

// The sum of the squared clear spacings between neighbouring bars round the perimeter, over six:
// the area of the parabolas of concrete the ties leave unconfined.
double unconfinedArchArea(const TSECTION& s) {
    const TREINFORCEMENT& r = s.reinforcement;
    const double inset = columnBarInset(r);
    double sum = 0;
    for (const auto& [count, span] :
         {std::pair{r.bars3, s.t2 - 2 * inset}, std::pair{r.bars2, s.t1 - 2 * inset}}) {
        const double clear = span / (count - 1) - r.barDiameter;
        sum += 2 * (count - 1) * clear * clear / 6;
    }
    return sum;
}

std::optional<ConfinedConcrete> rectangular(const TSECTION& s, double clearSpacing) {
    const TREINFORCEMENT& r = s.reinforcement;
    // The core to the ties' centre lines: bc across y (the width t2), dc across z (the depth t1).
    const double bc = s.t2 - 2 * r.cover - r.tieDiameter, dc = s.t1 - 2 * r.cover - r.tieDiameter;
    if (bc <= 0 || dc <= 0 || r.tieLegs2 < 1 || r.tieLegs3 < 1)
        return std::nullopt;
    const double rhoCore = totalBarArea(s) / (bc * dc);
    ConfinedConcrete c;
    c.ke = (1 - unconfinedArchArea(s) / (bc * dc)) * (1 - clearSpacing / (2 * bc)) *
           (1 - clearSpacing / (2 * dc)) / (1 - rhoCore);
    // Legs along 2 (z) hold the core across its depth dc; legs along 3 (y) across its width bc.
    const double rhoZ = r.tieLegs2 * r.tieArea / (r.tieSpacing * bc);
    const double rhoY = r.tieLegs3 * r.tieArea / (r.tieSpacing * dc);
    c.rhoS = rhoZ + rhoY;
    c.lateralPressure = c.ke * (rhoZ + rhoY) / 2; // times fyh by the caller
    return c;
}

std::optional<ConfinedConcrete> circular(const TSECTION& s, double clearSpacing) {
    const TREINFORCEMENT& r = s.reinforcement;
    const double diameter = r.diameter > 0 ? r.diameter : std::min(s.t1, s.t2);
    const double ds = diameter - 2 * r.cover - r.tieDiameter; // the spiral's centre line
    if (ds <= 0)
        return std::nullopt;
    const double rhoCore = totalBarArea(s) / (std::numbers::pi / 4 * ds * ds);
    const double arching = 1 - clearSpacing / (2 * ds);
    ConfinedConcrete c;
    c.ke = (r.spiral ? arching : arching * arching) / (1 - rhoCore);
    c.rhoS = 4 * r.tieArea / (ds * r.tieSpacing);
    c.lateralPressure = c.ke * c.rhoS / 2;
    return c;
}

} // namespace

std::optional<ConfinedConcrete> confinedConcrete(const TSECTION& s, const ConfinementMaterials& m) {
    const TREINFORCEMENT& r = s.reinforcement;
    if ((r.kind != ColumnRectangular && r.kind != ColumnCircular) || r.tieArea <= 0 || r.tieSpacing <= 0 ||
        m.fco <= 0 || m.fyh <= 0 || m.eco <= 0 || s.bars.empty())
        return std::nullopt;
    const double clearSpacing = r.tieSpacing - r.tieDiameter;
    if (clearSpacing < 0)
        return std::nullopt;
    std::optional<ConfinedConcrete> c =
        r.kind == ColumnRectangular ? rectangular(s, clearSpacing) : circular(s, clearSpacing);
    if (!c || c->ke <= 0)
        return std::nullopt;
    c->lateralPressure *= m.fyh;
    c->fcc = confinedStrength(m.fco, c->lateralPressure);
    c->epscc = m.eco * (1 + 5 * (c->fcc / m.fco - 1));
    c->epscu = 0.004 + 1.4 * c->rhoS * m.fyh * m.esu / c->fcc;
    // Mander's curve f = f'cc x r / (r - 1 + x^r), x = e / ecc, r = Ec / (Ec - Esec), Ec = 5000 sqrt(f'co).
    const double ec = 5000 * std::sqrt(m.fco), secant = c->fcc / c->epscc;
    if (ec <= secant)
        return std::nullopt;
    const double shape = ec / (ec - secant), x = c->epscu / c->epscc;
    c->fcu = c->fcc * x * shape / (shape - 1 + std::pow(x, shape));
    return c;
}

std::optional<ConfinementMaterials> confinementMaterials(const ModelStore& store, const TSECTION& s) {
    const int count = countOf(store.materialCount);
    const std::int32_t tie = s.reinforcement.tieMaterial != 0 ? s.reinforcement.tieMaterial : s.rebarMaterial;
    if (s.material < 1 || s.material > count || tie < 1 || tie > count)
        return std::nullopt;
    const TMAT& concrete = store.materials[static_cast<std::size_t>(s.material)];
    const TMAT& steel = store.materials[static_cast<std::size_t>(tie)];
    ConfinementMaterials m;
    m.fco = concrete.fc > 0 ? concrete.fc : concrete.parameters.fpc;
    if (concrete.strainAtFc > 0)
        m.eco = concrete.strainAtFc;
    m.fyh = steel.fy > 0 ? steel.fy : steel.parameters.Fy;
    if (steel.strainAtFu > 0)
        m.esu = steel.strainAtFu;
    if (m.fco <= 0 || m.fyh <= 0)
        return std::nullopt;
    return m;
}

std::optional<ConfinedConcrete> sectionConfinement(const ModelStore& store, int k) {
    if (k < 1 || k > countOf(store.frameSectionCount))
        return std::nullopt;
    const TSECTION& section = store.frameSections[static_cast<std::size_t>(k)];
    const std::optional<ConfinementMaterials> materials = confinementMaterials(store, section);
    return materials ? confinedConcrete(section, *materials) : std::nullopt;
}

std::vector<std::string> applyConfinedCores(ModelStore& store) {
    std::vector<std::string> notes;
    for (int k = 1; k <= countOf(store.frameSectionCount); ++k) {
        const TREINFORCEMENT& r = store.frameSections[static_cast<std::size_t>(k)].reinforcement;
        if (r.kind != ColumnRectangular && r.kind != ColumnCircular)
            continue;
        const std::optional<ConfinedConcrete> confined = sectionConfinement(store, k);
        const std::string name = store.frameSections[static_cast<std::size_t>(k)].name;
        if (!confined) {
            notes.push_back("Frame section " + name +
                            " keeps an unconfined core: its ties, spacing or materials give no confinement");
            continue;
        }
        const TMAT cover = store.materials[static_cast<std::size_t>(
            store.frameSections[static_cast<std::size_t>(k)].material)];
        std::int32_t core = findMaterial(store, name + " core");
        if (core == 0) {
            TMAT& added = store.materials.emplace_back();
            added.name = name + " core";
            added.added = true;
            store.materialCount = static_cast<std::int32_t>(store.materials.size()) - 1;
            core = store.materialCount;
        }
        TMAT& material = store.materials[static_cast<std::size_t>(core)];
        material.designType = DesignConcrete;
        material.e = cover.e;
        material.nu = cover.nu;
        material.g = cover.g;
        material.fc = confined->fcc;
        material.model = ModelConcrete02;
        MaterialParameters& p = material.parameters;
        p = defaultParameters(cover, ModelConcrete02);
        p.fpc = confined->fcc;
        p.epsc0 = confined->epscc;
        p.fpcu = confined->fcu;
        p.epsU = confined->epscu;
        store.frameSections[static_cast<std::size_t>(k)].coreMaterial = core;
    }
    return notes;
}

} // namespace kelvane
