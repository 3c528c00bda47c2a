#pragma once

#include <filesystem>

namespace kelvane {

// Keeps a second runner off an ensemble set while one runs it: an exclusive lock on
// SET/.batch-run.lock, released when the object goes (or the process ends, however it ends).
class BatchSetLock {
  public:
    // Refuses with a message when another process holds the set.
    explicit BatchSetLock(const std::filesystem::path& setFolder);
    ~BatchSetLock();
    BatchSetLock(const BatchSetLock&) = delete;
    BatchSetLock& operator=(const BatchSetLock&) = delete;

  private:
    int fd_ = -1;
};

} // namespace kelvane
