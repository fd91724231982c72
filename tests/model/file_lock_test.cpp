#include "model/file_lock.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>

namespace pipwick {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

struct FileLockTest : ::testing::Test {
    fs::path folder;
    fs::path lock;

    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("pipwick-file-lock-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
        lock = folder / "data.lock";
    }
    void TearDown() override { fs::remove_all(folder); }
};

// Nothing at the lock's place is read or waited on: each is refused at once, or locked as it is.
TEST_F(FileLockTest, OddThingsAtItsPlaceAreRefusedAtOnce) {
    struct Case {
        const char* name;
        std::function<void()> plant;
        std::optional<WriteFailure> refusal;
    };
    const Case cases[] = {
        {"nothing", [] {}, std::nullopt},
        {"an empty file", [&] { std::ofstream(lock).close(); }, std::nullopt},
        {"two gigabytes",
         [&] {
             std::ofstream(lock).close();
             fs::resize_file(lock, std::uintmax_t{2} << 30);
         },
         std::nullopt},
        {"a folder", [&] { fs::create_directory(lock); }, WriteFailure::kInTheWay},
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(lock.c_str(), 0600), 0); }, WriteFailure::kInTheWay},
        {"a link to /dev/zero", [&] { fs::create_symlink("/dev/zero", lock); },
         WriteFailure::kInTheWay},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.plant();
        const fs::file_type before = fs::symlink_status(lock).type();
        {
            const FileLock taken = FileLock::Take(lock, milliseconds(0));
            EXPECT_EQ(taken.Held(), !c.refusal);
            EXPECT_EQ(taken.Refusal(), c.refusal);
        }
        if (before != fs::file_type::not_found) {
            EXPECT_EQ(fs::symlink_status(lock).type(), before);
        }
        fs::remove_all(lock);
    }
}

TEST_F(FileLockTest, AHolderKeepsOthersOutUntilItLetsGo) {
    {
        const FileLock first = FileLock::Take(lock, milliseconds(0));
        ASSERT_TRUE(first.Held());
        const FileLock second = FileLock::Take(lock, milliseconds(0));
        EXPECT_FALSE(second.Held());
        EXPECT_EQ(second.Refusal(), WriteFailure::kBusy);
    }
    EXPECT_TRUE(FileLock::Take(lock, milliseconds(0)).Held());
}

int ReadCount(const fs::path& path) {
    std::ifstream in(path);
    int count = 0;
    in >> count;
    return count;
}

// Two processes each count their rounds into one file under the lock: none is lost.
TEST_F(FileLockTest, TwoProcessesCountEveryRound) {
    constexpr int kRounds = 50;
    const fs::path counter = folder / "counter";
    auto count = [&] {
        for (int round = 0; round < kRounds; ++round) {
            const FileLock held = FileLock::Take(lock, milliseconds(10000));
            if (!held.Held()) {
                return false;
            }
            const std::string next = std::to_string(ReadCount(counter) + 1);
            if (WriteWholeFile(
                    counter,
                    std::span(reinterpret_cast<const std::uint8_t*>(next.data()), next.size()))) {
                return false;
            }
        }
        return true;
    };
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::_exit(count() ? 0 : 1);
    }
    const bool counted = count();
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(counted);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadCount(counter), 2 * kRounds);
}

}  // namespace
}  // namespace pipwick
