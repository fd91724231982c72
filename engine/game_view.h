#pragma once

#include <cstdint>

#include "engine/announcement.h"
#include "engine/sound_event.h"
#include "model/game_state.h"

namespace pipwick {

// The messages of the status pop-up.
enum class Message : int32_t {
    kWontPlayThere = 0,
    kHandOver = 3,
    kComputerWins = 4,
    kHumanWins = 5,
};

// Everything the game shows or plays goes through this interface: the windows implement it, the
// simulator ignores it, the tests record it. The engine calls it at the moments the rules name and
// never touches a window itself.
class GameView {
  public:
    virtual ~GameView() = default;

    // The captions show every player's score and name; the status line says what happened.
    virtual void Announce(const Announcement& announcement) = 0;
    // Modal: returns when the pop-up has closed. winner names the winning computer player.
    virtual void ShowMessage(Message message, const char* winner) = 0;

    // The start of a hand: table picture and player windows cleared.
    virtual void ClearTableAndHands() = 0;
    // The start of a hand: the windows of the players taking part get their seven-tile width.
    virtual void ResetHandWindows() = 0;
    // A hand changed (a tile drawn, a play closed up): width for its tiles, repaint.
    virtual void HandChanged(int32_t player) = 0;
    // The human picked a tile up or put it down: SelectedTile has changed.
    virtual void SelectionChanged() = 0;
    // The Draw/Pass command reads "P&ass" when pass is true, else "Dr&aw".
    virtual void SetDrawPassLabel(bool pass) = 0;

    // A played tile leaves the player's window from source (that window's client pixels) and is
    // drawn upright at its start point on the table.
    virtual void TileLeavesHand(int32_t player, const Rect& source, int32_t tile) = 0;
    // The tile flies from its start point to the laid-out record, lands (with its sound) and is
    // drawn in place.
    virtual void TileLands(const PlacedTile& record) = 0;
    // The table picture is cleared and every placed tile drawn again (after the re-rooting).
    virtual void RedrawAllTiles() = 0;
    // The whole table window is repainted from its picture.
    virtual void RepaintTable() = 0;
    // The end of a hand: a computer player's remaining tiles are turned face up.
    virtual void ShowTilesFaceUp(int32_t player) = 0;

    // Something the player may hear happened; player is 0 for the shuffle. The deal waits for the
    // shuffle: the call returns when it has been heard.
    virtual void SoundFor(SoundEvent event, int32_t player) = 0;
};

// A view with no windows: the simulator, the Expert's playouts and trial plays show nothing and
// play nothing.
class SilentView : public GameView {
  public:
    void Announce(const Announcement&) override {}
    void ShowMessage(Message, const char*) override {}
    void ClearTableAndHands() override {}
    void ResetHandWindows() override {}
    void HandChanged(int32_t) override {}
    void SelectionChanged() override {}
    void SetDrawPassLabel(bool) override {}
    void TileLeavesHand(int32_t, const Rect&, int32_t) override {}
    void TileLands(const PlacedTile&) override {}
    void RedrawAllTiles() override {}
    void RepaintTable() override {}
    void ShowTilesFaceUp(int32_t) override {}
    void SoundFor(SoundEvent, int32_t) override {}
};

}  // namespace pipwick
