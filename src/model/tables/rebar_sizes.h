#pragma once

#include "model/tables/import_context.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Bar sizes by the names SAP2000 gives them: the file's REBAR SIZES table, else SAP2000's own
// sizes (ASTM #2 to #18, Canadian 10M to 55M, and the diameter-named metric sizes such as 25d and
// N24, whose area is that of their diameter).
namespace kelvane::tables {

struct RebarSize {
    std::string name;
    double area = 0, diameter = 0; // mm^2, mm
};

// SAP2000's own size of that name (letter case ignored); nothing for a name it does not know.
std::optional<RebarSize> builtInRebarSize(std::string_view name);

// The sizes of the file's REBAR SIZES table, in N and mm.
std::vector<RebarSize> readRebarSizes(const ImportContext& context);

// The size the row's `key` names: the file's first, then SAP2000's own; a name neither knows stops
// with the table, line and value.
RebarSize rebarSizeOf(const std::vector<RebarSize>& sizes, const Rows& rows, std::string_view key);

} // namespace kelvane::tables
