// The end of a hand and of the game. The winner of the hand gains what his game awards: the pips
// left in the other side's hands, rounded as the game rounds them, or one point for the go; the
// first score to reach the target ends the game.
#include <initializer_list>

#include "engine/game.h"
#include "model/rules.h"

namespace pipwick {

int32_t RoundPips(int32_t pips, int32_t multiple) {
    return (pips + multiple / 2) / multiple * multiple;
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
    if (state_.PlayerCount == 2 && KindOf(state_.Rules).twoPlayersByCount) {
        AwardTwoPlayerHand(points, pips);
    } else {
        AwardHand(points, pips);
    }
    if (TargetReached(state_)) {
        GameOver();
        return;
    }
    if (playingOut_) {
        handOver_ = true;
        return;
    }
    view_->ShowMessage(Message::kHandOver, 0);
    StartHand();
}

// Between two, where the game says so: the lower count wins the other's pips; equal counts win
// nothing, unheard.
void Game::AwardTwoPlayerHand(int32_t points, const int32_t (&pips)[5]) {
    if (pips[1] == pips[3]) {
        log_->HandEnded(points, 0, 0);
        return;
    }
    const int winner = pips[3] < pips[1] ? 3 : 1;
    const int32_t gain = RoundPips(pips[winner == 3 ? 1 : 3], KindOf(state_.Rules).awardRounding);
    AddToScore(state_, winner, gain);
    log_->HandEnded(points, winner, gain);
    if (gain > 0 || points > 0) {
        view_->Announce({AnnouncementKind::kDominoesScores, winner, 0, gain + points});
    }
}

namespace {

// The player who went out wins the hand; in a blocked hand the one strictly lightest, or 0 when
// players on different sides share the lightest count. Partners who share it win together.
int HandWinner(const GameState& state, const int32_t (&pips)[5]) {
    if (const int out = PlayerWhoWentOut(state); out != 0) {
        return out;
    }
    int winner = 0;
    bool shared = false;
    for (int player = 1; player <= 4; ++player) {
        if (!TakesPart(state, player)) {
            continue;
        }
        if (winner == 0 || pips[player] < pips[winner]) {
            winner = player;
            shared = false;
        } else if (pips[player] == pips[winner] && !ShareScore(state.Rules, player, winner)) {
            shared = true;
        }
    }
    return shared ? 0 : winner;
}

// The winner gains a go, or the pips of every hand but his own side's, rounded as his game says.
int32_t HandGain(const GameState& state, int winner, const int32_t (&pips)[5]) {
    const GameKindRow& kind = KindOf(state.Rules);
    if (kind.award == HandAward::kOneGo) {
        return 1;
    }
    int32_t against = 0;
    for (int player = 1; player <= 4; ++player) {
        if (TakesPart(state, player) && !ShareScore(state.Rules, player, winner)) {
            against += pips[player];
        }
    }
    return RoundPips(against, kind.awardRounding);
}

}  // namespace

// The hand's winner gains his game's award, and a blocked hand whose lightest count is shared
// across the sides wins nothing.
void Game::AwardHand(int32_t points, const int32_t (&pips)[5]) {
    const int winner = HandWinner(state_, pips);
    if (winner == 0) {
        log_->HandEnded(points, 0, 0);
        return;
    }
    const int32_t gain = HandGain(state_, winner, pips);
    AddToScore(state_, winner, gain);
    log_->HandEnded(points, winner, gain);
    if (gain == 0 && points == 0) {
        view_->Announce({AnnouncementKind::kDominoes, winner});
    } else {
        view_->Announce({AnnouncementKind::kDominoesScores, winner, 0, gain + points});
    }
}

// With partners the pair ahead wins: the human's, or else the other, named by seat 2.
int GameWinner(const GameState& state) {
    const int32_t* scores = state.Scores;
    if (PlaysInPairs(state.Rules)) {
        return scores[kHumanSeat] > scores[2] ? kHumanSeat : 2;
    }
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
        view_->ShowMessage(Message::kHumanWins, 0);
    } else {
        view_->ShowMessage(Message::kComputerWins, winner);
    }
    state_.CurrentPlayer = 0;
    state_.GameInProgress = 0;
}

}  // namespace pipwick
