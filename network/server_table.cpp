#include "network/server_table.h"

namespace pipwick {

namespace {

int SlotOf(const GameState& state, int seat, int32_t tile) {
    for (int slot = 0; tile != kNoTile && slot < kHandSlots; ++slot) {
        if (state.Hand[seat][slot] == tile) {
            return slot;
        }
    }
    return kEmptySlot;
}

}  // namespace

// The server lays its table out at scale 1, as the simulator does by default.
ServerTable::ServerTable(const TableSetup& setup, Clock& clock, SeedSource& seeds)
    : settings_(setup.Settings),
      geometry_(MakeGeometry(1.0, 1024, 768)),
      news_(state_),
      game_(state_, settings_, geometry_, view_, clock, seeds) {
    ResetGameState(state_);
    state_.PlayerCount = setup.Players;
    game_.SeatPlayers(setup.People);
    game_.RecordTo(news_);
}

void ServerTable::NewGame() {
    game_.NewGame();
}

int ServerTable::ToPlay() const {
    return state_.GameInProgress == 1 ? state_.CurrentPlayer : 0;
}

MoveVerdict ServerTable::Check(int seat, const ChairMove& move) const {
    if (state_.GameInProgress != 1) {
        return MoveVerdict::kNoGame;
    }
    if (seat != state_.CurrentPlayer || !IsPerson(People(), seat)) {
        return MoveVerdict::kNotYourTurn;
    }
    if (move.drawOrPass) {
        return MoveVerdict::kTaken;
    }
    if (SlotOf(state_, seat, move.tile) == kEmptySlot) {
        return MoveVerdict::kNotYourTile;
    }
    if (move.arm < 0 || move.arm >= kArmCount) {
        return MoveVerdict::kNoSuchArm;
    }
    if (!TableIsEmpty(state_) && !Shows(move.tile, state_.ArmOpenPip[move.arm])) {
        return MoveVerdict::kDoesNotFit;
    }
    return MoveVerdict::kTaken;
}

MoveVerdict ServerTable::Move(int seat, const ChairMove& move) {
    const MoveVerdict verdict = Check(seat, move);
    if (verdict != MoveVerdict::kTaken) {
        return verdict;
    }
    if (move.drawOrPass) {
        game_.PersonDrawsOrPasses(seat);
        return verdict;
    }
    // The engine still refuses a play onto a full arm, which no whole set can reach.
    const bool taken = game_.PersonPlays(seat, SlotOf(state_, seat, move.tile), move.arm);
    return taken ? verdict : MoveVerdict::kDoesNotFit;
}

}  // namespace pipwick
