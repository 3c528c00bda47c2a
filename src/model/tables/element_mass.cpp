#include "common/number_format.h"
#include "model/name_lookup.h"
#include "model/tables/element_geometry.h"
#include "model/tables/import_context.h"
#include "model/tables/mass_source.h"

#include <algorithm>
#include <array>
#include <string>

// The mass of the elements, of the added masses and of the load patterns the mass source takes,
// lumped to the joints as SAP2000 lumps it: translational, the same in X, Y and Z.
namespace kelvane::tables {
namespace {

// Standard gravity in the store's millimetres per second squared.
constexpr double kGravity = 9806.65;

// Translational mass per joint, added to the store's joints at the end.
class LumpedMass {
  public:
    explicit LumpedMass(const ModelStore& store)
        : mass_(static_cast<std::size_t>(countOf(store.nodeCount)) + 1, 0.0) {}
    void add(std::int32_t joint, double mass) {
        mass_[static_cast<std::size_t>(joint)] += mass;
        total_ += mass;
    }
    double total() const { return total_; }
    // Adds every joint's mass to the store, where a mass that comes out negative is taken as zero,
    // and returns the total.
    double addTo(ModelStore& store, ImportReport& report, const std::string& what) const {
        long long negative = 0;
        for (std::size_t n = 1; n < mass_.size(); ++n) {
            DofValues& m = store.nodes[n].mass;
            negative += m[1] + mass_[n] < 0 ? 1 : 0;
            for (std::size_t dof = 1; dof <= 3; ++dof)
                m[dof] = std::max(0.0, m[dof] + mass_[n]);
        }
        if (negative > 0)
            report.addNotCarried(
                "joints whose mass " + what + " makes negative (upward loads): taken as zero", negative);
        return total_;
    }

  private:
    std::vector<double> mass_;
    double total_ = 0;
};

// A link's mass, half to each joint; a one-joint link's all to its joint.
void lumpLinkMass(const ModelStore& store, LumpedMass& lumped) {
    for (std::int32_t l = 1; l <= store.linkCount; ++l) {
        const TLINK& link = store.links[static_cast<std::size_t>(l)];
        const double mass = store.linkProps[static_cast<std::size_t>(link.prop)].mass;
        if (mass == 0)
            continue;
        if (link.nodeI == 0) {
            lumped.add(link.nodeJ, mass);
            continue;
        }
        lumped.add(link.nodeI, mass / 2);
        lumped.add(link.nodeJ, mass / 2);
    }
}

void addOrigin(ImportReport& report, const std::string& what, double mass) {
    if (mass != 0)
        report.massOrigins.push_back({what, mass, mass, mass});
}

// Per frame section: the file's Area times MMod (-1 when the file gives no Area, and then the
// area the store computes from the dimensions, if any).
std::vector<double> sectionMassAreas(const ImportContext& context) {
    const ModelStore& store = context.store;
    std::vector<double> areas(static_cast<std::size_t>(countOf(store.frameSectionCount)) + 1, -1.0);
    Rows rows(context.file, "FRAME SECTION PROPERTIES 01 - GENERAL");
    while (rows.next()) {
        const std::int32_t k = findFrameSection(store, rows.required("SectionName"));
        if (k >= 1 && k < static_cast<std::int32_t>(areas.size()) && rows.has("Area"))
            areas[static_cast<std::size_t>(k)] =
                rows.requiredReal("Area") * context.units.area() * rows.real("MMod", 1);
    }
    for (std::size_t k = 1; k < areas.size(); ++k)
        if (areas[k] < 0 && store.frameSections[k].area > 0)
            areas[k] = store.frameSections[k].area;
    return areas;
}

// Frames: unit mass x Area x MMod of the section and of the frame, and the added mass per
// length, times the length; half to each end.
void lumpFrames(const ImportContext& context, const MassSource& source, LumpedMass& elements,
                LumpedMass& added) {
    const ModelStore& store = context.store;
    const std::vector<double> areas = sectionMassAreas(context);
    for (std::int32_t f = 1; f <= store.frameCount; ++f) {
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        const double length = lengthOfFrame(store, frame);
        if (source.addedMasses && frame.assigned->addedMassPerLength != 0) {
            const double half = frame.assigned->addedMassPerLength * length / 2;
            added.add(frame.nodeI, half);
            added.add(frame.nodeJ, half);
        }
        if (!source.elements || frame.section == 0)
            continue;
        const double unitMass =
            unitMassOf(store, store.frameSections[static_cast<std::size_t>(frame.section)].material);
        if (unitMass == 0)
            continue;
        const double area = areas[static_cast<std::size_t>(frame.section)];
        if (area < 0) {
            context.report.addNotCarried("mass of frames whose section gives no Area");
            continue;
        }
        const double half = unitMass * area * frame.assigned->massModifier * length / 2;
        elements.add(frame.nodeI, half);
        elements.add(frame.nodeJ, half);
    }
}

// Per area: the added mass per area of AREA ADDED MASS ASSIGNMENTS.
std::vector<double> areaAddedMasses(const ImportContext& context) {
    std::vector<double> added(static_cast<std::size_t>(countOf(context.store.areaCount)) + 1, 0.0);
    const double unit = context.units.mass() / context.units.area();
    Rows rows(context.file, "AREA ADDED MASS ASSIGNMENTS");
    while (rows.next()) {
        const std::int32_t a = areaOf(context, rows, "Area");
        added[static_cast<std::size_t>(a)] += rows.requiredReal("MassPerArea") * unit;
    }
    return added;
}

// Areas: unit mass x thickness and the added mass per area, to the corners by tributary area. A
// section made for stiffness modifiers has a thickness of its own; weightFactor restores the
// file's thickness (times its weight modifier).
void lumpAreas(const ImportContext& context, const MassSource& source, LumpedMass& elements,
               LumpedMass& added) {
    const ModelStore& store = context.store;
    const std::vector<double> addedPerArea =
        source.addedMasses ? areaAddedMasses(context) : std::vector<double>{};
    for (std::int32_t a = 1; a <= store.areaCount; ++a) {
        const TSHELL& area = store.shells[static_cast<std::size_t>(a)];
        const TAREASEC& section = store.shellSections[static_cast<std::size_t>(area.section)];
        const double own = source.elements && area.section != 0 ? unitMassOf(store, section.material) *
                                                                      section.thickness * section.weightFactor
                                                                : 0;
        const double extra = addedPerArea.empty() ? 0 : addedPerArea[static_cast<std::size_t>(a)];
        if (own == 0 && extra == 0)
            continue;
        const std::vector<double> parts = tributaryAreas(areaCorners(store, area));
        const std::array<std::int32_t, 4> joints = {area.node1, area.node2, area.node3, area.node4};
        for (std::size_t k = 0; k < parts.size(); ++k) {
            elements.add(joints[k], own * parts[k]);
            added.add(joints[k], extra * parts[k]);
        }
    }
}

// JOINT ADDED MASS BY WEIGHT ASSIGNMENTS: weights along X, Y and Z over g.
std::array<double, 3> addJointMassesByWeight(ImportContext& context) {
    std::array<double, 3> total{};
    static constexpr std::array<std::string_view, 3> keys = {"Weight1", "Weight2", "Weight3"};
    Rows rows(context.file, "JOINT ADDED MASS BY WEIGHT ASSIGNMENTS");
    while (rows.next()) {
        TNODE& node = context.store.nodes[static_cast<std::size_t>(jointOf(context, rows, "Joint"))];
        if (!equalsIgnoringCase(rows.text("CoordSys", "GLOBAL"), "GLOBAL")) {
            context.report.addNotCarried("joint masses by weight in a coordinate system other than GLOBAL");
            continue;
        }
        if (!rows.has(keys[0]) && !rows.has(keys[1]) && !rows.has(keys[2]))
            rows.fail("the row gives none of Weight1, Weight2 and Weight3");
        for (std::size_t k = 0; k < keys.size(); ++k) {
            const double mass = rows.real(keys[k], 0) * context.units.force / kGravity;
            node.mass[k + 1] += mass;
            total[k] += mass;
        }
    }
    return total;
}

// The downward force of a load of the pattern, handed to the joints that carry it: a joint force
// as it stands; a frame load by statics, to its two ends. Moments add no mass.
void lumpLoad(const ModelStore& store, const TLOAD& load, double factor, LumpedMass& masses) {
    if (load.kind == LoadJointForce) {
        masses.add(load.target, -load.fz * factor);
        return;
    }
    if (load.moment || load.target < 1 || load.target > store.frameCount || load.direction < 1 ||
        load.direction > 3)
        return;
    const TFRAME& frame = store.frames[static_cast<std::size_t>(load.target)];
    const double down = -localAxes(store, frame)[static_cast<std::size_t>(load.direction - 1)][2] * factor;
    const double length = lengthOfFrame(store, frame);
    double total = 0, atJ = 0;
    if (load.kind == LoadDistributed) {
        total = load.fx * length;
        atJ = total / 2;
    } else if (load.kind == LoadFrameSpan) {
        const double a = load.distA, b = load.distB;
        total = (load.fx + load.fy) / 2 * (b - a) * length;
        // The share of joint J: the load's moment about joint I over the length.
        atJ = (b - a) * (load.fx * (2 * a + b) + load.fy * (a + 2 * b)) / 6 * length;
    } else if (load.kind == LoadFramePoint) {
        total = load.fx;
        atJ = load.fx * load.distA;
    }
    masses.add(frame.nodeI, (total - atJ) * down);
    masses.add(frame.nodeJ, atJ * down);
}

// The mass of each load pattern of the source: multiplier x its downward loads / g.
void addPatternMasses(ImportContext& context, const MassSource& source) {
    ModelStore& store = context.store;
    for (const MassFromPattern& from : source.patterns) {
        const std::string& name = store.loadCaseNames[static_cast<std::size_t>(from.pattern)];
        LumpedMass masses(store);
        for (std::int32_t i = 1; i <= store.loadCount; ++i) {
            const TLOAD& load = store.loads[static_cast<std::size_t>(i)];
            if (load.caseName == name)
                lumpLoad(store, load, from.multiplier / kGravity, masses);
        }
        const std::string what = "load pattern " + name + " x " + formatGeneral(from.multiplier);
        if (masses.total() == 0)
            context.report.addNotCarried("mass from " + what + ": the pattern has no downward load written");
        addOrigin(context.report, what, masses.addTo(store, context.report, what));
    }
}

std::array<double, 3> jointMassTotals(const ModelStore& store) {
    std::array<double, 3> total{};
    for (std::int32_t n = 1; n <= countOf(store.nodeCount); ++n)
        for (std::size_t k = 0; k < 3; ++k)
            total[k] += store.nodes[static_cast<std::size_t>(n)].mass[k + 1];
    return total;
}

std::string sourceText(const MassSource& source) {
    std::string text = source.name.empty() ? "SAP2000's default (the file names no mass source)"
                                           : "mass source " + source.name;
    if (!source.namedByCase.empty())
        text += ", named by load case " + source.namedByCase;
    text += ": ";
    std::string parts;
    const auto add = [&](bool on, const char* what) {
        if (on)
            parts += (parts.empty() ? "" : ", ") + std::string(what);
    };
    add(source.elements, "element self mass");
    add(source.addedMasses, "added masses");
    add(source.loads && !source.patterns.empty(), "load patterns");
    return text + (parts.empty() ? "nothing" : parts);
}

std::string massUnitName(std::string_view units) {
    std::vector<std::string> names;
    std::string name;
    for (const char c : std::string(units) + ",") {
        if (c == ',' || c == '-') {
            if (!name.empty())
                names.push_back(name);
            name.clear();
        } else if (c != ' ' && c != '"') {
            name += c;
        }
    }
    return names.size() >= 2 ? names[0] + "-s2/" + names[1] : "N-s2/mm";
}

} // namespace

void addMasses(ImportContext& context) {
    ModelStore& store = context.store;
    ImportReport& report = context.report;
    const MassSource source = readMassSource(context);
    report.massSource = sourceText(source);
    report.massUnit = context.units.mass();
    report.massUnitName = massUnitName(report.units);

    const std::array<double, 3> joints = jointMassTotals(store); // the joint added masses read
    if (joints[0] != 0 || joints[1] != 0 || joints[2] != 0)
        report.massOrigins.push_back({"joint added masses", joints[0], joints[1], joints[2]});
    if (source.addedMasses) {
        const std::array<double, 3> byWeight = addJointMassesByWeight(context);
        if (byWeight[0] != 0 || byWeight[1] != 0 || byWeight[2] != 0)
            report.massOrigins.push_back(
                {"joint added masses by weight", byWeight[0], byWeight[1], byWeight[2]});
    } else {
        const long long count = rowsOf(context, "JOINT ADDED MASS BY WEIGHT ASSIGNMENTS") +
                                rowsOf(context, "FRAME ADDED MASS ASSIGNMENTS") +
                                rowsOf(context, "AREA ADDED MASS ASSIGNMENTS");
        if (count > 0)
            report.addNotCarried("frame, area and joint added masses the mass source leaves out", count);
    }

    LumpedMass elements(store), added(store);
    lumpFrames(context, source, elements, added);
    lumpAreas(context, source, elements, added);
    if (source.elements) {
        lumpSolidMass(store, [&](std::int32_t joint, double mass) { elements.add(joint, mass); });
        lumpLinkMass(store, elements);
    }
    addOrigin(report, "element self mass", elements.addTo(store, report, "element self mass"));
    addOrigin(report, "frame and area added masses", added.addTo(store, report, "added masses"));
    if (source.loads)
        addPatternMasses(context, source);
    else if (!source.patterns.empty())
        report.addNotCarried("load patterns of a mass source that does not take mass from loads",
                             static_cast<long long>(source.patterns.size()));
}

// Per frame, before frames are split so that the pieces keep it: the added mass per length.
void readFrameAddedMasses(ImportContext& context) {
    const double unit = context.units.mass() / context.units.length;
    Rows rows(context.file, "FRAME ADDED MASS ASSIGNMENTS");
    while (rows.next())
        context.store.frames[static_cast<std::size_t>(frameOf(context, rows, "Frame"))]
            .assigned.edit()
            .addedMassPerLength += rows.requiredReal("MassPerLen") * unit;
}

} // namespace kelvane::tables
