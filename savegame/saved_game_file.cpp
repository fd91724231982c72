#include "savegame/saved_game_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

#include "model/regular_file.h"
#include "savegame/open_saved_game.h"

namespace pipwick {

namespace {

// A file made by this save alone: its name beside the target (so the rename stays within one
// file system) ends in a random part, and O_EXCL | O_NOFOLLOW refuse any name that already
// exists, a link planted there in advance among them.
struct TemporaryFile {
    std::filesystem::path path;
    int descriptor = -1;
};

std::optional<TemporaryFile> CreateTemporaryBeside(const std::filesystem::path& path) {
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".saving-%08x%08x", random(), random());
        std::filesystem::path temporary = path;
        temporary += suffix;
        const int descriptor =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descriptor >= 0) {
            return TemporaryFile{temporary, descriptor};
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool WriteAll(int descriptor, const SavedGameImage& image) {
    std::size_t written = 0;
    while (written < image.size()) {
        const ssize_t count = ::write(descriptor, image.data() + written, image.size() - written);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(count);
    }
    return true;
}

// A file saved over keeps its permissions: a game the player made private stays private. A new
// file has those the user's umask gives.
bool KeepPermissionsOf(const std::filesystem::path& path, int descriptor) {
    struct stat earlier {};
    if (::stat(path.c_str(), &earlier) != 0) {
        return errno == ENOENT;
    }
    return ::fchmod(descriptor, earlier.st_mode & 07777) == 0;
}

// The bytes are on the disk before the rename makes them the file, so a crash leaves the earlier
// file or the new one, never an empty one.
bool FillTemporary(const TemporaryFile& temporary, const std::filesystem::path& path,
                   const SavedGameImage& image) {
    const bool filled = KeepPermissionsOf(path, temporary.descriptor) &&
                        WriteAll(temporary.descriptor, image) && ::fsync(temporary.descriptor) == 0;
    return ::close(temporary.descriptor) == 0 && filled;
}

}  // namespace

SavedGameError OpenSavedGameFile(const std::filesystem::path& path, const Geometry& geometry,
                                 GameState& state) {
    const FileContent file = ReadRegularFile(path, kSavedGameSize);
    if (file.refusal == FileRefusal::kTooLarge) {
        return SavedGameError::kWrongLength;
    }
    if (file.refusal) {
        return SavedGameError::kCannotRead;
    }
    if (file.bytes.size() != kSavedGameSize) {
        return SavedGameError::kWrongLength;
    }
    return OpenSavedGame(file.bytes, geometry, state);
}

std::optional<std::string> WriteSavedGameFile(const std::filesystem::path& path,
                                              const GameState& state) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return "a folder is in the way: " + path.string();
    }
    const std::optional<TemporaryFile> temporary = CreateTemporaryBeside(path);
    if (!temporary) {
        return "cannot create a file beside " + path.string() + ": " + std::strerror(errno);
    }
    if (!FillTemporary(*temporary, path, BuildSavedGameImage(state))) {
        std::filesystem::remove(temporary->path, error);
        return "cannot write " + temporary->path.string();
    }
    std::filesystem::rename(temporary->path, path, error);
    if (error) {
        const std::string reason = "cannot replace " + path.string() + ": " + error.message();
        std::filesystem::remove(temporary->path, error);
        return reason;
    }
    return std::nullopt;
}

}  // namespace pipwick
