#pragma once

#include "model/model_store.h"

#include <optional>
#include <string>
#include <vector>

// Concrete confined by a column's ties, spiral or hoops, after Mander, Priestley and Park (1988),
// with the ultimate strain of Priestley, Seible and Calvi (1996). Values in N and mm.
namespace kelvane {

struct ConfinedConcrete {
    double ke = 0;              // effective confinement coefficient
    double rhoS = 0;            // volumetric ratio of the transverse bars (rho_x + rho_y of a rectangle)
    double lateralPressure = 0; // effective lateral confining stress f'l (the mean of both directions)
    double fcc = 0, epscc = 0;  // confined strength and the strain at it
    double epscu = 0;           // ultimate strain: 0.004 + 1.4 rho_s fyh esu / f'cc
    double fcu = 0;             // the stress of Mander's curve at epscu
};

// What the confinement of a section is computed from: the unconfined strength f'co and its strain
// eco, the transverse bars' yield stress and strain at their strength.
struct ConfinementMaterials {
    double fco = 0, eco = 0.002, fyh = 0, esu = 0.09;
};

// The confinement of a column with transverse bars (rectangular with ties, circular with a spiral
// or hoops); nothing for a beam, a section without transverse bars or a description that does not
// fit the section (a spacing below the tie's diameter, a core of no size).
std::optional<ConfinedConcrete> confinedConcrete(const TSECTION& section,
                                                 const ConfinementMaterials& materials);

// The materials a section's confinement takes: its concrete's Fc (else the fpc of its model) and
// strain at Fc, and its transverse bars' Fy and strain at Fu; nothing when one of them is missing.
std::optional<ConfinementMaterials> confinementMaterials(const ModelStore& store, const TSECTION& section);

// The confinement of section k from its own materials; nothing where confinedConcrete gives none.
std::optional<ConfinedConcrete> sectionConfinement(const ModelStore& store, int k);

// Every column with transverse bars takes a confined core material of its own, "NAME core"
// (Concrete02 with f'cc, ecc, the stress at ecu and ecu, the tension of its cover's concrete),
// added or updated, as its core material. The result names the columns left without one.
std::vector<std::string> applyConfinedCores(ModelStore& store);

} // namespace kelvane
