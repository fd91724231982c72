// A chair's own game of a network table: played from his news alone, it shows at every move what
// the table's game shows him, and a computer player choosing on it chooses what it would choose
// on the table's true state.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "model/rules.h"
#include "network/chair_replay.h"
#include "network/server_table.h"
#include "savegame/consistency_check.h"
#include "tests/support/line_log.h"
#include "tests/support/same_state.h"
#include "tests/support/seatings.h"

namespace pipwick {
namespace {

const Geometry kGeometry = MakeGeometry(1.0, 1024, 768);

struct TableKind {
    int32_t game;
    int players;
    int32_t partners;
};

// Every game with two, three and four players, and with partners at four.
std::vector<TableKind> EveryTableKind() {
    std::vector<TableKind> kinds;
    for (const GameKindRow& row : kGameKinds) {
        const int32_t game = static_cast<int32_t>(row.game);
        for (const TableKind kind : {TableKind{game, 2, 0}, TableKind{game, 3, 0},
                                     TableKind{game, 4, 0}, TableKind{game, 4, 1}}) {
            kinds.push_back(kind);
        }
    }
    return kinds;
}

GameSettings SettingsOf(const TableKind& kind, Level level) {
    GameSettings settings;
    settings.Game = kind.game;
    settings.Partners = kind.partners;
    settings.PlayDelay = 0;
    for (int32_t& seat : settings.PlayerLevel) {
        seat = static_cast<int32_t>(level);
    }
    return settings;
}

// One player's side of the table: his own game, which only his news moves.
struct Chair {
    Chair(int seat, int players, Level level) : replay(game, state, seat, players) {
        ResetGameState(state);
        settings.PlayerLevel[kHumanSeat] = static_cast<int32_t>(level);
    }
    GameState state;
    GameSettings settings;
    SilentView view;
    InstantClock clock;
    NoDeals seeds;
    Game game{state, settings, kGeometry, view, clock, seeds};
    ChairReplay replay;
};

struct NetworkTable {
    NetworkTable(const TableKind& kind, Level level) {
        TableSetup setup;
        setup.Players = kind.players;
        setup.Settings = SettingsOf(kind, level);
        setup.People = PeopleAt({1, 2, 3, 4});
        table = std::make_unique<ServerTable>(setup, clock, seeds);
        table->RecordTo(served);
        for (int seat = 1; seat <= 4; ++seat) {
            if (TakesPart(kind.players, seat)) {
                chairs[seat] = std::make_unique<Chair>(seat, kind.players, level);
            }
        }
    }

    void Deliver() {
        for (int seat = 1; seat <= 4; ++seat) {
            for (const ChairNews& news : table->TakeNews(seat)) {
                chairs[seat]->replay.Take(news);
            }
        }
    }

    // The chair to play chooses on his own game and sends it; false when the table refuses it.
    bool MoveOnce() {
        Chair& chair = *chairs[table->ToPlay()];
        const ChairMove move = chair.replay.MoveOf(chair.game.ChooseComputerMove(kHumanSeat));
        if (table->Move(table->ToPlay(), move) != MoveVerdict::kTaken) {
            return false;
        }
        Deliver();
        return true;
    }

    InstantClock clock;
    CountingSeeds seeds;
    LineLog served;
    std::unique_ptr<ServerTable> table;
    std::unique_ptr<Chair> chairs[5];
};

// What seat's player sees of the table's game, held against his own game: the scores, the board,
// every hand's count, his own hand slot for slot, whose turn it is. His game must also be one a
// real game could reach, every tile in one place.
testing::AssertionResult SeesTheTable(const ServerTable& table, const Chair& chair, int seat) {
    const ChairReplay& replay = chair.replay;
    const GameState& truth = table.State();
    const GameState& own = chair.state;
    if (replay.Broken()) {
        return testing::AssertionFailure() << "broken: " << replay.WhyBroken();
    }
    if (own.GameInProgress != truth.GameInProgress ||
        own.CurrentPlayer != replay.LocalSeat(truth.CurrentPlayer) ||
        replay.MyTurn() != (table.ToPlay() == seat)) {
        return testing::AssertionFailure() << "the turn differs";
    }
    for (int server = 1; server <= 4; ++server) {
        const int local = replay.LocalSeat(server);
        if (local != 0 && (own.Scores[local] != truth.Scores[server] ||
                           HandCount(own, local) != HandCount(truth, server))) {
            return testing::AssertionFailure() << "seat " << server << "'s score or count differs";
        }
    }
    for (int slot = 0; slot < kHandSlots; ++slot) {
        if (own.Hand[kHumanSeat][slot] != truth.Hand[seat][slot]) {
            return testing::AssertionFailure() << "the chair's hand differs at slot " << slot;
        }
    }
    if (own.BonePileNext != truth.BonePileNext || own.SpinnerState != truth.SpinnerState) {
        return testing::AssertionFailure() << "the bone pile or the spinner differs";
    }
    for (int arm = 0; arm < kArmCount; ++arm) {
        if (own.ArmOpenPip[arm] != truth.ArmOpenPip[arm]) {
            return testing::AssertionFailure() << "arm " << arm << "'s open pip differs";
        }
        for (int r = 0; r < kArmLength; ++r) {
            const PlacedTile& a = own.Arm[arm][r];
            const PlacedTile& b = truth.Arm[arm][r];
            if (a.Tile != b.Tile || a.InnerPip != b.InnerPip || a.OuterPip != b.OuterPip) {
                return testing::AssertionFailure() << "arm " << arm << " differs at " << r;
            }
        }
    }
    if (const SavedGameError error = CheckConsistency(own); error != SavedGameError::kNone) {
        return testing::AssertionFailure() << "inconsistent: " << static_cast<int>(error);
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult EveryChairSeesTheTable(const NetworkTable& t) {
    for (int seat = 1; seat <= 4; ++seat) {
        if (t.chairs[seat] != nullptr) {
            if (auto result = SeesTheTable(*t.table, *t.chairs[seat], seat); !result) {
                return result << " (chair " << seat << ")";
            }
        }
    }
    return testing::AssertionSuccess();
}

// The one-person game's moves for the same seeds, a computer player at level in every seat. Its
// passes are left out: a table of people ends a blocked hand one pass sooner.
std::vector<std::string> OnePersonMoves(const TableKind& kind, Level level) {
    GameState state;
    ResetGameState(state);
    state.PlayerCount = kind.players;
    const GameSettings settings = SettingsOf(kind, level);
    SilentView view;
    InstantClock clock;
    CountingSeeds seeds;
    Game game(state, settings, kGeometry, view, clock, seeds);
    LineLog log;
    game.RecordTo(log);
    game.NewGame();
    for (int moves = 0; state.GameInProgress == 1 && moves < 5000; ++moves) {
        MakeHumanPlay(game, game.ChooseComputerMove(kHumanSeat));
    }
    return log.lines;
}

std::vector<std::string> WithoutPasses(const std::vector<std::string>& lines) {
    std::vector<std::string> kept;
    for (const std::string& line : lines) {
        if (line.rfind("passes", 0) != 0) {
            kept.push_back(line);
        }
    }
    return kept;
}

TEST(ChairReplay, EveryChairPlaysTheTablesWholeGameFromItsNews) {
    for (Level level : {Level::Beginner, Level::Advanced}) {
        for (const TableKind& kind : EveryTableKind()) {
            const std::string where = "game " + std::to_string(kind.game) + ", " +
                                      std::to_string(kind.players) + " players, partners " +
                                      std::to_string(kind.partners) + ", level " +
                                      std::to_string(static_cast<int>(level));
            NetworkTable t(kind, level);
            t.table->NewGame();
            t.Deliver();
            ASSERT_TRUE(EveryChairSeesTheTable(t)) << where;
            for (int moves = 0; t.table->ToPlay() != 0; ++moves) {
                ASSERT_LT(moves, 5000) << where;
                ASSERT_TRUE(t.MoveOnce()) << where << ", move " << moves;
                ASSERT_TRUE(EveryChairSeesTheTable(t)) << where << ", move " << moves;
            }
            for (int seat = 1; seat <= 4; ++seat) {
                if (t.chairs[seat] != nullptr) {
                    EXPECT_TRUE(t.chairs[seat]->replay.GameEnded()) << where;
                    EXPECT_EQ(t.chairs[seat]->replay.ServerWinner(), GameWinner(t.table->State()))
                        << where;
                }
            }
            EXPECT_GT(t.served.lines.size(), 20u) << where;
            EXPECT_EQ(WithoutPasses(t.served.lines), WithoutPasses(OnePersonMoves(kind, level)))
                << where;
        }
    }
}

// The number of passes in a row before each blocked hand's end, from a chair's news.
int LongestPassesBeforeAnEnd(const std::vector<ChairNews>& told) {
    int longest = 0;
    int run = 0;
    for (const ChairNews& news : told) {
        if (news.kind == NewsKind::kHandEnded && run > longest) {
            longest = run;
        }
        run = news.kind == NewsKind::kPassed ? run + 1 : 0;
    }
    return longest;
}

TEST(ChairReplay, FollowsAChairThatAComputerPlayerKeeps) {
    // A computer player after a person ends a blocked hand one pass later than a person would;
    // each chair's game, all people, ends it at once and lets that pass go.
    bool passedAfterTheEnd = false;
    for (int players = 2; players <= 4; ++players) {
        for (int32_t game :
             {static_cast<int32_t>(DominoGame::Block), static_cast<int32_t>(DominoGame::Draw)}) {
            const int gone = players == 2 ? 3 : 2;
            NetworkTable t({game, players, 0}, Level::Advanced);
            ASSERT_TRUE(t.table->StandIn(gone));
            t.table->NewGame();
            t.Deliver();
            for (int moves = 0; t.table->ToPlay() != 0; ++moves) {
                ASSERT_LT(moves, 5000);
                ASSERT_TRUE(t.MoveOnce()) << players << " players, move " << moves;
                ASSERT_TRUE(EveryChairSeesTheTable(t)) << players << " players, move " << moves;
            }
            for (int seat = 1; seat <= 4; ++seat) {
                if (t.chairs[seat] != nullptr) {
                    EXPECT_TRUE(t.chairs[seat]->replay.StoodIn(gone));
                    EXPECT_FALSE(t.chairs[seat]->replay.StoodIn(1));
                }
            }
            passedAfterTheEnd =
                passedAfterTheEnd || LongestPassesBeforeAnEnd(t.table->Told(1)) > players;
        }
    }
    EXPECT_TRUE(passedAfterTheEnd);
}

ChairNews Item(NewsKind kind, int seat, int32_t tile = kNoTile, int arm = 0) {
    ChairNews news;
    news.kind = kind;
    news.seat = seat;
    news.tile = tile;
    news.arm = arm;
    return news;
}

TEST(ChairReplay, AnItemThatContradictsTheChairsGameBreaksItAndChangesNothing) {
    const TableKind kind{static_cast<int32_t>(DominoGame::Draw), 3, 0};
    NetworkTable t(kind, Level::Advanced);
    t.table->NewGame();
    t.Deliver();
    // On until seat 2 is to play with tiles on the table.
    while (TableIsEmpty(t.table->State()) || t.table->ToPlay() != 2) {
        ASSERT_TRUE(t.MoveOnce());
    }
    const GameState& truth = t.table->State();
    int openArm = 0;
    while (truth.ArmOpenPip[openArm] == kNoPip) {
        ++openArm;
    }
    // A tile of seat 2's that fits: right but for whose it is or when it comes.
    int32_t fits = kNoTile;
    for (int slot = 0; slot < HandCount(truth, 2); ++slot) {
        if (Shows(truth.Hand[2][slot], truth.ArmOpenPip[openArm])) {
            fits = truth.Hand[2][slot];
        }
    }
    ChairNews wrongScore = Item(NewsKind::kPlayScored, 1);
    wrongScore.points = 5;
    ChairNews deal = t.table->Told(1)[1];
    ChairNews shown = Item(NewsKind::kHandEnded, 2);
    struct Case {
        const char* what;
        ChairNews news;
    };
    const Case cases[] = {
        {"a tile the chair holds", Item(NewsKind::kTileLaid, 2, truth.Hand[1][0], openArm)},
        {"a tile on the table", Item(NewsKind::kTileLaid, 2, truth.Arm[0][0].Tile, openArm)},
        {"no tile", Item(NewsKind::kTileLaid, 2, 99, openArm)},
        {"no arm", Item(NewsKind::kTileLaid, 2, fits, 9)},
        {"out of turn", Item(NewsKind::kTileLaid, 3, fits, openArm)},
        {"a seat not at the table", Item(NewsKind::kTileDrawn, 4)},
        {"a score nothing scored", wrongScore},
        {"a deal mid-hand", deal},
        {"a hand's end mid-hand", shown},
        {"the game's end mid-game", Item(NewsKind::kGameEnded, 1)},
        {"a stand-in for nobody", Item(NewsKind::kStandIn, 4)},
    };
    for (const Case& c : cases) {
        // A player who comes back sees his chair again from all he was told.
        Chair chair(1, kind.players, Level::Advanced);
        for (const ChairNews& news : t.table->Told(1)) {
            chair.replay.Take(news);
        }
        ASSERT_TRUE(SeesTheTable(*t.table, chair, 1)) << c.what;
        const GameState before = chair.state;
        chair.replay.Take(c.news);
        EXPECT_TRUE(chair.replay.Broken()) << c.what;
        EXPECT_TRUE(SameState(chair.state, before)) << c.what;
        EXPECT_FALSE(chair.replay.MyTurn()) << c.what;
    }
}

}  // namespace
}  // namespace pipwick
