#include "tcl/block_writers.h"
#include "tcl/store_access.h"

namespace kelvane {

void writeEqualDofBlock(const ScriptInput& in, ScriptWriter& out) {
    const ModelStore& store = in.store;
    out.text("puts \"Equal DOF\"");
    for (int f = 1; f <= countOf(store.frameCount); ++f) {
        if (sectionOfFrame(store, f).elementType != RigidLink)
            continue;
        const TFRAME& frame = store.frames[f];
        if (frame.release == 1)
            out.line("equalDOF %d %d 1 2 3", {frame.nodeI, frame.nodeJ});
        else if (frame.release == 2)
            out.line("equalDOF %d %d 1 2 3", {frame.nodeJ, frame.nodeI});
    }
}

} // namespace kelvane
