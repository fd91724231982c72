// The human's actions as his windows deliver them: a click on a tile of his hand, a click on an
// arm's drop area in the table window, the Draw/Pass command, a change of the number of players;
// and the moves of a person at any seat, as a table that seats several people delivers them.
#include <initializer_list>

#include "engine/game.h"

namespace pipwick {

namespace {

int SlotOf(const GameState& state, int32_t tile) {
    for (int slot = 0; slot < kHandSlots; ++slot) {
        if (state.Hand[kHumanSeat][slot] == tile) {
            return slot;
        }
    }
    return kEmptySlot;
}

}  // namespace

void Game::HumanClicksHandTile(int slot) {
    if (!HumansTurn(state_) || slot < 0 || slot >= kHandSlots ||
        state_.Hand[kHumanSeat][slot] == kNoTile) {
        return;
    }
    if (!TableIsEmpty(state_)) {
        SelectHandTile(slot);
        return;
    }
    PlayFromHand(kHumanSeat, slot, 0);
}

void Game::HumanPlaysOnArm(int armIndex) {
    if (!HumansTurn(state_) || state_.SelectedTile == kNoSelection) {
        return;
    }
    const int found = SlotOf(state_, state_.SelectedTile);
    const int slot = found == kEmptySlot ? 0 : found;
    state_.SelectedTile = kNoSelection;
    if (!PlayFromHand(kHumanSeat, slot, armIndex)) {
        view_->SelectionChanged();
    }
}

bool Game::PersonPlays(int seat, int slot, int armIndex) {
    if (!PersonsTurn(seat) || slot < 0 || slot >= kHandSlots || armIndex < 0 ||
        armIndex >= kArmCount || state_.Hand[seat][slot] == kNoTile) {
        return false;
    }
    return PlayFromHand(seat, slot, armIndex);
}

bool Game::PersonDrawsOrPasses(int seat) {
    if (!PersonsTurn(seat)) {
        return false;
    }
    DrawOrPass(seat);
    return true;
}

bool Game::PersonsTurn(int seat) const {
    return state_.GameInProgress == 1 && state_.CurrentPlayer == seat && IsPerson(seats_, seat);
}

// A person's lead (on arm 0) or play of the tile in slot; it leaves seat 1's hand from the bottom
// window and any other seat's from that seat's window. Once it lies on the table the computer
// players take their turns, unless it ended the hand or the game. False when the game refused it.
bool Game::PlayFromHand(int seat, int slot, int armIndex) {
    int32_t& tile = state_.Hand[seat][slot];
    const Rect& source =
        seat == kHumanSeat ? geometry_.HandSlotRect[slot] : geometry_.OpponentSlotRect[slot];
    if (!PlaceTile(seat, source, tile, armIndex + 1)) {
        return false;
    }
    tile = kNoTile;
    state_.CurrentPlayer = NextPlayer(state_, seat);
    if (AfterPlay(seat)) {
        RunComputerTurns();
    }
    return true;
}

void Game::HumanDrawsOrPasses() {
    if (HumansTurn(state_)) {
        DrawOrPass(kHumanSeat);
    }
}

void Game::SelectHandTile(int slot) {
    if (state_.SelectedTile < kNoSelection) {
        state_.SelectedTile = kNoSelection;
        view_->SelectionChanged();
    }
    if (slot < kDropSelection) {
        state_.SelectedTile = state_.Hand[kHumanSeat][slot];
        view_->SelectionChanged();
    }
}

void Game::ChangePlayerCount(int count) {
    if (state_.PlayerCount == count) {
        return;
    }
    state_.PlayerCount = count;
    if (state_.GameInProgress == 1) {
        NewGame();
    }
}

void MakeHumanPlay(Game& game, const Play& play) {
    if (play.slot == kEmptySlot) {
        game.HumanDrawsOrPasses();
        return;
    }
    const bool leads = TableIsEmpty(game.State());
    game.HumanClicksHandTile(play.slot);
    if (!leads) {
        game.HumanPlaysOnArm(play.arm);
    }
}

bool HumansTurn(const GameState& state) {
    return state.GameInProgress == 1 && state.CurrentPlayer == kHumanSeat;
}

int DropArmAt(const GameState& state, int32_t x, int32_t y) {
    for (int arm : {0, 2, 1, 3}) {
        const Rect& drop = state.ArmDropRect[arm];
        if (!drop.IsEmpty() && drop.Contains(x, y)) {
            return arm;
        }
    }
    return -1;
}

}  // namespace pipwick
