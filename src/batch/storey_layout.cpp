#include "batch/storey_layout.h"

#include "common/error.h"
#include "common/number_format.h"
#include "common/number_parse.h"
#include "common/text_file.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace kelvane {
namespace {

constexpr const char* kStoreysHeader = "Kelvane storeys 1";

const char* axisName(int direction) {
    static const char* const names[] = {"", "X", "Y", "Z"};
    return direction >= 1 && direction <= 3 ? names[direction] : "?";
}

double jointElevation(const ModelStore& store, std::int32_t joint) {
    return store.nodes[static_cast<std::size_t>(joint)].z;
}

bool validJoint(const ModelStore& store, std::int32_t joint) {
    return joint >= 1 && joint <= countOf(store.nodeCount);
}

// The joints that elements connect (and the retained joints of the diaphragms).
std::vector<bool> connectedJoints(const ModelStore& store) {
    std::vector<bool> used(static_cast<std::size_t>(countOf(store.nodeCount)) + 1, false);
    const auto mark = [&](std::int32_t joint) {
        if (validJoint(store, joint))
            used[static_cast<std::size_t>(joint)] = true;
    };
    for (int f = 1; f <= countOf(store.frameCount); ++f) {
        mark(store.frames[static_cast<std::size_t>(f)].nodeI);
        mark(store.frames[static_cast<std::size_t>(f)].nodeJ);
    }
    for (int a = 1; a <= countOf(store.areaCount) && a < static_cast<int>(store.shells.size()); ++a) {
        const TSHELL& shell = store.shells[static_cast<std::size_t>(a)];
        for (std::int32_t joint : {shell.node1, shell.node2, shell.node3, shell.node4})
            mark(joint);
    }
    for (int s = 1; s <= countOf(store.solidCount); ++s) {
        const TSOLID& solid = store.solids[static_cast<std::size_t>(s)];
        for (std::int32_t joint : {solid.node1, solid.node2, solid.node3, solid.node4, solid.node5,
                                   solid.node6, solid.node7, solid.node8})
            mark(joint);
    }
    return used;
}

// Adds the joint to the floor at its elevation, or starts one.
void addToFloor(std::vector<FloorLevel>& floors, double elevation, std::int32_t joint, double tolerance) {
    for (FloorLevel& floor : floors)
        if (std::abs(floor.elevation - elevation) <= tolerance) {
            floor.joints.push_back(joint);
            return;
        }
    floors.push_back({elevation, {joint}});
}

} // namespace

StoreyLayout storeyLayout(const ModelStore& store, int direction, int gravitySteps) {
    if (direction < 1 || direction > 3)
        fail("The record's direction is " + std::to_string(direction) +
             "; the peaks are read along X, Y or Z: 1, 2 or 3");
    const int jointCount = countOf(store.nodeCount);
    double lowest = 0, highest = 0;
    for (int j = 1; j <= jointCount; ++j) {
        const double z = jointElevation(store, j);
        lowest = j == 1 ? z : std::min(lowest, z);
        highest = j == 1 ? z : std::max(highest, z);
    }
    const double tolerance = 1e-6 * std::max(1.0, highest - lowest);

    StoreyLayout layout;
    layout.direction = direction;
    layout.gravitySteps = gravitySteps;
    FloorLevel ground;
    for (int j = 1; j <= jointCount; ++j) {
        if (store.nodes[static_cast<std::size_t>(j)].restraint[static_cast<std::size_t>(direction)] == 0)
            continue;
        const double z = jointElevation(store, j);
        if (ground.joints.empty() || z < ground.elevation - tolerance)
            ground = {z, {}};
        if (std::abs(z - ground.elevation) <= tolerance)
            ground.joints.push_back(j);
    }
    if (ground.joints.empty())
        fail(std::string("The model has no support restrained along ") + axisName(direction) +
             ": the record would shake nothing, and no storey drift can be read");

    std::vector<FloorLevel> floors;
    const bool byDiaphragms = std::any_of(store.diaphragms.begin(), store.diaphragms.end(),
                                          [&](const TDIAPH& d) { return validJoint(store, d.master); }) &&
                              countOf(store.diaphragmCount) > 0;
    if (byDiaphragms) {
        for (int d = 1; d <= countOf(store.diaphragmCount); ++d) {
            const std::int32_t master = store.diaphragms[static_cast<std::size_t>(d)].master;
            if (validJoint(store, master) && jointElevation(store, master) > ground.elevation + tolerance)
                addToFloor(floors, jointElevation(store, master), master, tolerance);
        }
    } else {
        const std::vector<bool> connected = connectedJoints(store);
        for (int j = 1; j <= jointCount; ++j)
            if (connected[static_cast<std::size_t>(j)] &&
                jointElevation(store, j) > ground.elevation + tolerance)
                addToFloor(floors, jointElevation(store, j), j, tolerance);
    }
    if (floors.empty())
        fail("The model has no floor above its supports (elevation " + formatGeneral(ground.elevation) +
             "): no storey drift can be read");
    std::sort(floors.begin(), floors.end(),
              [](const FloorLevel& a, const FloorLevel& b) { return a.elevation < b.elevation; });
    layout.floors.push_back(std::move(ground));
    layout.floors.insert(layout.floors.end(), floors.begin(), floors.end());
    return layout;
}

std::vector<std::string> storeyLines(const StoreyLayout& layout) {
    std::vector<std::string> lines{kStoreysHeader, "direction " + std::to_string(layout.direction),
                                   "gravity-steps " + std::to_string(layout.gravitySteps)};
    for (const FloorLevel& floor : layout.floors) {
        std::string line = "floor " + formatRoundTrip(floor.elevation);
        for (std::int32_t joint : floor.joints)
            line += " " + std::to_string(joint);
        lines.push_back(line);
    }
    return lines;
}

StoreyLayout readStoreyLayout(const std::filesystem::path& path) {
    const std::vector<std::string> lines = loadLines(path.string());
    const auto refuse = [&](std::size_t line, const std::string& message) {
        fail("Storey file \"" + path.string() + "\", line " + std::to_string(line) + ": " + message);
    };
    if (lines.empty() || lines[0] != kStoreysHeader)
        refuse(1, std::string("the first line is not \"") + kStoreysHeader + "\"");
    StoreyLayout layout;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::istringstream words(lines[i]);
        std::string key, value;
        if (!(words >> key))
            continue;
        if (!(words >> value))
            refuse(i + 1, "\"" + lines[i] + "\" has no value");
        if (key == "direction" || key == "gravity-steps") {
            const auto number = tryParseInt(value);
            if (!number || *number < (key == "direction" ? 1 : 0) || (key == "direction" && *number > 3))
                refuse(i + 1, "'" + value + "' is not a " + key);
            (key == "direction" ? layout.direction : layout.gravitySteps) = *number;
        } else if (key == "floor") {
            const auto elevation = tryParseReal(value);
            if (!elevation)
                refuse(i + 1, "the elevation '" + value + "' is not a number");
            FloorLevel floor{*elevation, {}};
            while (words >> value) {
                const auto joint = tryParseInt(value);
                if (!joint || *joint < 1)
                    refuse(i + 1, "'" + value + "' is not a joint number");
                floor.joints.push_back(*joint);
            }
            if (floor.joints.empty())
                refuse(i + 1, "the floor names no joint");
            if (!layout.floors.empty() && !(floor.elevation > layout.floors.back().elevation))
                refuse(i + 1, "the floors do not rise");
            layout.floors.push_back(std::move(floor));
        } else {
            refuse(i + 1, "'" + key + "' is not direction, gravity-steps or floor");
        }
    }
    if (layout.floors.size() < 2)
        fail("Storey file \"" + path.string() + "\" names fewer than two floors");
    return layout;
}

} // namespace kelvane
