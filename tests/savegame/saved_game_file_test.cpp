#include "savegame/saved_game_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "assets/file_bytes.h"
#include "tests/savegame/simulated_games.h"

namespace pipwick {
namespace {

namespace fs = std::filesystem;
using testing::MatchGeometry;

// A folder of its own, and two moments of one simulated game: the one saved and the one running
// when a file is opened.
struct SavedGameFile : ::testing::Test {
    fs::path folder;
    GameState saved;
    GameState running;

    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("pipwick-savegame-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                  "-" + std::to_string(std::random_device{}()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        const testing::TwoGames games = testing::SimulatedStates();
        ASSERT_FALSE(SameState(games.saved, games.running));
        saved = games.saved;
        running = games.running;
    }
    void TearDown() override {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }

    std::vector<uint8_t> Bytes(const fs::path& path) { return ReadFileBytes(path).value(); }
    void Write(const fs::path& path, const std::vector<uint8_t>& bytes) {
        ASSERT_TRUE(WriteFileBytes(path, bytes));
    }
    // The folder holds exactly these names.
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(SavedGameFile, WrittenAndOpenedAgainInAnotherGame) {
    const fs::path path = folder / "a game with spaces.dom";
    ASSERT_EQ(WriteSavedGameFile(path, saved), std::nullopt);
    EXPECT_EQ(fs::file_size(path), kSavedGameSize);
    EXPECT_EQ(Names(), std::vector<std::string>{"a game with spaces.dom"});

    GameState state = running;
    ASSERT_EQ(OpenSavedGameFile(path, MatchGeometry(1.0), state), SavedGameError::kNone);
    EXPECT_EQ(BuildSavedGameImage(state), BuildSavedGameImage(saved));
    EXPECT_EQ(state.CurrentPlayer, 1);
}

TEST_F(SavedGameFile, ReplacesAnEarlierFile) {
    const fs::path path = folder / "game.dom";
    Write(path, std::vector<uint8_t>(1000, 7));
    ASSERT_EQ(WriteSavedGameFile(path, saved), std::nullopt);
    const SavedGameImage image = BuildSavedGameImage(saved);
    EXPECT_EQ(Bytes(path), std::vector<uint8_t>(image.begin(), image.end()));
    EXPECT_EQ(Names(), std::vector<std::string>{"game.dom"});
}

TEST_F(SavedGameFile, OfTheWrongLengthOrUnreadableIsRefusedAndNothingChanges) {
    const SavedGameImage image = BuildSavedGameImage(saved);
    std::vector<uint8_t> shorter(image.begin(), image.end() - 1);
    std::vector<uint8_t> longer(image.begin(), image.end());
    longer.push_back(0);
    Write(folder / "461.dom", shorter);
    Write(folder / "463.dom", longer);
    Write(folder / "empty.dom", {});
    fs::create_directory(folder / "folder.dom");
    // Neither is waited on nor read: a FIFO without a writer, and two gigabytes of nothing.
    ASSERT_EQ(::mkfifo((folder / "fifo.dom").c_str(), 0600), 0);
    std::ofstream(folder / "sparse.dom").close();
    fs::resize_file(folder / "sparse.dom", std::uintmax_t{2} << 30);

    const struct {
        const char* name;
        SavedGameError error;
    } cases[] = {
        {"461.dom", SavedGameError::kWrongLength},   {"463.dom", SavedGameError::kWrongLength},
        {"empty.dom", SavedGameError::kWrongLength}, {"missing.dom", SavedGameError::kCannotRead},
        {"folder.dom", SavedGameError::kCannotRead}, {"fifo.dom", SavedGameError::kCannotRead},
        {"sparse.dom", SavedGameError::kWrongLength}};
    for (const auto& c : cases) {
        GameState state = running;
        EXPECT_EQ(OpenSavedGameFile(folder / c.name, MatchGeometry(1.0), state), c.error) << c.name;
        EXPECT_TRUE(SameState(state, running)) << c.name;
    }
    EXPECT_TRUE(fs::is_fifo(folder / "fifo.dom"));
    EXPECT_EQ(fs::file_size(folder / "sparse.dom"), std::uintmax_t{2} << 30);
}

// A folder where the file should go: nothing is written and the folder stays.
TEST_F(SavedGameFile, FolderInTheWayIsReported) {
    const fs::path path = folder / "game.dom";
    fs::create_directory(path);
    EXPECT_NE(WriteSavedGameFile(path, saved), std::nullopt);
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(Names(), std::vector<std::string>{"game.dom"});
}

// The old save wrote through a fixed name beside the file; whatever another user plants there now
// is neither written through nor in the way.
TEST_F(SavedGameFile, WhatIsPlantedAtTheOldTemporaryNameIsLeftAlone) {
    const fs::path path = folder / "game.dom";
    fs::path planted = path;
    planted += ".saving";
    const fs::path victim = folder / "victim";
    const std::vector<uint8_t> victimBytes{'k', 'e', 'e', 'p'};
    const SavedGameImage image = BuildSavedGameImage(saved);
    const std::vector<uint8_t> imageBytes(image.begin(), image.end());

    struct Case {
        const char* name;
        void (*plant)(const fs::path& at, const fs::path& victim);
    };
    const Case cases[] = {
        {"a link to another file",
         [](const fs::path& at, const fs::path& to) { fs::create_symlink(to, at); }},
        {"a link to nowhere",
         [](const fs::path& at, const fs::path& to) {
             fs::create_symlink(to.string() + "-no", at);
         }},
        {"a folder", [](const fs::path& at, const fs::path&) { fs::create_directory(at); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write(victim, victimBytes);
        c.plant(planted, victim);
        ASSERT_EQ(WriteSavedGameFile(path, saved), std::nullopt);
        EXPECT_EQ(Bytes(path), imageBytes);
        EXPECT_EQ(Bytes(victim), victimBytes);
        EXPECT_FALSE(fs::exists(victim.string() + "-no"));
        EXPECT_EQ(Names(), (std::vector<std::string>{"game.dom", "game.dom.saving", "victim"}));
        fs::remove_all(planted);
        fs::remove(path);
    }
}

TEST_F(SavedGameFile, SavingOverAFileKeepsItsPermissions) {
    const fs::path path = folder / "game.dom";
    for (const fs::perms mode :
         {fs::perms::owner_read | fs::perms::owner_write,
          fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read,
          fs::perms::owner_read}) {
        SCOPED_TRACE(static_cast<int>(mode));
        Write(path, {1, 2, 3});
        fs::permissions(path, mode);
        ASSERT_EQ(WriteSavedGameFile(path, saved), std::nullopt);
        EXPECT_EQ(fs::status(path).permissions(), mode);
        EXPECT_EQ(fs::file_size(path), kSavedGameSize);
        fs::remove(path);
    }
}

// A folder nobody may write in. The superuser may write in any folder that only its permissions
// protect, so then a folder of the process file system stands in for it.
TEST_F(SavedGameFile, UnwritableFolderIsReportedAndKeepsTheEarlierFile) {
    const fs::path locked = folder / "locked";
    fs::create_directory(locked);
    ASSERT_EQ(WriteSavedGameFile(locked / "game.dom", running), std::nullopt);
    const std::vector<uint8_t> earlier = Bytes(locked / "game.dom");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    const bool lockWorks = !std::ofstream(locked / "probe");

    const fs::path path = lockWorks ? locked / "game.dom" : fs::path("/proc/game.dom");
    EXPECT_NE(WriteSavedGameFile(path, saved), std::nullopt) << path;
    EXPECT_FALSE(fs::exists("/proc/game.dom"));
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(Bytes(locked / "game.dom"), earlier);
}

}  // namespace
}  // namespace pipwick
