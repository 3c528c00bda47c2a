#include "model/tables/rebar_sizes.h"

#include <array>
#include <charconv>
#include <numbers>

namespace kelvane::tables {
namespace {

struct KnownSize {
    std::string_view name;
    double area, diameter; // mm^2, mm
};

// ASTM A615 bars (nominal areas and diameters in inches, here in mm) and CSA G30.18 bars.
constexpr std::array<KnownSize, 20> kKnownSizes = {{
    {"#2", 32.258, 6.35},     {"#3", 70.968, 9.525},     {"#4", 129.032, 12.7},     {"#5", 199.999, 15.875},
    {"#6", 283.870, 19.05},   {"#7", 387.096, 22.225},   {"#8", 509.676, 25.4},     {"#9", 645.160, 28.651},
    {"#10", 819.353, 32.258}, {"#11", 1006.450, 35.814}, {"#14", 1451.610, 43.002}, {"#18", 2580.640, 57.328},
    {"10M", 100, 11.3},       {"15M", 200, 16.0},        {"20M", 300, 19.5},        {"25M", 500, 25.2},
    {"30M", 700, 29.9},       {"35M", 1000, 35.7},       {"45M", 1500, 43.7},       {"55M", 2500, 56.4},
}};

// The diameter in mm of a name such as 25d or N24; nothing for any other name.
std::optional<double> namedDiameter(std::string_view name) {
    if (name.size() >= 2 && (name.back() == 'd' || name.back() == 'D'))
        name.remove_suffix(1);
    else if (name.size() >= 2 && (name.front() == 'N' || name.front() == 'n'))
        name.remove_prefix(1);
    else
        return std::nullopt;
    int diameter = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), diameter);
    if (error != std::errc() || end != name.data() + name.size() || diameter <= 0 || diameter > 100)
        return std::nullopt;
    return diameter;
}

} // namespace

std::optional<RebarSize> builtInRebarSize(std::string_view name) {
    for (const KnownSize& size : kKnownSizes)
        if (equalsIgnoringCase(size.name, name))
            return RebarSize{std::string(name), size.area, size.diameter};
    if (const std::optional<double> diameter = namedDiameter(name))
        return RebarSize{std::string(name), std::numbers::pi / 4 * *diameter * *diameter, *diameter};
    return std::nullopt;
}

std::vector<RebarSize> readRebarSizes(const ImportContext& context) {
    std::vector<RebarSize> sizes;
    Rows rows(context.file, "REBAR SIZES");
    while (rows.next()) {
        RebarSize& size = sizes.emplace_back();
        size.name = std::string(rows.required("RebarID"));
        size.area = rows.requiredReal("Area") * context.units.area();
        size.diameter = rows.requiredReal("Diameter") * context.units.length;
        if (size.area <= 0 || size.diameter <= 0)
            rows.fail("RebarID=" + size.name + ": a bar size needs a positive Area and Diameter",
                      rows.find("Area"));
    }
    return sizes;
}

RebarSize rebarSizeOf(const std::vector<RebarSize>& sizes, const Rows& rows, std::string_view key) {
    const std::string_view name = rows.required(key);
    for (const RebarSize& size : sizes)
        if (size.name == name)
            return size;
    if (std::optional<RebarSize> known = builtInRebarSize(name))
        return *known;
    rows.fail(std::string(key) + "=" + std::string(name) +
                  ": no bar size of that name (neither in REBAR SIZES nor among SAP2000's own)",
              rows.find(key));
}

} // namespace kelvane::tables
