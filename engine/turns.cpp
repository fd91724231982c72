// The turn sequence: drawing and passing, and a computer player's whole turn. Computer turns run
// one after another inside the human's action until it is his turn again or the game is over.
#include "ai/computer_player.h"
#include "engine/computer_choice.h"
#include "engine/game.h"
#include "engine/pauses.h"
#include "model/rules.h"

namespace pipwick {

// The computer players sit in the seats after the human's. The end of the game hands the turn to
// nobody (player 0), so the turns stop there too without asking whether the game goes on.
void Game::RunComputerTurns() {
    while (state_.CurrentPlayer > kHumanSeat) {
        ComputerTurn(state_.CurrentPlayer);
    }
}

// Where nobody draws (Block) Draw/Pass passes, and only while no tile of the human's fits; in the
// other games he may draw, or pass once the pile is empty, even when he could play.
void Game::DrawOrPass(int player) {
    if (player != kHumanSeat || MayDraw(state_)) {
        Draw(player);
    } else if (MustPlayWhenAble(state_.Rules) && CanPlay(state_, kHumanSeat)) {
        view_->Announce({AnnouncementKind::kMustPlay, kHumanSeat});
    } else {
        HumanPasses();
    }
}

// The human's pass is counted but does not end a blocked hand: the next computer pass does.
void Game::HumanPasses() {
    RememberHandEvent(state_, HandEventKind::kPass, kHumanSeat, kNoTile);
    state_.CurrentPlayer = NextPlayer(state_, kHumanSeat);
    view_->Announce({AnnouncementKind::kHumanPassed, kHumanSeat, state_.CurrentPlayer});
    ++state_.ConsecutivePasses;
    log_->Passed(kHumanSeat);
    view_->SoundFor(SoundEvent::kPasses, kHumanSeat);
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
    return ChooseAtLevel(state_, geometry_, player, LevelFromSetting(settings_.PlayerLevel[player]),
                         ComputerSeatLevels(state_, settings_.PlayerLevel));
}

void Game::PlayOutHand(int player, const Play& play) {
    playingOut_ = true;
    handOver_ = false;
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
