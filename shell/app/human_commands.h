#pragma once

namespace pipwick {

// What the human's window asks of the program: his clicks and his menu commands.
class HumanCommands {
  public:
    virtual ~HumanCommands() = default;
    // A press on the tile in hand slot 0..20, on his turn.
    virtual void HandSlotClicked(int slot) = 0;
    virtual void DrawOrPass() = 0;
    // A key (a Qt::Key) pressed in his hand: returns whether the hand used it.
    virtual bool HandKey(int key) = 0;
    virtual void NewGame() = 0;
    // A number-of-players item, 2..4.
    virtual void ChoosePlayers(int count) = 0;
    // Escape: put the picked-up tile down.
    virtual void DropSelection() = 0;
    // Exit, Alt+X or the close box: the program ends.
    virtual void Close() = 0;
    // The window's minimise box: the table is minimised, and every window with it.
    virtual void Minimise() = 0;
};

}  // namespace pipwick
