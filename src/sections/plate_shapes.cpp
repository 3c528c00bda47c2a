#include "sections/plate_shapes.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kelvane {
namespace {

// A plate by its corners in the shape's drawing frame (before the move to the centroid).
Plate corners(double y0, double z0, double y1, double z1, std::int32_t divisions) {
    return Plate{(y0 + y1) / 2, (z0 + z1) / 2, y1 - y0, z1 - z0, divisions};
}

// One channel or angle with its web or vertical leg from y = left (width tw) and its flanges
// toward +y, or toward -y when `mirrored`.
void addOpenShape(std::vector<Plate>& plates, const TSECTION& s, double left, double width, bool topFlange,
                  bool mirrored) {
    const double h = s.t1, tf = s.t3, tw = s.t4;
    const double sign = mirrored ? -1 : 1;
    auto add = [&](double y0, double z0, double y1, double z1, std::int32_t divisions) {
        const double a = sign * y0, b = sign * y1;
        plates.push_back(corners(std::min(a, b), z0, std::max(a, b), z1, divisions));
    };
    add(left, 0, left + width, tf, s.divideFX);
    if (topFlange) {
        add(left, h - tf, left + width, h, s.divideFX);
        add(left, tf, left + tw, h - tf, s.divideFY);
    } else {
        add(left, tf, left + tw, h, s.divideFY);
    }
}

std::vector<Plate> drawnPlates(const TSECTION& s) {
    const double h = s.t1, b = s.t2, tf = s.t3, tw = s.t4, gap = s.t5;
    std::vector<Plate> plates;
    switch (s.shape) {
    case ShapeChannel:
        addOpenShape(plates, s, 0, b, true, false);
        break;
    case ShapeAngle:
        addOpenShape(plates, s, 0, b, false, false);
        break;
    case ShapeTee:
        plates.push_back(corners(-b / 2, h - tf, b / 2, h, s.divideFX));
        plates.push_back(corners(-tw / 2, 0, tw / 2, h - tf, s.divideFY));
        break;
    case ShapeDoubleAngle:
    case ShapeDoubleChannel:
        for (bool mirrored : {true, false})
            addOpenShape(plates, s, gap / 2, (b - gap) / 2, s.shape == ShapeDoubleChannel, mirrored);
        break;
    default:
        break;
    }
    return plates;
}

// The centroid in the drawing frame; none for plates without area.
std::optional<std::pair<double, double>> centroidOf(const std::vector<Plate>& plates) {
    double area = 0, firstY = 0, firstZ = 0;
    for (const Plate& p : plates) {
        area += p.width * p.height;
        firstY += p.width * p.height * p.y;
        firstZ += p.width * p.height * p.z;
    }
    if (!(area > 0))
        return std::nullopt;
    return std::pair{firstY / area, firstZ / area};
}

// The shear centre in the drawing frame, where the parts' centre lines meet, or for a channel
// e = 3 b^2 tf / (6 b tf + h tw) behind its web's centre line (b and h between centre lines).
std::pair<double, double> drawnShearCentre(const TSECTION& s) {
    const double h = s.t1, b = s.t2, tf = s.t3, tw = s.t4;
    switch (s.shape) {
    case ShapeChannel: {
        const double flange = b - tw / 2, between = h - tf;
        return {tw / 2 - 3 * flange * flange * tf / (6 * flange * tf + between * tw), h / 2};
    }
    case ShapeAngle:
        return {tw / 2, tf / 2};
    case ShapeTee:
        return {0, h - tf / 2};
    case ShapeDoubleAngle:
        return {0, tf / 2};
    default: // a double channel is symmetric about both axes
        return {0, h / 2};
    }
}

} // namespace

bool isPlateShape(std::int32_t shape) {
    return shape >= ShapeChannel && shape <= ShapeDoubleChannel;
}

std::vector<Plate> platesOf(const TSECTION& section) {
    std::vector<Plate> plates = drawnPlates(section);
    const std::optional<std::pair<double, double>> centroid = centroidOf(plates);
    for (Plate& p : plates) {
        p.y -= centroid ? centroid->first : 0;
        p.z -= centroid ? centroid->second : 0;
    }
    return plates;
}

std::pair<double, double> shearCentreFromCentroid(const TSECTION& section) {
    const std::optional<std::pair<double, double>> centroid = centroidOf(drawnPlates(section));
    if (!centroid)
        return {0, 0};
    const auto [y, z] = drawnShearCentre(section);
    return {y - centroid->first, z - centroid->second};
}

std::pair<double, double> centroidFromOutlineCentre(const TSECTION& section) {
    const std::vector<Plate> plates = platesOf(section);
    if (plates.empty())
        return {0, 0};
    double left = plates[0].y, right = left, bottom = plates[0].z, top = bottom;
    for (const Plate& p : plates) {
        left = std::min(left, p.y - p.width / 2);
        right = std::max(right, p.y + p.width / 2);
        bottom = std::min(bottom, p.z - p.height / 2);
        top = std::max(top, p.z + p.height / 2);
    }
    return {-(left + right) / 2, -(bottom + top) / 2};
}

std::int64_t plateFiberCount(std::int32_t shape, std::int64_t fx, std::int64_t fy) {
    switch (shape) {
    case ShapeChannel:
        return 2 * (2 * fx + fy);
    case ShapeAngle:
    case ShapeTee:
        return 2 * (fx + fy);
    case ShapeDoubleAngle:
        return 4 * (fx + fy);
    case ShapeDoubleChannel:
        return 4 * (2 * fx + fy);
    default:
        return 0;
    }
}

PlateProperties plateProperties(const std::vector<Plate>& plates) {
    PlateProperties p;
    for (const Plate& plate : plates) {
        const double a = plate.width * plate.height;
        p.area += a;
        p.i33 += a * (plate.height * plate.height / 12 + plate.z * plate.z);
        p.i22 += a * (plate.width * plate.width / 12 + plate.y * plate.y);
        const double length = std::max(plate.width, plate.height),
                     thickness = std::min(plate.width, plate.height);
        p.torsion += length * thickness * thickness * thickness / 3;
        (plate.alongY() ? p.av3 : p.av2) += a * 5 / 6;
    }
    return p;
}

void meshPlates(FiberList& fibers, const std::vector<Plate>& plates, std::int32_t material) {
    const double gauss = 1 / (2 * std::sqrt(3.0));
    for (const Plate& p : plates) {
        const int n = p.divisions;
        const double length = p.alongY() ? p.width : p.height, thickness = p.alongY() ? p.height : p.width;
        const double spread = n >= 2 ? 1 / std::sqrt(1 - 1.0 / (n * n)) : 1;
        for (int i = 0; i < n; ++i) {
            const double along = (-length / 2 + (i + 0.5) * length / n) * spread;
            for (double across : {-gauss * thickness, gauss * thickness}) {
                const double area = length * thickness / n / 2;
                // The solver's local y axis is local 3 turned over (its z is local 2).
                if (p.alongY())
                    fibers.add(-(p.y + along), p.z + across, area, material);
                else
                    fibers.add(-(p.y + across), p.z + along, area, material);
            }
        }
    }
}

} // namespace kelvane
