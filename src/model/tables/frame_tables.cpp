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
        TFRAME& frame = rowEntry(store.frames, k);
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

// The store section a frame's AnalSect names: a section, the starting section of an auto-select
// list, or the first section of a nonprismatic chain (whose index goes to `nonprismatic`).
std::int32_t analysedSection(ImportContext& context, const Rows& rows, std::string_view name,
                             std::int32_t& nonprismatic) {
    if (const std::int32_t found = findFrameSection(context.store, name); found != 0)
        return found;
    for (const AutoSelectList& list : context.autoSelect)
        if (list.name == name) {
            if (list.start == 0)
                rows.fail("AnalSect=" + std::string(name) +
                              ": the auto-select list names no section to analyse (FRAME SECTION "
                              "PROPERTIES 04 - AUTO SELECT)",
                          rows.find("AnalSect"));
            return list.start;
        }
    for (std::size_t k = 0; k < context.nonprismatic.size(); ++k) {
        const NonprismaticSection& section = context.nonprismatic[k];
        if (section.name != name)
            continue;
        if (section.segments.empty())
            rows.fail("AnalSect=" + std::string(name) +
                          ": the nonprismatic section has no segments (FRAME SECTION PROPERTIES 05 - "
                          "NONPRISMATIC)",
                      rows.find("AnalSect"));
        nonprismatic = static_cast<std::int32_t>(k + 1);
        return section.segments.front().startSection;
    }
    rows.fail("AnalSect=" + std::string(name) + ": there is no frame section of that name",
              rows.find("AnalSect"));
}

// A row without AnalSect, or with SAP2000's None, leaves the frame without a section: it is left
// out of the analysis, as SAP2000 leaves it out.
void readSectionAssignments(ImportContext& context) {
    ModelStore& store = context.store;
    context.frameNonprismatic.assign(store.frames.size(), 0);
    Rows rows(context.file, "FRAME SECTION ASSIGNMENTS");
    while (rows.next()) {
        const std::int32_t f = frameOf(context, rows, "Frame");
        TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        const std::string_view name = rows.text("AnalSect", "None");
        frame.section = 0;
        context.frameNonprismatic[static_cast<std::size_t>(f)] = 0;
        if (!equalsIgnoringCase(name, "None"))
            frame.section =
                analysedSection(context, rows, name, context.frameNonprismatic[static_cast<std::size_t>(f)]);
        frame.sectionName = std::string(name);
        const std::string_view material = rows.text("MatProp", "Default");
        if (!equalsIgnoringCase(material, "Default"))
            context.report.addNotCarried(
                "frames with a material of their own (MatProp; the section's is used)");
    }
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
