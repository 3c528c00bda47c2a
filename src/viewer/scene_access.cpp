#include "viewer/scene_access.h"

#include "common/number_format.h"

namespace kelvane {

namespace {

template <typename Record>
const Record& recordOr0(const std::vector<Record>& records, std::int32_t count, std::int32_t index) {
    static const Record empty{};
    if (index >= 1 && index <= boundedCount(count, records.size()))
        return records[static_cast<std::size_t>(index)];
    return empty;
}

} // namespace

const TSECTION& frameSectionOf(const ModelStore& model, std::int32_t index) {
    return recordOr0(model.frameSections, model.frameSectionCount, index);
}

const TAREASEC& shellSectionOf(const ModelStore& model, std::int32_t index) {
    return recordOr0(model.shellSections, model.shellSectionCount, index);
}

const TMAT& materialOf(const ModelStore& model, std::int32_t index) {
    return recordOr0(model.materials, model.materialCount, index);
}

std::string labelOrNumber(const std::string& label, std::int32_t number) {
    return label.empty() ? formatInt(number) : label;
}

std::string jointName(const ModelStore& model, std::int32_t k) {
    const TNODE* node = jointAt(model, k);
    return labelOrNumber(node != nullptr ? node->label : std::string(), k);
}

} // namespace kelvane
