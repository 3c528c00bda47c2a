#include "assess/storey_drifts.h"

#include "assess/push_shape.h"
#include "batch/storey_layout.h"
#include "common/error.h"
#include "common/number_format.h"
#include "model/frame_axes.h"
#include "results/frame_forces.h"
#include "results/recorder_files.h"
#include "results/recorder_series.h"
#include "results/section_layout.h"
#include "script/store_access.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace kelvane {
namespace {

// Floor displacements along X and Y at every step: u[step][floor][0 or 1].
using FloorHistory = std::vector<std::vector<std::array<double, 2>>>;

FloorHistory floorHistory(const ModelStore& store, const StoreyLayout& layout, const std::string& folder,
                          std::vector<std::string>& notes) {
    std::map<int, std::vector<std::int32_t>> jointsByBlock;
    for (const FloorLevel& floor : layout.floors)
        for (std::int32_t joint : floor.joints) {
            if (joint < 1 || joint > countOf(store.nodeCount))
                fail("Floor joint " + std::to_string(joint) + " is not a joint of the model");
            jointsByBlock[(joint - 1) / kRecorderBlockSize].push_back(joint);
        }
    std::map<std::int32_t, std::array<std::vector<double>, 2>> byJoint;
    std::size_t steps = static_cast<std::size_t>(-1);
    for (const auto& [block, joints] : jointsByBlock) {
        std::vector<int> fields;
        for (std::int32_t joint : joints)
            for (int c = 0; c < 2; ++c)
                fields.push_back(1 + 3 * ((joint - 1) % kRecorderBlockSize) + c);
        const std::string path = recorderPath(folder, "node" + std::to_string(block) + ".out");
        RecorderColumns columns = readRecorderColumns(path, fields);
        if (columns.partialLineLeftOut)
            notes.push_back(partialLineNote(path, columns.steps()));
        steps = std::min(steps, columns.steps());
        for (std::size_t j = 0; j < joints.size(); ++j)
            byJoint[joints[j]] = {std::move(columns.values[2 * j]), std::move(columns.values[2 * j + 1])};
    }
    if (steps == 0 || steps == static_cast<std::size_t>(-1))
        fail("The node files in \"" + folder + "\" hold no step");
    FloorHistory history(steps, std::vector<std::array<double, 2>>(layout.floors.size()));
    for (std::size_t s = 0; s < steps; ++s)
        for (std::size_t f = 0; f < layout.floors.size(); ++f) {
            const FloorLevel& floor = layout.floors[f];
            for (int c = 0; c < 2; ++c) {
                double sum = 0;
                for (std::int32_t joint : floor.joints)
                    sum += byJoint[joint][static_cast<std::size_t>(c)][s];
                history[s][f][static_cast<std::size_t>(c)] = sum / static_cast<double>(floor.joints.size());
            }
        }
    return history;
}

// The frames crossing storey i (between floors i - 1 and i) at its mid-height, with the end that
// lies above it.
struct CrossingFrame {
    int frame = 0;
    std::size_t storey = 0;
    FrameEnd upper = EndJ;
    std::array<Vector, 3> axes{};
};

// The script writes a joint a rigid link ties to another at that joint's place: the frames are
// where the solver has them.
std::vector<CrossingFrame> crossingFrames(const ModelStore& original, const StoreyLayout& layout) {
    ModelStore store = original;
    for (int n = 1; n <= countOf(store.nodeCount); ++n) {
        const TNODE& place = jointTiedTo(original, n);
        TNODE& node = store.nodes[static_cast<std::size_t>(n)];
        node.x = place.x;
        node.y = place.y;
        node.z = place.z;
    }
    std::vector<CrossingFrame> crossing;
    for (int f = 1; f <= countOf(store.frameCount); ++f) {
        const TFRAME& frame = store.frames[static_cast<std::size_t>(f)];
        const int joints = countOf(store.nodeCount);
        if (!hasForceOutput(elementTypeOfFrame(store, f)) || frame.nodeI < 1 || frame.nodeI > joints ||
            frame.nodeJ < 1 || frame.nodeJ > joints)
            continue;
        const double zi = store.nodes[static_cast<std::size_t>(frame.nodeI)].z;
        const double zj = store.nodes[static_cast<std::size_t>(frame.nodeJ)].z;
        for (std::size_t s = 1; s < layout.floors.size(); ++s) {
            const double middle = 0.5 * (layout.floors[s - 1].elevation + layout.floors[s].elevation);
            if (std::min(zi, zj) < middle && std::max(zi, zj) > middle)
                crossing.push_back({f, s, zj > zi ? EndJ : EndI, localAxes(store, frame)});
        }
    }
    return crossing;
}

// Storey shears along X and Y at every step: shear[step][storey - 1][0 or 1]. The force a frame
// carries across the cut is the force its upper joint exerts on it: at end J the end forces along
// the local axes, at end I their opposite.
FloorHistory storeyShearHistory(const ModelStore& store, const StoreyLayout& layout,
                                const std::string& folder, std::size_t steps) {
    const std::vector<CrossingFrame> crossing = crossingFrames(store, layout);
    FloorHistory shear(steps, std::vector<std::array<double, 2>>(layout.floors.size() - 1));
    const int frameCount = countOf(store.frameCount);
    std::vector<double> values;
    for (int block = 0; block < blockCount(frameCount); ++block) {
        const RecorderBlock range = recorderBlock(frameCount, block);
        std::vector<const CrossingFrame*> here;
        for (const CrossingFrame& c : crossing)
            if (c.frame >= range.firstObject && c.frame < range.firstObject + range.objectCount)
                here.push_back(&c);
        if (here.empty())
            continue;
        const RecorderFile file(
            recorderPath(folder, "ele" + std::to_string(frameFileNumber(frameCount, block)) + ".out"));
        std::map<int, int> offset; // first field of each frame of the block
        int fields = 1;
        for (int f = range.firstObject; f < range.firstObject + range.objectCount; ++f) {
            offset[f] = fields;
            fields += forceValueCount(elementTypeOfFrame(store, f));
        }
        // OpenSeesPy writes no local forces of a corotational truss: such a file cannot give the shears.
        if (recorderFieldCount(file, 1) != fields)
            fail("\"" + file.path() + "\" holds " + std::to_string(recorderFieldCount(file, 1)) +
                 " fields a line, not the " + std::to_string(fields) + " of the end forces of its frames");
        for (std::size_t s = 0; s < steps; ++s) {
            int valuesRead = 0;
            readRecorderValues(file, static_cast<long long>(s + 1), fields, values, valuesRead);
            for (const CrossingFrame* c : here) {
                EndForces local{};
                for (int v = 0; v < kEndForceCount; ++v)
                    local[static_cast<std::size_t>(v)] =
                        values[static_cast<std::size_t>(offset[c->frame] + v)];
                const EndForces forces = frameEndForces(local);
                const double sign = c->upper == EndJ ? 1.0 : -1.0;
                for (int dir = 0; dir < 2; ++dir) {
                    double along = 0;
                    for (int k = 0; k < 3; ++k)
                        along += forces[static_cast<std::size_t>(6 * c->upper + k)] *
                                 c->axes[static_cast<std::size_t>(k)][static_cast<std::size_t>(dir)];
                    shear[s][c->storey - 1][static_cast<std::size_t>(dir)] += sign * along;
                }
            }
        }
    }
    return shear;
}

// Storey shears along `direction` of a pushover without element force files: the base shear of the
// reactions times the share of the pattern's lateral forces (m_i Phi_i) applied above each storey.
FloorHistory patternShearHistory(const ModelStore& store, const AnalysisSettings& analysis,
                                 const StoreyLayout& layout, const std::string& folder, int direction,
                                 std::size_t steps) {
    const PushShape shape = runPushShape(store, analysis, folder, analysis.controlNode, direction);
    const Curve base = baseShearHistory(store, folder, direction, Abscissa::Step);
    if (base.y.size() < steps)
        fail("The reaction files hold " + std::to_string(base.y.size()) + " steps and the node files " +
             std::to_string(steps));
    FloorHistory shear(steps, std::vector<std::array<double, 2>>(layout.floors.size() - 1));
    for (std::size_t i = 1; i < layout.floors.size(); ++i) {
        const double middle = 0.5 * (layout.floors[i - 1].elevation + layout.floors[i].elevation);
        double above = 0;
        for (std::size_t j = 0; j < shape.joints.size(); ++j)
            if (jointTiedTo(store, shape.joints[j]).z > middle)
                above += shape.masses[j] * shape.phi[j];
        for (std::size_t s = 0; s < steps; ++s)
            shear[s][i - 1][static_cast<std::size_t>(direction - 1)] = base.y[s] * above / shape.mStar;
    }
    return shear;
}

bool isPushover(const AnalysisSettings& analysis) {
    return analysis.analysisType == SingleDisplacementControl || analysis.analysisType == GravityPushOver;
}

void keepLarger(double& kept, double value) {
    if (std::abs(value) > std::abs(kept))
        kept = value;
}

} // namespace

ProfileMoment defaultProfileMoment(const AnalysisSettings& analysis) {
    const bool transient = analysis.analysisType == TimeHistoryAnalysis ||
                           analysis.analysisType == GravityTimeHistoryAnalysis ||
                           analysis.analysisType == MultipleSupportExcitation;
    return transient ? ProfileMoment::Peak : ProfileMoment::Step;
}

StoreyProfile storeyProfile(const ModelStore& store, const AnalysisSettings& analysis,
                            const std::string& folder, int direction, ProfileMoment moment,
                            std::optional<int> step) {
    if (direction != 1 && direction != 2)
        fail("Storey drifts are read along X or Y (degree of freedom 1 or 2), not " +
             std::to_string(direction));
    const StoreyLayout layout = storeyLayout(store, direction, 0);
    StoreyProfile profile;
    profile.moment = moment;
    profile.direction = direction;
    const FloorHistory floors = floorHistory(store, layout, folder, profile.notes);
    const std::size_t steps = floors.size();

    FloorHistory shear;
    try {
        shear = storeyShearHistory(store, layout, folder, steps);
        profile.hasShear = true;
    } catch (const KelvaneError& error) {
        if (!isPushover(analysis)) {
            profile.notes.push_back(std::string("No storey shears: ") + error.what() +
                                    " (write the script with elementForce=1)");
        } else {
            try {
                shear = patternShearHistory(store, analysis, layout, folder, direction, steps);
                profile.hasShear = true;
                profile.notes.push_back(
                    std::string("Storey shears along ") + (direction == 1 ? "X" : "Y") +
                    " from the base shear and the push pattern's forces above each storey (no "
                    "element force files: elementForce=1 records them)");
            } catch (const KelvaneError& patternError) {
                profile.notes.push_back(std::string("No storey shears: ") + error.what() +
                                        "; nor from the push "
                                        "pattern: " +
                                        patternError.what());
            }
        }
    }

    if (moment == ProfileMoment::Step) {
        const int last = static_cast<int>(steps);
        const int chosen = step.value_or(last);
        if (chosen < 1 || chosen > last)
            fail("Step " + std::to_string(chosen) + " is not a recorded step: the files hold steps 1 to " +
                 std::to_string(last));
        profile.step = chosen;
    } else if (moment == ProfileMoment::Peak) {
        const std::size_t roof = layout.floors.size() - 1, c = static_cast<std::size_t>(direction - 1);
        std::size_t peak = 0;
        for (std::size_t s = 1; s < steps; ++s)
            if (std::abs(floors[s][roof][c] - floors[s][0][c]) >
                std::abs(floors[peak][roof][c] - floors[peak][0][c]))
                peak = s;
        profile.step = static_cast<int>(peak) + 1;
    }

    for (std::size_t i = 1; i < layout.floors.size(); ++i) {
        StoreyValues values;
        values.storey = static_cast<int>(i);
        values.bottom = layout.floors[i - 1].elevation;
        values.top = layout.floors[i].elevation;
        const double height = values.top - values.bottom;
        const auto at = [&](std::size_t s) {
            StoreyValues v = values;
            v.driftX = (floors[s][i][0] - floors[s][i - 1][0]) / height;
            v.driftY = (floors[s][i][1] - floors[s][i - 1][1]) / height;
            if (profile.hasShear) {
                v.shearX = shear[s][i - 1][0];
                v.shearY = shear[s][i - 1][1];
            }
            return v;
        };
        if (moment == ProfileMoment::Envelope) {
            for (std::size_t s = 0; s < steps; ++s) {
                const StoreyValues v = at(s);
                keepLarger(values.driftX, v.driftX);
                keepLarger(values.driftY, v.driftY);
                keepLarger(values.shearX, v.shearX);
                keepLarger(values.shearY, v.shearY);
            }
        } else {
            values = at(static_cast<std::size_t>(profile.step - 1));
        }
        profile.storeys.push_back(values);
    }
    return profile;
}

std::vector<std::string> storeyProfileCsvLines(const StoreyProfile& profile) {
    std::vector<std::string> lines{"storey,bottom,top,height,drift ratio X,drift ratio Y,shear X,shear Y"};
    for (const StoreyValues& s : profile.storeys)
        lines.push_back(formatInt(s.storey) + "," + formatGeneral(s.bottom) + "," + formatGeneral(s.top) +
                        "," + formatGeneral(s.top - s.bottom) + "," + formatGeneral(s.driftX) + "," +
                        formatGeneral(s.driftY) + "," + (profile.hasShear ? formatGeneral(s.shearX) : "") +
                        "," + (profile.hasShear ? formatGeneral(s.shearY) : ""));
    return lines;
}

namespace {

std::string momentName(const StoreyProfile& profile) {
    return profile.moment == ProfileMoment::Envelope ? "envelope" : "step " + std::to_string(profile.step);
}

// A value per storey drawn as a vertical step line: x against elevation.
Curve storeySteps(const StoreyProfile& profile, const std::string& title, const std::string& xTitle,
                  const std::string& column, double (*value)(const StoreyValues&, int), int dof) {
    Curve curve;
    curve.title = title + " along " + (dof == 1 ? "X" : "Y") + " (" + momentName(profile) + ")";
    curve.xTitle = xTitle;
    curve.yTitle = "Elevation (mm)";
    curve.xColumn = column;
    curve.yColumn = "elevation";
    for (const StoreyValues& s : profile.storeys) {
        const double x = value(s, dof);
        curve.x.insert(curve.x.end(), {x, x});
        curve.y.insert(curve.y.end(), {s.bottom, s.top});
    }
    return curve;
}

} // namespace

Curve storeyDriftCurve(const StoreyProfile& profile, int dof) {
    return storeySteps(
        profile, "Interstorey drift ratio", "Drift ratio (%)", "drift ratio percent",
        [](const StoreyValues& s, int d) { return 100 * (d == 1 ? s.driftX : s.driftY); }, dof);
}

Curve storeyShearCurve(const StoreyProfile& profile, int dof) {
    return storeySteps(
        profile, "Storey shear", "Storey shear (kN)", "storey shear kN",
        [](const StoreyValues& s, int d) { return (d == 1 ? s.shearX : s.shearY) / 1000; }, dof);
}

} // namespace kelvane
