#include "model/tables/import_context.h"

#include <string>

namespace kelvane::tables {

// FRAME PROPERTY MODIFIERS: per frame, factors on its section's properties (which already carry
// the section's own modifiers). The elastic elements take them; a fiber element's stiffness comes
// from its section's fibers, which frames of one section share, so generation warns of them there.
void readFrameModifiers(ImportContext& context) {
    ModelStore& store = context.store;
    Rows rows(context.file, "FRAME PROPERTY MODIFIERS");
    while (rows.next()) {
        FrameAssignments& modifiers =
            store.frames[static_cast<std::size_t>(frameOf(context, rows, "Frame"))].assigned.edit();
        const std::pair<std::string_view, double*> fields[] = {
            {"AMod", &modifiers.areaModifier},     {"AS2Mod", &modifiers.shear2Modifier},
            {"AS3Mod", &modifiers.shear3Modifier}, {"JMod", &modifiers.torsionModifier},
            {"I22Mod", &modifiers.i22Modifier},    {"I33Mod", &modifiers.i33Modifier},
            {"MMod", &modifiers.massModifier},     {"WMod", &modifiers.weightModifier}};
        for (const auto& [key, value] : fields) {
            *value = rows.real(key, 1);
            if (*value < 0)
                rows.fail(std::string(key) + "=" + std::string(rows.text(key)) +
                              ": a property modifier cannot be negative",
                          rows.find(key));
        }
    }
}

} // namespace kelvane::tables
