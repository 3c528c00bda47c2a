#include "results/split_fields.h"

#include <cstddef>

namespace kelvane {
namespace {

std::string_view trimControls(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32)
        --end;
    return text.substr(begin, end - begin);
}

// Calls store(trimmedField) for every field of the line; returns the field count.
template <typename Store>
int forEachField(std::string_view line, Store store) {
    int fieldCount = 0;
    // The first character is looked at twice: a leading space ends an extra empty field.
    if (!line.empty() && line.front() == ' ')
        store(fieldCount++, std::string_view{});
    std::size_t start = 0;
    for (;;) {
        const std::size_t space = line.find(' ', start);
        if (space == std::string_view::npos) {
            store(fieldCount++, trimControls(line.substr(start))); // ended by the appended space
            return fieldCount;
        }
        store(fieldCount++, trimControls(line.substr(start, space - start)));
        start = space + 1;
    }
}

template <typename Table, typename Assign>
int splitInto(std::string_view line, Table& table, Assign assign) {
    const int fieldCount = forEachField(line, [&](int index, std::string_view text) {
        if (index < kFieldTableSize)
            assign(table.fields[static_cast<std::size_t>(index)], text);
    });
    table.count = fieldCount < kFieldTableSize ? fieldCount : kFieldTableSize;
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
