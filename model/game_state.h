#pragma once

#include <cstdint>

#include "model/geometry.h"
#include "model/hand_history.h"
#include "model/tile_set.h"

namespace pipwick {

constexpr int kArmCount = 4;
constexpr int kArmLength = 28;
constexpr int kDeckSize = 29;       // Deck[0] is always 0
constexpr int kEmptySlot = 21;      // "no slot" as a hand slot index
constexpr int kNoSelection = 29;    // SelectedTile when nothing is picked up
constexpr int kDropSelection = 22;  // SelectHandTile slot that only drops the selection
constexpr int kWinningScore = 250;
constexpr int kHumanSeat = 1;  // the other seats are the computer players'

// One tile of the line of play. InnerPip touches the previous tile (toward the root), OuterPip is
// at the arm's open end; the halves are where the layout put the squares showing them.
struct PlacedTile {
    int32_t Tile = 0;
    int32_t InnerPip = 0;
    int32_t OuterPip = 0;
    Rect InnerHalf;
    Rect OuterHalf;
};

enum SpinnerStates : int32_t {
    kNoSpinner = 0,        // no double laid this hand
    kSpinnerJustLaid = 1,  // the first double was laid and the line re-rooted during this play
    kSpinnerDown = 2,      // the spinner is record 0 of arm 0; side arms closed
    kSideArmsOpen = 3,
};

// The one game state of a running program. Players are 1..4 (1 is the human), so the per-player
// arrays are indexed 1..4 and entry 0 is unused. Arms are 0..3: 0 and 2 the main line, 1 and 3 the
// spinner's side arms.
struct GameState {
    int32_t Hand[5][kHandSlots];
    int32_t Deck[kDeckSize];
    int32_t BonePileNext;
    PlacedTile Arm[kArmCount][kArmLength];
    int32_t ArmOpenPip[kArmCount];
    Rect ArmDropRect[kArmCount];
    int32_t SpinnerState;
    int32_t Scores[5];
    int32_t CurrentPlayer;
    int32_t NextLeader;
    int32_t ConsecutivePasses;
    int32_t GameInProgress;
    int32_t SelectedTile;
    int32_t PlayerCount;
    // Layout state of each arm (board layout): where its next tile goes and which run it is on.
    Point ArmCursor[kArmCount];
    int32_t ArmRunState[kArmCount];
    // The hand so far as the players have seen it; not saved.
    HandHistory History;
};

// Start-up state: empty hands and table, no game, two players.
inline void ResetGameState(GameState& state) {
    state = GameState{};
    for (int32_t& pip : state.ArmOpenPip) {
        pip = kNoPip;
    }
    state.SelectedTile = kNoSelection;
    state.PlayerCount = 2;
    state.NextLeader = kHumanSeat;
}

// The small operations every part of the game uses in the same way.

// Records are used from index 0; the first free one ends the arm, and a full arm has none.
inline int ArmLength(const GameState& state, int arm) {
    int length = 0;
    while (length < kArmLength && state.Arm[arm][length].Tile != kNoTile) {
        ++length;
    }
    return length;
}

// A hand's tiles are contiguous from slot 0, so this is also its first empty slot.
inline int TilesHeld(const int32_t (&hand)[kHandSlots]) {
    int count = 0;
    while (count < kHandSlots && hand[count] != kNoTile) {
        ++count;
    }
    return count;
}

inline int HandCount(const GameState& state, int player) {
    return TilesHeld(state.Hand[player]);
}

inline bool TableIsEmpty(const GameState& state) {
    return state.Arm[0][0].Tile == kNoTile;
}

// Players 1 and 3 always play; player 2 joins with three players, player 4 with four.
constexpr bool TakesPart(int32_t playerCount, int player) {
    return player == 1 || player == 3 || (player == 2 && playerCount >= 3) ||
           (player == 4 && playerCount == 4);
}

inline bool TakesPart(const GameState& state, int player) {
    return TakesPart(state.PlayerCount, player);
}

// A hand is won by the player who goes out, or it ends blocked once every player in turn has
// passed. The player who went out, or 0 while no one has.
inline int PlayerWhoWentOut(const GameState& state) {
    int out = 0;
    for (int player = 1; player <= 4; ++player) {
        if (TakesPart(state, player) && state.Hand[player][0] == kNoTile) {
            out = player;
        }
    }
    return out;
}

inline bool SomeoneWentOut(const GameState& state) {
    return PlayerWhoWentOut(state) != 0;
}

inline bool EveryonePassed(const GameState& state) {
    return state.ConsecutivePasses >= state.PlayerCount;
}

// Asked of a hand that has ended: no one went out, so no one could play.
inline bool EndedBlocked(const GameState& state) {
    return !SomeoneWentOut(state);
}

// Seat order: 1, 3 with two players; 1, 2, 3 with three; 1, 2, 3, 4 with four.
inline int NextPlayer(const GameState& state, int player) {
    switch (player) {
        case 1:
            return state.PlayerCount == 2 ? 3 : 2;
        case 2:
            return 3;
        case 3:
            return state.PlayerCount == 4 ? 4 : 1;
        default:
            return 1;
    }
}

inline bool BonePileEmpty(const GameState& state) {
    return state.BonePileNext >= kDeckSize;
}

// The pips the open arms ask for, one bit per pip; a closed arm asks for none.
inline int32_t OpenPipMask(const GameState& state) {
    int32_t mask = 0;
    for (int32_t pip : state.ArmOpenPip) {
        if (pip != kNoPip) {
            mask |= 1 << pip;
        }
    }
    return mask;
}

// Adds an event to the hand's history; a full history keeps what it has.
inline void RememberHandEvent(GameState& state, HandEventKind kind, int player, int32_t tile) {
    HandHistory& history = state.History;
    if (history.Count < kMaxHandEvents) {
        history.Events[history.Count++] = {kind, player, tile, OpenPipMask(state)};
    }
}

}  // namespace pipwick
