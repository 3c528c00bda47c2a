#include "model/table_readers.h"

namespace kelvane {

void tieRigidLinks(ModelStore& store) {
    for (std::int32_t f = 1; f <= countOf(store.frameCount); ++f) {
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        if (store.frameSections[static_cast<std::size_t>(frame.section)].elementType != RigidLink)
            continue;
        if (frame.release == 2)
            store.nodes[static_cast<std::size_t>(frame.nodeI)].tiedTo = frame.nodeJ;
        else if (frame.release == 1)
            store.nodes[static_cast<std::size_t>(frame.nodeJ)].tiedTo = frame.nodeI;
    }
}

} // namespace kelvane
