// Play from the keyboard: the keys move a focus over the human's hand and choose among the ends a
// picked-up tile fits, and then give the same commands a click on the tile or on the end gives.
#include "shell/accessible_views.h"
#include "shell/application.h"

namespace pipwick {

// Keys held back while the computer players move arrive once they are done; a key that comes in
// the middle of a sequence (only a test can send one) is not the hand's.
bool Application::HandKey(int key) {
    if (sequenceDepth_ > 0) {
        return false;
    }
    const HandKeys::Move move = keys_.KeyPressed(key);
    switch (move.kind) {
        case HandKeys::Move::Kind::kNone:
            return false;
        case HandKeys::Move::Kind::kShown:
            break;
        case HandKeys::Move::Kind::kClickTile:
            LeadOrPickUp(move.value);
            break;
        case HandKeys::Move::Kind::kPlayOnArm:
            PlayOnArm(move.value);
            break;
    }
    ShowKeyboardView();
    return true;
}

void Application::ShowKeyboardView() {
    const bool shown = keys_.InUse() && sequenceDepth_ == 0 && state_.GameInProgress == 1;
    const int focus = shown ? keys_.FocusSlot() : -1;
    const int arm = shown ? keys_.ChosenArm() : -1;
    windows_.human->ShowHandFocus(focus);
    table_->ShowChosenEnd(arm >= 0 ? state_.ArmDropRect[arm] : Rect{});
    if (shown && keys_.Holding()) {
        PreviewArm(arm);
    }
    if (focus >= 0 && focus != toldFocus_) {
        AnnounceItemFocus(windows_.human->Hand(), focus);
    }
    toldFocus_ = focus;
    if (arm >= 0 && arm != toldEnd_) {
        AnnounceItemSelected(*table_, OpenEndIndex(state_, arm));
    }
    toldEnd_ = arm;
}

}  // namespace pipwick
