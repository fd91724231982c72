#include "ai/past_choices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <iterator>
#include <vector>

#include "model/rules.h"
#include "tests/ai/game_positions.h"
#include "tests/ai/hand_of_tiles.h"

namespace pipwick {
namespace {

// The positions of one hand, in order: each history extends the one before.
std::vector<std::vector<GameState>> SplitIntoHands(const std::vector<GameState>& positions) {
    std::vector<std::vector<GameState>> hands;
    for (const GameState& state : positions) {
        const bool sameHand =
            !hands.empty() && hands.back().back().History.Count <= state.History.Count &&
            std::equal(
                state.History.Events, state.History.Events + hands.back().back().History.Count,
                hands.back().back().History.Events, [](const HandEvent& a, const HandEvent& b) {
                    return a.Kind == b.Kind && a.Player == b.Player && a.Tile == b.Tile;
                });
        if (!sameHand) {
            hands.emplace_back();
        }
        hands.back().push_back(state);
    }
    return hands;
}

SeatLevels AllAdvanced() {
    SeatLevels levels;
    std::fill(std::begin(levels.Known), std::end(levels.Known), true);
    std::fill(std::begin(levels.Of), std::end(levels.Of), Level::Advanced);
    return levels;
}

// Every table a hand went through, read back from the hand's last table, is the table it was.
TEST(TableBefore, ReadsEveryEarlierTableOfAHandBackFromItsLast) {
    int compared = 0;
    for (int32_t players : {2, 3, 4}) {
        for (const auto& hand : SplitIntoHands(AdvancedGamePositions(players, 3, 90 + players))) {
            const ExpertView last = MakeExpertView(hand.back(), hand.back().CurrentPlayer);
            LaidAt laidAt;
            ReadLaidAt(last.History, laidAt);
            for (const GameState& then : hand) {
                GameState table;
                ASSERT_TRUE(TableBefore(last, laidAt, then.History.Count, table));
                for (int arm = 0; arm < kArmCount; ++arm) {
                    EXPECT_EQ(table.ArmOpenPip[arm], then.ArmOpenPip[arm]) << "arm " << arm;
                    for (int i = 0; i < kArmLength; ++i) {
                        const PlacedTile& got = table.Arm[arm][i];
                        const PlacedTile& was = then.Arm[arm][i];
                        ASSERT_EQ(got.Tile, was.Tile) << "arm " << arm << " record " << i;
                        if (was.Tile != kNoTile) {
                            EXPECT_EQ(got.InnerPip, was.InnerPip) << "arm " << arm << " " << i;
                            EXPECT_EQ(got.OuterPip, was.OuterPip) << "arm " << arm << " " << i;
                        }
                    }
                }
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 200);
}

TEST(TableBefore, RefusesAHistoryOfAnotherTable) {
    const std::vector<GameState> positions = AdvancedGamePositions(2, 1, 5);
    const GameState& state = *std::max_element(
        positions.begin(), positions.end(),
        [](const GameState& a, const GameState& b) { return a.History.Count < b.History.Count; });
    ExpertView view = MakeExpertView(state, state.CurrentPlayer);
    LaidAt laidAt;
    ReadLaidAt(view.History, laidAt);
    // The first tile laid is said to have come last: the line then had a hole in it.
    int32_t first = kNoTile;
    for (int32_t tile = 1; tile <= kTileCount; ++tile) {
        first = laidAt[tile] == 0 ? tile : first;
    }
    ASSERT_NE(first, kNoTile);
    laidAt[first] = state.History.Count - 1;
    GameState table;
    EXPECT_FALSE(TableBefore(view, laidAt, state.History.Count - 1, table));
}

// The real deal of each position, each tile dated by the draw that brought it: a tile new to a
// hand since the position before came with that player's latest draw.
class TrueDeals {
  public:
    void Follow(const GameState& state, bool newHand) {
        if (newHand) {
            std::fill(std::begin(drawnAt_), std::end(drawnAt_), kUnknown);
        }
        for (int player = 1; player <= 4; ++player) {
            int32_t latestDraw = kDealt;
            for (int e = 0; e < state.History.Count; ++e) {
                const HandEvent& event = state.History.Events[e];
                latestDraw =
                    event.Kind == HandEventKind::kDraw && event.Player == player ? e : latestDraw;
            }
            for (int32_t tile : state.Hand[player]) {
                if (tile != kNoTile && drawnAt_[tile] == kUnknown) {
                    drawnAt_[tile] = newHand ? kDealt : latestDraw;
                }
            }
        }
    }

    SampledDeal Of(const GameState& state) const {
        SampledDeal deal{};
        for (int player = 1; player <= 4; ++player) {
            for (int slot = 0; slot < kHandSlots; ++slot) {
                const int32_t tile = state.Hand[player][slot];
                deal.Hand[player][slot] = tile;
                deal.DrawnAt[player][slot] = tile == kNoTile ? kDealt : drawnAt_[tile];
            }
        }
        return deal;
    }

  private:
    static constexpr int32_t kUnknown = -2;
    int32_t drawnAt_[kTileCount + 1] = {};
};

// Advanced players' plays are exactly what their rules choose, so the real deal explains every
// one of them in every game; most deals drawn at random do not.
TEST(PastChoices, TheRealDealExplainsEveryPlayAndRandomDealsOftenDoNot) {
    DealRandom random(3);
    int judged = 0;
    int randomMisfits = 0;
    for (const GameKind& kind : EveryGameKind()) {
        const int32_t players = kind.players;
        const uint64_t seed = 60 + players + 10 * static_cast<uint64_t>(kind.rules.Game);
        for (const auto& hand : SplitIntoHands(
                 AdvancedGamePositions(players, 3, seed + kind.rules.Partners, kind.rules))) {
            TrueDeals truth;
            bool first = true;
            for (const GameState& state : hand) {
                truth.Follow(state, first);
                first = false;
                const int seat = state.CurrentPlayer;
                const ExpertView view = MakeExpertView(state, seat, AllAdvanced());
                const PastChoices past(view);
                const Misfits real = past.Judge(truth.Of(state));
                EXPECT_EQ(real.Known, 0) << static_cast<int>(kind.rules.Game) << ", " << players
                                         << " players, event " << state.History.Count;
                EXPECT_EQ(real.Guessed, 0);
                const HiddenTiles hidden = ReadHiddenTiles(view);
                randomMisfits += past.Judge(SampleDeal(hidden, random)).Known > 0 ? 1 : 0;
                ++judged;
            }
        }
    }
    EXPECT_GT(judged, 2000);
    EXPECT_GT(randomMisfits, judged / 10);
}

// Whether hand's group of the tiles drawn at drawnAt is marked as lacking tile.
bool GroupLacks(const HiddenHand& hand, int32_t drawnAt, int32_t tile) {
    for (int g = 0; g < hand.GroupCount; ++g) {
        if (hand.Groups[g].DrawnAt == drawnAt && (hand.Groups[g].LackedTiles >> tile & 1) != 0) {
            return true;
        }
    }
    return false;
}

// Tiles of deal's hands that their groups are marked as lacking.
int LackedTilesHeld(const HiddenTiles& hidden, const SampledDeal& deal) {
    int held = 0;
    for (int player = 1; player <= 4; ++player) {
        for (int slot = 0; slot < kHandSlots && deal.Hand[player][slot] != kNoTile; ++slot) {
            held += GroupLacks(hidden.Hands[player], deal.DrawnAt[player][slot],
                               deal.Hand[player][slot]);
        }
    }
    return held;
}

// What a choice shows its player could not have held, he did not hold: the real deal holds none
// of the tiles marked lacked, and neither do the deals drawn. Only with a spinner is the best play
// of a hand the best of each part of it, so only then is anything marked.
TEST(PastChoices, MarksLackedOnlyTilesTheRealDealLacksAndTheDealsKeepToIt) {
    DealRandom random(5);
    for (const GameKind& kind : EveryGameKind()) {
        int marked = 0;
        for (const auto& hand : SplitIntoHands(
                 AdvancedGamePositions(kind.players, 2, 70 + kind.players, kind.rules))) {
            TrueDeals truth;
            bool first = true;
            for (const GameState& state : hand) {
                truth.Follow(state, first);
                first = false;
                const ExpertView view = MakeExpertView(state, state.CurrentPlayer, AllAdvanced());
                HiddenTiles hidden = ReadHiddenTiles(view);
                PastChoices(view).MarkLackedTiles(hidden);
                for (const HiddenHand& held : hidden.Hands) {
                    for (int g = 0; g < held.GroupCount; ++g) {
                        marked += std::popcount(held.Groups[g].LackedTiles);
                    }
                }
                EXPECT_EQ(LackedTilesHeld(hidden, truth.Of(state)), 0)
                    << static_cast<int>(kind.rules.Game) << ", " << kind.players
                    << " players, event " << state.History.Count;
                EXPECT_EQ(LackedTilesHeld(hidden, SampleDeal(hidden, random)), 0);
            }
        }
        if (HasSpinner(kind.rules)) {
            EXPECT_GT(marked, 100) << kind.players << " players";
        } else {
            EXPECT_EQ(marked, 0) << static_cast<int>(kind.rules.Game);
        }
    }
}

// A hand of Draw between three, seen from seat 1, written play by play on the line's two arms.
class DrawHand {
  public:
    DrawHand() {
        view.Seat = 1;
        view.PlayerCount = 3;
        view.Rules = {DominoGame::Draw, 0, kDefaultTarget};
        view.Levels.Known[2] = view.Levels.Known[3] = true;
        view.Levels.Of[2] = Level::Beginner;
        view.Levels.Of[3] = Level::Advanced;
    }
    // A lead goes on arm 0, its high pip outward.
    void Lays(int player, int32_t tile, int arm) {
        PlacedTile& record = view.Table.Arm[arm][ArmLength(arm)];
        record.Tile = tile;
        if (TableIsEmpty()) {
            record.InnerPip = LowPip(tile);
            view.Table.ArmOpenPip[2] = LowPip(tile);
        } else {
            record.InnerPip = view.Table.ArmOpenPip[arm];
        }
        record.OuterPip = LowPip(tile) == record.InnerPip ? HighPip(tile) : LowPip(tile);
        view.Table.ArmOpenPip[arm] = record.OuterPip;
        Record(HandEventKind::kPlay, player, tile);
    }
    void Draws(int player) { Record(HandEventKind::kDraw, player, kNoTile); }
    ExpertView view{};

  private:
    int ArmLength(int arm) const {
        int length = 0;
        while (view.Table.Arm[arm][length].Tile != kNoTile) {
            ++length;
        }
        return length;
    }
    bool TableIsEmpty() const { return ArmLength(0) == 0 && ArmLength(2) == 0; }
    void Record(HandEventKind kind, int player, int32_t tile) {
        const int32_t open = TableIsEmpty() && kind == HandEventKind::kPlay
                                 ? 0
                                 : 1 << view.Table.ArmOpenPip[0] | 1 << view.Table.ArmOpenPip[2];
        view.History.Events[view.History.Count++] = {kind, player, tile, open};
    }
};

// Seat 3 laid 3-4 from 3-4 5-5 2-3 2-5 2-6 2-2, where without the 5-5 the rules lay 2-5; he then
// drew, and laid the 5-5 only after it. Whether he held it at the 3-4 nobody else can tell, so a
// deal must not be blamed for it; the 0-6 he laid after the draw shows an end he drew on, so it
// came then and counts for nothing. A deal that no hand he could have held explains is blamed.
TEST(PastChoices, HoldsAPlayAgainstEveryHandADrawLeavesInDoubt) {
    DrawHand hand;
    hand.Lays(1, T(0, 1), 0);
    hand.Lays(2, T(1, 1), 0);
    hand.Lays(3, T(0, 3), 2);
    hand.Draws(1);
    hand.Lays(1, T(1, 4), 0);
    hand.Lays(2, T(3, 5), 2);
    hand.Lays(3, T(3, 4), 0);
    hand.Lays(1, T(1, 3), 0);
    hand.Lays(2, T(0, 5), 2);
    hand.Draws(3);
    hand.Lays(3, T(0, 6), 2);
    hand.Lays(1, T(1, 5), 0);
    hand.Lays(2, T(6, 5), 2);
    hand.Lays(3, T(5, 5), 0);
    hand.view.HandCount[1] = hand.view.HandCount[2] = hand.view.HandCount[3] = 4;
    struct Case {
        Hand held;  // seat 3's tiles now, all dealt
        int misfits;
    };
    const Case cases[] = {
        {{T(2, 3), T(2, 5), T(2, 6), T(2, 2)}, 0},
        {{T(2, 3), T(2, 5), T(2, 6), T(4, 4)}, 1},
    };
    const PastChoices past(hand.view);
    for (const Case& c : cases) {
        SampledDeal deal{};
        std::copy(std::begin(c.held.slots), std::end(c.held.slots), deal.Hand[3]);
        std::fill(std::begin(deal.DrawnAt[3]), std::end(deal.DrawnAt[3]), kDealt);
        EXPECT_EQ(past.Judge(deal).Known, c.misfits) << "holding " << c.held.slots[3];
    }
}

// Seats whose level is unknown are judged as if Advanced, but apart; Beginners not at all.
TEST(PastChoices, JudgesByWhatIsKnownOfEachSeat) {
    const std::vector<GameState> positions = AdvancedGamePositions(2, 2, 8);
    DealRandom random(4);
    int known = 0;
    int guessed = 0;
    int beginner = 0;
    for (size_t i = 0; i < positions.size(); i += 2) {
        const GameState& state = positions[i];
        const int seat = state.CurrentPlayer;
        SeatLevels levels = AllAdvanced();
        ExpertView view = MakeExpertView(state, seat, levels);
        const SampledDeal deal = SampleDeal(ReadHiddenTiles(view), random);
        const Misfits asKnown = PastChoices(view).Judge(deal);
        levels.Known[1] = levels.Known[3] = false;
        view.Levels = levels;
        const Misfits asGuessed = PastChoices(view).Judge(deal);
        levels.Known[1] = levels.Known[3] = true;
        levels.Of[1] = levels.Of[3] = Level::Beginner;
        view.Levels = levels;
        const Misfits asBeginner = PastChoices(view).Judge(deal);
        EXPECT_EQ(asKnown.Guessed, 0);
        EXPECT_EQ(asGuessed.Known, 0);
        EXPECT_EQ(asGuessed.Guessed, asKnown.Known);
        known += asKnown.Known;
        guessed += asGuessed.Guessed;
        beginner += asBeginner.Known + asBeginner.Guessed;
    }
    EXPECT_GT(known, 0);
    EXPECT_EQ(guessed, known);
    EXPECT_EQ(beginner, 0);
}

}  // namespace
}  // namespace pipwick
