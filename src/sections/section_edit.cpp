#include "sections/section_edit.h"

#include "common/box_value.h"
#include "common/error.h"
#include "sections/section_check.h"
#include "sections/section_fields.h"

#include <string_view>

namespace kelvane {

void applySectionEdit(ModelStore& store, int k, const SectionEdit& edit) {
    if (k < 1 || k > countOf(store.frameSectionCount))
        fail("Frame section " + std::to_string(k) + " does not exist: the model has " +
             std::to_string(countOf(store.frameSectionCount)) + " frame sections");
    TSECTION& s = store.frameSections[static_cast<std::size_t>(k)];
    const TSECTION before = s;
    if (edit.elementType != 0)
        s.elementType = edit.elementType;
    if (edit.sectionKind != 0)
        s.sectionKind = edit.sectionKind;
    struct Box {
        std::string_view caption, field;
        const std::string& text;
    };
    const Box boxes[] = {{"Divide FX", "divideFX", edit.divideFX},
                         {"Divide FY", "divideFY", edit.divideFY},
                         {"Bar Num NX", "barNumNX", edit.barNumNX},
                         {"Bar Num NY", "barNumNY", edit.barNumNY},
                         {"X-Bar(Top)", "topBar", edit.topBar},
                         {"Y-Bar(Bot)", "bottomBar", edit.bottomBar},
                         {"Cover", "cover", edit.cover},
                         {"Hinge Length Node I", "hingeLengthI", edit.hingeLengthI},
                         {"Hinge Length Node J", "hingeLengthJ", edit.hingeLengthJ}};
    for (const Box& box : boxes)
        namingBox(box.caption, [&] { setSectionField(s, box.field, box.text); });
    s.colour = edit.colour;
    if (edit.geomTransf != 0)
        s.geomTransf = edit.geomTransf;
    if (edit.coreMaterial >= 0)
        s.coreMaterial = edit.coreMaterial;
    if (edit.rebarMaterial >= 0)
        s.rebarMaterial = edit.rebarMaterial;
    if (const auto fault = sectionMeshFault(s)) {
        s = before;
        fail(boxMessage(fault->box, fault->message));
    }
}

} // namespace kelvane
