#include "script/generator_passes.h"

#include "common/checked_math.h"
#include "script/store_access.h"
#include "sections/fiber_mesher.h"
#include "sections/plate_shapes.h"

#include <algorithm>
#include <numbers>

namespace kelvane {
namespace {

double cube(double x) {
    return x * x * x;
}
double fourth(double x) {
    return x * x * x * x;
}

void rectangleProperties(TSECTION& s) {
    s.area = s.t1 * s.t2;
    s.i22 = s.t1 * cube(s.t2) / 12;
    s.i33 = s.t2 * cube(s.t1) / 12;
    s.av2 = s.av3 = 0.8333333333333334 * s.t2 * s.t1;
    const double a = std::max(s.t1, s.t2) / 2;
    const double b = std::min(s.t1, s.t2) / 2;
    s.torsion = a * cube(b) *
                (5.333333333333333 - 3.36 * checkedDiv(b, a) * (1 - checkedDiv(fourth(b), 12 * fourth(a))));
}

void iShapeProperties(TSECTION& s) {
    s.area = (s.t1 - 2 * s.t3) * s.t4 + 2 * s.t3 * s.t2;
    s.av2 = 0.8333333333333334 * s.t1 * s.t4;
    s.av3 = 1.6666666666666667 * s.t2 * s.t3;
    s.i22 = cube(s.t4) * s.t1 / 12 + cube(s.t2) * s.t3 / 6;
    const double flangeArm = s.t1 / 2 - s.t3 / 2;
    s.i33 = 2 * s.t2 * s.t3 * flangeArm * flangeArm + cube(s.t1) * s.t4 / 12;
    s.torsion = (cube(s.t4) * s.t1 + 2 * cube(s.t3) * s.t2) / 3;
}

void boxProperties(TSECTION& s) {
    s.area = 2 * (s.t1 - 2 * s.t3) * s.t4 + 2 * s.t3 * s.t2;
    s.av2 = 2 * s.t1 * s.t4;
    s.av3 = 2 * s.t2 * s.t3;
    const double webArm = s.t2 / 2 - s.t4 / 2;
    const double flangeArm = s.t1 / 2 - s.t3 / 2;
    s.i22 = 2 * webArm * webArm * (s.t1 * s.t4) + 2 * s.t3 * cube(s.t2) / 12;
    s.i33 = 2 * flangeArm * flangeArm * (s.t2 * s.t3) + 2 * s.t4 * cube(s.t1) / 12;
    const double outline = s.t1 * s.t2;
    s.torsion = checkedDiv(2 * outline * outline, checkedDiv(s.t2, s.t3) + checkedDiv(s.t1, s.t4));
}

void pipeProperties(TSECTION& s) {
    const double outside = s.t1;
    const double inside = s.t1 - 2 * s.t2;
    s.area = (outside * outside - inside * inside) * std::numbers::pi / 4;
    s.av2 = s.av3 = s.area;
    s.i22 = s.i33 = (fourth(outside) - fourth(inside)) * std::numbers::pi / 64;
    s.torsion = (fourth(outside / 2) - fourth(inside / 2)) * std::numbers::pi / 2;
}

// A solid circle; the shear areas are 0.9 of the area, the shear coefficient of a solid circle.
void circleProperties(TSECTION& s) {
    const double diameter = s.t1;
    s.area = diameter * diameter * std::numbers::pi / 4;
    s.av2 = s.av3 = 0.9 * s.area;
    s.i22 = s.i33 = fourth(diameter) * std::numbers::pi / 64;
    s.torsion = fourth(diameter) * std::numbers::pi / 32;
}

void plateShapeProperties(TSECTION& s) {
    const PlateProperties p = plateProperties(platesOf(s));
    s.area = p.area;
    s.i22 = p.i22;
    s.i33 = p.i33;
    s.av2 = p.av2;
    s.av3 = p.av3;
    s.torsion = p.torsion;
}

} // namespace

void assignIntegrationPoints(ModelStore& store, const AnalysisSettings& analysis) {
    for (int f = 1; f <= countOf(store.frameCount); ++f)
        store.frames[f].segments = analysis.numIntgrPts;
}

void computeSectionProperties(TSECTION& section, double shearModulus) {
    if (section.propertiesFromFile) {
        section.shearModulus = shearModulus;
        return;
    }
    switch (section.shape) {
    case ShapeRectangle:
        rectangleProperties(section);
        break;
    case ShapeI:
        iShapeProperties(section);
        break;
    case ShapeBox:
        boxProperties(section);
        break;
    case ShapePipe:
        pipeProperties(section);
        break;
    case ShapeCircle:
        circleProperties(section);
        break;
    default:
        if (!isPlateShape(section.shape))
            return;
        plateShapeProperties(section);
        break;
    }
    section.shearModulus = shearModulus;
}

void computeSectionProperties(ModelStore& store) {
    for (int s = 1; s <= countOf(store.frameSectionCount); ++s) {
        TSECTION& section = store.frameSections[s];
        if (section.propertiesFromFile || isMeshableShape(section.shape))
            computeSectionProperties(section, materialOfSection(store, s).g);
    }
}

} // namespace kelvane
