#include "results/frame_forces.h"

#include "common/error.h"
#include "results/recorder_files.h"
#include "results/section_layout.h"

#include <vector>

namespace kelvane {
namespace {

constexpr int kRigidLinkValues = 3; // zeroLength with three rotational materials

// Hands the values of the frames of a block whose twelve fields were all read to their records.
void storeFrameForces(ModelStore& store, const RecorderBlock& range, const std::vector<int>& offsets,
                      const std::vector<double>& values, int valuesRead) {
    for (int i = 0; i < range.objectCount; ++i) {
        TFRAME& frame = store.frames[static_cast<std::size_t>(range.firstObject + i)];
        const int offset = offsets[static_cast<std::size_t>(i)];
        if (offset == 0) {
            frame.hasEndForces = false;
            frame.endForces = {};
            continue;
        }
        if (offset + kEndForceCount - 1 > valuesRead)
            return;
        EndForces solverLocal;
        for (int v = 0; v < kEndForceCount; ++v)
            solverLocal[static_cast<std::size_t>(v)] = values[static_cast<std::size_t>(offset + v)];
        frame.endForces = frameEndForces(solverLocal);
        frame.hasEndForces = true;
    }
}

} // namespace

int forceValueCount(std::int32_t elementType) {
    if (hasForceOutput(elementType))
        return kEndForceCount;
    return elementType == RigidLink ? kRigidLinkValues : 0;
}

bool hasForceOutput(std::int32_t elementType) {
    return elementType >= ElasticBeamColumn && elementType <= CorotTruss;
}

EndForces frameEndForces(const EndForces& solverLocal) {
    EndForces forces{};
    for (int end = EndI; end <= EndJ; ++end) {
        const double* in = solverLocal.data() + 6 * end;
        double* out = forces.data() + 6 * end;
        const double face = end == EndJ ? 1.0 : -1.0; // end I is a negative face
        const double n = in[0], vy = in[1], vz = in[2], t = in[3], my = in[4], mz = in[5];
        out[0] = face * n;   // P
        out[1] = face * vz;  // V2: along z, which is local 2
        out[2] = -face * vy; // V3: along -y
        out[3] = face * t;   // T
        out[4] = -face * mz; // M2: compressing the +3 face is a moment about -2, that is about -z
        out[5] = -face * my; // M3: compressing the +2 face is a moment about +3, that is about -y
    }
    for (double& value : forces)
        value = value == 0 ? 0.0 : value; // no negative zeros
    return forces;
}

void loadFrameForces(ModelStore& store, const std::string& folder, std::int32_t step) {
    const int frameCount = countOf(store.frameCount);
    if (static_cast<long long>(store.frames.size()) <= frameCount)
        fail("The model holds fewer frame records than its frame count");
    std::vector<int> offsets; // field of each frame's first value; 0 when it writes no end forces
    std::vector<double> values;
    for (int block = 0; block < blockCount(frameCount); ++block) {
        const RecorderBlock range = recorderBlock(frameCount, block);
        const std::string name = "ele" + std::to_string(frameFileNumber(frameCount, block)) + ".out";
        const RecorderFile file(recorderPath(folder, name));
        // OpenSeesPy writes no local forces of a corotational truss, the Tcl interpreter twelve; a
        // line with as many fields as the first gives is taken in that layout.
        const auto layout = [&](bool corotationalTrussesWrite) {
            offsets.clear();
            int fields = 1; // the time column
            for (int f = range.firstObject; f < range.firstObject + range.objectCount; ++f) {
                const std::int32_t type = elementTypeOfFrame(store, f);
                const bool writes = hasForceOutput(type) && (type != CorotTruss || corotationalTrussesWrite);
                offsets.push_back(writes ? fields : 0);
                fields += writes || type == RigidLink ? forceValueCount(type) : 0;
            }
            return fields;
        };
        const int withoutCorotational = layout(false);
        int fieldsNeeded = layout(true);
        if (withoutCorotational != fieldsNeeded && recorderFieldCount(file, step) == withoutCorotational)
            fieldsNeeded = layout(false);
        int valuesRead = 0;
        try {
            readRecorderValues(file, step, fieldsNeeded, values, valuesRead);
        } catch (...) {
            storeFrameForces(store, range, offsets, values, valuesRead);
            throw;
        }
        storeFrameForces(store, range, offsets, values, valuesRead);
    }
}

} // namespace kelvane
