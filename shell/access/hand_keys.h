#pragma once

#include <cstdint>
#include <vector>

#include "model/game_state.h"
#include "model/geometry.h"

namespace pipwick {

// The keyboard's way through the human's hand and onto the table: the focus rests on one tile of
// the hand and, while a tile is picked up, on one of the ends it fits. This is view state only;
// what the keys do to the game is done by the commands a click gives.
class HandKeys {
  public:
    HandKeys(const GameState& state, const Geometry& geometry);

    struct Move {
        enum class Kind {
            kNone,       // the key is not the hand's
            kShown,      // the focus or the chosen end moved
            kClickTile,  // as a click on the tile in hand slot value
            kPlayOnArm,  // as a click on the end of arm index value
        };
        Kind kind = Kind::kNone;
        int value = 0;
    };
    // What a key (a Qt::Key) asks for.
    Move KeyPressed(int key);

    // The hand slot with the focus, -1 when the hand is empty.
    int FocusSlot() const;
    // The arm index of the chosen end, -1 while no tile is picked up or it fits no end.
    int ChosenArm() const;
    // The arm indexes of the ends the picked-up tile fits, by the game's own rules; none while no
    // tile is picked up or the table is empty.
    std::vector<int> FittingArms() const;
    // Whether a tile is picked up to be played on an end (not a lead).
    bool Holding() const;

    // The focus and the chosen end are shown from the first key on, until the mouse is used.
    bool InUse() const { return inUse_; }
    void MouseUsed() { inUse_ = false; }

    // After any change of the game: the focus follows a picked-up tile, and a newly picked-up
    // tile gets preferredArm (the hint's end) when it fits there, else the first end it fits.
    void Follow(int preferredArm = -1);

  private:
    std::vector<int> OccupiedSlots() const;
    Move MoveFocus(int key);
    Move ChooseEnd(int key);

    const GameState& state_;
    const Geometry& geometry_;
    int focus_ = 0;
    int chosenArm_ = -1;
    int32_t followed_ = kNoSelection;
    bool inUse_ = false;
};

}  // namespace pipwick
