#include "model/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <utility>

namespace pipwick {

RegularFile::RegularFile(RegularFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)),
      refusal_(other.refusal_),
      size_(other.size_),
      mostBytes_(other.mostBytes_),
      readSoFar_(other.readSoFar_) {}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
    if (this != &other) {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
        descriptor_ = std::exchange(other.descriptor_, -1);
        refusal_ = other.refusal_;
        size_ = other.size_;
        mostBytes_ = other.mostBytes_;
        readSoFar_ = other.readSoFar_;
    }
    return *this;
}

RegularFile::~RegularFile() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

// O_NONBLOCK makes the open of a FIFO return at once instead of waiting for a writer; on a regular
// file it changes nothing. O_NOCTTY keeps a terminal put in the file's place from becoming ours.
RegularFile RegularFile::Open(const std::filesystem::path& path, std::uint64_t mostBytes) {
    int descriptor = -1;
    do {
        descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0) {
        const FileRefusal refusal =
            errno == ENOENT || errno == ENOTDIR ? FileRefusal::kMissing : FileRefusal::kCannotOpen;
        return RegularFile(-1, refusal, 0, mostBytes);
    }
    struct stat status {};
    FileRefusal refusal = FileRefusal::kMissing;
    if (::fstat(descriptor, &status) != 0) {
        refusal = FileRefusal::kCannotOpen;
    } else if (!S_ISREG(status.st_mode)) {
        refusal = FileRefusal::kNotRegular;
    } else if (static_cast<std::uint64_t>(status.st_size) > mostBytes) {
        refusal = FileRefusal::kTooLarge;
    } else {
        return RegularFile(descriptor, refusal, static_cast<std::uint64_t>(status.st_size),
                           mostBytes);
    }
    ::close(descriptor);
    return RegularFile(-1, refusal, 0, mostBytes);
}

std::optional<std::size_t> RegularFile::Read(std::span<std::uint8_t> buffer) {
    if (descriptor_ < 0) {
        return std::nullopt;
    }
    ssize_t count = 0;
    do {
        count = ::read(descriptor_, buffer.data(), buffer.size());
    } while (count < 0 && errno == EINTR);
    if (count < 0) {
        refusal_ = FileRefusal::kReadError;
        return std::nullopt;
    }
    readSoFar_ += static_cast<std::uint64_t>(count);
    if (readSoFar_ > mostBytes_) {
        refusal_ = FileRefusal::kTooLarge;
        return std::nullopt;
    }
    return static_cast<std::size_t>(count);
}

FileContent ReadRegularFile(const std::filesystem::path& path, std::uint64_t mostBytes) {
    RegularFile file = RegularFile::Open(path, mostBytes);
    if (!file.IsOpen()) {
        return {{}, file.Refusal()};
    }
    FileContent content;
    content.bytes.reserve(static_cast<std::size_t>(file.Size()));
    std::array<std::uint8_t, 64 * 1024> part{};
    for (;;) {
        const std::optional<std::size_t> count = file.Read(part);
        if (!count) {
            return {{}, file.Refusal()};
        }
        if (*count == 0) {
            return content;
        }
        content.bytes.insert(content.bytes.end(), part.begin(), part.begin() + *count);
    }
}

}  // namespace pipwick
