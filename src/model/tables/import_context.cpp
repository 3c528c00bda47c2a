#include "model/tables/import_context.h"

#include "model/name_lookup.h"

#include <algorithm>

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

void LabelIndex::reserve(std::size_t count) {
    bound_ = std::max<std::size_t>(bound_, 4 * count);
    numbered_.reserve(count + 1);
}

std::size_t LabelIndex::numberOf(std::string_view label) const {
    if (label.empty() || label.size() > 9 || label.front() == '0')
        return 0;
    std::size_t number = 0;
    for (const char c : label) {
        if (c < '0' || c > '9')
            return 0;
        number = number * 10 + static_cast<std::size_t>(c - '0');
    }
    return number <= bound_ ? number : 0;
}

bool LabelIndex::add(std::string_view label, std::int32_t index) {
    const std::size_t number = numberOf(label);
    if (number == 0)
        return named_.emplace(label, index).second;
    if (numbered_.size() <= number)
        numbered_.resize(number + 1, 0);
    if (numbered_[number] != 0)
        return false;
    numbered_[number] = index;
    return true;
}

std::int32_t LabelIndex::find(std::string_view label) const {
    const std::size_t number = numberOf(label);
    if (number != 0)
        return number < numbered_.size() ? numbered_[number] : 0;
    const auto found = named_.find(label);
    return found == named_.end() ? 0 : found->second;
}

std::int32_t jointOf(const ImportContext& context, const Rows& rows, std::string_view key) {
    return lookedUp(context.joints, rows, key, "joint");
}

std::int32_t frameOf(const ImportContext& context, const Rows& rows, std::string_view key) {
    return lookedUp(context.frames, rows, key, "frame");
}

std::int32_t areaOf(const ImportContext& context, const Rows& rows, std::string_view key) {
    return lookedUp(context.areas, rows, key, "area");
}

std::int32_t materialOf(const ImportContext& context, const Rows& rows, std::string_view key) {
    const std::string_view name = rows.required(key);
    const std::int32_t found = findMaterial(context.store, name);
    if (found == 0)
        rows.fail(std::string(key) + "=" + std::string(name) + ": there is no material of that name",
                  rows.find(key));
    return found;
}

std::int32_t patternOf(const ImportContext& context, const Rows& rows) {
    const std::string_view name = rows.required("LoadPat");
    const std::int32_t found = context.loadPatterns.find(name);
    if (found == 0)
        rows.fail("LoadPat=" + std::string(name) + ": there is no load pattern of that name",
                  rows.find("LoadPat"));
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
