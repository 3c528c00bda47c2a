#include "sections/fiber_mesher.h"

#include "common/checked_math.h"
#include "common/error.h"
#include "sections/fiber_list.h"
#include "sections/plate_shapes.h"
#include "sections/ring_mesh.h"
#include "sections/section_check.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <string>

namespace kelvane {
namespace {

std::string sectionLabel(const TSECTION& section, int sectionNumber) {
    return "Frame section " + std::to_string(sectionNumber) + " (" + section.name + ")";
}

void requireNonNegative(const TSECTION& section, int sectionNumber, std::int32_t count, const char* caption) {
    if (count < 0)
        fail(sectionLabel(section, sectionNumber) + ": \"" + caption + "\" is " + std::to_string(count) +
             "; a fiber mesh needs division and bar counts of 0 or more");
}

} // namespace

std::int64_t meshFiberCount(const TSECTION& s) {
    const std::int64_t fx = s.divideFX, fy = s.divideFY, nx = s.barNumNX, ny = s.barNumNY;
    switch (s.shape) {
    case ShapeRectangle: {
        const std::int64_t concrete = fx * fy;
        if (s.reinforcement.kind != ReinforcementNone)
            return concrete + static_cast<std::int64_t>(s.bars.size());
        if (s.sectionKind == 1)
            return concrete + nx + ny;
        if (s.sectionKind == 2)
            return concrete + 2 * (nx + ny);
        return concrete;
    }
    case ShapeI:
        return 2 * fx + fy;
    case ShapeBox:
        return 2 * fx + 2 * fy;
    case ShapePipe:
        return fx * fy;
    case ShapeCircle:
        return fx * fy + static_cast<std::int64_t>(s.bars.size());
    default:
        return plateFiberCount(s.shape, fx, fy);
    }
}

namespace {

void checkCounts(const TSECTION& s, int sectionNumber) {
    requireNonNegative(s, sectionNumber, s.divideFX, "Divide FX");
    requireNonNegative(s, sectionNumber, s.divideFY, "Divide FY");
    if (s.shape != ShapeRectangle)
        return;
    requireNonNegative(s, sectionNumber, s.barNumNX, "Bar Num NX");
    requireNonNegative(s, sectionNumber, s.barNumNY, "Bar Num NY");
}

// One row of `bars` bars spread evenly between the cover lines y = -(w/2 - c) and w/2 - c. The
// spacing is computed before it is multiplied, so a row of one bar divides by zero.
void addBarRow(FiberList& fibers, const TSECTION& s, std::int32_t bars, double z, double rowArea,
               std::int32_t rebarMaterial) {
    if (bars < 1)
        return;
    const double w = s.t2, c = s.cover;
    const double spacing = checkedDiv(w - 2 * c, bars - 1);
    for (int i = 1; i <= bars; ++i)
        fibers.add(-(w / 2 - c) + (i - 1) * spacing, z, rowArea / bars, rebarMaterial);
}

// The bars between the corners on one side face, at y.
void addSideRow(FiberList& fibers, const TSECTION& s, double y, std::int32_t rebarMaterial) {
    const double h = s.t1, c = s.cover;
    const std::int32_t bars = s.barNumNY;
    for (int i = 1; i <= bars; ++i)
        fibers.add(y, -(h / 2 - c) + i * (h - 2 * c) / (bars + 1), s.bottomBar / bars, rebarMaterial);
}

// The material of a concrete fiber centred at (y, z): the core material inside the rectangle through
// the centres of the corner bars, the section's material outside it and when there is no core.
std::int32_t concreteMaterial(const TSECTION& s, double y, double z) {
    if (s.coreMaterial == 0)
        return s.material;
    const bool inCore = std::abs(y) <= s.t2 / 2 - s.cover && std::abs(z) <= s.t1 / 2 - s.cover;
    return inCore ? s.coreMaterial : s.material;
}

void meshRectangle(FiberList& fibers, const TSECTION& s, std::int32_t rebarMaterial) {
    const double w = s.t2, h = s.t1, c = s.cover;
    const std::int32_t fx = s.divideFX, fy = s.divideFY;
    if (fx >= 1 && fy >= 1) {
        const double dy = w / fx, dz = h / fy;
        for (int j = 0; j < fy; ++j)
            for (int k = 1; k <= fx; ++k) {
                const double y = -(w / 2 - dy / 2) + (k - 1) * dy, z = -(h / 2 - dz / 2) + j * dz;
                fibers.add(y, z, dy * dz, concreteMaterial(s, y, z));
            }
    }
    if (s.reinforcement.kind != ReinforcementNone) {
        for (const RebarBar& bar : s.bars)
            fibers.add(bar.y, bar.z, bar.area, rebarMaterial);
    } else if (s.sectionKind == 1) {
        addBarRow(fibers, s, s.barNumNX, h / 2 - c, s.topBar, rebarMaterial);
        addBarRow(fibers, s, s.barNumNY, -(h / 2 - c), s.bottomBar, rebarMaterial);
    } else if (s.sectionKind == 2) {
        addBarRow(fibers, s, s.barNumNX, -(h / 2 - c), s.topBar, rebarMaterial);
        addBarRow(fibers, s, s.barNumNX, h / 2 - c, s.topBar, rebarMaterial);
        addSideRow(fibers, s, -(w / 2 - c), rebarMaterial);
        addSideRow(fibers, s, w / 2 - c, rebarMaterial);
    }
}

// A solid circle in rings; with a confined core, the rings inside the bars' centre circle take the
// core material and one ring outside them is the cover. Then the file's bars, each at its place.
void meshCircle(FiberList& fibers, const TSECTION& s, std::int32_t rebarMaterial) {
    const double d = s.t1, core = s.t1 - 2 * s.cover;
    if (s.coreMaterial != 0 && s.divideFY >= 2 && core > 0 && core < d) {
        meshRings(fibers, core, 0, s.divideFY - 1, s.divideFX, s.coreMaterial);
        meshRings(fibers, d, core, 1, s.divideFX, s.material);
    } else {
        meshRings(fibers, d, 0, s.divideFY, s.divideFX, s.material);
    }
    for (const RebarBar& bar : s.bars)
        fibers.add(bar.y, bar.z, bar.area, rebarMaterial);
}

// The two flanges of an I or a box: bottom flange first, each split into divideFX fibers.
void addFlanges(FiberList& fibers, const TSECTION& s) {
    const double h = s.t1, b = s.t2, tf = s.t3;
    const std::int32_t fx = s.divideFX;
    for (double z : {-(h / 2 - tf / 2), h / 2 - tf / 2})
        for (int i = 1; i <= fx; ++i)
            fibers.add(-b / 2 + b / (2 * fx) + (i - 1) * b / fx, z, b * tf / fx, s.material);
}

// One web at y, split into divideFY fibers from the bottom over the clear height.
void addWeb(FiberList& fibers, const TSECTION& s, double y) {
    const double h = s.t1, tf = s.t3, tw = s.t4;
    const std::int32_t fy = s.divideFY;
    for (int i = 1; i <= fy; ++i)
        fibers.add(y, -h / 2 + tf + (h - 2 * tf) / (2 * fy) + (i - 1) * (h - 2 * tf) / fy,
                   (h - 2 * tf) * tw / fy, s.material);
}

} // namespace

void meshFiberSection(TSECTION& section, int sectionNumber, std::int32_t rebarMaterial) {
    if (!isMeshableShape(section.shape))
        return;
    if (section.rebarMaterial != 0)
        rebarMaterial = section.rebarMaterial;
    checkCounts(section, sectionNumber);
    const std::int64_t needed = meshFiberCount(section);
    if (needed > kFiberCapacity)
        fail(sectionLabel(section, sectionNumber) + " needs " + std::to_string(needed) +
             " fibers; a fiber section holds at most " + std::to_string(kFiberCapacity));
    // A mesh without divisions leaves the concrete or the plates out, and a cover of half the
    // section or more puts the bars on or outside its edge: the section window refuses both, and a
    // section read from a file is refused here rather than meshed into another section.
    if (const std::optional<SectionFault> fault = sectionMeshFault(section))
        fail(sectionLabel(section, sectionNumber) + ": \"" + std::string(fault->box) +
             "\": " + fault->message);
    FiberList fibers(section);
    switch (section.shape) {
    case ShapeRectangle:
        meshRectangle(fibers, section, rebarMaterial);
        break;
    case ShapeI:
        addFlanges(fibers, section);
        addWeb(fibers, section, 0.0);
        break;
    case ShapeBox:
        addFlanges(fibers, section);
        addWeb(fibers, section, -(section.t2 / 2 - section.t4 / 2));
        addWeb(fibers, section, section.t2 / 2 - section.t4 / 2);
        break;
    case ShapePipe:
        meshRings(fibers, section.t1, section.t1 - 2 * section.t2, section.divideFY, section.divideFX,
                  section.material);
        break;
    case ShapeCircle:
        meshCircle(fibers, section, rebarMaterial);
        break;
    default:
        meshPlates(fibers, platesOf(section), section.material);
        break;
    }
    fibers.finish();
}

void meshFiberSections(ModelStore& store, std::int32_t rebarMaterial) {
    const int materialCount = countOf(store.materialCount);
    for (int s = 1; s <= countOf(store.frameSectionCount); ++s) {
        TSECTION& section = store.frameSections[s];
        if (section.elementType < NonlinearBeamColumn || section.elementType > CorotTruss)
            continue;
        for (const auto& [number, what] : {std::pair{section.coreMaterial, "core material"},
                                           std::pair{section.rebarMaterial, "rebar material"}})
            if (number < 0 || number > materialCount)
                fail(sectionLabel(section, s) + ": the " + what + " is material " + std::to_string(number) +
                     ", which does not exist (the model has " + std::to_string(materialCount) +
                     " materials)");
        // A section of no shape the mesher knows keeps a fiber list it was given; without one it
        // would reach the solver as a section without stiffness.
        if (!isMeshableShape(section.shape) && section.fiberCount < 1)
            fail(sectionLabel(section, s) +
                 " is not a rectangle, I, box, pipe, circle, channel, angle, tee, "
                 "double angle or double channel, and its shape cannot be meshed into fibers: choose the "
                 "elastic beam-column for it, or a section of one of these shapes");
        meshFiberSection(section, s, rebarMaterial);
    }
}

bool isMeshableShape(std::int32_t shape) {
    return shape >= ShapeRectangle && shape <= ShapeDoubleChannel;
}

std::optional<std::int64_t> previewFiberCount(const TSECTION& section) {
    if (!isMeshableShape(section.shape) || section.shape == ShapePipe)
        return std::nullopt;
    return meshFiberCount(section);
}

std::optional<std::int64_t> previewFiberCount(const ModelStore& store, int sectionNumber) {
    if (sectionNumber < 1 || sectionNumber > countOf(store.frameSectionCount))
        return std::nullopt;
    return previewFiberCount(store.frameSections[sectionNumber]);
}

} // namespace kelvane
