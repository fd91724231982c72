#include "shell/windows/game_windows.h"

#include "shell/storage/settings_file.h"
#include "shell/windows/human_window.h"
#include "shell/windows/opponent_window.h"

namespace pipwick {

GameWindows::GameWindows(const GameState& state, const Settings& settings, const Geometry& geometry,
                         const ScreenSize& screen, HumanCommands& commands)
    : ownedTable_(std::make_unique<TableWindow>(state, geometry.TableRect, geometry.ScaleFactor)) {
    table = ownedTable_.get();
    table->SetBackgroundColour(BackgroundColorOf(BackgroundOf(settings)));
    table->show();
    human = new HumanWindow(table, state, settings, geometry, screen, commands);
    human->CheckPlayerCount(state.PlayerCount);
    human->Place();
    for (int player = 2; player <= 4; ++player) {
        auto* window = new OpponentWindow(table, OpponentIndex(player), geometry, screen);
        window->SetCaption(QString::fromStdString(settings.PlayerNames[player]));
        opponents[OpponentIndex(player) - 1] = window;
        window->Place(state.PlayerCount);
    }
}

void GameWindows::ArrangeOpponents(int32_t playerCount) {
    for (OpponentWindow* window : opponents) {
        window->ShowFor(playerCount);
    }
}

void GameWindows::Minimise() {
    if (!table->isMinimized()) {
        table->showMinimized();
    }
    for (QWidget* window : PlayerWindows()) {
        if (window->isVisible() && !window->isMinimized()) {
            window->showMinimized();
        }
    }
}

void GameWindows::Restore(int32_t playerCount) {
    if (human->isMinimized()) {
        human->showNormal();
    }
    ArrangeOpponents(playerCount);
}

void GameWindows::HideAll() {
    for (OpponentWindow* window : opponents) {
        window->hide();
    }
    human->hide();
    table->hide();
}

std::array<QWidget*, 4> GameWindows::PlayerWindows() const {
    return {human, opponents[0], opponents[1], opponents[2]};
}

}  // namespace pipwick
