#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace pipwick {

// Why a file the program wanted to read was not read.
enum class FileRefusal {
    kMissing,
    // Not there to be opened: no permission, or an error of the system.
    kCannotOpen,
    // A folder, a FIFO, a device or a socket: reading one could wait for ever or never end.
    kNotRegular,
    kTooLarge,
    kReadError,
};

// A file the player or another program may have put in place, opened for reading only when it is
// a regular file of at most a given size. The open never waits (a FIFO without a writer, a
// device), and the check is made on the descriptor that was opened, so nothing can be swapped in
// between the check and the read.
class RegularFile {
  public:
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;
    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&& other) noexcept;
    ~RegularFile();

    // The file at path, or why it cannot be read: kNotRegular before kTooLarge.
    static RegularFile Open(const std::filesystem::path& path, std::uint64_t mostBytes);

    bool IsOpen() const { return descriptor_ >= 0; }
    // Why the file was not opened, or why the last read failed.
    FileRefusal Refusal() const { return refusal_; }
    // The size when it was opened.
    std::uint64_t Size() const { return size_; }

    // The next bytes into buffer: how many, 0 at the end. A file that has grown past its limit
    // since it was opened fails with kTooLarge, an error of the system with kReadError.
    std::optional<std::size_t> Read(std::span<std::uint8_t> buffer);

  private:
    RegularFile(int descriptor, FileRefusal refusal, std::uint64_t size, std::uint64_t mostBytes)
        : descriptor_(descriptor), refusal_(refusal), size_(size), mostBytes_(mostBytes) {}

    int descriptor_ = -1;
    FileRefusal refusal_ = FileRefusal::kMissing;
    std::uint64_t size_ = 0;
    std::uint64_t mostBytes_ = 0;
    std::uint64_t readSoFar_ = 0;
};

// The whole content of a regular file of at most mostBytes, or why it was not read.
struct FileContent {
    std::vector<std::uint8_t> bytes;
    std::optional<FileRefusal> refusal;
};
FileContent ReadRegularFile(const std::filesystem::path& path, std::uint64_t mostBytes);

}  // namespace pipwick
