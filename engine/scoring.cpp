// Scoring during play: after every tile that reaches the table the open ends are added up, and
// what the sum is worth in the game under way is scored at once.
#include "engine/game.h"
#include "model/rules.h"

namespace pipwick {

namespace {

// An arm's open end: its last tile's outer pip, both halves when that tile is a double.
int32_t EndOfArm(const GameState& state, int arm, int length) {
    if (length == 0) {
        return 0;
    }
    const PlacedTile& last = state.Arm[arm][length - 1];
    return IsDouble(last.Tile) ? 2 * last.OuterPip : last.OuterPip;
}

int32_t EndOfArm(const GameState& state, int arm) {
    return EndOfArm(state, arm, ArmLength(state, arm));
}

// While arm 2 is empty the root supplies its end; a lone double counts once, through arm 0. This
// is the score. The computer players reckon a lone spinner from both sides when they choose
// (EndCount in ai/computer_player.cpp); both stay as they are, on purpose.
int32_t EndOfArm2(const GameState& state, int arm0Length) {
    if (const int length = ArmLength(state, 2); length > 0) {
        return EndOfArm(state, 2, length);
    }
    const PlacedTile& root = state.Arm[0][0];
    if (!IsDouble(root.Tile)) {
        return root.InnerPip;
    }
    return arm0Length > 1 ? 2 * root.InnerPip : 0;
}

}  // namespace

int32_t OpenEndTotal(const GameState& state) {
    if (TableIsEmpty(state)) {
        return 0;
    }
    // Each arm is measured once: this is asked after every play of every playout.
    const int arm0Length = ArmLength(state, 0);
    return EndOfArm(state, 0, arm0Length) + EndOfArm(state, 1) + EndOfArm(state, 3) +
           EndOfArm2(state, arm0Length);
}

int32_t PlayScore(const GameState& state) {
    return EndTotalScore(state.Rules, OpenEndTotal(state));
}

bool Game::AfterPlay(int player) {
    state_.ConsecutivePasses = 0;
    CloseUpHand(player);
    const int32_t points = PlayScore(state_);
    if (points > 0) {
        AddToScore(state_, player, points);
        log_->PlayScored(player, points);
        view_->Announce({AnnouncementKind::kScores, player, 0, points});
        if (TargetReached(state_)) {
            GameOver();
            return false;
        }
    } else {
        view_->Announce({AnnouncementKind::kTurn, state_.CurrentPlayer});
    }
    OpenSideArmsOrSettleSpinner();
    if (!SomeoneWentOut(state_)) {
        return true;
    }
    if (state_.Hand[player][0] == kNoTile) {
        view_->SoundFor(SoundEvent::kGoesOut, player);
    }
    EndHand(points);
    return false;
}

// The played tile left a gap; the tiles after it move down one slot each.
void Game::CloseUpHand(int player) {
    int32_t(&hand)[kHandSlots] = state_.Hand[player];
    for (int i = 0; i < kHandSlots - 1; ++i) {
        if (hand[i] != kNoTile) {
            continue;
        }
        if (hand[i + 1] == kNoTile) {
            break;
        }
        hand[i] = hand[i + 1];
        hand[i + 1] = kNoTile;
    }
    view_->HandChanged(player);
}

}  // namespace pipwick
