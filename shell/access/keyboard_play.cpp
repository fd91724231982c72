#include "shell/access/keyboard_play.h"

#include "shell/access/accessible_game.h"
#include "shell/access/accessible_views.h"

namespace pipwick {

KeyboardPlay::KeyboardPlay(const GameState& state, const Geometry& geometry, const Windows& windows,
                           const SequenceRunner& sequences, Commands commands)
    : state_(state),
      windows_(windows),
      sequences_(sequences),
      commands_(std::move(commands)),
      keys_(state, geometry) {}

// Keys held back while the computer players move arrive once they are done; a key that comes in
// the middle of a sequence (only a test can send one) is not the hand's.
bool KeyboardPlay::HandKey(int key) {
    if (sequences_.Running()) {
        return false;
    }
    const HandKeys::Move move = keys_.KeyPressed(key);
    switch (move.kind) {
        case HandKeys::Move::Kind::kNone:
            return false;
        case HandKeys::Move::Kind::kShown:
            break;
        case HandKeys::Move::Kind::kClickTile:
            commands_.leadOrPickUp(move.value);
            break;
        case HandKeys::Move::Kind::kPlayOnArm:
            commands_.playOnArm(move.value);
            break;
    }
    ShowView();
    return true;
}

void KeyboardPlay::FollowMarks(int hintedArm) {
    keys_.Follow(hintedArm);
    ShowView();
}

void KeyboardPlay::ShowView() {
    const bool shown = keys_.InUse() && !sequences_.Running() && state_.GameInProgress == 1;
    const int focus = shown ? keys_.FocusSlot() : -1;
    const int arm = shown ? keys_.ChosenArm() : -1;
    windows_.human->ShowHandFocus(focus);
    windows_.table->ShowChosenEnd(arm >= 0 ? state_.ArmDropRect[arm] : Rect{});
    if (shown && keys_.Holding()) {
        commands_.previewArm(arm);
    }
    if (focus >= 0 && focus != toldFocus_) {
        AnnounceItemFocus(windows_.human->Hand(), focus);
    }
    toldFocus_ = focus;
    if (arm >= 0 && arm != toldEnd_) {
        AnnounceItemSelected(*windows_.table, OpenEndIndex(state_, arm));
    }
    toldEnd_ = arm;
}

}  // namespace pipwick
