#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace pipwick {

// Why a file of the player's could not be written. The earlier file is then as it was.
enum class WriteFailure {
    // No room left on the disk, or a limit on the size of files was reached.
    kDiskFull,
    // The folder or the file may not be written, or the disk is read-only.
    kNoPermission,
    // A folder, a FIFO, a device or a socket is at the file's place, or at its lock's.
    kInTheWay,
    // Another copy of the game held the file's lock for longer than a write may wait.
    kBusy,
    kSystemError,
};

// The failure an errno value of a failed write or open stands for.
WriteFailure WriteFailureOf(int error);

// Replaces the file at path with bytes, whole or not at all. The bytes go to a new file of a
// random name beside path, held locked while it is filled, flushed to the disk and then renamed
// over path; every step is checked, and the first that fails removes the new file and leaves
// path as it was. A link at path is replaced, never followed; a regular file saved over keeps its
// permissions, and a new one gets those the user's umask gives.
std::optional<WriteFailure> WriteWholeFile(const std::filesystem::path& path,
                                           std::span<const std::uint8_t> bytes);

// Removes what writes to path left behind when the program was stopped in the middle of one: the
// new files WriteWholeFile makes, and those of the program's earlier saves ("NAME.XXXXXX"). A
// file another copy of the game is filling is locked, and stays.
void RemoveStaleTemporaries(const std::filesystem::path& path);

}  // namespace pipwick
