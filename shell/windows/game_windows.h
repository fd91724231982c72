#pragma once

#include <array>
#include <memory>

#include "model/game_state.h"
#include "model/geometry.h"
#include "shell/app/human_commands.h"
#include "shell/storage/settings.h"
#include "shell/windows/qt_game_view.h"
#include "shell/windows/table_window.h"
#include "shell/windows/window_rects.h"

namespace pipwick {

// The five windows of the game: the table, and the player windows it owns. As the table's dialogs
// they stay above it even when a press on the table raises it, and they go with it when it is
// minimised.
class GameWindows : public Windows {
  public:
    GameWindows(const GameState& state, const Settings& settings, const Geometry& geometry,
                const ScreenSize& screen, HumanCommands& commands);

    // Every computer player's window shows or hides as a game of playerCount has him or not.
    void ArrangeOpponents(int32_t playerCount);
    // The window manager takes the windows the table owns along with it; without one they are
    // minimised here.
    void Minimise();
    // The table is back: so is every window of a player taking part, where it was.
    void Restore(int32_t playerCount);
    void HideAll();

  private:
    std::array<QWidget*, 4> PlayerWindows() const;

    std::unique_ptr<TableWindow> ownedTable_;
};

}  // namespace pipwick
