#include "sections/section_preview.h"

#include "common/checked_math.h"
#include "common/number_format.h"
#include "sections/fiber_mesher.h"
#include "sections/plate_shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvane {

namespace {

constexpr std::int32_t kBlack = 0x000000;
constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kBlue = 0x0000FF;
constexpr std::int32_t kRed = 0xFF0000;
constexpr std::int32_t kCoreOutline = 0xE07000;
constexpr std::int32_t kCoreFill = 0xFFE4C0;
constexpr int kCentre = kSectionPreviewSize / 2;
constexpr int kBarRadius = 4;

// Maps section coordinates (y right, z up) to pixels of the picture, the point (centreY, centreZ)
// in its middle.
class PreviewScale {
  public:
    explicit PreviewScale(double pixelsPerUnit, double centreY = 0, double centreZ = 0)
        : k_(pixelsPerUnit), y0_(centreY), z0_(centreZ) {}

    Point pixel(double y, double z) const {
        return {kCentre + rounded(k_ * (y - y0_)), kCentre - rounded(k_ * (z - z0_))};
    }
    int pixels(double length) const { return rounded(k_ * length); }

  private:
    // Nearest integer, ties to even; absurd offsets are bounded so the conversion stays defined.
    static int rounded(double offset) {
        constexpr double kLimit = 1.0e6;
        if (std::isnan(offset))
            return 0;
        return static_cast<int>(std::nearbyint(std::clamp(offset, -kLimit, kLimit)));
    }

    double k_, y0_, z0_;
};

class PreviewPainter {
  public:
    PreviewPainter(Canvas& canvas, const TSECTION& section, const PreviewScale& scale)
        : canvas_(canvas), s_(section), scale_(scale) {}

    void box(double left, double top, double right, double bottom) {
        const Point a = scale_.pixel(left, top), b = scale_.pixel(right, bottom);
        canvas_.rectangle(a.x, a.y, b.x, b.y);
    }

    void circle(double diameter) {
        const Point a = scale_.pixel(-diameter / 2, diameter / 2),
                    b = scale_.pixel(diameter / 2, -diameter / 2);
        canvas_.ellipse(a.x, a.y, b.x, b.y);
    }

    void line(double y1, double z1, double y2, double z2) {
        const Point a = scale_.pixel(y1, z1), b = scale_.pixel(y2, z2);
        canvas_.moveTo(a.x, a.y);
        canvas_.lineTo(b.x, b.y);
    }

    void bar(double y, double z) {
        const Point c = scale_.pixel(y, z);
        canvas_.ellipse(c.x - kBarRadius, c.y - kBarRadius, c.x + kBarRadius, c.y + kBarRadius);
    }

    // A bar of the model file at its own size: a circle of its area, at least a pixel across.
    void barOfArea(const RebarBar& b) {
        const Point c = scale_.pixel(b.y, b.z);
        const int r = std::max(1, scale_.pixels(std::sqrt(b.area / std::numbers::pi)));
        canvas_.ellipse(c.x - r, c.y - r, c.x + r, c.y + r);
    }

    void rectangle() {
        const double w = s_.t2, h = s_.t1;
        box(-w / 2, h / 2, w / 2, -h / 2);
        if (s_.coreMaterial != 0) {
            // The confined core: the rectangle through the centres of the corner bars.
            const double y = w / 2 - s_.cover, z = h / 2 - s_.cover;
            canvas_.setPenColour(kCoreOutline);
            canvas_.setBrushColour(kCoreFill);
            box(-y, z, y, -z);
        }
        canvas_.setPenColour(kBlue);
        for (int v = 1; v < s_.divideFX; ++v) {
            const double y = -w / 2 + v * w / s_.divideFX;
            line(y, h / 2, y, -h / 2);
        }
        for (int v = 1; v < s_.divideFY; ++v) {
            const double z = -h / 2 + v * h / s_.divideFY;
            line(-w / 2, z, w / 2, z);
        }
        rectangleBars();
    }

    // Both flanges, the webs given by their left edges, and the division lines of a mesh.
    void flangedShape(std::initializer_list<double> webLeftEdges) {
        const double h = s_.t1, b = s_.t2, tf = s_.t3, tw = s_.t4;
        box(-b / 2, h / 2, b / 2, h / 2 - tf);
        box(-b / 2, -(h / 2 - tf), b / 2, -h / 2);
        for (double left : webLeftEdges)
            box(left, h / 2 - tf, left + tw, -(h / 2 - tf));
        canvas_.setPenColour(kBlue);
        for (int v = 1; v < s_.divideFX; ++v) {
            const double y = -b / 2 + v * b / s_.divideFX;
            line(y, h / 2, y, h / 2 - tf);
            line(y, -(h / 2 - tf), y, -h / 2);
        }
        for (int v = 1; v < s_.divideFY; ++v) {
            const double z = h / 2 - tf - v * (h - 2 * tf) / s_.divideFY;
            for (double left : webLeftEdges)
                line(left, z, left + tw, z);
        }
    }

    void pipe() {
        const double outside = s_.t1, inside = s_.t1 - 2 * s_.t2;
        circle(outside);
        for (int ring = 1; ring < s_.divideFY; ++ring)
            circle(outside - (outside - inside) * ring / s_.divideFY);
        circle(inside);
        for (int i = 1; i <= s_.divideFX; ++i) {
            const double angle = (i - 1) * 360.0 / s_.divideFX * (std::numbers::pi / 180);
            const double c = std::cos(angle), sn = std::sin(angle);
            line(inside / 2 * c, inside / 2 * sn, outside / 2 * c, outside / 2 * sn);
        }
    }

    // The outline, every ring's inner edge and the sector lines of the mesh, in blue.
    void solidCircle() {
        const double diameter = s_.t1;
        circle(diameter);
        canvas_.setPenColour(kBlue);
        for (int ring = 1; ring < s_.divideFY; ++ring)
            circle(diameter * ring / s_.divideFY);
        for (int i = 0; i < s_.divideFX; ++i) {
            const double angle = i * 2 * std::numbers::pi / s_.divideFX;
            line(0, 0, diameter / 2 * std::cos(angle), diameter / 2 * std::sin(angle));
        }
    }

    // Each plate's outline and, in blue, the lines between its divisions; the centroid, the origin
    // of the fibers, as a small red cross.
    void plates(const std::vector<Plate>& plates) {
        for (const Plate& p : plates)
            box(p.y - p.width / 2, p.z + p.height / 2, p.y + p.width / 2, p.z - p.height / 2);
        canvas_.setPenColour(kBlue);
        for (const Plate& p : plates)
            for (int v = 1; v < p.divisions; ++v) {
                if (p.alongY()) {
                    const double y = p.y - p.width / 2 + v * p.width / p.divisions;
                    line(y, p.z - p.height / 2, y, p.z + p.height / 2);
                } else {
                    const double z = p.z - p.height / 2 + v * p.height / p.divisions;
                    line(p.y - p.width / 2, z, p.y + p.width / 2, z);
                }
            }
        canvas_.setPenColour(kRed);
        const Point c = scale_.pixel(0, 0);
        canvas_.moveTo(c.x - kBarRadius, c.y);
        canvas_.lineTo(c.x + kBarRadius + 1, c.y);
        canvas_.moveTo(c.x, c.y - kBarRadius);
        canvas_.lineTo(c.x, c.y + kBarRadius + 1);
    }

  private:
    // The bars at the mesher's positions: the X rows in red, then the Y rows in blue.
    void rectangleBars() {
        const double w = s_.t2, h = s_.t1, c = s_.cover;
        const double top = h / 2 - c, side = w / 2 - c;
        canvas_.setPenColour(kRed);
        canvas_.setBrushColour(kRed);
        if (s_.reinforcement.kind != ReinforcementNone) {
            for (const RebarBar& bar : s_.bars)
                barOfArea(bar);
            return;
        }
        if (s_.sectionKind == 1) {
            barRow(s_.barNumNX, top);
        } else if (s_.sectionKind == 2) {
            barRow(s_.barNumNX, -top);
            barRow(s_.barNumNX, top);
        }
        canvas_.setPenColour(kBlue);
        canvas_.setBrushColour(kBlue);
        if (s_.sectionKind == 1) {
            barRow(s_.barNumNY, -top);
        } else if (s_.sectionKind == 2) {
            for (double y : {-side, side})
                for (int i = 1; i <= s_.barNumNY; ++i)
                    bar(y, -top + i * (h - 2 * c) / (s_.barNumNY + 1));
        }
    }

    // A row between the cover lines; the spacing is divided first, as the mesher does, so that a
    // one-bar row raises the same error.
    void barRow(std::int32_t bars, double z) {
        if (bars < 1)
            return;
        const double side = s_.t2 / 2 - s_.cover;
        const double spacing = checkedDiv(s_.t2 - 2 * s_.cover, bars - 1);
        for (int i = 1; i <= bars; ++i)
            bar(-side + (i - 1) * spacing, z);
    }

    Canvas& canvas_;
    const TSECTION& s_;
    const PreviewScale& scale_;
};

void clearPicture(Canvas& canvas) {
    canvas.setPenStyle(PenStyle::Solid);
    canvas.setPenWidth(1);
    canvas.setPenColour(kBlack);
    canvas.setBrushStyle(BrushStyle::Solid);
    canvas.setBrushColour(kWhite);
    canvas.rectangle(0, 0, kSectionPreviewSize, kSectionPreviewSize);
}

} // namespace

void drawSectionPreview(Canvas& canvas, const TSECTION& section) {
    clearPicture(canvas);
    const double larger = std::max(section.t1, section.t2);
    if (!(larger > 0))
        return;
    // An open shape's fibers lie about its centroid; its picture is centred on its outline.
    const std::vector<Plate> plates = platesOf(section);
    double left = 0, right = 0, bottom = 0, top = 0;
    for (const Plate& p : plates) {
        left = std::min(left, p.y - p.width / 2);
        right = std::max(right, p.y + p.width / 2);
        bottom = std::min(bottom, p.z - p.height / 2);
        top = std::max(top, p.z + p.height / 2);
    }
    const PreviewScale scale(160 / larger, (left + right) / 2, (bottom + top) / 2);
    PreviewPainter painter(canvas, section, scale);
    switch (section.shape) {
    case ShapeRectangle:
        painter.rectangle();
        break;
    case ShapeI:
        painter.flangedShape({-section.t4 / 2});
        break;
    case ShapeBox:
        painter.flangedShape({-section.t2 / 2, section.t2 / 2 - section.t4});
        break;
    case ShapePipe:
        painter.pipe();
        break;
    case ShapeCircle:
        painter.solidCircle();
        break;
    default:
        painter.plates(plates);
        break;
    }
    canvas.setBrushColour(kWhite);
    if (const auto count = previewFiberCount(section))
        canvas.textOut(50, 180, "NUM OF FIBERS = " + formatInt(*count));
}

void drawSectionPreview(Canvas& canvas, const ModelStore& store, int sectionNumber) {
    if (sectionNumber < 1 || sectionNumber > countOf(store.frameSectionCount) ||
        sectionNumber >= static_cast<int>(store.frameSections.size())) {
        clearPicture(canvas);
        return;
    }
    drawSectionPreview(canvas, store.frameSections[static_cast<std::size_t>(sectionNumber)]);
}

} // namespace kelvane
