#include "ai/expert_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <random>
#include <vector>

#include "ai/computer_player.h"
#include "engine/rule_playout.h"
#include "tests/ai/game_positions.h"

namespace pipwick {
namespace {

int LegalPlays(const GameState& state, int seat) {
    int count = 0;
    for (int slot = 0; slot < HandCount(state, seat); ++slot) {
        for (int32_t pip : state.ArmOpenPip) {
            count += Shows(state.Hand[seat][slot], pip) ? 1 : 0;
        }
    }
    return TableIsEmpty(state) ? HandCount(state, seat) : count;
}

// The same game with the tiles the seat cannot see dealt differently: the other hands keep their
// sizes and the bone pile its size, so nothing the seat may know has changed.
GameState WithHiddenTilesPermuted(const GameState& state, int seat, std::mt19937_64& random) {
    std::vector<int32_t> hidden;
    for (int player = 1; player <= 4; ++player) {
        for (int slot = 0; player != seat && slot < HandCount(state, player); ++slot) {
            hidden.push_back(state.Hand[player][slot]);
        }
    }
    for (int p = state.BonePileNext; p < kDeckSize; ++p) {
        hidden.push_back(state.Deck[p]);
    }
    std::shuffle(hidden.begin(), hidden.end(), random);
    GameState permuted = state;
    size_t next = 0;
    for (int player = 1; player <= 4; ++player) {
        for (int slot = 0; player != seat && slot < HandCount(state, player); ++slot) {
            permuted.Hand[player][slot] = hidden[next++];
        }
    }
    for (int p = state.BonePileNext; p < kDeckSize; ++p) {
        permuted.Deck[p] = hidden[next++];
    }
    return permuted;
}

Play ExpertMove(GameState state, int seat) {
    Settings settings;
    settings.PlayerLevel[seat] = static_cast<int32_t>(Level::Expert);
    const Geometry geometry = MakeGeometry(1.0, 640, 480);
    SilentView view;
    InstantClock clock;
    DerivedSeeds seeds(1);
    Game game(state, settings, geometry, view, clock, seeds);
    return game.ChooseComputerMove(seat);
}

TEST(ExpertPlayer, MovesTheSameWhateverTheTilesItCannotSee) {
    std::mt19937_64 random(9);
    int decisions = 0;
    for (int32_t players : {2, 3, 4}) {
        const std::vector<GameState> positions = AdvancedGamePositions(players, 1, 70 + players);
        for (size_t i = 0; i < positions.size(); i += 3) {
            const GameState& state = positions[i];
            const int seat = state.CurrentPlayer;
            if (LegalPlays(state, seat) < 2) {
                continue;
            }
            const GameState other = WithHiddenTilesPermuted(state, seat, random);
            if (std::memcmp(&state, &other, sizeof(GameState)) == 0) {
                continue;  // too few hidden tiles to tell deals apart
            }
            const Play mine = ExpertMove(state, seat);
            const Play theirs = ExpertMove(other, seat);
            EXPECT_EQ(mine, theirs) << players << " players, position " << i;
            ++decisions;
        }
    }
    EXPECT_GT(decisions, 20);
}

TEST(ExpertPlayer, PlaysOnlyWhatFitsAndPassesOnNothing) {
    for (const GameState& state : AdvancedGamePositions(3, 1, 17)) {
        const int seat = state.CurrentPlayer;
        const Play play = ExpertMove(state, seat);
        if (LegalPlays(state, seat) == 0) {
            EXPECT_EQ(play.slot, kEmptySlot);
            continue;
        }
        ASSERT_LT(play.slot, HandCount(state, seat));
        ASSERT_GE(play.arm, 0);
        ASSERT_LT(play.arm, kArmCount);
        if (!TableIsEmpty(state)) {
            EXPECT_TRUE(Shows(state.Hand[seat][play.slot], state.ArmOpenPip[play.arm]));
        }
    }
}

// A hand played out stops at its end: the table stays as the hand left it and no tile is dealt
// again. The playout the Expert asks runs on a copy and leaves the game it was given untouched.
TEST(RulePlayout, PlaysToTheEndOfTheHandOnACopy) {
    const Geometry geometry = MakeGeometry(1.0, 640, 480);
    RulePlayout playout(geometry);
    Settings advanced;
    std::fill(std::begin(advanced.PlayerLevel), std::end(advanced.PlayerLevel),
              static_cast<int32_t>(Level::Advanced));
    SilentView view;
    InstantClock clock;
    DerivedSeeds seeds(1);
    int handsEnded = 0;
    for (const GameState& state : AdvancedGamePositions(2, 1, 3)) {
        const int seat = state.CurrentPlayer;
        const Play play = ExpertMove(state, seat);
        if (play.slot == kEmptySlot) {
            continue;
        }
        GameState played = state;
        Game game(played, advanced, geometry, view, clock, seeds);
        game.PlayOutHand(seat, play);
        const bool someoneOut = played.Hand[1][0] == kNoTile || played.Hand[3][0] == kNoTile;
        const bool blocked = played.ConsecutivePasses >= played.PlayerCount;
        EXPECT_TRUE(played.GameInProgress == 0 || someoneOut || blocked);
        EXPECT_FALSE(TableIsEmpty(played));
        handsEnded += played.GameInProgress == 1 ? 1 : 0;

        const GameState before = state;
        const PlayoutOutcome outcome = playout.PlayOut(state, seat, play);
        ASSERT_EQ(std::memcmp(&before, &state, sizeof(GameState)), 0);
        for (int player = 1; player <= 4; ++player) {
            EXPECT_EQ(outcome.Scores[player], played.Scores[player]);
        }
        EXPECT_EQ(outcome.Winner, played.GameInProgress == 0 ? GameWinner(played) : 0);
    }
    EXPECT_GT(handsEnded, 10);
}

}  // namespace
}  // namespace pipwick
