#include "model/tables/import_context.h"

#include <algorithm>
#include <map>
#include <string>
#include <unordered_set>
#include <vector>

namespace kelvane::tables {
namespace {

struct Constraint {
    std::string_view name;
    std::vector<std::int32_t> joints; // in assignment order
};

// The Equal constraints defined: the degrees of freedom each ties (UX .. RZ as 1..6), by name.
struct EqualDefinitions {
    LabelIndex names; // 1-based position in `dofs`
    std::vector<DofFlags> dofs{{}};
};

EqualDefinitions readEqualDefinitions(ImportContext& context) {
    static constexpr std::string_view kDofs[] = {"UX", "UY", "UZ", "RX", "RY", "RZ"};
    EqualDefinitions equal;
    Rows rows(context.file, "CONSTRAINT DEFINITIONS - EQUAL");
    while (rows.next()) {
        DofFlags& dofs = equal.dofs.emplace_back();
        for (std::size_t k = 0; k < 6; ++k)
            dofs[k + 1] = rows.yes(kDofs[k], false) ? 1 : 0;
        if (!equalsIgnoringCase(rows.text("CoordSys", "GLOBAL"), "GLOBAL")) {
            context.report.addNotCarried("Equal constraints in a coordinate system of their own (not tied)");
            dofs = DofFlags{};
        }
        addLabel(equal.names, rows, "Name", static_cast<std::int32_t>(equal.dofs.size()) - 1);
    }
    return equal;
}

// Each Equal constraint ties its joints to the first joint assigned to it.
void tieEqualJoints(ImportContext& context, const EqualDefinitions& equal,
                    const std::vector<std::pair<std::int32_t, std::int32_t>>& assigned) {
    std::vector<std::int32_t> first(equal.dofs.size(), 0);
    for (const auto& [definition, joint] : assigned) {
        const DofFlags& dofs = equal.dofs[static_cast<std::size_t>(definition)];
        std::int32_t& retained = first[static_cast<std::size_t>(definition)];
        if (retained == 0) {
            retained = joint;
            continue;
        }
        if (joint != retained &&
            std::any_of(dofs.begin() + 1, dofs.end(), [](std::int32_t d) { return d != 0; }))
            context.store.equalTies.push_back(TEQUAL{retained, joint, dofs});
    }
}

// The axis of every defined diaphragm must be Z ("Auto" is taken as Z, since each level of
// joints is tied in its own horizontal plane); other axes are refused.
LabelIndex readDefinitions(ImportContext& context) {
    LabelIndex defined;
    Rows rows(context.file, "CONSTRAINT DEFINITIONS - DIAPHRAGM");
    while (rows.next()) {
        const std::string_view system = rows.text("CoordSys", "GLOBAL");
        if (!equalsIgnoringCase(system, "GLOBAL"))
            rows.fail("CoordSys=" + std::string(system) +
                          ": only diaphragms in the GLOBAL system are supported",
                      rows.find("CoordSys"));
        const std::string_view axis = rows.text("Axis", "Z");
        if (equalsIgnoringCase(axis, "Auto"))
            context.report.addNotCarried("diaphragms of axis Auto (taken as Z)");
        else if (!equalsIgnoringCase(axis, "Z"))
            rows.fail("Axis=" + std::string(axis) + ": only diaphragms about the Z axis are supported",
                      rows.find("Axis"));
        addLabel(defined, rows, "Name", 1);
    }
    return defined;
}

std::vector<Constraint> readAssignments(ImportContext& context, const LabelIndex& defined,
                                        bool anyDefinition) {
    const EqualDefinitions equal = readEqualDefinitions(context);
    std::vector<std::pair<std::int32_t, std::int32_t>> equalJoints; // definition, joint
    std::vector<Constraint> constraints;
    LabelIndex constraintOf; // 1-based position in `constraints`
    std::vector<std::int32_t> assigned(static_cast<std::size_t>(context.fileJointCount) + 1, 0);
    Rows rows(context.file, "JOINT CONSTRAINT ASSIGNMENTS");
    while (rows.next()) {
        const std::string_view type = rows.text("Type", "Diaphragm");
        if (const std::int32_t e = equal.names.find(rows.required("Constraint"));
            e != 0 && (equalsIgnoringCase(type, "Equal") || !rows.has("Type"))) {
            equalJoints.emplace_back(e, jointOf(context, rows, "Joint"));
            continue;
        }
        if (!equalsIgnoringCase(type, "Diaphragm")) {
            context.report.addNotCarried("joint constraints of type " + std::string(type));
            continue;
        }
        const std::int32_t joint = jointOf(context, rows, "Joint");
        const std::string_view name = rows.required("Constraint");
        if (anyDefinition && defined.find(name) == 0)
            rows.fail("Constraint=" + std::string(name) + ": there is no diaphragm of that name",
                      rows.find("Constraint"));
        std::int32_t c = constraintOf.find(name);
        if (c == 0) {
            constraints.push_back(Constraint{name, {}});
            c = static_cast<std::int32_t>(constraints.size());
            constraintOf.add(name, c);
        }
        std::int32_t& already = assigned[static_cast<std::size_t>(joint)];
        if (already == c)
            continue;
        if (already != 0)
            rows.fail("Joint=" + std::string(rows.required("Joint")) + " is tied to diaphragm " +
                          std::string(constraints[static_cast<std::size_t>(already - 1)].name) + " and to " +
                          std::string(name),
                      rows.find("Joint"));
        already = c;
        constraints[static_cast<std::size_t>(c - 1)].joints.push_back(joint);
    }
    tieEqualJoints(context, equal, equalJoints);
    return constraints;
}

// A label for a created joint that no joint of the file has: "~" and the constraint's name, and
// the level's number when the constraint spans several.
std::string createdLabel(const ImportContext& context, const std::unordered_set<std::string>& taken,
                         std::string_view constraint, std::size_t level, std::size_t levels) {
    std::string base = "~" + std::string(constraint);
    if (levels > 1)
        base += "-" + std::to_string(level + 1);
    std::string label = base;
    for (int n = 2; context.joints.find(label) != 0 || taken.count(label) != 0; ++n)
        label = base + "'" + std::to_string(n);
    return label;
}

} // namespace

// Diaphragms of JOINT CONSTRAINT ASSIGNMENTS. SAP2000 has no master joint: each diaphragm gets a
// retained joint appended after the file's joints, at the mean X and Y of its joints and at exactly
// their Z (the solver drops a tied joint whose Z differs from the retained joint's in the last
// bit). Joints of one constraint at several elevations make one diaphragm per elevation, lowest
// first, as SAP2000's multi-level diaphragms behave.
void readDiaphragms(ImportContext& context) {
    ModelStore& store = context.store;
    const bool anyDefinition = context.file.find("CONSTRAINT DEFINITIONS - DIAPHRAGM") != nullptr;
    const LabelIndex defined = readDefinitions(context);
    const std::vector<Constraint> constraints = readAssignments(context, defined, anyDefinition);

    std::unordered_set<std::string> created;
    long long single = 0;
    for (const Constraint& constraint : constraints) {
        std::map<double, std::vector<std::int32_t>> levels;
        for (const std::int32_t joint : constraint.joints)
            levels[store.nodes[static_cast<std::size_t>(joint)].z].push_back(joint);
        std::size_t level = 0;
        for (const auto& [z, joints] : levels) {
            if (joints.size() < 2) {
                ++single;
                ++level;
                continue;
            }
            TNODE retained;
            for (const std::int32_t joint : joints) {
                retained.x += store.nodes[static_cast<std::size_t>(joint)].x;
                retained.y += store.nodes[static_cast<std::size_t>(joint)].y;
            }
            retained.x /= static_cast<double>(joints.size());
            retained.y /= static_cast<double>(joints.size());
            retained.z = z;
            retained.label = createdLabel(context, created, constraint.name, level++, levels.size());
            created.insert(retained.label);
            context.report.diaphragmJoints.push_back(retained.label);
            store.nodes.push_back(std::move(retained));
            const auto master = static_cast<std::int32_t>(store.nodes.size()) - 1;

            TDIAPH& diaphragm = store.diaphragms.emplace_back();
            diaphragm.slaveCount = static_cast<std::int32_t>(joints.size());
            diaphragm.members.reserve(joints.size() + 2);
            diaphragm.members.push_back(0);
            diaphragm.members.insert(diaphragm.members.end(), joints.begin(), joints.end());
            diaphragm.members.push_back(master);
            diaphragm.master = master;
        }
    }
    store.nodeCount = static_cast<std::int32_t>(store.nodes.size()) - 1;
    store.diaphragmCount = static_cast<std::int32_t>(store.diaphragms.size()) - 1;
    if (single > 0)
        context.report.addNotCarried("diaphragm levels of a single joint (nothing to tie)", single);

    context.tiedToDiaphragm.assign(store.nodes.size(), 0);
    context.retainsDiaphragm.assign(store.nodes.size(), 0);
    for (std::int32_t d = 1; d <= store.diaphragmCount; ++d) {
        const TDIAPH& diaphragm = store.diaphragms[static_cast<std::size_t>(d)];
        for (std::int32_t m = 1; m <= diaphragm.slaveCount; ++m)
            context
                .tiedToDiaphragm[static_cast<std::size_t>(diaphragm.members[static_cast<std::size_t>(m)])] =
                d;
        context.retainsDiaphragm[static_cast<std::size_t>(diaphragm.master)] = d;
    }
}

} // namespace kelvane::tables
