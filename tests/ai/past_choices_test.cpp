#include "ai/past_choices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <vector>

#include "tests/ai/game_positions.h"

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
// one of them; most deals drawn at random do not.
TEST(PastChoices, TheRealDealExplainsEveryPlayAndRandomDealsOftenDoNot) {
    std::mt19937_64 random(3);
    int judged = 0;
    int randomMisfits = 0;
    for (int32_t players : {2, 3, 4}) {
        for (const auto& hand : SplitIntoHands(AdvancedGamePositions(players, 3, 60 + players))) {
            TrueDeals truth;
            bool first = true;
            for (const GameState& state : hand) {
                truth.Follow(state, first);
                first = false;
                const int seat = state.CurrentPlayer;
                const ExpertView view = MakeExpertView(state, seat, AllAdvanced());
                const PastChoices past(view);
                const Misfits real = past.Judge(truth.Of(state));
                EXPECT_EQ(real.Known, 0) << players << " players, event " << state.History.Count;
                EXPECT_EQ(real.Guessed, 0);
                const HiddenTiles hidden = ReadHiddenTiles(view);
                randomMisfits += past.Judge(SampleDeal(hidden, random)).Known > 0 ? 1 : 0;
                ++judged;
            }
        }
    }
    EXPECT_GT(judged, 200);
    EXPECT_GT(randomMisfits, judged / 10);
}

// Seats whose level is unknown are judged as if Advanced, but apart; Beginners not at all.
TEST(PastChoices, JudgesByWhatIsKnownOfEachSeat) {
    const std::vector<GameState> positions = AdvancedGamePositions(2, 2, 8);
    std::mt19937_64 random(4);
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
