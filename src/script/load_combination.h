#pragma once

#include "model/model_store.h"

#include <string>
#include <string_view>
#include <vector>

// A combination of load cases with factors, as the gravity stage takes it:
// "DEAD:1.0,SUPERDEAD:1.0,LIVE:0.25". Names are the model's load case names; blanks around names
// and factors are ignored.
namespace kelvane {

struct CaseFactor {
    std::int32_t loadCase = 0; // 1-based, in the model's load cases
    double factor = 1.0;
};

// Stops with a message naming the faulty term when the text is not NAME:FACTOR terms separated by
// commas (an empty text is no combination).
void checkLoadCombination(std::string_view text);

// The terms of the combination, each case found in the model; stops naming a case the model lacks
// or a case given twice.
std::vector<CaseFactor> loadCombination(const ModelStore& store, std::string_view text);

} // namespace kelvane
