#include "common/number_format.h"
#include "model/etabs/etabs_context.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kelvane::etabs {
namespace {

struct Point3 {
    double x = 0, y = 0, z = 0;
};

bool isColumn(const PlacedFrame& frame) {
    return sameWord(frame.type, "COLUMN");
}

bool isBeam(const PlacedFrame& frame) {
    return sameWord(frame.type, "BEAM");
}

// Half the extent along the plan direction (ux, uy) of a column's section: its depth lies along
// local 2, which is global X turned by the column's angle.
double halfWidthAlong(const Translation& t, const PlacedFrame& column, double ux, double uy) {
    const auto size = t.sectionSize.find(column.section);
    if (size == t.sectionSize.end())
        return 0;
    const double turn = column.angle * std::numbers::pi / 180;
    const double along2 = std::abs(ux * std::cos(turn) + uy * std::sin(turn));
    const double along3 = std::abs(-ux * std::sin(turn) + uy * std::cos(turn));
    return (along2 * size->second.first + along3 * size->second.second) / 2;
}

} // namespace

void writeRigidZones(Translation& t) {
    std::map<std::string, Point3> at;
    for (const CreatedJoint& joint : t.joints)
        at[joint.label] = {joint.x, joint.y, joint.z};
    std::map<std::string, std::vector<const PlacedFrame*>> framesAt;
    for (const PlacedFrame& frame : t.placedFrames) {
        framesAt[frame.jointI].push_back(&frame);
        framesAt[frame.jointJ].push_back(&frame);
    }
    for (const PlacedFrame& frame : t.placedFrames) {
        if (frame.rigidFactor <= 0 || !(isBeam(frame) || isColumn(frame)))
            continue;
        const Point3 i = at[frame.jointI], j = at[frame.jointJ];
        const double dx = j.x - i.x, dy = j.y - i.y, dz = j.z - i.z;
        const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
        const double plan = std::sqrt(dx * dx + dy * dy);
        const auto zoneAt = [&](const std::string& joint) {
            double zone = 0;
            for (const PlacedFrame* other : framesAt[joint]) {
                if (isBeam(frame) && isColumn(*other) && plan > 0)
                    zone = std::max(zone, halfWidthAlong(t, *other, dx / plan, dy / plan));
                if (isColumn(frame) && isBeam(*other)) {
                    const auto size = t.sectionSize.find(other->section);
                    if (size != t.sectionSize.end())
                        zone = std::max(zone, size->second.first);
                }
            }
            return zone;
        };
        const double a = zoneAt(frame.jointI), b = zoneAt(frame.jointJ);
        if (a == 0 && b == 0)
            continue;
        if (a + b >= length) {
            t.report.addNotCarried("rigid end zones longer than their frame (left out)");
            continue;
        }
        t.text.row("FRAME OFFSET ALONG LENGTH ASSIGNMENTS", frame.from,
                   "Frame=" + quoted(frame.label) + "   Length1=" + formatGeneral(a) +
                       "   Length2=" + formatGeneral(b) + "   RigidFact=" + formatGeneral(frame.rigidFactor));
    }
}

} // namespace kelvane::etabs
