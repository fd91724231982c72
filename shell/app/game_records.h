#pragma once

#include <QString>
#include <functional>

#include "model/game_state.h"
#include "shell/app/game_files.h"
#include "shell/app/preference_commands.h"
#include "shell/dialogs/prompts.h"
#include "shell/storage/last_game_file.h"
#include "shell/storage/settings.h"
#include "shell/storage/statistics_file.h"
#include "shell/windows/qt_game_view.h"
#include "shell/windows/score_sheet_window.h"
#include "stats/play_logs.h"
#include "stats/score_sheet.h"
#include "stats/statistics_keeper.h"

namespace pipwick {

// The folder the program keeps its files in: chosen, or the user's data folder when empty.
QString DataFolder(const QString& chosen);

// What the program keeps about the games: the score sheet of the game under way, the player's
// statistics, and the game kept when the program ends in the middle of it. All are fed by the
// game's record of its moves.
class GameRecords {
  public:
    // Resume Last Game, once the game under way is given up.
    void ResumeCommand();
    // Reads a saved game into the state and shows it with an announcement; false when the file
    // was refused.
    using GameOpener = std::function<bool(const QString& path, const char* announcement)>;

    GameRecords(const QString& dataFolder, const GameState& state, const Settings& settings,
                const Windows& windows, Prompts& prompts, DialogRunner runDialog,
                const GameFiles& files, GameOpener openGame);

    // The records that follow the game's moves, in the order they are told.
    void FollowMoves(PlayLogs& logs);
    // A game opened from a file replaced the one under way.
    void GameOpened();
    // Keeps a game under way in the data folder; false when there was one and it could not be
    // written. A game another copy of the program kept there is replaced only when the player
    // says so, and only when the program may ask.
    bool KeepGameUnderWay(bool mayAsk);
    // What the player is told when KeepGameUnderWay failed: what could not be kept, and why.
    QString WhyNotKept() const;
    // The desktop logs out: a game under way is saved where Resume finds it, unless another copy
    // kept its own game there.
    void SaveForLogOut();
    // Writes the statistics; when warn, a save that fails tells the player why, once a run.
    void SaveStatistics(bool warn);
    void HideSheet();

    const ScoreSheet& Sheet() const { return sheet_; }
    // The score sheet's window, null until the player first asks for it.
    ScoreSheetWindow* SheetWindow() { return sheetWindow_; }
    StatisticsFile& StatisticsStore() { return statistics_; }
    LastGameFile& LastGame() { return lastGame_; }

  private:
    void ShowResumeAvailable();
    void ScoreSheetCommand();
    void StatisticsCommand();
    bool ResetStatistics();
    QString StatisticsNotSaved() const;

    const GameState& state_;
    const Settings& settings_;
    const Windows& windows_;
    Prompts& prompts_;
    DialogRunner runDialog_;
    const GameFiles& files_;
    GameOpener openGame_;
    StatisticsFile statistics_;
    StatisticsKeeper keeper_;
    ScoreSheet sheet_;
    LastGameFile lastGame_;
    ScoreSheetWindow* sheetWindow_ = nullptr;
    bool statisticsWarned_ = false;
    bool gameKept_ = false;
};

}  // namespace pipwick
