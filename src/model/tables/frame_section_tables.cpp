#include "model/name_lookup.h"
#include "model/section_defaults.h"
#include "model/tables/import_context.h"

#include <array>

namespace kelvane::tables {
namespace {

// A shape the store meshes and the fields that give its dimensions t1, t2, ... in order.
struct ShapeKeys {
    std::string_view name;
    std::int32_t shape;
    std::array<std::string_view, 6> fields;
};

constexpr std::array<ShapeKeys, 10> kShapes = {{
    {"Rectangular", ShapeRectangle, {"t3", "t2"}},
    {"I/Wide Flange", ShapeI, {"t3", "t2", "tf", "tw", "t2b", "tfb"}},
    {"Box/Tube", ShapeBox, {"t3", "t2", "tf", "tw"}},
    {"Pipe", ShapePipe, {"t3", "tw"}},
    {"Circle", ShapeCircle, {"t3"}},
    {"Channel", ShapeChannel, {"t3", "t2", "tf", "tw"}},
    {"Angle", ShapeAngle, {"t3", "t2", "tf", "tw"}},
    {"Tee", ShapeTee, {"t3", "t2", "tf", "tw"}},
    {"Double Angle", ShapeDoubleAngle, {"t3", "t2", "tf", "tw", "dis"}},
    {"Double Channel", ShapeDoubleChannel, {"t3", "t2", "tf", "tw", "dis"}},
}};

// A field the row leaves out is 0, except the bottom flange of an I, which is then the top one.
double dimension(const Rows& rows, std::string_view field) {
    if (field == "t2b")
        return rows.real(field, rows.real("t2", 0));
    if (field == "tfb")
        return rows.real(field, rows.real("tf", 0));
    return rows.real(field, 0);
}

void readShape(const Rows& rows, double length, TSECTION& section) {
    const std::string_view shape = rows.text("Shape");
    for (const ShapeKeys& keys : kShapes) {
        if (!equalsIgnoringCase(shape, keys.name))
            continue;
        section.shape = keys.shape;
        double* const dimensions[] = {&section.t1, &section.t2, &section.t3,
                                      &section.t4, &section.t5, &section.t6};
        for (std::size_t i = 0; i < keys.fields.size() && !keys.fields[i].empty(); ++i)
            *dimensions[i] = dimension(rows, keys.fields[i]) * length;
        setShapeDefaults(section);
        return;
    }
}

// The file's stiffness properties times their modifiers. A section of a shape the store meshes
// may leave them out, and they are then computed from the dimensions; any other shape needs them.
void readProperties(const Rows& rows, const UnitScale& units, TSECTION& section, double& selfWeightArea) {
    const bool given = rows.has("Area") && rows.has("I33") && rows.has("I22") && rows.has("TorsConst");
    selfWeightArea = rows.has("Area") ? rows.requiredReal("Area") * units.area() * rows.real("WMod", 1) : -1;
    if (!given && section.shape != ShapeNone)
        return;
    section.propertiesFromFile = true;
    section.area = rows.requiredReal("Area") * rows.real("AMod", 1) * units.area();
    section.i33 = rows.requiredReal("I33") * rows.real("I3Mod", 1) * units.inertia();
    section.i22 = rows.requiredReal("I22") * rows.real("I2Mod", 1) * units.inertia();
    section.torsion = rows.requiredReal("TorsConst") * rows.real("JMod", 1) * units.inertia();
    section.av2 = rows.real("AS2", 0) * rows.real("A2Mod", 1) * units.area();
    section.av3 = rows.real("AS3", 0) * rows.real("A3Mod", 1) * units.area();
}

bool isNamedElsewhere(const ImportContext& context, std::string_view name) {
    for (const NonprismaticSection& section : context.nonprismatic)
        if (section.name == name)
            return true;
    for (const AutoSelectList& list : context.autoSelect)
        if (list.name == name)
            return true;
    return findFrameSection(context.store, name) != 0;
}

// An auto-select list or a nonprismatic chain: its members or segments follow in tables of their
// own, and it is no section of the store.
bool readListSection(ImportContext& context, const Rows& rows, std::string_view name) {
    const std::string_view shape = rows.text("Shape");
    if (equalsIgnoringCase(shape, "Auto Select")) {
        context.autoSelect.push_back({std::string(name), std::string(rows.text("StartSect")), {}, 0});
        return true;
    }
    if (equalsIgnoringCase(shape, "Nonprismatic")) {
        const int k = static_cast<int>(context.store.frameSections.size() + context.nonprismatic.size());
        context.nonprismatic.push_back({std::string(name), sectionColour(context.colours, k), {}});
        return true;
    }
    return false;
}

} // namespace

// Every section is solved as SAP2000 solves it, with an elastic element: its name says nothing
// about the formulation in this format.
void readFrameSections(ImportContext& context) {
    ModelStore& store = context.store;
    Rows rows(context.file, "FRAME SECTION PROPERTIES 01 - GENERAL");
    context.selfWeightArea.assign(1, -1.0);
    while (rows.next()) {
        const std::string_view name = rows.required("SectionName");
        if (isNamedElsewhere(context, name))
            rows.fail("SectionName=" + std::string(name) + " is given a second time",
                      rows.find("SectionName"));
        if (readListSection(context, rows, name))
            continue;
        const int k = static_cast<int>(store.frameSections.size());
        TSECTION& section = store.frameSections.emplace_back();
        store.frameSectionCount = k;
        section.name = std::string(name);
        section.colour = sectionColour(context.colours, k);
        section.elementType = ElasticBeamColumn;
        section.shearDeformation = true;
        setImportDefaults(section);
        if (rows.has("Material"))
            section.material = materialOf(context, rows, "Material");
        readShape(rows, context.units.length, section);
        readProperties(rows, context.units, section, context.selfWeightArea.emplace_back());
    }
    readAutoSelectLists(context);
    readNonprismaticSegments(context);
}

} // namespace kelvane::tables
