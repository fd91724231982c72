// The server's table: it plays the one-person game's moves exactly as the engine does, takes a
// chair's move only when it is his and legal, and never tells a chair a tile he may not see.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "engine/computer_choice.h"
#include "model/rules.h"
#include "network/server_table.h"
#include "network/system_seeds.h"
#include "tests/support/line_log.h"
#include "tests/support/same_state.h"
#include "tests/support/seatings.h"

namespace pipwick {
namespace {

TableSetup TableOf(int32_t game, int players, const Seats& people) {
    TableSetup setup;
    setup.Players = players;
    setup.People = people;
    setup.Settings.Game = game;
    setup.Settings.Partners = players == 4 && game == 1 ? 1 : 0;
    setup.Settings.PlayDelay = 0;
    return setup;
}

const Geometry kGeometry = MakeGeometry(1.0, 1024, 768);
constexpr ChairMove kDrawOrPass{true, kNoTile, 0};

ChairMove Lay(int32_t tile, int arm) {
    return {false, tile, arm};
}

// What a computer player at level would do in seat's chair, as a move the chair sends.
ChairMove ChosenMove(const ServerTable& table, int seat, Level level) {
    const GameState& state = table.State();
    const Play play = ChooseAtLevel(state, kGeometry, seat, level);
    if (play.slot == kEmptySlot) {
        return kDrawOrPass;
    }
    return Lay(state.Hand[seat][play.slot], play.arm);
}

// Plays the game to its end, every person's move chosen at level; false when a move is refused.
bool PlayToTheEnd(ServerTable& table, Level level, void (*afterMove)(ServerTable&) = nullptr) {
    for (int moves = 0; table.ToPlay() != 0; ++moves) {
        const int seat = table.ToPlay();
        if (moves == 5000 ||
            table.Move(seat, ChosenMove(table, seat, level)) != MoveVerdict::kTaken) {
            return false;
        }
        if (afterMove != nullptr) {
            afterMove(table);
        }
    }
    return true;
}

TEST(ServerTable, PlaysTheOnePersonGameMoveForMoveAsTheEngine) {
    for (int32_t game = 0; IsDominoGame(game); ++game) {
        for (int players = 2; players <= 4; ++players) {
            const TableSetup setup = TableOf(game, players, Seats{});
            InstantClock clock;
            CountingSeeds tableSeeds;
            ServerTable table(setup, clock, tableSeeds);
            LineLog served;
            table.RecordTo(served);
            table.NewGame();
            ASSERT_TRUE(PlayToTheEnd(table, Level::Beginner)) << game << " " << players;

            GameState state;
            ResetGameState(state);
            state.PlayerCount = players;
            SilentView view;
            CountingSeeds seeds;
            Game local(state, setup.Settings, kGeometry, view, clock, seeds);
            LineLog played;
            local.RecordTo(played);
            local.NewGame();
            while (state.GameInProgress == 1) {
                MakeHumanPlay(local, local.ChooseComputerMove(kHumanSeat));
            }
            EXPECT_GT(served.lines.size(), 20u);
            EXPECT_EQ(served.lines, played.lines) << game << " " << players;
        }
    }
}

TEST(ServerTable, RefusesAMoveThatIsNotTheChairsOrNotLegalAndChangesNothing) {
    InstantClock clock;
    CountingSeeds seeds;
    ServerTable table(TableOf(0, 3, PeopleAt({1, 3})), clock, seeds);
    EXPECT_EQ(table.Move(1, kDrawOrPass), MoveVerdict::kNoGame);
    table.NewGame();
    // Play on until seat 1 is to play with a tile on the table.
    while (TableIsEmpty(table.State()) || table.ToPlay() != 1) {
        ASSERT_EQ(table.Move(table.ToPlay(), ChosenMove(table, table.ToPlay(), Level::Beginner)),
                  MoveVerdict::kTaken);
    }
    for (int seat = 1; seat <= 4; ++seat) {
        table.TakeNews(seat);
    }
    const GameState& s = table.State();
    int32_t misfit = kNoTile;
    for (int slot = 0; slot < HandCount(s, 1); ++slot) {
        if ((OpenPipMask(s) & (1 << LowPip(s.Hand[1][slot]) | 1 << HighPip(s.Hand[1][slot]))) ==
            0) {
            misfit = s.Hand[1][slot];
        }
    }
    int openArm = 0;
    while (s.ArmOpenPip[openArm] == kNoPip) {
        ++openArm;
    }
    struct Case {
        int seat;
        ChairMove move;
        MoveVerdict expected;
    };
    std::vector<Case> cases = {
        {3, kDrawOrPass, MoveVerdict::kNotYourTurn},
        {2, kDrawOrPass, MoveVerdict::kNotYourTurn},  // a computer player's seat
        {0, kDrawOrPass, MoveVerdict::kNotYourTurn},
        {5, kDrawOrPass, MoveVerdict::kNotYourTurn},
        {3, Lay(s.Hand[3][0], openArm), MoveVerdict::kNotYourTurn},
        {1, Lay(s.Hand[3][0], openArm), MoveVerdict::kNotYourTile},  // another's
        {1, Lay(s.Arm[0][0].Tile, openArm), MoveVerdict::kNotYourTile},
        {1, Lay(kNoTile, openArm), MoveVerdict::kNotYourTile},
        {1, Lay(-5, openArm), MoveVerdict::kNotYourTile},
        {1, Lay(29, openArm), MoveVerdict::kNotYourTile},
        {1, Lay(s.Hand[1][0], -1), MoveVerdict::kNoSuchArm},
        {1, Lay(s.Hand[1][0], kArmCount), MoveVerdict::kNoSuchArm},
    };
    if (misfit != kNoTile) {
        cases.push_back({1, Lay(misfit, openArm), MoveVerdict::kDoesNotFit});
    }
    for (const Case& c : cases) {
        const GameState before = s;
        EXPECT_EQ(table.Move(c.seat, c.move), c.expected) << c.seat << " " << c.move.tile;
        EXPECT_TRUE(SameState(s, before)) << c.seat << " " << c.move.tile;
        for (int seat = 1; seat <= 4; ++seat) {
            EXPECT_TRUE(table.TakeNews(seat).empty());
        }
    }
}

// The truth at each moment the chairs are told something: every hand as the table holds it.
class Truth : public PlayLog {
  public:
    struct Moment {
        NewsKind kind;
        int32_t tile = kNoTile;
        int32_t hands[5][kHandSlots] = {};
    };
    explicit Truth(const ServerTable& table) : table_(table) {}
    std::vector<Moment> moments;

    void GameStarted() override { Add(NewsKind::kGameStarted); }
    void HandStarted() override { Add(NewsKind::kHandDealt); }
    void TileLaid(int, int, int32_t tile) override { Add(NewsKind::kTileLaid, tile); }
    void PlayScored(int, int32_t) override { Add(NewsKind::kPlayScored); }
    void TileDrawn(int, int32_t) override { Add(NewsKind::kTileDrawn); }
    void Passed(int) override { Add(NewsKind::kPassed); }
    void HandEnded(int32_t, int, int32_t) override { Add(NewsKind::kHandEnded); }
    void GameEnded(int) override { Add(NewsKind::kGameEnded); }

  private:
    void Add(NewsKind kind, int32_t tile = kNoTile) {
        Moment moment{kind, tile};
        std::copy(&table_.State().Hand[0][0], &table_.State().Hand[0][0] + 5 * kHandSlots,
                  &moment.hands[0][0]);
        moments.push_back(moment);
    }
    const ServerTable& table_;
};

std::set<int32_t> TilesIn(const int32_t (&hand)[kHandSlots]) {
    std::set<int32_t> tiles(std::begin(hand), std::end(hand));
    tiles.erase(kNoTile);
    return tiles;
}

TEST(ServerTable, TellsEachChairOnlyHisOwnTilesUntilTheyArePlayedOrShown) {
    for (int32_t game = 0; IsDominoGame(game); ++game) {
        for (int players = 2; players <= 4; ++players) {
            InstantClock clock;
            CountingSeeds seeds;
            ServerTable table(TableOf(game, players, PeopleAt({1, 2, 3, 4})), clock, seeds);
            Truth truth(table);
            table.RecordTo(truth);
            std::vector<ChairNews> told[5];
            table.NewGame();
            bool ended = false;
            for (int moves = 0; !ended && moves < 5000; ++moves) {
                ended = table.ToPlay() == 0;
                if (!ended) {
                    ASSERT_EQ(table.Move(table.ToPlay(),
                                         ChosenMove(table, table.ToPlay(), Level::Advanced)),
                              MoveVerdict::kTaken);
                }
                for (int seat = 1; seat <= 4; ++seat) {
                    for (const ChairNews& news : table.TakeNews(seat)) {
                        told[seat].push_back(news);
                    }
                }
            }
            ASSERT_TRUE(ended);
            for (int seat = 1; seat <= 4; ++seat) {
                const std::string where = std::to_string(game) + " " + std::to_string(players) +
                                          " players, chair " + std::to_string(seat);
                if (!TakesPart(players, seat)) {
                    EXPECT_TRUE(told[seat].empty()) << where;
                    continue;
                }
                ASSERT_EQ(told[seat].size(), truth.moments.size()) << where;
                for (size_t i = 0; i < truth.moments.size(); ++i) {
                    const Truth::Moment& now = truth.moments[i];
                    const ChairNews& news = told[seat][i];
                    ASSERT_EQ(news.kind, now.kind) << where << ", item " << i;
                    std::set<int32_t> mayKnow = TilesIn(now.hands[seat]);
                    mayKnow.insert(now.tile);
                    for (int player = 1; news.kind == NewsKind::kHandEnded && player <= 4;
                         ++player) {
                        EXPECT_EQ(TilesIn(news.hands[player]), TilesIn(now.hands[player]))
                            << where << ", item " << i;
                        const std::set<int32_t> shown = TilesIn(now.hands[player]);
                        mayKnow.insert(shown.begin(), shown.end());
                    }
                    if (news.kind == NewsKind::kHandDealt) {
                        EXPECT_EQ(TilesIn(news.hands[seat]), TilesIn(now.hands[seat])) << where;
                    }
                    std::set<int32_t> toldTiles = {news.tile};
                    for (const auto& hand : news.hands) {
                        const std::set<int32_t> tiles = TilesIn(hand);
                        toldTiles.insert(tiles.begin(), tiles.end());
                    }
                    toldTiles.erase(kNoTile);
                    for (int32_t tile : toldTiles) {
                        EXPECT_TRUE(mayKnow.count(tile) == 1)
                            << where << ", item " << i << " tells tile " << tile;
                    }
                }
            }
        }
    }
}

// The hand a chair holds by his news alone: his tiles dealt, plus those he drew, less those he
// laid.
std::set<int32_t> HandByNews(const std::vector<ChairNews>& told, int seat) {
    std::set<int32_t> hand;
    for (const ChairNews& news : told) {
        if (news.kind == NewsKind::kHandDealt) {
            hand = TilesIn(news.hands[seat]);
        } else if (news.kind == NewsKind::kTileDrawn && news.seat == seat) {
            hand.insert(news.tile);
        } else if (news.kind == NewsKind::kTileLaid && news.seat == seat) {
            hand.erase(news.tile);
        }
    }
    return hand;
}

TEST(ServerTable, AComputerPlayerKeepsAGoneChairUntilHisPersonIsBack) {
    // When he goes: after the first move, on his own turn, or just before it.
    for (int goesAt : {1, 0, 2}) {
        InstantClock clock;
        CountingSeeds seeds;
        ServerTable table(TableOf(2, 3, PeopleAt({1, 2})), clock, seeds);
        EXPECT_FALSE(table.StandIn(3));  // a computer player's seat
        table.NewGame();
        while (table.ToPlay() != goesAt && goesAt != 0) {
            ASSERT_EQ(
                table.Move(table.ToPlay(), ChosenMove(table, table.ToPlay(), Level::Advanced)),
                MoveVerdict::kTaken);
        }
        ASSERT_TRUE(table.StandIn(2));
        EXPECT_FALSE(table.StandIn(2));
        EXPECT_NE(table.ToPlay(), 2);
        for (int moves = 0; moves < 6 && table.ToPlay() == 1; ++moves) {
            EXPECT_EQ(table.Move(2, kDrawOrPass), MoveVerdict::kNotYourTurn);
            ASSERT_EQ(table.Move(1, ChosenMove(table, 1, Level::Advanced)), MoveVerdict::kTaken);
            EXPECT_NE(table.ToPlay(), 2);
        }
        ASSERT_TRUE(table.Return(2));
        EXPECT_FALSE(table.Return(2));
        // Back in his chair, he finds his hand as it is, from what he was told alone.
        EXPECT_EQ(HandByNews(table.Told(2), 2), TilesIn(table.State().Hand[2])) << goesAt;
        for (int seat = 1; seat <= 3; ++seat) {
            std::vector<NewsKind> kinds;
            for (const ChairNews& news : table.TakeNews(seat)) {
                if (news.kind == NewsKind::kStandIn || news.kind == NewsKind::kReturned) {
                    EXPECT_EQ(news.seat, 2);
                    kinds.push_back(news.kind);
                }
            }
            EXPECT_EQ(kinds, (std::vector<NewsKind>{NewsKind::kStandIn, NewsKind::kReturned}));
        }
        EXPECT_TRUE(PlayToTheEnd(table, Level::Advanced)) << goesAt;
    }
}

TEST(ServerTable, DealsFromTheSystemsRandomSourceNeverAlike) {
    std::set<std::vector<int32_t>> decks;
    for (int game = 0; game < 10; ++game) {
        InstantClock clock;
        SystemSeeds seeds;
        ServerTable table(TableOf(0, 4, PeopleAt({1, 2, 3, 4})), clock, seeds);
        table.NewGame();
        const GameState& s = table.State();
        decks.insert(std::vector<int32_t>(std::begin(s.Deck), std::end(s.Deck)));
    }
    EXPECT_EQ(decks.size(), 10u);
}

}  // namespace
}  // namespace pipwick
