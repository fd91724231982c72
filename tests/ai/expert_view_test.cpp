#include "ai/expert_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "ai/computer_player.h"
#include "tests/ai/game_positions.h"

namespace pipwick {

namespace {

// What the viewer's state holds once a deal has filled in the hands and the pile it cannot see,
// here the true ones, with the player to move that the game has.
GameState RebuiltFor(const GameState& game, int viewer) {
    GameState state;
    FillPublicState(MakeExpertView(game, viewer), state);
    for (int player = 1; player <= 4; ++player) {
        if (player != viewer) {
            std::copy(std::begin(game.Hand[player]), std::end(game.Hand[player]),
                      state.Hand[player]);
        }
    }
    std::copy(std::begin(game.Deck), std::end(game.Deck), state.Deck);
    state.CurrentPlayer = game.CurrentPlayer;
    return state;
}

}  // namespace

// The Expert plays its moves out on the state it rebuilds from what it sees. Where nothing scores
// during play an Advanced player steers toward the pips he saw the next player lack, so that state
// must keep the hand's history, or the playouts would have him choose otherwise than he will.
TEST(ExpertView, RebuildsAStateInWhichEveryAdvancedPlayerChoosesAsInTheGame) {
    for (DominoGame game : {DominoGame::Draw, DominoGame::Block}) {
        int historyMattered = 0;
        for (const GameState& position :
             AdvancedGamePositions(2, 6, 41, {game, 0, kDefaultTarget})) {
            const int mover = position.CurrentPlayer;
            const int viewer = mover == 1 ? 3 : 1;
            GameState rebuilt = RebuiltFor(position, viewer);
            const Play chosen = ChooseComputerPlay(position, position.Hand[mover], Level::Advanced);
            EXPECT_EQ(ChooseComputerPlay(rebuilt, rebuilt.Hand[mover], Level::Advanced), chosen);
            rebuilt.History.Count = 0;
            historyMattered +=
                ChooseComputerPlay(rebuilt, rebuilt.Hand[mover], Level::Advanced) != chosen ? 1 : 0;
        }
        EXPECT_GT(historyMattered, 0) << "no position turned on the history";
    }
}

}  // namespace pipwick
