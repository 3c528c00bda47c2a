#include "model/tables/import_context.h"

#include <string>

namespace kelvane::tables {
namespace {

bool anyStiffnessModified(const TFRAME& frame) {
    for (const double modifier : {frame.areaModifier, frame.shear2Modifier, frame.shear3Modifier,
                                  frame.torsionModifier, frame.i22Modifier, frame.i33Modifier})
        if (modifier != 1)
            return true;
    return false;
}

} // namespace

// FRAME PROPERTY MODIFIERS: per frame, factors on its section's properties (which already carry
// the section's own modifiers). The elastic elements take them; a fiber element's stiffness comes
// from its section's fibers, which frames of one section share, so there they are reported.
void readFrameModifiers(ImportContext& context) {
    ModelStore& store = context.store;
    Rows rows(context.file, "FRAME PROPERTY MODIFIERS");
    long long onFibers = 0;
    while (rows.next()) {
        TFRAME& frame = store.frames[static_cast<std::size_t>(frameOf(context, rows, "Frame"))];
        const std::pair<std::string_view, double*> fields[] = {
            {"AMod", &frame.areaModifier},     {"AS2Mod", &frame.shear2Modifier},
            {"AS3Mod", &frame.shear3Modifier}, {"JMod", &frame.torsionModifier},
            {"I22Mod", &frame.i22Modifier},    {"I33Mod", &frame.i33Modifier},
            {"MMod", &frame.massModifier},     {"WMod", &frame.weightModifier}};
        for (const auto& [key, value] : fields) {
            *value = rows.real(key, 1);
            if (*value < 0)
                rows.fail(std::string(key) + "=" + std::string(rows.text(key)) +
                              ": a property modifier cannot be negative",
                          rows.find(key));
        }
        const std::int32_t type = store.frameSections[static_cast<std::size_t>(frame.section)].elementType;
        if (anyStiffnessModified(frame) &&
            (type == NonlinearBeamColumn || type == DispBeamColumn || type == Truss || type == CorotTruss))
            ++onFibers;
    }
    if (onFibers > 0)
        context.report.addNotCarried(
            "stiffness modifiers of frames whose element takes its stiffness from fibers "
            "(FRAME PROPERTY MODIFIERS)",
            onFibers);
}

} // namespace kelvane::tables
