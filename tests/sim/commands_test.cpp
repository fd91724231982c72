#include "sim/commands.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>

#include "assets/file_bytes.h"
#include "tests/savegame/crafted_games.h"

namespace pipwick {
namespace {

namespace fs = std::filesystem;

// Standard output on a full disc, or a pipe whose reader has gone: every write fails. It counts
// what the simulator tried to write, so a run that goes on regardless shows.
class FailingOutput : public std::streambuf {
  public:
    std::streamsize attempted = 0;

  protected:
    int overflow(int) override {
        ++attempted;
        return traits_type::eof();
    }
    std::streamsize xsputn(const char*, std::streamsize count) override {
        attempted += count;
        return 0;
    }
};

SimOptions Games(int64_t games, bool trace) {
    SimOptions options;
    options.games = games;
    options.trace = trace;
    return options;
}

TEST(PlayGames, StopsAtTheFirstFailedWrite) {
    for (const bool trace : {true, false}) {
        FailingOutput failing;
        std::ostream out(&failing);
        std::ostringstream err;
        // Far more games than the test could wait for: only stopping ends it.
        EXPECT_EQ(PlayGames(Games(trace ? 1'000'000'000 : 3, trace), out, err), 1);
        EXPECT_EQ(err.str(), "pipwick-sim: cannot write to standard output\n") << trace;
        EXPECT_GT(failing.attempted, 0);
        // One game's trace is a few kilobytes.
        EXPECT_LT(failing.attempted, 100'000);
    }
}

TEST(PlayGames, WritesTheSummaryAndTheRateWhenAllGoesWell) {
    std::ostringstream out, err;
    ASSERT_EQ(PlayGames(Games(2, false), out, err), 0);
    EXPECT_EQ(out.str().rfind("players           2\ngames             2\n", 0), 0u) << out.str();
    EXPECT_EQ(err.str().rfind("games per second: ", 0), 0u) << err.str();
}

// Partners' summary names the game and counts each pair's wins; the trace starts each game with
// its rules, and nothing scores during a play of Draw.
TEST(PlayGames, SaysWhichGameWasPlayedAndWhichPairWon) {
    SimOptions options = Games(3, true);
    options.players = 4;
    options.json = true;
    options.rules = {DominoGame::Draw, 1, 50};
    std::ostringstream out, err;
    ASSERT_EQ(PlayGames(options, out, err), 0);
    const std::string summary = err.str();
    EXPECT_EQ(summary.rfind(R"({"players":4,"game":"draw","partners":true,"target":50,)", 0), 0u)
        << summary;
    const size_t pairs = summary.find(R"("pairWins":[)");
    ASSERT_NE(pairs, std::string::npos) << summary;
    int first = -1, second = -1;
    ASSERT_EQ(std::sscanf(summary.c_str() + pairs, R"("pairWins":[%d,%d])", &first, &second), 2);
    EXPECT_EQ(first + second, 3);
    std::istringstream lines(out.str());
    std::string line;
    int games = 0;
    while (std::getline(lines, line)) {
        games += line == R"({"event":"game","game":"draw","partners":1,"target":50})";
        if (line.rfind(R"({"event":"play",)", 0) == 0) {
            EXPECT_NE(line.find(R"("score":0,"spinner":0})"), std::string::npos) << line;
        }
    }
    EXPECT_EQ(games, 3);
}

struct ContinueSavedGameTest : ::testing::Test {
    fs::path folder;

    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("pipwick-sim-open-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    // Writes bytes to a file and plays it on as `pipwick-sim --open FILE --json` would.
    int Continue(const std::vector<uint8_t>& bytes, std::string& out, std::string& err) {
        const fs::path path = folder / "game.dom";
        EXPECT_TRUE(WriteFileBytes(path, bytes));
        SimOptions options;
        options.open = path.string();
        options.json = true;
        std::ostringstream outStream, errStream;
        const int code = ContinueSavedGame(options, outStream, errStream);
        out = outStream.str();
        err = errStream.str();
        return code;
    }
};

TEST_F(ContinueSavedGameTest, PlaysTheSavedGameToItsEnd) {
    const SavedGameImage image = BuildSavedGameImage(testing::HandWithFiveFiveToPlay());
    std::string out, err;
    ASSERT_EQ(Continue({image.begin(), image.end()}, out, err), 0) << err;
    EXPECT_EQ(err, "");
    // The saved hand counts; the winner is one of the two players the file has.
    EXPECT_EQ(out.rfind(R"({"players":2,"games":1,"hands":)", 0), 0u) << out;
    const bool humanWon = out.find(R"("wins":[1,0,0,0])") != std::string::npos;
    const bool computerWon = out.find(R"("wins":[0,0,1,0])") != std::string::npos;
    EXPECT_TRUE(humanWon != computerWon) << out;
}

TEST_F(ContinueSavedGameTest, RefusesWhatOpenRefuses) {
    const SavedGameImage good = BuildSavedGameImage(testing::HandWithFiveFiveToPlay());
    const SavedGameImage sideArm = testing::SideArmOpenWithoutSpinner();
    const SavedGameImage deck = testing::TileTwiceInTheDeck();
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        const char* why;
    } cases[] = {
        {"side arm open without a spinner",
         {sideArm.begin(), sideArm.end()},
         "a side arm open before the spinner's sides"},
        {"a tile twice in the deck",
         {deck.begin(), deck.end()},
         "the deck does not hold every tile once"},
        {"one byte short",
         {good.begin(), good.end() - 1},
         "the file is neither 462 nor 469 bytes long"},
        {"empty", {}, "the file is neither 462 nor 469 bytes long"},
    };
    for (const auto& c : cases) {
        std::string out, err;
        EXPECT_EQ(Continue(c.bytes, out, err), 1) << c.name;
        EXPECT_EQ(err, std::string("Can't open game!\npipwick-sim: ") + c.why + "\n") << c.name;
        EXPECT_EQ(out, "") << c.name;
    }
}

TEST_F(ContinueSavedGameTest, RefusesAMissingFile) {
    SimOptions options;
    options.open = (folder / "no such game.dom").string();
    std::ostringstream out, err;
    EXPECT_EQ(ContinueSavedGame(options, out, err), 1);
    EXPECT_EQ(err.str(), "Can't open game!\npipwick-sim: the file cannot be read\n");
}

}  // namespace
}  // namespace pipwick
