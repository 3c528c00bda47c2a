#pragma once

#include <optional>
#include <string>
#include <string_view>

// The factors that take a table-format file's values to newtons and millimetres.
namespace kelvane::tables {

struct UnitScale {
    double force = 1.0;  // newtons per file force unit
    double length = 1.0; // millimetres per file length unit

    double area() const { return length * length; }
    double inertia() const { return area() * area(); }
    double stress() const { return force / area(); }
    double forcePerLength() const { return force / length; }
    double moment() const { return force * length; }
    double weightPerVolume() const { return force / (area() * length); }
    // Mass is force x time^2 / length; mass per volume and rotational mass follow from it.
    double mass() const { return force / length; }
    double massPerVolume() const { return mass() / (area() * length); }
    double rotationalMass() const { return mass() * area(); }
};

// CurrUnits of PROGRAM CONTROL, as "KN, m, C" (older files: "Kip-in"): force lb, kip, N, KN, Kgf or
// Tonf; length in, ft,
// micron, mm, cm or m (letter case ignored); the temperature unit is not used. An unknown unit
// gives nothing, and `unknown` names it.
std::optional<UnitScale> parseCurrentUnits(std::string_view text, std::string& unknown);

} // namespace kelvane::tables
