#include "model/tables/import_context.h"

#include <array>
#include <string>

namespace kelvane::tables {
namespace {

constexpr std::array<std::string_view, 7> kEndI = {"", "PI", "V2I", "V3I", "TI", "M2I", "M3I"};
constexpr std::array<std::string_view, 7> kEndJ = {"", "PJ", "V2J", "V3J", "TJ", "M2J", "M3J"};
constexpr std::array<std::string_view, 7> kComponent = {"", "P", "V2", "V3", "T", "M2", "M3"};

// Partial fixity springs: forces per length for P, V2 and V3, moments per radian for T, M2, M3.
void readFixity(ImportContext& context) {
    const UnitScale& units = context.units;
    Rows rows(context.file, "FRAME RELEASE ASSIGNMENTS 2 - PARTIAL FIXITY");
    while (rows.next()) {
        TFRAME& frame = context.store.frames[static_cast<std::size_t>(frameOf(context, rows, "Frame"))];
        FrameAssignments& assigned = frame.assigned.edit();
        for (std::size_t c = 1; c < kComponent.size(); ++c) {
            const double unit = c <= 3 ? units.forcePerLength() : units.moment();
            assigned.fixityI[c] = rows.real(kEndI[c], 0) * unit;
            assigned.fixityJ[c] = rows.real(kEndJ[c], 0) * unit;
            if (assigned.fixityI[c] < 0 || assigned.fixityJ[c] < 0)
                rows.fail("frame " + frame.label + ": a partial fixity spring of negative stiffness");
        }
    }
}

bool freeAtI(const TFRAME& frame, std::size_t c) {
    return frame.assigned->releaseI[c] != 0 && frame.assigned->fixityI[c] == 0;
}
bool freeAtJ(const TFRAME& frame, std::size_t c) {
    return frame.assigned->releaseJ[c] != 0 && frame.assigned->fixityJ[c] == 0;
}

// SAP2000's rule: a frame whose releases let load escape its ends is unstable. That is a component
// free at both ends, or M2 free at both ends with V3 free at either, or M3 with V2. Returns what
// makes it so, or "" for a stable frame.
std::string instability(const TFRAME& frame) {
    for (std::size_t c = 1; c <= 4; ++c)
        if (freeAtI(frame, c) && freeAtJ(frame, c))
            return std::string(kComponent[c]) + " is released at both ends";
    const auto bendingWithShear = [&](std::size_t moment, std::size_t shear) -> std::string {
        if (!freeAtI(frame, moment) || !freeAtJ(frame, moment))
            return "";
        if (freeAtI(frame, shear) || freeAtJ(frame, shear))
            return std::string(kComponent[moment]) + " is released at both ends and " +
                   std::string(kComponent[shear]) + " at end " + (freeAtI(frame, shear) ? "I" : "J");
        return "";
    };
    const std::string m2 = bendingWithShear(5, 3);
    return m2.empty() ? bendingWithShear(6, 2) : m2;
}

} // namespace

// End releases. At a rigid link (a section whose name begins with R) a release at the J end ties
// joint I to joint J and one at the I end joint J to joint I, as IREL and JREL of version 6 do;
// when both ends are released the J end counts, as a version-6 line with both does. Every other
// frame keeps its released components and their partial fixity springs for the script, and a
// frame that its releases leave unstable is refused, as SAP2000 refuses it.
void readFrameReleases(ImportContext& context) {
    ModelStore& store = context.store;
    readFixity(context);
    const bool fixityGiven = context.file.find("FRAME RELEASE ASSIGNMENTS 2 - PARTIAL FIXITY") != nullptr;
    Rows rows(context.file, "FRAME RELEASE ASSIGNMENTS 1 - GENERAL");
    while (rows.next()) {
        TFRAME& frame = store.frames[static_cast<std::size_t>(frameOf(context, rows, "Frame"))];
        FrameAssignments& assigned = frame.assigned.edit();
        bool releasedI = false, releasedJ = false;
        for (std::size_t c = 1; c < kComponent.size(); ++c) {
            assigned.releaseI[c] = rows.yes(kEndI[c], false) ? 1 : 0;
            assigned.releaseJ[c] = rows.yes(kEndJ[c], false) ? 1 : 0;
            releasedI = releasedI || assigned.releaseI[c] != 0;
            releasedJ = releasedJ || assigned.releaseJ[c] != 0;
        }
        frame.release = releasedJ ? 2 : (releasedI ? 1 : 0);
        const bool partial = rows.yes("PartialFix", false);
        for (std::size_t c = 1; c < kComponent.size(); ++c) {
            // A spring acts only in place of a release.
            assigned.fixityI[c] = partial && assigned.releaseI[c] != 0 ? assigned.fixityI[c] : 0;
            assigned.fixityJ[c] = partial && assigned.releaseJ[c] != 0 ? assigned.fixityJ[c] : 0;
        }
        if (partial && !fixityGiven)
            context.report.addNotCarried(
                "frames with partial fixity whose springs the file does not give (taken as released)");
        if (store.frameSections[static_cast<std::size_t>(frame.section)].elementType == RigidLink) {
            if (partial)
                context.report.addNotCarried("partial fixity springs of rigid links");
            continue;
        }
        const std::string unstable = instability(frame);
        if (!unstable.empty())
            rows.fail("frame " + frame.label + " would be unstable: " + unstable +
                          " (SAP2000 refuses such releases)",
                      rows.find("Frame"));
    }
}

} // namespace kelvane::tables
