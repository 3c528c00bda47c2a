#pragma once

#include "model/model_store.h"
#include "support/test_support.h"

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

namespace kelvane::test {

// A store with `joints` joints and `frames` frames and nothing else, as the readers see it.
inline ModelStore storeWith(int joints, int frames = 0) {
    ModelStore store;
    store.nodeCount = joints;
    store.nodes.resize(static_cast<std::size_t>(joints) + 1);
    store.frameCount = frames;
    store.frames.resize(static_cast<std::size_t>(frames) + 1);
    return store;
}

// A store whose frames have sections of the given element types, frame f the type types[f - 1].
inline ModelStore storeWithFrameTypes(const std::vector<std::int32_t>& types) {
    ModelStore store = storeWith(0, static_cast<int>(types.size()));
    store.frameSectionCount = static_cast<std::int32_t>(types.size());
    store.frameSections.resize(types.size() + 1);
    for (std::size_t f = 1; f <= types.size(); ++f) {
        store.frameSections[f].elementType = types[f - 1];
        store.frames[f].section = static_cast<std::int32_t>(f);
    }
    return store;
}

inline std::string resultsData(const std::string& folder) {
    return dataPath("results/" + folder);
}

// The message of the exception `action` raises ("" when it raises none).
template <typename Action> std::string errorOf(Action action) {
    try {
        action();
    } catch (const std::exception& error) {
        return error.what();
    }
    return "";
}

} // namespace kelvane::test
