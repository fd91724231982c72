#include "sim/options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <vector>

namespace pipwick {
namespace {

bool Parse(std::vector<const char*> args, SimOptions& options) {
    args.insert(args.begin(), "pipwick-sim");
    std::string error;
    const bool ok = ParseSimOptions(static_cast<int>(args.size()), args.data(), options, error);
    EXPECT_EQ(ok, error.empty());
    return ok;
}

TEST(SimOptions, ReadsEveryOption) {
    SimOptions o;
    ASSERT_TRUE(Parse({"--games", "12", "--players", "4", "--levels", "0,1,0,1", "--seed", "99",
                       "--scale", "1.5", "--json", "--trace"},
                      o));
    EXPECT_EQ(o.games, 12);
    EXPECT_EQ(o.players, 4);
    EXPECT_EQ(o.levels[1], 0);
    EXPECT_EQ(o.levels[2], 1);
    EXPECT_EQ(o.levels[4], 1);
    EXPECT_EQ(o.seed, 99u);
    EXPECT_EQ(o.scale, 1.5);
    EXPECT_TRUE(o.json);
    EXPECT_TRUE(o.trace);
}

// Seat 1 stands in for the human, a Beginner by default, against Advanced computer players.
TEST(SimOptions, DefaultsToABeginnerInSeatOne) {
    SimOptions o;
    ASSERT_TRUE(Parse({}, o));
    const int32_t levels[] = {0, 1, 1, 1};
    EXPECT_TRUE(std::equal(std::begin(levels), std::end(levels), o.levels + 1));
}

TEST(SimOptions, OpenTakesASavedGameAndNoGameCount) {
    SimOptions o;
    ASSERT_TRUE(Parse({"--open", "my game.dom", "--levels", "1,1,0,0", "--trace"}, o));
    EXPECT_EQ(o.open, "my game.dom");
    EXPECT_EQ(o.levels[3], 0);
}

TEST(SimOptions, ChoosesTheGamePartnersAndTarget) {
    struct Case {
        std::vector<const char*> args;
        GameRules rules;
    };
    const Case cases[] = {
        {{}, {}},
        {{"--game", "fives"}, {}},
        {{"--game", "draw"}, {DominoGame::Draw, 0, 100}},
        {{"--game", "block", "--target", "250"}, {DominoGame::Block, 0, 250}},
        {{"--target", "50", "--game", "draw"}, {DominoGame::Draw, 0, 50}},
        {{"--players", "4", "--partners"}, {DominoGame::AllFives, 1, 250}},
        {{"--partners", "--game", "block", "--players", "4"}, {DominoGame::Block, 1, 100}},
        {{"--game", "fives-threes"}, {DominoGame::FivesAndThrees, 0, 61}},
        {{"--game", "fives-threes", "--target", "121"}, {DominoGame::FivesAndThrees, 0, 121}},
    };
    for (const Case& c : cases) {
        SimOptions o;
        ASSERT_TRUE(Parse(c.args, o));
        EXPECT_EQ(o.rules, c.rules) << (c.args.empty() ? "" : c.args.back());
    }
}

TEST(SimOptions, RefusesBadValues) {
    const std::vector<std::vector<const char*>> bad = {
        {"--players", "5"},
        {"--players", "1"},
        {"--games", "0"},
        {"--games", "12x"},
        {"--levels", "0,1"},
        {"--levels", "0,1,1,1,1"},
        {"--levels", "0,-1,1,1"},
        {"--scale", "3"},
        {"--seed"},
        {"--colour", "red"},
        {"--seed", "-4"},
        {"--open", ""},
        {"--open", "a.dom", "--games", "3"},
        {"--open"},
        {"--snapshot", "t.bmp", "--open", "a.dom"},
        {"--game", "dominoes"},
        {"--game"},
        {"--game", "draw", "--target", "120"},
        {"--game", "draw", "--target", "-50"},
        {"--target", "100"},  // All Fives plays to 250
        {"--game", "fives-threes", "--target", "100"},
        {"--partners"},  // two players
        {"--partners", "--players", "3"},
        {"--open", "a.dom", "--game", "draw"},
        {"--open", "a.dom", "--partners"},
    };
    for (const auto& args : bad) {
        SimOptions o;
        EXPECT_FALSE(Parse(args, o)) << args.front();
    }
}

}  // namespace
}  // namespace pipwick
