#include "model/whole_file_write.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

namespace pipwick {

namespace {

constexpr const char* kTemporaryMark = ".saving-";
constexpr std::size_t kRandomDigits = 16;
// The earlier saves' new files were named NAME.XXXXXX; ".backup", the player's, and ".saving", an
// earlier fixed name that anyone may have put there since, have as many letters.
constexpr std::size_t kEarlierRandomLetters = 6;
constexpr const char* kWordSuffixes[] = {"backup", "saving"};

struct NewFile {
    std::filesystem::path path;
    int descriptor = -1;
};

// The name is beside path, so the rename stays within one file system; O_EXCL | O_NOFOLLOW refuse
// a name that exists, a link planted in advance among them. The lock tells RemoveStaleTemporaries
// of another copy that the file is being filled.
std::optional<NewFile> CreateBeside(const std::filesystem::path& path, int& error) {
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, "%s%08x%08x", kTemporaryMark, random(), random());
        std::filesystem::path name = path;
        name += suffix;
        const int descriptor =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descriptor >= 0) {
            ::flock(descriptor, LOCK_EX | LOCK_NB);
            return NewFile{name, descriptor};
        }
        if (errno != EEXIST) {
            error = errno;
            return std::nullopt;
        }
    }
    error = EEXIST;
    return std::nullopt;
}

// 0 when every byte was written, else the error.
int WriteAll(int descriptor, std::span<const std::uint8_t> bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = ::write(descriptor, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return errno;
        }
        if (count == 0) {
            return ENOSPC;
        }
        written += static_cast<std::size_t>(count);
    }
    return 0;
}

// What is at path now: nothing, a regular file (whose permissions the new one takes), a link (to
// be replaced as it is), or something else that is left where it is.
enum class Occupant { kNothing, kFile, kLink, kOther, kUnknown };

Occupant OccupantOf(const std::filesystem::path& path, mode_t& mode, int& error) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        error = errno;
        return error == ENOENT ? Occupant::kNothing : Occupant::kUnknown;
    }
    mode = status.st_mode & 07777;
    if (S_ISREG(status.st_mode)) {
        return Occupant::kFile;
    }
    return S_ISLNK(status.st_mode) ? Occupant::kLink : Occupant::kOther;
}

// The bytes are on the disk before the rename makes them the file, so a crash leaves the earlier
// file or the new one, never an empty one. 0, or the first error. The file stays open, and so
// locked, until it has its name.
int Fill(const NewFile& file, Occupant occupant, mode_t mode, std::span<const std::uint8_t> bytes) {
    if (occupant == Occupant::kFile && ::fchmod(file.descriptor, mode) != 0) {
        return errno;
    }
    if (const int error = WriteAll(file.descriptor, bytes); error != 0) {
        return error;
    }
    return ::fsync(file.descriptor) == 0 ? 0 : errno;
}

// The rename itself reaches the disk with the folder's own entries.
void SyncFolderOf(const std::filesystem::path& path) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

bool IsStaleName(const std::string& name, const std::string& target) {
    if (name.size() <= target.size() + 1 || name.compare(0, target.size(), target) != 0) {
        return false;
    }
    const std::string rest = name.substr(target.size());
    auto allOf = [](const std::string& text, int (*is)(int)) {
        for (const char c : text) {
            if (is(static_cast<unsigned char>(c)) == 0) {
                return false;
            }
        }
        return true;
    };
    const std::string mark = kTemporaryMark;
    if (rest.size() == mark.size() + kRandomDigits && rest.compare(0, mark.size(), mark) == 0) {
        return allOf(rest.substr(mark.size()), isxdigit);
    }
    if (rest.size() != kEarlierRandomLetters + 1 || rest[0] != '.') {
        return false;
    }
    for (const char* word : kWordSuffixes) {
        if (rest.substr(1) == word) {
            return false;
        }
    }
    return allOf(rest.substr(1), isalnum);
}

// A regular file that no one holds locked goes; a link or anything else of that name stays.
void RemoveIfUnlocked(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        return;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
        ::flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
        ::unlink(path.c_str());
    }
    ::close(descriptor);
}

}  // namespace

WriteFailure WriteFailureOf(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return WriteFailure::kDiskFull;
        case EACCES:
        case EPERM:
        case EROFS:
            return WriteFailure::kNoPermission;
        case EISDIR:
        case ENOTDIR:
        case ELOOP:
        case ENXIO:
            return WriteFailure::kInTheWay;
        default:
            return WriteFailure::kSystemError;
    }
}

std::optional<WriteFailure> WriteWholeFile(const std::filesystem::path& path,
                                           std::span<const std::uint8_t> bytes) {
    mode_t mode = 0;
    int error = 0;
    const Occupant occupant = OccupantOf(path, mode, error);
    if (occupant == Occupant::kOther) {
        return WriteFailure::kInTheWay;
    }
    if (occupant == Occupant::kUnknown) {
        return WriteFailureOf(error);
    }
    const std::optional<NewFile> file = CreateBeside(path, error);
    if (!file) {
        return WriteFailureOf(error);
    }
    error = Fill(*file, occupant, mode, bytes);
    if (error == 0 && ::rename(file->path.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(file->path.c_str());
    }
    ::close(file->descriptor);
    if (error != 0) {
        return WriteFailureOf(error);
    }
    SyncFolderOf(path);
    return std::nullopt;
}

void RemoveStaleTemporaries(const std::filesystem::path& path) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const std::string target = path.filename().string();
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        if (IsStaleName(entries->path().filename().string(), target)) {
            RemoveIfUnlocked(entries->path());
        }
    }
}

}  // namespace pipwick
