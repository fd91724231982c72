#pragma once

#include <functional>

#include "model/game_state.h"
#include "model/geometry.h"
#include "shell/access/hand_keys.h"
#include "shell/app/sequence_runner.h"
#include "shell/windows/qt_game_view.h"

namespace pipwick {

// Play from the keyboard: the keys move a focus over the human's hand and choose among the ends a
// picked-up tile fits, and then give the same commands a click on the tile or on the end gives.
class KeyboardPlay {
  public:
    // What a key does in the game: the commands a click gives, and the status line's preview of
    // the chosen end.
    struct Commands {
        std::function<void(int slot)> leadOrPickUp;
        std::function<void(int arm)> playOnArm;
        std::function<void(int arm)> previewArm;
    };

    KeyboardPlay(const GameState& state, const Geometry& geometry, const Windows& windows,
                 const SequenceRunner& sequences, Commands commands);

    // A key (a Qt::Key) pressed in the hand: returns whether the hand used it.
    bool HandKey(int key);
    // The mouse took over: the keys stop showing their focus until they are used again.
    void MouseUsed() { keys_.MouseUsed(); }
    // The marks were shown again; the keys choose the hinted end (-1 for none) if there is one.
    void FollowMarks(int hintedArm);
    const HandKeys& Keys() const { return keys_; }

  private:
    // Shows the keyboard's focus and chosen end while the keys are in use, and tells assistive
    // technologies where they moved.
    void ShowView();

    const GameState& state_;
    const Windows& windows_;
    const SequenceRunner& sequences_;
    Commands commands_;
    HandKeys keys_;
    // What assistive technologies were last told has the focus: a hand slot and an end.
    int toldFocus_ = -1;
    int toldEnd_ = -1;
};

}  // namespace pipwick
