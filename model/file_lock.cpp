#include "model/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

namespace pipwick {

namespace {

constexpr std::chrono::milliseconds kPollInterval{10};

// O_NOFOLLOW refuses a link, O_NONBLOCK a FIFO's wait for a writer, O_NOCTTY a terminal; a folder
// cannot be opened for writing at all.
int OpenLockFile(const std::filesystem::path& path) {
    int descriptor = -1;
    do {
        descriptor = ::open(
            path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    } while (descriptor < 0 && errno == EINTR);
    return descriptor;
}

bool IsRegular(int descriptor) {
    struct stat status {};
    return ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace

FileLock::FileLock(FileLock&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), refusal_(other.refusal_) {}

FileLock::~FileLock() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

FileLock FileLock::Take(const std::filesystem::path& path, std::chrono::milliseconds wait) {
    const int descriptor = OpenLockFile(path);
    if (descriptor < 0) {
        const int error = errno;
        return FileLock(-1, error == ELOOP || error == EISDIR || error == ENXIO
                                ? WriteFailure::kInTheWay
                                : WriteFailureOf(error));
    }
    if (!IsRegular(descriptor)) {
        ::close(descriptor);
        return FileLock(-1, WriteFailure::kInTheWay);
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
            return FileLock(descriptor, std::nullopt);
        }
        const int error = errno;
        if (error != EWOULDBLOCK && error != EINTR) {
            ::close(descriptor);
            return FileLock(-1, WriteFailureOf(error));
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(descriptor);
            return FileLock(-1, WriteFailure::kBusy);
        }
        std::this_thread::sleep_for(kPollInterval);
    }
}

}  // namespace pipwick
