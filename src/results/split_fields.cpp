#include "results/split_fields.h"

#include <cstddef>

namespace kelvane {
namespace {

std::string_view trimControls(std::string_view text) {
    if (!text.empty() && static_cast<unsigned char>(text.front()) > 32 &&
        static_cast<unsigned char>(text.back()) > 32)
        return text;
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32)
        --end;
    return text.substr(begin, end - begin);
}

// Calls store(index, trimmedField) for every field of the line; returns the field count. A plain
// loop rather than find(): fields are short and a library call per field dominates on large files.
template <typename Store> int forEachField(std::string_view line, Store store) {
    int fieldCount = 0;
    // The first character is looked at twice: a leading space ends an extra empty field.
    if (!line.empty() && line.front() == ' ')
        store(fieldCount++, std::string_view{});
    const char* const end = line.data() + line.size();
    const char* fieldStart = line.data();
    for (const char* c = fieldStart;; ++c) {
        if (c == end || *c == ' ') {
            store(fieldCount++,
                  trimControls(std::string_view(fieldStart, static_cast<std::size_t>(c - fieldStart))));
            if (c == end) // the field ended by the appended space
                return fieldCount;
            fieldStart = c + 1;
        }
    }
}

template <typename Table, typename Assign> int splitInto(std::string_view line, Table& table, Assign assign) {
    const int fieldCount = forEachField(line, [&](int index, std::string_view text) {
        const auto slot = static_cast<std::size_t>(index);
        if (slot >= table.fields.size())
            table.fields.resize(slot + 1);
        assign(table.fields[slot], text);
    });
    table.count = fieldCount;
    return fieldCount;
}

} // namespace

int splitFields(std::string_view line, FieldTable& table) {
    return splitInto(line, table, [](std::string& field, std::string_view text) { field.assign(text); });
}

int splitFields(std::string_view line, FieldViews& views) {
    return splitInto(line, views, [](std::string_view& field, std::string_view text) { field = text; });
}

} // namespace kelvane
