#pragma once

#include <functional>
#include <vector>

#include "engine/game_view.h"
#include "model/game_state.h"
#include "model/geometry.h"
#include "shell/dialogs/prompts.h"
#include "shell/sound/game_sounds.h"
#include "shell/sound/sound_player.h"
#include "shell/storage/settings.h"
#include "shell/windows/human_window.h"
#include "shell/windows/opponent_window.h"
#include "shell/windows/table_window.h"
#include "shell/windows/tile_pictures.h"

namespace pipwick {

// The five windows of a running program.
struct Windows {
    TableWindow* table = nullptr;
    HumanWindow* human = nullptr;
    OpponentWindow* opponents[3] = {};  // players 2, 3, 4

    OpponentWindow& Opponent(int player) const { return *opponents[OpponentIndex(player) - 1]; }
    // The window of any player, 1..4.
    PlayerWindow& Player(int player) const {
        if (player == kHumanSeat) {
            return *human;
        }
        return Opponent(player);
    }
    // The captions show the names alone until the next announcement adds the scores again.
    void ShowNames(const Settings& settings) const;
};

// When a whole new state is shown, the table is drawn again at once (Undo) or half a second later,
// with the domino set loaded anew (a saved game opened).
enum class TableRedraw { kSoon, kAtOnce };

// What the game shows, shown in the windows: texts in the captions, the status line and the
// pop-up; tiles drawn by the tile pictures onto the windows' surfaces.
class QtGameView : public GameView {
  public:
    QtGameView(const GameState& state, const Settings& settings, const Geometry& geometry,
               const Windows& windows, Prompts& prompts, TilePictures& pictures);

    void Announce(const Announcement& announcement) override;
    void ShowMessage(Message message, int32_t winner) override;
    void ClearTableAndHands() override;
    void ResetHandWindows() override;
    void HandChanged(int32_t player) override;
    void SelectionChanged() override;
    void SetDrawPassLabel(bool pass) override;
    void TileLeavesHand(int32_t player, const Rect& source, int32_t tile) override;
    void TileLands(const PlacedTile& record) override;
    void RedrawAllTiles() override;
    void RepaintTable() override;
    void ShowTilesFaceUp(int32_t player) override;
    void SoundFor(SoundEvent event, int32_t player) override { sounds_.Hear(event, player); }
    // Until it is given a sound player the view is silent.
    void UseSounds(SoundPlayer& sounds) { sounds_.UsePlayer(sounds); }
    // What the game sounds like, the tiles landing on the table included.
    GameSounds& Sounds() { return sounds_; }
    // Called after the human's hand was redrawn for a tile picked up or put down.
    void OnSelectionChanged(std::function<void()> changed) {
        selectionChanged_ = std::move(changed);
    }

    // "%d - %s" with the player's score and name.
    QString Caption(int player) const;
    QString GamePopupText(Message message, int32_t winner) const;
    QString PairPopupText(Message message, int32_t winner) const;
    // Every player window's caption with its player's score and name.
    void ShowCaptions();
    // The captions, and status as it is in the status line: for the shell's own reports.
    void ShowStatus(const char* status);
    // The hand of player redrawn in its window.
    void RedrawHand(int player);
    // After the whole game state was replaced (a saved game opened, a game carried across a
    // restart): every window shows the new state as if it had been played to here. The computer
    // players' tiles are face down, each window is as wide as its hand needs, the captions show
    // the scores and Draw/Pass says what the bone pile allows; the table redraws every tile as
    // redraw says.
    void ShowWholeState(TableRedraw redraw = TableRedraw::kSoon);
    // Once the moves stop at the human's turn the status line says it is his, in place of the
    // other players' news or a hint that a move made untrue; what they said stays told.
    void ShowHumansTurn();

  private:
    // The status line's words for an announcement: with partners a hand is won by the pair.
    QString AnnouncementStatus(const Announcement& announcement) const;
    // Every player's window as wide as its hand needs.
    void FitWindowsToHands();
    // The tiles on the table, each in screen pixels.
    std::vector<Rect> TilesOnScreen() const;

    const GameState& state_;
    const Settings& settings_;
    const Geometry& geometry_;
    Windows windows_;
    Prompts& prompts_;
    TilePictures& pictures_;
    GameSounds sounds_;
    std::function<void()> selectionChanged_;
    Announcement lastAnnouncement_;
};

}  // namespace pipwick
