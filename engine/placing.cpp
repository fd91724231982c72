// Laying a tile on the line of play, and the spinner.
//
// The rule of the game lives entirely in ArmOpenPip: a tile may go on an arm when one of its pips
// equals the arm's open pip, and a closed arm holds 7, which no tile shows. The first double laid
// becomes the spinner: the main line is re-rooted so that the double is record 0 of arm 0, and
// once both of its sides carry tiles its two side arms open.
#include <initializer_list>
#include <utility>

#include "engine/game.h"

#include "engine/board_layout.h"
#include "engine/drop_areas.h"
#include "model/rules.h"

namespace pipwick {

bool Game::PlaceTile(int player, const Rect& source, int32_t tile, int arm) {
    const int index = arm - 1;
    const bool empty = TableIsEmpty(state_);
    // An arm of 28 tiles holds the whole set and has no record left: a play onto it can only come
    // from a broken state.
    const int length = empty ? 0 : ArmLength(state_, index);
    const bool full = length == kArmLength;
    // A person's tile is checked against the end; a computer player only chooses tiles that fit.
    const bool person = IsPerson(seats_, player);
    if (full || (person && !empty && !Shows(tile, state_.ArmOpenPip[index]))) {
        if (person) {
            view_->ShowMessage(Message::kWontPlayThere, 0);
        }
        return false;
    }
    RememberHandEvent(state_, HandEventKind::kPlay, player, tile);
    const int armIndex = empty ? 0 : index;
    log_->TileLaid(player, armIndex, tile);
    view_->TileLeavesHand(player, source, tile);
    if (empty) {
        PlaceFirstTile(tile);
    } else {
        PlaceOnArm(index, length, tile);
    }
    if (IsDouble(tile) && state_.SpinnerState == kNoSpinner && HasSpinner(state_.Rules)) {
        RerootAtSpinner(tile);
        log_->TilePlayed(player, 0, state_.Arm[0][0]);
    } else {
        log_->TilePlayed(player, armIndex, state_.Arm[armIndex][length]);
    }
    return true;
}

void Game::PlaceFirstTile(int32_t tile) {
    PlacedTile& root = state_.Arm[0][0];
    root.Tile = tile;
    root.InnerPip = LowPip(tile);
    root.OuterPip = HighPip(tile);
    LayOutTile(state_, geometry_.ScaleFactor, 0, root);
    view_->TileLands(root);
    state_.ArmDropRect[2] = RootSideOf(root, 2);
    state_.ArmDropRect[0] = OpenEndOf(root);
    state_.ArmOpenPip[0] = HighPip(tile);
    state_.ArmOpenPip[2] = LowPip(tile);
}

void Game::PlaceOnArm(int arm, int length, int32_t tile) {
    PlacedTile& record = state_.Arm[arm][length];
    record.Tile = tile;
    const bool lowMatches = LowPip(tile) == state_.ArmOpenPip[arm];
    record.InnerPip = lowMatches ? LowPip(tile) : HighPip(tile);
    record.OuterPip = lowMatches ? HighPip(tile) : LowPip(tile);
    SelectHandTile(kDropSelection);
    LayOutTile(state_, geometry_.ScaleFactor, arm, record);
    view_->TileLands(record);
    state_.ArmOpenPip[arm] = record.OuterPip;
    state_.ArmDropRect[arm] = OpenEndOf(record);
}

namespace {

// The main line read from arm 2's open end inward, then arm 0 from its root outward.
int ReadMainLine(const GameState& state, PlacedTile (&line)[2 * kArmLength]) {
    int n = 0;
    for (int i = ArmLength(state, 2) - 1; i >= 0; --i) {
        line[n++] = state.Arm[2][i];
    }
    const int arm0 = ArmLength(state, 0);
    for (int i = 0; i < arm0; ++i) {
        line[n++] = state.Arm[0][i];
    }
    return n;
}

}  // namespace

void Game::RerootAtSpinner(int32_t tile) {
    PlacedTile line[2 * kArmLength];
    const int length = ReadMainLine(state_, line);
    int d = 0;
    while (d < length && line[d].Tile != tile) {
        ++d;
    }
    // A double laid off the main line (only a broken state opens a side arm that early) cannot
    // become its root; the line stays as it is.
    if (d == length) {
        return;
    }
    for (int arm : {0, 2}) {
        for (PlacedTile& record : state_.Arm[arm]) {
            record.Tile = kNoTile;
        }
        ResetArmLayout(state_, geometry_, arm);
        state_.ArmOpenPip[arm] = LowPip(tile);
    }
    // The new arm 0 runs from the double outward, the new arm 2 from just before it back to the
    // start of the line; one record of each per step, so both lie as if played anew.
    for (int k = 0; d + k < length || d - 1 - k >= 0; ++k) {
        if (d + k < length) {
            RelayRecord(0, k, line[d + k]);
        }
        if (d - 1 - k >= 0) {
            RelayRecord(2, k, line[d - 1 - k]);
        }
    }
    // Until the spinner settles after this play, its two halves are played against apart.
    state_.SpinnerState = kSpinnerJustLaid;
    if (ArmLength(state_, 2) == 0) {
        const PlacedTile& spinner = state_.Arm[0][0];
        state_.ArmOpenPip[2] = spinner.InnerPip;
        state_.ArmDropRect[2] = spinner.InnerHalf;
    }
    view_->RedrawAllTiles();
}

void Game::RelayRecord(int arm, int index, const PlacedTile& copy) {
    PlacedTile& record = state_.Arm[arm][index];
    record = copy;
    LayOutTile(state_, geometry_.ScaleFactor, arm, record);
    if (record.InnerPip != state_.ArmOpenPip[arm]) {
        std::swap(record.InnerPip, record.OuterPip);
    }
    state_.ArmOpenPip[arm] = record.OuterPip;
    state_.ArmDropRect[arm] = record.OuterHalf;
}

// After every play: the side arms open once both sides of the spinner carry a tile; a spinner laid
// by this very play settles without opening them.
void Game::OpenSideArmsOrSettleSpinner() {
    const PlacedTile& spinner = state_.Arm[0][0];
    if (state_.SpinnerState == kSpinnerDown && ArmLength(state_, 2) > 0 &&
        ArmLength(state_, 0) >= 2) {
        state_.ArmOpenPip[1] = spinner.InnerPip;
        state_.ArmOpenPip[3] = spinner.InnerPip;
        state_.ArmDropRect[1] = RootSideOf(spinner, 1);
        state_.ArmDropRect[3] = RootSideOf(spinner, 3);
        state_.SpinnerState = kSideArmsOpen;
    } else if (state_.SpinnerState == kSpinnerJustLaid) {
        view_->RepaintTable();
        state_.SpinnerState = kSpinnerDown;
        if (ArmLength(state_, 2) == 0) {
            state_.ArmDropRect[2] = RootSideOf(spinner, 2);
        }
        if (ArmLength(state_, 0) == 1) {
            state_.ArmDropRect[0] = OpenEndOf(spinner);
        }
    }
}

}  // namespace pipwick
