#include "engine/undo_history.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/engine/human_seat.h"
#include "tests/support/same_state.h"

namespace pipwick {
namespace {

struct UndoTable {
    TestTable table;
    UndoHistory history;

    UndoTable(int players, uint32_t seed, DominoGame game = DominoGame::AllFives) : table(players) {
        table.seeds.seed = seed;
        table.settings.Game = static_cast<int32_t>(game);
        table.settings.Partners = 1;
        table.game.RecordTo(history);
        table.game.NewGame();
    }

    void Move() {
        history.BeginAction(table.state, "before");
        MakeFirstFittingMove(table);
        history.EndAction();
    }
};

// Over whole games: every move that leaves its hand running can be taken back, the states come
// back in reverse order exactly as they were, and playing the same moves again reaches the same
// game. A move that ends a hand or the game leaves nothing to take back. Every game is played,
// four players as partners.
TEST(UndoHistory, TakesEveryMoveOfAHandBackAndReplayingReachesTheSameGame) {
    int undone = 0;
    int handEnds = 0;
    for (int kind = 0; kind < 3 * 3; ++kind) {
        const DominoGame game = static_cast<DominoGame>(kind / 3);
        const int players = 2 + kind % 3;
        for (uint32_t seed = 1; seed <= 12; ++seed) {
            UndoTable t(players, seed * 7919, game);
            GameState& s = t.table.state;
            std::vector<GameState> before;
            for (int moves = 0; HumansTurn(s) && moves < 400; ++moves) {
                before.push_back(s);
                t.Move();
                if (!t.history.CanUndo()) {
                    ++handEnds;
                    before.clear();
                    continue;
                }
                // Every third move, go back to the start of the hand and play it all again.
                if (moves % 3 != 0) {
                    continue;
                }
                const GameState reached = s;
                for (auto it = before.rbegin(); it != before.rend(); ++it) {
                    ASSERT_TRUE(t.history.CanUndo());
                    const UndoHistory::Point point = t.history.TakeLast();
                    ASSERT_TRUE(SameState(point.state, *it))
                        << "game " << kind / 3 << " players " << players << " seed " << seed;
                    s = point.state;
                    ++undone;
                }
                EXPECT_FALSE(t.history.CanUndo());
                for (size_t i = 0; i < before.size(); ++i) {
                    t.Move();
                }
                ASSERT_TRUE(SameState(s, reached))
                    << "game " << kind / 3 << " players " << players << " seed " << seed;
            }
        }
    }
    EXPECT_GT(undone, 3000);
    EXPECT_GT(handEnds, 90);
}

TEST(UndoHistory, OnlyAMoveCountsAndANewGameForgetsEverything) {
    UndoTable t(2, 11);
    GameState& s = t.table.state;
    ASSERT_TRUE(HumansTurn(s));
    t.Move();
    ASSERT_TRUE(t.history.CanUndo());
    const GameState afterMove = s;

    // Picking a tile up is no move.
    UndoHistory::Point kept = t.history.TakeLast();
    t.history.BeginAction(s, "pick");
    t.table.game.HumanClicksHandTile(0);
    t.history.EndAction();
    EXPECT_FALSE(t.history.CanUndo());

    // Nor is a refused drop: find a tile and an arm the game refuses.
    s = afterMove;
    bool refusedOne = false;
    for (int slot = 0; slot < HandCount(s, 1) && !refusedOne; ++slot) {
        for (int arm = 0; arm < kArmCount && !refusedOne; ++arm) {
            if (!s.ArmDropRect[arm].IsEmpty() &&
                !TryHumanPlay(s, t.table.geometry, s.Hand[1][slot], arm).accepted) {
                t.history.BeginAction(s, "refused");
                t.table.game.HumanClicksHandTile(slot);
                t.table.game.HumanPlaysOnArm(arm);
                t.history.EndAction();
                refusedOne = true;
            }
        }
    }
    EXPECT_TRUE(refusedOne);
    EXPECT_FALSE(t.history.CanUndo());

    t.history.BeginAction(kept.state, kept.status);
    s = kept.state;
    t.Move();
    ASSERT_TRUE(t.history.CanUndo());
    t.table.game.NewGame();
    EXPECT_FALSE(t.history.CanUndo());
}

TEST(UndoHistory, TheMoveThatEndsTheGameCannotBeTakenBack) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        UndoTable t(2, seed);
        GameState& s = t.table.state;
        s.Scores[1] = kAllFivesTarget - 5;
        s.Scores[3] = kAllFivesTarget - 5;
        bool couldUndoBeforeTheEnd = false;
        while (HumansTurn(s)) {
            couldUndoBeforeTheEnd = t.history.CanUndo();
            t.Move();
        }
        ASSERT_EQ(s.GameInProgress, 0);
        EXPECT_FALSE(t.history.CanUndo()) << "seed " << seed;
        if (couldUndoBeforeTheEnd) {
            return;
        }
    }
    ADD_FAILURE() << "no game ended on a move made with moves to take back";
}

}  // namespace
}  // namespace pipwick
