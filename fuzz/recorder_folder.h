#pragma once

#include "model/model_store.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

// A folder of recorder files for the reader targets. The input's last bytes choose the model size
// and the reader's numbers (FuzzedDataProvider takes integers from the end); the rest is the text
// of the block files, block after block, separated by form feeds. Blocks the text does not reach
// have no file, so the file-open failure is fuzzed too.
namespace kelvane::fuzz {

class RecorderFolder {
  public:
    RecorderFolder() {
        const char* shm = "/dev/shm";
        std::string pattern = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
        if (FILE* probe = std::fopen("/dev/shm/.", "r")) {
            std::fclose(probe);
            pattern = shm;
        }
        pattern += "/kelvane-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            std::abort();
        folder_ = pattern + "/";
    }

    RecorderFolder(const RecorderFolder&) = delete;
    RecorderFolder& operator=(const RecorderFolder&) = delete;
    ~RecorderFolder() {
        removeWritten();
        ::rmdir(folder_.c_str());
    }

    const std::string& folder() const { return folder_; }

    // Writes the block files named by `fileName(block)` for blocks 0..blocks-1 from `text`.
    template <typename FileName> void write(const std::string& text, int blocks, FileName fileName) {
        removeWritten();
        std::size_t start = 0;
        for (int block = 0; block < blocks && start <= text.size(); ++block) {
            std::size_t end = text.find('\f', start);
            if (end == std::string::npos)
                end = text.size();
            const std::string path = folder_ + fileName(block);
            FILE* file = std::fopen(path.c_str(), "wb");
            if (!file)
                std::abort();
            std::fwrite(text.data() + start, 1, end - start, file);
            std::fclose(file);
            written_.push_back(path);
            start = end + 1;
        }
    }

  private:
    void removeWritten() {
        for (const std::string& old : written_)
            std::remove(old.c_str());
        written_.clear();
    }

    std::string folder_;
    std::vector<std::string> written_;
};

// A store with `joints` joints and `frames` frames, as an import leaves it (entry 0 included).
inline ModelStore storeWith(int joints, int frames) {
    ModelStore store;
    store.nodes.resize(static_cast<std::size_t>(joints) + 1);
    store.frames.resize(static_cast<std::size_t>(frames) + 1);
    store.nodeCount = joints;
    store.frameCount = frames;
    return store;
}

// A model size that needs one, two or three block files.
inline int objectCount(FuzzedDataProvider& input) {
    return input.ConsumeIntegralInRange(0, 250);
}

// A 1-based line number, mostly small, sometimes any value at all.
inline std::int32_t lineNumber(FuzzedDataProvider& input) {
    if (input.ConsumeBool())
        return input.ConsumeIntegral<std::int32_t>();
    return input.ConsumeIntegralInRange<std::int32_t>(0, 4);
}

} // namespace kelvane::fuzz
