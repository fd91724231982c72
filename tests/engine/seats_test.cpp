// Seats with controllers: the turns stop at every person's seat and only there, each person moves
// through the commands for his own seat, and a blocked round of passes ends wherever it completes.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "engine/computer_choice.h"
#include "model/rules.h"
#include "tests/engine/test_table.h"
#include "tests/support/same_state.h"
#include "tests/support/seatings.h"

namespace pipwick {
namespace {

// The moves of the game as its log tells them, up to the end of the first hand.
class PassLog : public PlayLog {
  public:
    std::vector<std::string> moves;
    void Passed(int player) override { moves.push_back("pass " + std::to_string(player)); }
    void HandEnded(int32_t, int, int32_t) override { moves.push_back("end"); }
    bool HandOver() const { return !moves.empty() && moves.back() == "end"; }
};

TEST(Seats, WholeGamesStopOnlyAtPeopleWhoseCommandsAloneMove) {
    const std::initializer_list<int> kPeople[] = {{}, {1}, {3}, {1, 3}, {2, 4}, {1, 2, 3, 4}};
    for (int32_t game = 0; IsDominoGame(game); ++game) {
        for (int players = 2; players <= 4; ++players) {
            for (const auto& people : kPeople) {
                const Seats seats = PeopleAt(people);
                TestTable table(players);
                table.settings.Game = game;
                table.game.SeatPlayers(seats);
                table.game.NewGame();
                GameState& s = table.state;
                const std::string where = "game " + std::to_string(game) + ", " +
                                          std::to_string(players) + " players, " +
                                          std::to_string(people.size()) + " people";
                for (int moves = 0; s.GameInProgress == 1; ++moves) {
                    ASSERT_LT(moves, 3000) << where;
                    const int seat = s.CurrentPlayer;
                    ASSERT_TRUE(IsPerson(seats, seat) && TakesPart(s, seat)) << where;
                    const GameState before = s;
                    for (int other = 0; other <= 5; ++other) {
                        if (other != seat) {
                            EXPECT_FALSE(table.game.PersonDrawsOrPasses(other)) << where;
                            EXPECT_FALSE(table.game.PersonPlays(other, 0, 0)) << where;
                        }
                    }
                    ASSERT_TRUE(SameState(s, before)) << where;
                    const Play play = table.game.ChooseComputerMove(seat);
                    ASSERT_TRUE(play.slot == kEmptySlot
                                    ? table.game.PersonDrawsOrPasses(seat)
                                    : table.game.PersonPlays(seat, play.slot, play.arm))
                        << where;
                }
                EXPECT_TRUE(TargetReached(s)) << where;
                EXPECT_EQ(s.CurrentPlayer, 0) << where;
            }
        }
    }
}

TEST(Seats, APersonsPlayIsRefusedWithNothingChangedUnlessItIsHisAndFits) {
    struct Case {
        std::initializer_list<int> people;
        int seat, slot, arm;
        const char* why;
    };
    for (const Case& c : {
             Case{{1, 3}, 3, 0, 0, "not his turn"},
             Case{{3}, 1, 1, 0, "a computer player's seat"},
             Case{{1, 3}, 1, 2, 0, "an empty slot"},
             Case{{1, 3}, 1, -1, 0, "a slot before the first"},
             Case{{1, 3}, 1, kHandSlots, 0, "a slot after the last"},
             Case{{1, 3}, 1, 1, -1, "an arm before the first"},
             Case{{1, 3}, 1, 1, kArmCount, "an arm after the last"},
             Case{{1, 3}, 1, 0, 0, "a tile that does not fit"},
         }) {
        TestTable table(2);
        table.game.SeatPlayers(PeopleAt(c.people));
        table.StartEmptyHand();
        table.Lay(0, T(6, 6));
        table.Hand(1, {T(0, 1), T(6, 1)});
        table.Hand(3, {T(6, 3)});
        const GameState before = table.state;
        EXPECT_FALSE(table.game.PersonPlays(c.seat, c.slot, c.arm)) << c.why;
        EXPECT_TRUE(SameState(table.state, before)) << c.why;
    }
    // The same hand's good play: it lies on the table and the turn waits at the other person.
    TestTable table(2);
    table.game.SeatPlayers(PeopleAt({1, 3}));
    table.StartEmptyHand();
    table.Lay(0, T(6, 6));
    table.Hand(1, {T(0, 1), T(6, 1)});
    table.Hand(3, {T(6, 3)});
    ASSERT_TRUE(table.game.PersonPlays(1, 1, 0));
    EXPECT_EQ(table.state.Arm[0][1].Tile, T(6, 1));
    EXPECT_EQ(table.state.CurrentPlayer, 3);
    EXPECT_EQ(HandCount(table.state, 3), 1);
}

TEST(Seats, ABlockedRoundEndsAtThePassThatCompletesItUnlessAComputerPlayerSitsNext) {
    struct Case {
        int players;
        std::initializer_list<int> people;
        int first;
        std::vector<std::string> moves;
    };
    for (const Case& c : {
             // The one-person game: the human's pass leaves the end to the computer after him.
             Case{2, {1}, 3, {"pass 3", "pass 1", "pass 3", "end"}},
             Case{2, {1, 3}, 1, {"pass 1", "pass 3", "end"}},
             Case{3, {1, 2}, 2, {"pass 2", "pass 3", "pass 1", "end"}},
             Case{3, {1, 2}, 3, {"pass 3", "pass 1", "pass 2", "pass 3", "end"}},
             Case{4, {1, 2, 3, 4}, 4, {"pass 4", "pass 1", "pass 2", "pass 3", "end"}},
         }) {
        TestTable table(c.players);
        const Seats seats = PeopleAt(c.people);
        table.game.SeatPlayers(seats);
        PassLog log;
        table.game.RecordTo(log);
        table.StartEmptyHand(c.first);
        for (int player = 1; player <= 4; ++player) {
            table.Hand(player, {T(0, player)});
        }
        table.Lay(0, T(6, 6));
        table.steps.AfterPlay(2);
        table.state.CurrentPlayer = c.first;
        for (int turns = 0; !log.HandOver() && turns < 10; ++turns) {
            const int seat = table.state.CurrentPlayer;
            if (IsPerson(seats, seat)) {
                ASSERT_TRUE(table.game.PersonDrawsOrPasses(seat));
            } else {
                table.steps.ComputerTurn(seat);
            }
        }
        EXPECT_EQ(log.moves, c.moves) << c.players << " players, first " << c.first;
    }
}

TEST(Seats, AComputerPlayerKnowsTheLevelsOfTheOtherComputersOnly) {
    GameState state;
    ResetGameState(state);
    state.PlayerCount = 4;
    const int32_t levels[5] = {0, 2, 1, 0, 2};
    const SeatLevels known = ComputerSeatLevels(state, PeopleAt({1, 3}), levels);
    EXPECT_EQ((std::vector<bool>(known.Known + 1, known.Known + 5)),
              (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(known.Of[4], Level::Expert);
}

}  // namespace
}  // namespace pipwick
