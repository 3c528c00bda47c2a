#include "cli/command_registry.h"
#include "model/colour_table.h"
#include "model/s2k_import.h"

#include <iostream>

namespace kelvane::cli {
namespace {

// Imports a model and prints its counts, one "name=value" line each, as the store holds them
// (-1 for a count whose table was missing).
int runInfo(const Arguments& args) {
    if (args.size() != 1)
        throw UsageError{"info takes exactly one model file"};
    ModelStore store;
    importS2kFile(store, initPalette(), args[0]);
    const std::pair<const char*, std::int32_t> counts[] = {
        {"nodeCount", store.nodeCount},
        {"frameCount", store.frameCount},
        {"shellCount", store.shellCount},
        {"areaCount", store.areaCount},
        {"solidCount", store.solidCount},
        {"materialCount", store.materialCount},
        {"frameSectionCount", store.frameSectionCount},
        {"shellSectionCount", store.shellSectionCount},
        {"diaphragmCount", store.diaphragmCount},
        {"loadCount", store.loadCount},
        {"loadCaseCount", store.loadCaseCount},
    };
    for (const auto& [name, value] : counts)
        std::cout << name << '=' << value << '\n';
    return 0;
}

const RegisterCommand reg("info", "info MODEL.s2k", &runInfo);

} // namespace
} // namespace kelvane::cli
