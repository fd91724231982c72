#pragma once

#include <cstdint>

#include "ai/level.h"
#include "model/game_state.h"

namespace pipwick {

// The table as every player sees it: the arms with their open ends, the spinner, and where the
// next tiles will lie.
struct PublicTable {
    PlacedTile Arm[kArmCount][kArmLength];
    int32_t ArmOpenPip[kArmCount];
    Rect ArmDropRect[kArmCount];
    int32_t SpinnerState;
    Point ArmCursor[kArmCount];
    int32_t ArmRunState[kArmCount];
};

// What the table knows of who sits where: the computer players' levels are on show in the
// settings, the human's is not.
struct SeatLevels {
    bool Known[5] = {};
    Level Of[5] = {};
};

// Everything one player may know when it is his turn, and nothing more: his own tiles, the table,
// the scores, how many tiles each hand and the bone pile hold, and what has been seen happen in
// this hand. Other hands and the order of the bone pile are not here, so a player that reasons
// only from this cannot peek.
struct ExpertView {
    int32_t Seat;
    int32_t PlayerCount;
    GameRules Rules;
    int32_t Hand[kHandSlots];
    int32_t HandCount[5];
    int32_t BonePileCount;
    int32_t Scores[5];
    int32_t NextLeader;
    int32_t ConsecutivePasses;
    PublicTable Table;
    HandHistory History;
    SeatLevels Levels;
};

// What seat may know of the game now, the players' levels as levels tells.
ExpertView MakeExpertView(const GameState& state, int seat, const SeatLevels& levels = {});

// A game state that agrees with view everywhere the view looks: its own hand, the table, the
// counts, the scores and the hand's history, which the rules of Draw and Block read for the pips a
// player was seen to lack; with every other hand and the bone pile empty, for the caller to fill.
// seat is to move.
void FillPublicState(const ExpertView& view, GameState& state);

}  // namespace pipwick
