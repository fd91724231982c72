#pragma once

#include <chrono>
#include <filesystem>
#include <optional>

#include "model/whole_file_write.h"

namespace pipwick {

// An advisory lock that two copies of the game take on an empty file beside a file they both
// read and write ("pipwick.ini.lock"), so that each reads, changes and writes the file whole
// while the other waits. The lock file is never read or written: whatever size it has, nothing of
// it is loaded. Anything but a regular file at its place (a folder, a FIFO, a link, a device) or a
// file that cannot be opened refuses the lock instead of being waited on.
class FileLock {
  public:
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) = delete;
    ~FileLock();

    // Takes the lock at path, waiting for another holder at most `wait`.
    static FileLock Take(const std::filesystem::path& path, std::chrono::milliseconds wait);

    bool Held() const { return descriptor_ >= 0; }
    // Why the lock was not taken; kBusy when another holder kept it past the wait.
    std::optional<WriteFailure> Refusal() const { return refusal_; }

  private:
    FileLock(int descriptor, std::optional<WriteFailure> refusal)
        : descriptor_(descriptor), refusal_(refusal) {}

    int descriptor_ = -1;
    std::optional<WriteFailure> refusal_;
};

// What a write of the player's files waits for another copy of the game at most.
constexpr std::chrono::milliseconds kLockWait{1500};

}  // namespace pipwick
