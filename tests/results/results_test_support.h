#pragma once

#include "model/model_store.h"
#include "support/test_support.h"

#include <exception>
#include <string>

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
