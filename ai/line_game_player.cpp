// The Advanced player of Draw and Block. Nothing scores until the hand ends, and then the side
// that went out, or holds the lightest hand, takes the others' pips: so the play that matters is
// the one that keeps us playing while the others cannot. Each legal play gets one value from a
// few plain terms, and the highest wins. Ties go to the higher tile, then to arm 0 before arm 2:
// never to a slot, so that what the player lays follows from which tiles he holds, whatever their
// order, and the Expert can read his hand from his plays.
#include "ai/line_game_player.h"

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

// Tiles of each pip nobody can see from this seat: not on the table and not in hand.
struct Unseen {
    int32_t ofPip[7] = {7, 7, 7, 7, 7, 7, 7};
};

void SeeTile(Unseen& unseen, int32_t tile) {
    --unseen.ofPip[LowPip(tile)];
    if (!IsDouble(tile)) {
        --unseen.ofPip[HighPip(tile)];
    }
}

Unseen CountUnseen(const GameState& state, const HandSlots& hand) {
    Unseen unseen;
    for (int arm = 0; arm < kArmCount; ++arm) {
        for (int r = 0; r < ArmLength(state, arm); ++r) {
            SeeTile(unseen, state.Arm[arm][r].Tile);
        }
    }
    for (int slot = 0; slot < kHandSlots && hand[slot] != kNoTile; ++slot) {
        SeeTile(unseen, hand[slot]);
    }
    return unseen;
}

// The first seat after player's that plays against him.
int NextOpponent(const GameState& state, int player) {
    int seat = NextPlayer(state, player);
    while (seat != player && ShareScore(state.Rules, seat, player)) {
        seat = NextPlayer(state, seat);
    }
    return seat;
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

struct Judge {
    const HandSlots& hand;
    Unseen unseen;
    int32_t lacked;
};

// The value of laying hand[slot], leaving the ends a and b open.
int32_t ValueOf(const Judge& judge, int slot, int32_t a, int32_t b) {
    const int32_t tile = judge.hand[slot];
    int32_t value = kPerPip * PipTotal(tile) + (IsDouble(tile) ? kDoubleBonus : 0);
    for (int s = 0; s < kHandSlots && judge.hand[s] != kNoTile; ++s) {
        if (s != slot && (Shows(judge.hand[s], a) || Shows(judge.hand[s], b))) {
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
    return value;
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
    for (int slot = 0; slot < kHandSlots && judge.hand[slot] != kNoTile; ++slot) {
        const int32_t tile = judge.hand[slot];
        const int32_t value = ValueOf(judge, slot, LowPip(tile), HighPip(tile));
        if (slot == 0 || Better(value, tile, bestValue, judge.hand[best.slot])) {
            best = {slot, 0};
            bestValue = value;
        }
    }
    return best;
}

}  // namespace

Play ChooseLineGamePlay(const GameState& state, const HandSlots& hand) {
    const int player = state.CurrentPlayer;
    const Judge judge{hand, CountUnseen(state, hand),
                      LackedPips(state, NextOpponent(state, player))};
    if (TableIsEmpty(state)) {
        return ChooseLineLead(judge);
    }
    Play best;
    int32_t bestValue = 0;
    for (int slot = 0; slot < kHandSlots && hand[slot] != kNoTile; ++slot) {
        for (int arm : {0, 2}) {
            const int32_t open = state.ArmOpenPip[arm];
            if (!Shows(hand[slot], open)) {
                continue;
            }
            const int32_t value =
                ValueOf(judge, slot, OuterPipOf(hand[slot], open), state.ArmOpenPip[2 - arm]);
            if (best.slot == kEmptySlot || Better(value, hand[slot], bestValue, hand[best.slot])) {
                best = {slot, arm};
                bestValue = value;
            }
        }
    }
    return best;
}

}  // namespace pipwick
