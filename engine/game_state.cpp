#include "engine/game_state.h"

namespace pipwick {

void ResetGameState(GameState& state) {
    state = GameState{};
    for (int& pip : state.ArmOpenPip) {
        pip = kNoPip;
    }
    state.SelectedTile = kNoSelection;
    state.PlayerCount = 2;
    state.NextLeader = 1;
}

int ArmLength(const GameState& state, int arm) {
    int length = 0;
    while (length < kArmLength && state.Arm[arm][length].Tile > 0) {
        ++length;
    }
    return length;
}

int HandCount(const GameState& state, int player) {
    int count = 0;
    while (count < kHandSlots && state.Hand[player][count] != kNoTile) {
        ++count;
    }
    return count;
}

bool TableIsEmpty(const GameState& state) { return state.Arm[0][0].Tile == kNoTile; }

bool TakesPart(const GameState& state, int player) {
    switch (player) {
        case 1:
        case 3:
            return true;
        case 2:
            return state.PlayerCount >= 3;
        case 4:
            return state.PlayerCount == 4;
        default:
            return false;
    }
}

// Seat order: 1, 3 with two players; 1, 2, 3 with three; 1, 2, 3, 4 with four.
int NextPlayer(const GameState& state, int player) {
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

bool BonePileEmpty(const GameState& state) { return state.BonePileNext >= kDeckSize; }

}  // namespace pipwick
