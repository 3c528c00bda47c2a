// One recorder line through both forms of splitFields: they must agree field for field.
#include "fuzz_support.h"

#include "results/split_fields.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line = kelvane::fuzz::asText(data, size);
    static const auto table = std::make_unique<kelvane::FieldTable>();
    static const auto views = std::make_unique<kelvane::FieldViews>();
    const int count = kelvane::splitFields(line, *table);
    FUZZ_CHECK(kelvane::splitFields(line, *views) == count);
    FUZZ_CHECK(count >= 1);
    FUZZ_CHECK(table->count == count && views->count == count);
    FUZZ_CHECK(static_cast<std::size_t>(count) <= line.size() + 2);
    for (int j = 0; j < count; ++j) {
        const auto index = static_cast<std::size_t>(j);
        FUZZ_CHECK(table->fields[index] == views->fields[index]);
        FUZZ_CHECK(table->fields[index].find(' ') == std::string::npos);
    }
    return 0;
}
