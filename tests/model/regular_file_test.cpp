#include "model/regular_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace pipwick {
namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kLimit = 100;
constexpr std::uintmax_t kTwoGigabytes = std::uintmax_t{2} << 30;

struct RegularFileRead : ::testing::Test {
    fs::path folder;

    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("pipwick-regular-file-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path Write(const char* name, std::size_t size) {
        const fs::path path = folder / name;
        std::ofstream out(path, std::ios::binary);
        out << std::string(size, 'x');
        return path;
    }
    fs::path Fifo(const char* name) {
        const fs::path path = folder / name;
        EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
        return path;
    }
};

TEST_F(RegularFileRead, ReadsOnlyARegularFileWithinItsLimit) {
    fs::create_directory(folder / "folder");
    fs::create_symlink(Fifo("fifo"), folder / "link-to-fifo");
    fs::create_symlink(Write("target", 10), folder / "link-to-file");
    std::ofstream(folder / "sparse").close();
    fs::resize_file(folder / "sparse", kTwoGigabytes);

    const struct {
        fs::path path;
        std::optional<FileRefusal> refusal;
        std::size_t size;
    } cases[] = {
        {Write("empty", 0), std::nullopt, 0},
        {Write("at-limit", kLimit), std::nullopt, kLimit},
        {Write("over-limit", kLimit + 1), FileRefusal::kTooLarge, 0},
        {folder / "sparse", FileRefusal::kTooLarge, 0},
        {folder / "missing", FileRefusal::kMissing, 0},
        {folder / "missing" / "below", FileRefusal::kMissing, 0},
        {folder / "folder", FileRefusal::kNotRegular, 0},
        {folder / "fifo", FileRefusal::kNotRegular, 0},
        {folder / "link-to-fifo", FileRefusal::kNotRegular, 0},
        {folder / "link-to-file", std::nullopt, 10},
    };
    for (const auto& c : cases) {
        const FileContent content = ReadRegularFile(c.path, kLimit);
        EXPECT_EQ(content.refusal, c.refusal) << c.path;
        EXPECT_EQ(content.bytes.size(), c.size) << c.path;
    }
    // Nothing was changed by looking.
    EXPECT_TRUE(fs::is_fifo(folder / "fifo"));
    EXPECT_EQ(fs::file_size(folder / "sparse"), kTwoGigabytes);
}

TEST_F(RegularFileRead, ADeviceIsNeverRead) {
    if (!fs::is_character_file("/dev/zero")) {
        GTEST_SKIP() << "no /dev/zero here";
    }
    fs::create_symlink("/dev/zero", folder / "zero");
    EXPECT_EQ(ReadRegularFile(folder / "zero", kLimit).refusal, FileRefusal::kNotRegular);
}

TEST_F(RegularFileRead, AFileTheUserMayNotReadIsRefused) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    const fs::path path = Write("private", 10);
    fs::permissions(path, fs::perms::none);
    EXPECT_EQ(ReadRegularFile(path, kLimit).refusal, FileRefusal::kCannotOpen);
}

// The size is checked when the file is opened; one that grows past the limit while it is read
// fails then, rather than being read on without end.
TEST_F(RegularFileRead, AFileThatGrowsPastItsLimitWhileReadFails) {
    const fs::path path = Write("growing", kLimit);
    RegularFile file = RegularFile::Open(path, kLimit);
    ASSERT_TRUE(file.IsOpen());
    EXPECT_EQ(file.Size(), kLimit);
    std::ofstream(path, std::ios::app) << std::string(kLimit, 'y');

    std::vector<std::uint8_t> buffer(4 * kLimit);
    EXPECT_EQ(file.Read(buffer), std::nullopt);
    EXPECT_EQ(file.Refusal(), FileRefusal::kTooLarge);
}

TEST_F(RegularFileRead, AMovedFileKeepsItsDescriptor) {
    RegularFile file = RegularFile::Open(Write("moved", 5), kLimit);
    RegularFile taken = std::move(file);
    EXPECT_FALSE(file.IsOpen());
    ASSERT_TRUE(taken.IsOpen());
    std::vector<std::uint8_t> buffer(kLimit);
    EXPECT_EQ(taken.Read(buffer), std::optional<std::size_t>(5));
    EXPECT_EQ(taken.Read(buffer), std::optional<std::size_t>(0));
}

}  // namespace
}  // namespace pipwick
