#include "model/local_axis.h"
#include "model/name_lookup.h"
#include "model/tables/import_context.h"

namespace kelvane::tables {
namespace {

void readConnectivity(ImportContext& context) {
    ModelStore& store = context.store;
    const long long count = rowsOf(context, "CONNECTIVITY - FRAME");
    store.frames.assign(static_cast<std::size_t>(count) + 1, TFRAME{});
    context.frames.reserve(static_cast<std::size_t>(count));
    Rows rows(context.file, "CONNECTIVITY - FRAME");
    std::int32_t k = 0;
    while (rows.next()) {
        addLabel(context.frames, rows, "Frame", ++k);
        TFRAME& frame = store.frames[static_cast<std::size_t>(k)];
        frame.label = rows.required("Frame");
        frame.nodeI = jointOf(context, rows, "JointI");
        frame.nodeJ = jointOf(context, rows, "JointJ");
        const TNODE& i = store.nodes[static_cast<std::size_t>(frame.nodeI)];
        const TNODE& j = store.nodes[static_cast<std::size_t>(frame.nodeJ)];
        if (i.x == j.x && i.y == j.y && i.z == j.z)
            rows.fail("frame " + frame.label + " has no length (joints " + i.label + " and " + j.label +
                      " are at the same point)");
        if (rows.yes("IsCurved", false))
            context.report.addNotCarried("curved frames (taken as straight)");
    }
    store.frameCount = k;
}

void readSectionAssignments(ImportContext& context) {
    ModelStore& store = context.store;
    Rows rows(context.file, "FRAME SECTION ASSIGNMENTS");
    while (rows.next()) {
        TFRAME& frame = store.frames[static_cast<std::size_t>(frameOf(context, rows, "Frame"))];
        const std::string_view name = rows.required("AnalSect");
        frame.section = findFrameSection(store, name);
        if (frame.section == 0)
            rows.fail("AnalSect=" + std::string(name) + ": there is no frame section of that name",
                      rows.find("AnalSect"));
        frame.sectionName = std::string(name);
        const std::string_view material = rows.text("MatProp", "Default");
        if (!equalsIgnoringCase(material, "Default"))
            context.report.addNotCarried(
                "frames with a material of their own (MatProp; the section's is used)");
    }
    long long without = 0;
    for (std::int32_t f = 1; f <= store.frameCount; ++f)
        without += store.frames[static_cast<std::size_t>(f)].section == 0 ? 1 : 0;
    if (without > 0)
        context.report.addNotCarried("frames without a section (not written to the script)", without);
}

void readLocalAxes(ImportContext& context) {
    Rows rows(context.file, "FRAME LOCAL AXES ASSIGNMENTS 1 - TYPICAL");
    while (rows.next()) {
        TFRAME& frame = context.store.frames[static_cast<std::size_t>(frameOf(context, rows, "Frame"))];
        frame.angle = rows.real("Angle", 0);
        if (rows.yes("AdvanceAxes", false))
            context.report.addNotCarried("frames with advanced local axes (the angle alone is used)");
        if (rows.yes("MirrorAbt2", false) || rows.yes("MirrorAbt3", false))
            context.report.addNotCarried("frames with mirrored local axes");
    }
}

} // namespace

// Frames in the row order of CONNECTIVITY - FRAME, with their sections and local axes; Angle
// turns local 2 and 3 about local 1 from the default axis, as SAP2000 does.
void readFrames(ImportContext& context) {
    readConnectivity(context);
    readSectionAssignments(context);
    readLocalAxes(context);
    ModelStore& store = context.store;
    for (std::int32_t f = 1; f <= store.frameCount; ++f) {
        TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        const TNODE& i = store.nodes[static_cast<std::size_t>(frame.nodeI)];
        const TNODE& j = store.nodes[static_cast<std::size_t>(frame.nodeJ)];
        const Axis2 axis = localAxis2(i.x, i.y, i.z, j.x, j.y, j.z, frame.angle);
        frame.axis2X = axis.x;
        frame.axis2Y = axis.y;
        frame.axis2Z = axis.z;
    }
}

} // namespace kelvane::tables
