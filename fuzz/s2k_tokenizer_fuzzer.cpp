// One s2k data line through tokenizeLine; fieldEquals, the tables' quick look at one field, must
// agree with the full split on every field of a line the tokenizer accepts.
#include "fuzz_support.h"

#include "model/s2k_tokenizer.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line = kelvane::fuzz::asText(data, size);
    kelvane::LineFields fields;
    fields.fill("stale");
    if (!kelvane::tokenizeLine(line, fields)) {
        for (const std::string& field : fields)
            FUZZ_CHECK(field.empty());
        return 0;
    }
    for (int n = 0; n < kelvane::kMaxRecordedPositions - 2; ++n) {
        const std::string& field = fields[static_cast<std::size_t>(n)];
        FUZZ_CHECK(field.size() <= line.size());
        FUZZ_CHECK(field.empty() || (static_cast<unsigned char>(field.front()) > 32 &&
                                     static_cast<unsigned char>(field.back()) > 32));
        FUZZ_CHECK(kelvane::fieldEquals(line, n, field));
    }
    FUZZ_CHECK(fields[kelvane::kLineFieldCount - 2].empty() && fields[kelvane::kLineFieldCount - 1].empty());
    return 0;
}
