#include "model/tables/table_rows.h"

#include "common/error.h"
#include "common/number_parse.h"

namespace kelvane::tables {

Rows::Rows(const TableFile& file, std::string_view tableName) : name_(tableName) {
    if (const LocatedTable* table = file.find(tableName))
        reader_.emplace(file, *table);
}

// Files spell keys as SAP2000 does: an exact match is looked for first, a match in another
// letter case only when there is none.
const Field* Rows::find(std::string_view key) const {
    const std::vector<Field>& fields = reader_->fields();
    for (const Field& field : fields)
        if (field.key == key)
            return &field;
    for (const Field& field : fields)
        if (equalsIgnoringCase(field.key, key))
            return &field;
    return nullptr;
}

std::string_view Rows::text(std::string_view key, std::string_view fallback) const {
    const Field* field = find(key);
    return field != nullptr ? field->value : fallback;
}

std::string_view Rows::required(std::string_view key) const {
    const Field* field = find(key);
    if (field == nullptr)
        fail("the row has no " + std::string(key) + "=");
    return field->value;
}

double Rows::realOf(const Field& field) const {
    const std::optional<double> value = tryParseReal(field.value);
    if (!value)
        fail(std::string(field.key) + ": " + notValidFloatMessage(std::string(field.value)), &field);
    return *value;
}

double Rows::real(std::string_view key, double fallback) const {
    const Field* field = find(key);
    return field != nullptr ? realOf(*field) : fallback;
}

double Rows::requiredReal(std::string_view key) const {
    const Field* field = find(key);
    if (field == nullptr)
        fail("the row has no " + std::string(key) + "=");
    return realOf(*field);
}

std::optional<double> Rows::optionalReal(std::string_view key) const {
    const Field* field = find(key);
    if (field == nullptr)
        return std::nullopt;
    return realOf(*field);
}

bool Rows::yes(std::string_view key, bool fallback) const {
    const Field* field = find(key);
    if (field == nullptr)
        return fallback;
    if (equalsIgnoringCase(field->value, "Yes"))
        return true;
    if (equalsIgnoringCase(field->value, "No"))
        return false;
    fail(std::string(field->key) + "=" + std::string(field->value) + " is neither Yes nor No", field);
}

void Rows::fail(const std::string& what, const Field* at) const {
    const int line = at != nullptr ? at->line : (reader_ ? reader_->line() : 0);
    kelvane::fail("Table \"" + name_ + "\", line " + std::to_string(line + 1) + ": " + what);
}

} // namespace kelvane::tables
