#include "model/name_lookup.h"

#include "model/table_reader.h"

namespace kelvane {

std::int32_t findMaterial(const ModelStore& store, std::string_view name) {
    return findByName(store.materials, store.materialCount, name);
}

std::int32_t findFrameSection(const ModelStore& store, std::string_view name) {
    return findByName(store.frameSections, store.frameSectionCount, name);
}

std::int32_t findShellSection(const ModelStore& store, std::string_view name) {
    return findByName(store.shellSections, store.shellSectionCount, name);
}

} // namespace kelvane
