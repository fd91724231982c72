#include "ai/hidden_tiles.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "tests/ai/game_positions.h"

namespace pipwick {
namespace {

int32_t T(int a, int b) {
    return TileWithPips(a, b);
}

int32_t Pips(std::initializer_list<int> pips) {
    int32_t mask = 0;
    for (int pip : pips) {
        mask |= 1 << pip;
    }
    return mask;
}

// A two-player hand seen by seat 3: the tiles laid are on arm 0 in the order given, seat 1 holds
// count tiles, and the history is as listed.
ExpertView TwoPlayerView(const std::vector<HandEvent>& events, int32_t opponentCount,
                         int32_t bonePile) {
    ExpertView view{};
    view.Seat = 3;
    view.PlayerCount = 2;
    for (int32_t& pip : view.Table.ArmOpenPip) {
        pip = kNoPip;
    }
    int laid = 0;
    for (const HandEvent& event : events) {
        view.History.Events[view.History.Count++] = event;
        if (event.Kind == HandEventKind::kPlay) {
            view.Table.Arm[0][laid++].Tile = event.Tile;
        }
    }
    // Seat 3 holds whatever of the set is neither laid nor needed for the others.
    int held = 0;
    int32_t unseen = opponentCount + bonePile;
    for (int32_t tile = kTileCount; tile >= 1; --tile) {
        bool onTable = false;
        for (int i = 0; i < laid; ++i) {
            onTable = onTable || view.Table.Arm[0][i].Tile == tile;
        }
        if (onTable) {
            continue;
        }
        if (unseen > 0) {
            --unseen;
        } else {
            view.Hand[held++] = tile;
        }
    }
    view.HandCount[1] = opponentCount;
    view.HandCount[3] = held;
    view.BonePileCount = bonePile;
    return view;
}

HandEvent Play(int player, int32_t tile) {
    return {HandEventKind::kPlay, player, tile, 0};
}
HandEvent Draw(int player, int32_t pips) {
    return {HandEventKind::kDraw, player, kNoTile, pips};
}
HandEvent Pass(int player, int32_t pips) {
    return {HandEventKind::kPass, player, kNoTile, pips};
}

TEST(ReadHiddenTiles, GroupsTheOpponentsTilesByWhatTheyCannotShow) {
    struct Case {
        const char* what;
        std::vector<HandEvent> events;
        int32_t count, pile;
        bool tableChanged;  // the table no longer shows what the history says was laid
        std::vector<TileGroup> expected;
    };
    const int32_t s = Pips({2, 5});
    const int32_t later = Pips({1, 4});
    const Case cases[] = {
        {"a pass marks every tile held",
         {Play(1, T(2, 5)), Play(3, T(5, 6)), Pass(1, s)},
         6,
         0,
         false,
         {{6, s}}},
        {"the tile drawn after a draw is not marked",
         {Play(3, T(2, 5)), Draw(1, s)},
         8,
         13,
         false,
         {{7, s}, {1, 0}}},
        {"laying the drawn tile leaves only marked tiles",
         {Play(3, T(2, 5)), Draw(1, s), Play(1, T(5, 5))},
         7,
         13,
         false,
         {{7, s}}},
        {"a later draw marks the tiles drawn before it",
         {Play(3, T(2, 5)), Draw(1, s), Draw(1, later)},
         9,
         12,
         false,
         {{7, s | later}, {1, later}, {1, 0}}},
        {"a play no group could make forgets what the hand lacked",
         {Play(3, T(2, 5)), Pass(1, s), Play(1, T(5, 6))},
         6,
         0,
         false,
         {{6, 0}}},
        {"a history of another table is not believed",
         {Play(3, T(2, 5)), Pass(1, s)},
         7,
         0,
         true,
         {{7, 0}}},
    };
    for (const Case& c : cases) {
        ExpertView view = TwoPlayerView(c.events, c.count, c.pile);
        if (c.tableChanged) {
            view.Table.Arm[0][0].Tile = view.Hand[0];
            view.Hand[0] = T(2, 5);
        }
        const HiddenTiles hidden = ReadHiddenTiles(view);
        ASSERT_TRUE(hidden.Consistent) << c.what;
        const HiddenHand& hand = hidden.Hands[1];
        ASSERT_EQ(hand.GroupCount, static_cast<int>(c.expected.size())) << c.what;
        for (int g = 0; g < hand.GroupCount; ++g) {
            EXPECT_EQ(hand.Groups[g].Count, c.expected[g].Count) << c.what << ", group " << g;
            EXPECT_EQ(hand.Groups[g].LackedPips, c.expected[g].LackedPips)
                << c.what << ", group " << g;
        }
        EXPECT_EQ(hidden.Hands[3].GroupCount, 0) << c.what;
    }
}

TEST(ReadHiddenTiles, CountsThatCannotAddUpAreNotConsistent) {
    ExpertView view = TwoPlayerView({Play(3, T(2, 5))}, 7, 13);
    view.BonePileCount = 14;
    EXPECT_FALSE(ReadHiddenTiles(view).Consistent);
}

// How many tiles a player drew after event e of the history.
int DrawsAfter(const HandHistory& history, int e, int player) {
    int draws = 0;
    for (int later = e + 1; later < history.Count; ++later) {
        const HandEvent& event = history.Events[later];
        draws += event.Kind == HandEventKind::kDraw && event.Player == player ? 1 : 0;
    }
    return draws;
}

// A player who drew or passed showed he held nothing for the open ends then, so of the tiles he
// holds now, only those drawn since can show those pips.
void ExpectNothingShownLacking(const HandHistory& history, const int32_t (&hands)[5][kHandSlots],
                               int seat, const char* whose) {
    for (int e = 0; e < history.Count; ++e) {
        const HandEvent& event = history.Events[e];
        if (event.Kind == HandEventKind::kPlay || event.Player == seat) {
            continue;
        }
        int showing = 0;
        for (int32_t tile : hands[event.Player]) {
            showing += tile != kNoTile && (PipsOf(tile) & event.OpenPips) != 0 ? 1 : 0;
        }
        EXPECT_LE(showing, DrawsAfter(history, e, event.Player))
            << whose << ": player " << event.Player << " after event " << e;
    }
}

TEST(SampleDeal, NeverGivesAPlayerATileHeShowedHeLacked) {
    DealRandom random(5);
    int positions = 0;
    for (int32_t players : {2, 3, 4}) {
        for (const GameState& state : AdvancedGamePositions(players, 4, 40 + players)) {
            const int seat = state.CurrentPlayer;
            ExpectNothingShownLacking(state.History, state.Hand, seat, "the real deal");
            const ExpertView view = MakeExpertView(state, seat);
            const HiddenTiles hidden = ReadHiddenTiles(view);
            ASSERT_TRUE(hidden.Consistent);
            for (int sample = 0; sample < 8; ++sample) {
                const SampledDeal deal = SampleDeal(hidden, random);
                int seen[kTileCount + 1] = {};
                for (int player = 1; player <= 4; ++player) {
                    const int expected = player == seat ? 0 : view.HandCount[player];
                    int held = 0;
                    for (int32_t tile : deal.Hand[player]) {
                        held += tile != kNoTile ? 1 : 0;
                        ++seen[tile];
                    }
                    ASSERT_EQ(held, expected) << "player " << player;
                }
                ASSERT_EQ(deal.BonePileCount, view.BonePileCount);
                for (int i = 0; i < deal.BonePileCount; ++i) {
                    ++seen[deal.BonePile[i]];
                }
                for (int u = 0; u < hidden.UnseenCount; ++u) {
                    ASSERT_EQ(seen[hidden.Unseen[u]], 1) << "tile " << hidden.Unseen[u];
                }
                ExpectNothingShownLacking(state.History, deal.Hand, seat, "a sampled deal");
            }
            ++positions;
        }
    }
    EXPECT_GT(positions, 300);
}

}  // namespace
}  // namespace pipwick
