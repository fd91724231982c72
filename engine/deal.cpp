// New games, the start of each hand, and the shuffle and deal.
#include <initializer_list>

#include "engine/board_layout.h"
#include "engine/game.h"
#include "engine/random_generator.h"
#include "model/rules.h"

namespace pipwick {

void Game::NewGame() {
    state_.GameInProgress = 1;
    state_.Rules = RulesForNewGame(settings_, state_.PlayerCount);
    for (int32_t& score : state_.Scores) {
        score = 0;
    }
    log_->GameStarted();
    view_->Announce({AnnouncementKind::kShuffling});
    state_.NextLeader = kHumanSeat;
    StartHand();
}

void Game::StartHand() {
    state_.SelectedTile = kNoSelection;
    for (auto& arm : state_.Arm) {
        for (PlacedTile& record : arm) {
            record.Tile = kNoTile;
        }
    }
    for (auto& hand : state_.Hand) {
        for (int32_t& slot : hand) {
            slot = kNoTile;
        }
    }
    state_.History.Count = 0;
    view_->ClearTableAndHands();
    ShuffleAndDeal();
    ResetLayout(state_, geometry_);
    for (Rect& drop : state_.ArmDropRect) {
        drop.left = 0;
        drop.right = 0;
    }
    state_.SpinnerState = kNoSpinner;
    state_.ConsecutivePasses = 0;
    for (int32_t& pip : state_.ArmOpenPip) {
        pip = kNoPip;
    }
    view_->RepaintTable();
    view_->ResetHandWindows();
    // With four players the whole set is dealt and the bone pile is empty from the start; in Block
    // nobody draws from it.
    view_->SetDrawPassLabel(!MayDraw(state_));
    state_.CurrentPlayer = state_.NextLeader;
    state_.NextLeader = NextPlayer(state_, state_.NextLeader);
    view_->Announce({AnnouncementKind::kDown, state_.CurrentPlayer});
    log_->HandStarted();
    RunComputerTurns();
}

void Game::ShuffleAndDeal() {
    view_->SoundFor(SoundEvent::kShuffle, 0);
    for (int32_t& entry : state_.Deck) {
        entry = kNoTile;
    }
    RandomGenerator random;
    seeds_->SeedShuffle(random);
    FillDeckByRejection(random);
    DealCycles();
    seeds_->Dealt(state_);
    state_.SelectedTile = kNoSelection;
}

// Each position draws until it gets a tile that no other position holds. Later positions are
// still 0 and Deck[0] is 0, so only earlier positions can clash: a note of the tiles already placed
// answers that without searching the deck.
void Game::FillDeckByRejection(RandomGenerator& random) {
    bool placed[kTileCount + 1] = {};
    for (int p = 1; p < kDeckSize; ++p) {
        int32_t tile = random.Between(1, kTileCount);
        while (placed[tile]) {
            tile = random.Between(1, kTileCount);
        }
        state_.Deck[p] = tile;
        placed[tile] = true;
    }
}

// One cycle for each tile of a hand, each dealing to players 3, 1, 2 and 4 in turn (those taking
// part).
void Game::DealCycles() {
    int k = 1;
    for (int i = 0; i < HandSize(state_.Rules); ++i) {
        for (int player : {3, 1, 2, 4}) {
            if (TakesPart(state_, player)) {
                state_.Hand[player][i] = state_.Deck[k++];
            }
        }
    }
    state_.BonePileNext = k;
}

}  // namespace pipwick
