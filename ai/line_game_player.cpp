// The Advanced player on a line without a spinner, when no play scores. The side that goes out, or
// holds the lightest hand, wins the hand: so the play that matters is the one that keeps us
// playing while the others cannot. Each legal play gets one value from a
// few plain terms, and the highest wins. Ties go to the higher tile, then to arm 0 before arm 2:
// never to a slot, so that what the player lays follows from which tiles he holds, whatever their
// order, and the Expert can read his hand from his plays.
#include "ai/line_game_player.h"

#include <cstdint>
#include <initializer_list>

#include "model/rules.h"
#include "model/tile_set.h"

namespace pipwick {

namespace {

// What each term is worth, in the same units.
constexpr int32_t kPerPip = 2;            // shedding weight before it is caught in a hand
constexpr int32_t kDoubleBonus = 6;       // a double follows only its own suit: lay it early
constexpr int32_t kPerFollowingTile = 5;  // a tile of ours that can follow the ends we leave
constexpr int32_t kPerUnseenTile = 2;     // a tile we cannot see that could follow them
constexpr int32_t kLackedEnd = 8;         // an end the next opponent was seen to lack
// Where the next opponent's hand is known (the Expert's own moves on one of its deals).
constexpr int32_t kEndsOpponentLacks = 20;  // he must pass or draw
constexpr int32_t kPerOpponentTile = 6;     // a tile of his that can follow the ends we leave

// Tiles of each pip nobody can see from this seat: not on the table and not in hand.
struct Unseen {
    int32_t ofPip[7];
};

// Each pip counts the tiles showing it in a byte of its own, so seeing a tile is one addition.
struct PipLanes {
    uint64_t ofTile[kTileCount + 1];
};

constexpr PipLanes MakePipLanes() {
    PipLanes lanes{};
    for (int32_t tile = 1; tile <= kTileCount; ++tile) {
        lanes.ofTile[tile] = uint64_t{1} << (8 * LowPip(tile));
        if (!IsDouble(tile)) {
            lanes.ofTile[tile] += uint64_t{1} << (8 * HighPip(tile));
        }
    }
    return lanes;
}

constexpr PipLanes kPipLanes = MakePipLanes();

Unseen CountUnseen(const GameState& state, const HandSlots& hand) {
    uint64_t seen = 0;
    // Without a spinner only the line's two arms carry tiles.
    for (int arm : {0, 2}) {
        for (int r = 0; r < kArmLength && state.Arm[arm][r].Tile != kNoTile; ++r) {
            seen += kPipLanes.ofTile[state.Arm[arm][r].Tile];
        }
    }
    for (int slot = 0; slot < kHandSlots && hand[slot] != kNoTile; ++slot) {
        seen += kPipLanes.ofTile[hand[slot]];
    }
    Unseen unseen;
    for (int pip = 0; pip < 7; ++pip) {
        unseen.ofPip[pip] = 7 - static_cast<int32_t>(seen >> (8 * pip) & 0xFF);
    }
    return unseen;
}

// The pips seat was seen to lack: he drew or passed while the ends asked for them.
int32_t LackedPips(const GameState& state, int seat) {
    int32_t lacked = 0;
    const HandHistory& history = state.History;
    for (int e = 0; e < history.Count && e < kMaxHandEvents; ++e) {
        const HandEvent& event = history.Events[e];
        if (event.Player == seat && event.Kind != HandEventKind::kPlay) {
            lacked |= event.OpenPips;
        }
    }
    return lacked;
}

int32_t PipsShown(int32_t tile) {
    return 1 << LowPip(tile) | 1 << HighPip(tile);
}

struct Judge {
    const HandSlots& hand;
    int held;
    int32_t shows[kHandSlots];  // the pips each tile in hand shows, one bit each
    Unseen unseen;
    int32_t lacked;
    // The next opponent's tiles, each as the pips it shows, when his hand is known.
    int32_t opponentShows[kHandSlots];
    int opponentHeld;
};

Judge JudgeFor(const GameState& state, const HandSlots& hand, bool opponentKnown) {
    const int opponent = NextOpponent(state, state.CurrentPlayer);
    Judge judge{
        hand, TilesHeld(hand), {}, CountUnseen(state, hand), LackedPips(state, opponent), {}, 0};
    for (int slot = 0; slot < judge.held; ++slot) {
        judge.shows[slot] = PipsShown(hand[slot]);
    }
    const HandSlots& theirs = state.Hand[opponent];
    for (int slot = 0; opponentKnown && slot < kHandSlots && theirs[slot] != kNoTile; ++slot) {
        judge.opponentShows[judge.opponentHeld++] = PipsShown(theirs[slot]);
    }
    return judge;
}

// What the known hand of the next opponent makes of the ends a play leaves.
int32_t OpponentTerm(const Judge& judge, int32_t ends) {
    int32_t following = 0;
    for (int s = 0; s < judge.opponentHeld; ++s) {
        following += (judge.opponentShows[s] & ends) != 0 ? 1 : 0;
    }
    return following == 0 ? kEndsOpponentLacks : -kPerOpponentTile * following;
}

// The value of laying hand[slot], leaving the ends a and b open.
int32_t ValueOf(const Judge& judge, int slot, int32_t a, int32_t b) {
    const int32_t tile = judge.hand[slot];
    int32_t value = kPerPip * PipTotal(tile) + (IsDouble(tile) ? kDoubleBonus : 0);
    const int32_t ends = 1 << a | 1 << b;
    for (int s = 0; s < judge.held; ++s) {
        if (s != slot && (judge.shows[s] & ends) != 0) {
            value += kPerFollowingTile;
        }
    }
    value -= kPerUnseenTile * judge.unseen.ofPip[a];
    if (b != a) {
        value -= kPerUnseenTile * judge.unseen.ofPip[b];
    }
    for (int32_t end : {a, b}) {
        if ((judge.lacked >> end & 1) != 0) {
            value += kLackedEnd;
        }
    }
    return judge.opponentHeld > 0 ? value + OpponentTerm(judge, ends) : value;
}

int32_t OuterPipOf(int32_t tile, int32_t openPip) {
    return LowPip(tile) == openPip ? HighPip(tile) : LowPip(tile);
}

// Whether a play of tile worth value beats the best so far, bestTile worth bestValue.
bool Better(int32_t value, int32_t tile, int32_t bestValue, int32_t bestTile) {
    return value > bestValue || (value == bestValue && tile > bestTile);
}

Play ChooseLineLead(const Judge& judge) {
    Play best{0, 0};
    int32_t bestValue = 0;
    for (int slot = 0; slot < judge.held; ++slot) {
        const int32_t tile = judge.hand[slot];
        const int32_t value = ValueOf(judge, slot, LowPip(tile), HighPip(tile));
        if (slot == 0 || Better(value, tile, bestValue, judge.hand[best.slot])) {
            best = {slot, 0};
            bestValue = value;
        }
    }
    return best;
}

Play ChooseLine(const GameState& state, const HandSlots& hand, bool opponentKnown) {
    if (TableIsEmpty(state)) {
        return ChooseLineLead(JudgeFor(state, hand, opponentKnown));
    }
    // Most turns offer one play or none; only a choice needs judging.
    Play first;
    int count = 0;
    for (int slot = 0; slot < kHandSlots && hand[slot] != kNoTile; ++slot) {
        for (int arm : {0, 2}) {
            if (Shows(hand[slot], state.ArmOpenPip[arm]) && count++ == 0) {
                first = {slot, arm};
            }
        }
    }
    if (count <= 1) {
        return first;
    }
    const Judge judge = JudgeFor(state, hand, opponentKnown);
    Play best = first;
    int32_t bestValue = 0;
    for (int slot = first.slot; slot < judge.held; ++slot) {
        for (int arm : {0, 2}) {
            const int32_t open = state.ArmOpenPip[arm];
            if (!Shows(hand[slot], open)) {
                continue;
            }
            const int32_t value =
                ValueOf(judge, slot, OuterPipOf(hand[slot], open), state.ArmOpenPip[2 - arm]);
            const bool isFirst = slot == first.slot && arm == first.arm;
            if (isFirst || Better(value, hand[slot], bestValue, hand[best.slot])) {
                best = {slot, arm};
                bestValue = value;
            }
        }
    }
    return best;
}

}  // namespace

Play ChooseLineGamePlay(const GameState& state, const HandSlots& hand) {
    return ChooseLine(state, hand, false);
}

Play ChooseLookAheadLinePlay(const GameState& state, const HandSlots& hand) {
    return ChooseLine(state, hand, true);
}

}  // namespace pipwick
