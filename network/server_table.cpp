#include "network/server_table.h"

#include "ai/level.h"
#include "model/rules.h"

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

bool ServerTable::StandIn(int seat) {
    if (!IsPerson(People(), seat) || !TakesPart(state_, seat)) {
        return false;
    }
    standIn_[seat] = true;
    settings_.PlayerLevel[seat] = static_cast<int32_t>(Level::Advanced);
    news_.StandInChanged(seat, true);
    Reseat(seat, Controller::kComputer);
    return true;
}

bool ServerTable::Return(int seat) {
    if (seat < 1 || seat > 4 || !standIn_[seat]) {
        return false;
    }
    standIn_[seat] = false;
    news_.StandInChanged(seat, false);
    Reseat(seat, Controller::kPerson);
    return true;
}

void ServerTable::Reseat(int seat, Controller controller) {
    Seats people = People();
    people.Of[seat] = controller;
    game_.SeatPlayers(people);
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
        const bool mustPlay =
            !MayDraw(state_) && MustPlayWhenAble(state_.Rules) && CanPlay(state_, seat);
        return mustPlay ? MoveVerdict::kMustPlay : MoveVerdict::kTaken;
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
