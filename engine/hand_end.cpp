// The end of a hand and of the game. The pips left in the hands, rounded to a multiple of 5, go
// to the winner of the hand; the first score to reach 250 ends the game.
#include "engine/game.h"

namespace pipwick {

int32_t RoundPips(int32_t pips) {
    return pips < 3 ? 0 : (pips + 2) / 5 * 5;
}

void Game::EndHand(int32_t points) {
    for (int player : {3, 2, 4}) {
        if (TakesPart(state_, player)) {
            view_->ShowTilesFaceUp(player);
        }
    }
    int32_t pips[5] = {};
    for (int player = 1; player <= 4; ++player) {
        for (int slot = 0; TakesPart(state_, player) && slot < kHandSlots; ++slot) {
            pips[player] += PipTotal(state_.Hand[player][slot]);
        }
    }
    if (state_.PlayerCount == 2) {
        AwardTwoPlayerHand(points, pips);
    } else {
        AwardHand(points, pips);
    }
    for (int player = 1; player <= 4; ++player) {
        if (state_.Scores[player] >= kWinningScore) {
            GameOver();
            return;
        }
    }
    if (playingOut_) {
        handOver_ = true;
        return;
    }
    view_->ShowMessage(Message::kHandOver, nullptr);
    StartHand();
}

// Two players: the lower count wins the other's pips; equal counts win nothing.
void Game::AwardTwoPlayerHand(int32_t points, const int32_t (&pips)[5]) {
    if (pips[1] == pips[3]) {
        log_->HandEnded(points, 0, 0);
        return;
    }
    const int winner = pips[3] < pips[1] ? 3 : 1;
    const int32_t gain = RoundPips(pips[winner == 3 ? 1 : 3]);
    state_.Scores[winner] += gain;
    log_->HandEnded(points, winner, gain);
    if (gain > 0 || points > 0) {
        view_->Announce({AnnouncementKind::kDominoesScores, winner, 0, gain + points});
    }
}

// Three or four players: the player who went out, or in a blocked hand the one strictly lowest,
// wins the others' pips; a shared lowest count wins nothing.
void Game::AwardHand(int32_t points, const int32_t (&pips)[5]) {
    int winner = PlayerWhoWentOut(state_);
    int32_t total = 0;
    for (int player = 1; player <= 4; ++player) {
        if (TakesPart(state_, player)) {
            total += pips[player];
        }
    }
    if (winner == 0) {
        bool shared = false;
        for (int player = 1; player <= 4; ++player) {
            if (!TakesPart(state_, player)) {
                continue;
            }
            if (winner == 0 || pips[player] < pips[winner]) {
                winner = player;
                shared = false;
            } else if (pips[player] == pips[winner]) {
                shared = true;
            }
        }
        if (shared) {
            log_->HandEnded(points, 0, 0);
            return;
        }
    }
    const int32_t gain = RoundPips(total - pips[winner]);
    state_.Scores[winner] += gain;
    log_->HandEnded(points, winner, gain);
    if (gain == 0 && points == 0) {
        view_->Announce({AnnouncementKind::kDominoes, winner});
    } else {
        view_->Announce({AnnouncementKind::kDominoesScores, winner, 0, gain + points});
    }
}

int GameWinner(const GameState& state) {
    const int32_t* scores = state.Scores;
    const int32_t human = scores[kHumanSeat];
    if (human > scores[2] && human > scores[3] && human > scores[4]) {
        return kHumanSeat;
    }
    int winner = 2;
    for (int player = 3; player <= 4; ++player) {
        if (scores[player] > scores[winner]) {
            winner = player;
        }
    }
    return winner;
}

void Game::GameOver() {
    view_->Announce({AnnouncementKind::kGameOver});
    const int winner = GameWinner(state_);
    log_->GameEnded(winner);
    if (winner == kHumanSeat) {
        view_->ShowMessage(Message::kHumanWins, nullptr);
    } else {
        view_->ShowMessage(Message::kComputerWins, Name(winner));
    }
    state_.CurrentPlayer = 0;
    state_.GameInProgress = 0;
}

}  // namespace pipwick
