// The turn sequence: drawing and passing, and a computer player's whole turn. Computer turns run
// one after another inside a person's action until it is a person's turn or the game is over.
#include "ai/computer_player.h"
#include "engine/computer_choice.h"
#include "engine/game.h"
#include "engine/pauses.h"
#include "model/rules.h"

namespace pipwick {

// The end of the game hands the turn to nobody (player 0), so the turns stop there too without
// asking whether the game goes on.
void Game::RunComputerTurns() {
    while (state_.CurrentPlayer != 0 && !IsPerson(seats_, state_.CurrentPlayer)) {
        ComputerTurn(state_.CurrentPlayer);
    }
}

void Game::SeatPlayers(const Seats& seats) {
    seats_ = seats;
    if (state_.GameInProgress == 1) {
        RunComputerTurns();
    }
}

// Where nobody draws (Block) a person's Draw/Pass passes, and only while no tile of his fits; in
// the other games he may draw, or pass once the pile is empty, even when he could play.
void Game::DrawOrPass(int player) {
    if (!IsPerson(seats_, player) || MayDraw(state_)) {
        Draw(player);
    } else if (MustPlayWhenAble(state_.Rules) && CanPlay(state_, player)) {
        view_->Announce({AnnouncementKind::kMustPlay, player});
    } else {
        PersonPasses(player);
    }
}

// A person's pass is counted and hands the turn on. When a computer player sits next it leaves
// the end of a blocked hand to that player's pass, as the one-person game always has; when a
// person sits next, this pass ends the blocked hand itself, unheard like a computer player's, so
// that a table of people never passes round for ever.
void Game::PersonPasses(int seat) {
    RememberHandEvent(state_, HandEventKind::kPass, seat, kNoTile);
    state_.CurrentPlayer = NextPlayer(state_, seat);
    const bool blocks = IsPerson(seats_, state_.CurrentPlayer) &&
                        state_.ConsecutivePasses + 1 >= state_.PlayerCount;
    if (!blocks) {
        view_->Announce({AnnouncementKind::kHumanPassed, seat, state_.CurrentPlayer});
    }
    ++state_.ConsecutivePasses;
    log_->Passed(seat);
    if (blocks) {
        EndHand(0);
        return;
    }
    view_->SoundFor(SoundEvent::kPasses, seat);
    RunComputerTurns();
}

// Drawing keeps the turn: the player still has to play, draw again or pass.
void Game::Draw(int player) {
    const int slot = HandCount(state_, player);
    if (slot >= kHandSlots) {
        return;
    }
    RememberHandEvent(state_, HandEventKind::kDraw, player, kNoTile);
    state_.Hand[player][slot] = state_.Deck[state_.BonePileNext++];
    log_->TileDrawn(player, state_.Hand[player][slot]);
    if (BonePileEmpty(state_)) {
        view_->SetDrawPassLabel(true);
    }
    view_->HandChanged(player);
    view_->SoundFor(SoundEvent::kTileDrawn, player);
}

void Game::ComputerTurn(int player) {
    clock_.WaitMilliseconds(static_cast<uint32_t>(settings_.PlayDelay) * pause::kPerDelaySecond);
    Play play = ChooseComputerMove(player);
    while (play.slot == kEmptySlot && MayDraw(state_)) {
        DrawOrPass(player);
        clock_.WaitMilliseconds(pause::kAfterDraw);
        play = ChooseComputerMove(player);
    }
    if (play.slot == kEmptySlot) {
        ComputerPasses(player);
    } else {
        ComputerPlays(player, play);
    }
}

Play Game::ChooseComputerMove(int player) const {
    if (playingOut_ && player == playOutSeat_) {
        return ChooseLookAheadPlay(state_, state_.Hand[player]);
    }
    return ChooseAtLevel(state_, geometry_, player, LevelFromSetting(settings_.PlayerLevel[player]),
                         ComputerSeatLevels(state_, seats_, settings_.PlayerLevel));
}

void Game::PlayOutHand(int player, const Play& play) {
    playingOut_ = true;
    handOver_ = false;
    playOutSeat_ = player;
    ComputerPlays(player, play);
    while (!handOver_ && state_.GameInProgress == 1) {
        ComputerTurn(state_.CurrentPlayer);
    }
}

void Game::ComputerPlays(int player, const Play& play) {
    PlaceTile(player, geometry_.OpponentSlotRect[play.slot], state_.Hand[player][play.slot],
              play.arm + 1);
    state_.Hand[player][play.slot] = kNoTile;
    state_.CurrentPlayer = NextPlayer(state_, player);
    view_->Announce({AnnouncementKind::kTurn, state_.CurrentPlayer});
    AfterPlay(player);
}

// The pass that makes every player in turn pass blocks the hand: it ends the hand, unheard.
void Game::ComputerPasses(int player) {
    RememberHandEvent(state_, HandEventKind::kPass, player, kNoTile);
    ++state_.ConsecutivePasses;
    log_->Passed(player);
    if (EveryonePassed(state_)) {
        EndHand(0);
        return;
    }
    view_->SoundFor(SoundEvent::kPasses, player);
    state_.CurrentPlayer = NextPlayer(state_, player);
    view_->Announce({AnnouncementKind::kPasses, player});
}

}  // namespace pipwick
