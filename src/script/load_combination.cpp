#include "script/load_combination.h"

#include "common/error.h"
#include "common/number_parse.h"

#include <algorithm>
#include <optional>

namespace kelvane {
namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

struct Term {
    std::string_view name;
    double factor = 0;
};

std::vector<Term> terms(std::string_view text) {
    std::vector<Term> result;
    if (trimmed(text).empty())
        return result;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view term = text.substr(start, comma - start);
        const std::size_t colon = term.rfind(':');
        const std::string_view name = colon == std::string_view::npos ? term : trimmed(term.substr(0, colon));
        const auto factor =
            colon == std::string_view::npos ? std::nullopt : tryParseReal(trimmed(term.substr(colon + 1)));
        if (name.empty() || !factor)
            fail(
                "'" + std::string(trimmed(term)) +
                "' in gravityCases is not a load case and its factor (NAME:FACTOR, e.g. DEAD:1.0,LIVE:0.25)");
        result.push_back({name, *factor});
        start = comma + 1;
    }
    return result;
}

} // namespace

void checkLoadCombination(std::string_view text) {
    terms(text);
}

std::vector<CaseFactor> loadCombination(const ModelStore& store, std::string_view text) {
    std::vector<CaseFactor> result;
    for (const Term& term : terms(text)) {
        std::int32_t found = 0;
        for (int c = 1; c <= loadCaseNameCount(store); ++c)
            if (store.loadCaseNames[static_cast<std::size_t>(c)] == term.name)
                found = c;
        if (found == 0)
            fail("gravityCases names load case '" + std::string(term.name) +
                 "', which the model does not have");
        if (std::any_of(result.begin(), result.end(),
                        [&](const CaseFactor& c) { return c.loadCase == found; }))
            fail("gravityCases names load case '" + std::string(term.name) + "' twice");
        result.push_back({found, term.factor});
    }
    return result;
}

} // namespace kelvane
