#include "model/tables/import_context.h"

#include "model/name_lookup.h"

namespace kelvane::tables {
namespace {

std::int32_t lookedUp(const LabelIndex& index, const Rows& rows, std::string_view key, const char* what) {
    const std::string_view label = rows.required(key);
    const std::int32_t found = index.find(label);
    if (found == 0)
        rows.fail(std::string(key) + "=" + std::string(label) + ": there is no " + what + " of that name",
                  rows.find(key));
    return found;
}

} // namespace

std::int32_t jointOf(const ImportContext& context, const Rows& rows, std::string_view key) {
    return lookedUp(context.joints, rows, key, "joint");
}

std::int32_t frameOf(const ImportContext& context, const Rows& rows, std::string_view key) {
    return lookedUp(context.frames, rows, key, "frame");
}

std::int32_t materialOf(const ImportContext& context, const Rows& rows, std::string_view key) {
    const std::string_view name = rows.required(key);
    const std::int32_t found = findMaterial(context.store, name);
    if (found == 0)
        rows.fail(std::string(key) + "=" + std::string(name) + ": there is no material of that name",
                  rows.find(key));
    return found;
}

void addLabel(LabelIndex& index, const Rows& rows, std::string_view key, std::int32_t value) {
    const std::string_view label = rows.required(key);
    if (!index.add(label, value))
        rows.fail(std::string(key) + "=" + std::string(label) + " is given a second time", rows.find(key));
}

long long rowsOf(const ImportContext& context, std::string_view table) {
    const LocatedTable* located = context.file.find(table);
    return located != nullptr ? rowCount(context.file, *located) : 0;
}

} // namespace kelvane::tables
