#include "batch/set_lock.h"

#include "common/error.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kelvane {

BatchSetLock::BatchSetLock(const std::filesystem::path& setFolder) {
    const std::string path = (setFolder / ".batch-run.lock").string();
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0)
        fail(cannotCreateFileMessage(path, std::strerror(errno)));
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd_);
        fd_ = -1;
        if (error == EWOULDBLOCK)
            fail("The ensemble \"" + setFolder.string() +
                 "\" is being run by another program just now; wait for it to end or stop it first");
        fail("Cannot lock the ensemble \"" + setFolder.string() + "\": " + std::strerror(error));
    }
}

BatchSetLock::~BatchSetLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

} // namespace kelvane
