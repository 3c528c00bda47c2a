#include "script/link_springs.h"

#include "script/store_access.h"

namespace kelvane {

bool linkNeedsOwnSpring(const ModelStore& store, int section) {
    const TSECTION& record = store.frameSections[static_cast<std::size_t>(section)];
    if (record.elementType != RigidLink || record.material == 0)
        return false;
    return materialOfSection(store, section).model != ModelElastic;
}

std::int32_t linkSpringTag(const ModelStore& store, int section) {
    if (linkNeedsOwnSpring(store, section))
        return kLinkSpringTagBase + section;
    return store.frameSections[static_cast<std::size_t>(section)].material;
}

} // namespace kelvane
