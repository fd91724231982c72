#include "model/whole_file_write.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "tests/support/file_size_limit.h"

namespace pipwick {
namespace {

namespace fs = std::filesystem;

const std::vector<std::uint8_t> kNew(300, 'n');
const std::string kEarlier = "earlier";

struct WholeFileWrite : ::testing::Test {
    fs::path folder;

    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("pipwick-whole-file-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
    }
    void TearDown() override {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }

    fs::path Put(const char* name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
        return folder / name;
    }
    static std::string Text(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

mode_t Umask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

std::string NewText() {
    return std::string(kNew.begin(), kNew.end());
}

// What stands at the file's place before the write, and what must be there after it.
TEST_F(WholeFileWrite, ReplacesOnlyWhatIsTheFilesAndNeverFollowsALink) {
    const fs::path path = folder / "data";
    const fs::path victim = folder / "victim";
    const auto normal = static_cast<fs::perms>(0666 & ~Umask());
    struct Case {
        const char* name;
        std::function<void()> plant;
        std::optional<WriteFailure> failure;
        fs::perms permissions;
    };
    const Case cases[] = {
        {"nothing", [] {}, std::nullopt, normal},
        {"a private file",
         [&] {
             Put("data", kEarlier);
             fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
         },
         std::nullopt, fs::perms::owner_read | fs::perms::owner_write},
        {"a link to a file anyone may write",
         [&] {
             Put("victim", kEarlier);
             fs::permissions(victim, fs::perms::all);
             fs::create_symlink(victim, path);
         },
         std::nullopt, normal},
        {"a link to nowhere", [&] { fs::create_symlink(folder / "nowhere", path); }, std::nullopt,
         normal},
        {"a folder", [&] { fs::create_directory(path); }, WriteFailure::kInTheWay, {}},
        {"a FIFO",
         [&] { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); },
         WriteFailure::kInTheWay,
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.plant();
        const fs::file_status before = fs::symlink_status(path);
        EXPECT_EQ(WriteWholeFile(path, kNew), c.failure);
        if (c.failure) {
            EXPECT_EQ(fs::symlink_status(path).type(), before.type());
        } else {
            EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(path)));
            EXPECT_EQ(Text(path), NewText());
            EXPECT_EQ(fs::status(path).permissions(), c.permissions);
        }
        if (fs::exists(victim)) {
            EXPECT_EQ(Text(victim), kEarlier);
            EXPECT_EQ(fs::status(victim).permissions(), fs::perms::all);
        }
        fs::remove_all(path);
        fs::remove(victim);
        EXPECT_EQ(Names(), std::vector<std::string>{});
    }
}

// Each failed step leaves the earlier file as it was and no new file beside it.
TEST_F(WholeFileWrite, AFullDiskKeepsTheEarlierFile) {
    const fs::path path = Put("data", kEarlier);
    {
        const testing::FileSizeLimit fullDisk(kNew.size() - 1);
        EXPECT_EQ(WriteWholeFile(path, kNew), WriteFailure::kDiskFull);
    }
    EXPECT_EQ(Text(path), kEarlier);
    EXPECT_EQ(Names(), std::vector<std::string>{"data"});
}

TEST_F(WholeFileWrite, AFolderThatMayNotBeWrittenIsNoPermission) {
    const fs::path path = Put("data", kEarlier);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(folder / "probe")) {
        GTEST_SKIP() << "the superuser writes in any folder";
    }
    EXPECT_EQ(WriteWholeFile(path, kNew), WriteFailure::kNoPermission);
    EXPECT_EQ(Text(path), kEarlier);
}

TEST_F(WholeFileWrite, StaleTemporariesGoAndEverythingElseStays) {
    const fs::path path = folder / "data.json";
    const struct {
        const char* name;
        bool stays;
    } files[] = {
        {"data.json", true},
        {"data.json.saving-0123456789abcdef", false},
        {"data.json.Ab12zQ", false},
        {"data.json.backup", true},
        {"data.json.damaged", true},
        {"data.json.saving", true},
        {"data.json.saving-0123", true},
        {"data.json.ab-12z", true},
        {"other.json.saving-0123456789abcdef", true},
    };
    for (const auto& f : files) {
        Put(f.name, kEarlier);
    }
    fs::create_directory(folder / "data.json.saving-ffffffffffffffff");
    fs::create_symlink(folder / "data.json", folder / "data.json.Link00");
    // Another copy of the game is filling this one.
    const fs::path filling = Put("data.json.saving-00000000aaaaaaaa", kEarlier);
    const int held = ::open(filling.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    RemoveStaleTemporaries(path);
    ::close(held);

    for (const auto& f : files) {
        EXPECT_EQ(fs::exists(folder / f.name), f.stays) << f.name;
    }
    EXPECT_TRUE(fs::is_directory(folder / "data.json.saving-ffffffffffffffff"));
    EXPECT_TRUE(fs::is_symlink(folder / "data.json.Link00"));
    EXPECT_TRUE(fs::exists(filling));
}

}  // namespace
}  // namespace pipwick
