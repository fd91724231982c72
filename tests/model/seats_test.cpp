#include <gtest/gtest.h>

#include "model/game_state.h"

namespace pipwick {
namespace {

TEST(Seats, PlayersOneAndThreeAlwaysPlayTwoAndFourJoinInTurn) {
    const bool plays[3][5] = {{false, true, false, true, false},
                              {false, true, true, true, false},
                              {false, true, true, true, true}};
    for (int32_t count = 2; count <= 4; ++count) {
        GameState state{};
        state.PlayerCount = count;
        for (int player = 1; player <= 4; ++player) {
            EXPECT_EQ(TakesPart(count, player), plays[count - 2][player]) << count << " " << player;
            EXPECT_EQ(TakesPart(state, player), plays[count - 2][player]) << count << " " << player;
        }
    }
}

// An empty hand counts only for a player in the game: the seats left out have no tiles either.
TEST(Seats, OnlyAPlayerInTheGameGoesOut) {
    struct Case {
        int32_t playerCount;
        int emptyHand;  // 0: every player in the game holds a tile
        int wentOut;
    };
    const Case cases[] = {{2, 0, 0}, {2, 3, 3}, {3, 2, 2}, {4, 4, 4}, {4, 1, 1}};
    for (const Case& c : cases) {
        GameState state{};
        ResetGameState(state);
        state.PlayerCount = c.playerCount;
        for (int player = 1; player <= 4; ++player) {
            if (TakesPart(state, player) && player != c.emptyHand) {
                state.Hand[player][0] = 5;
            }
        }
        EXPECT_EQ(PlayerWhoWentOut(state), c.wentOut) << c.playerCount << " " << c.emptyHand;
        EXPECT_EQ(SomeoneWentOut(state), c.wentOut != 0);
        EXPECT_EQ(EndedBlocked(state), c.wentOut == 0);
    }
}

TEST(Seats, EveryonePassedOnceEachPlayerInTurnHasPassed) {
    GameState state{};
    state.PlayerCount = 3;
    state.ConsecutivePasses = 2;
    EXPECT_FALSE(EveryonePassed(state));
    state.ConsecutivePasses = 3;
    EXPECT_TRUE(EveryonePassed(state));
}

}  // namespace
}  // namespace pipwick
