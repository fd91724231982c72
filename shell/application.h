#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

#include "engine/clock.h"
#include "engine/game.h"
#include "engine/hint.h"
#include "engine/settings.h"
#include "engine/undo_history.h"
#include "model/game_state.h"
#include "model/geometry.h"
#include "shell/hand_keys.h"
#include "shell/human_commands.h"
#include "shell/human_window.h"
#include "shell/last_game_file.h"
#include "shell/opponent_window.h"
#include "shell/preference_commands.h"
#include "shell/prompts.h"
#include "shell/qt_clock.h"
#include "shell/qt_game_view.h"
#include "shell/qt_sound_output.h"
#include "shell/score_sheet_window.h"
#include "shell/settings_store.h"
#include "shell/sound_player.h"
#include "shell/spoken_moves.h"
#include "shell/statistics_file.h"
#include "shell/table_scale.h"
#include "shell/table_window.h"
#include "shell/tile_pictures.h"
#include "shell/window_rects.h"
#include "stats/play_logs.h"
#include "stats/score_sheet.h"
#include "stats/statistics_keeper.h"
#include "update/help_commands.h"

namespace pipwick {

// What the program starts from. Left empty, the prompts, the clock, the seeds and the way the
// program ends are the real ones; tests give their own.
struct StartupOptions {
    QString settingsPath;
    ScreenSize screen;
    // A saved game named on the command line, empty for none.
    QString gamePath;
    Prompts* prompts = nullptr;
    Clock* clock = nullptr;
    SeedSource* seeds = nullptr;
    std::function<void(int)> endProgram;
    // Where the sounds are heard, and how the preference dialogs run; the real ones when empty.
    SoundOutput* sounds = nullptr;
    DialogRunner runDialog;
    // The primary screen's width now; the real one when empty.
    std::function<int32_t()> currentScreenWidth;
    // The user's data folder, which holds the statistics and the game kept at the end of the
    // program; the real one when empty.
    QString dataFolder;
    // Starts the program anew with arguments (the restart); a detached process when empty.
    std::function<void(const QString& program, const QStringList& arguments)> startProgram;
};

// The screen size of the primary screen, in device-independent pixels.
ScreenSize PrimaryScreenSize();

// The place of arm's open end among the open ends, as the table lists them for assistive
// technologies; -1 when that end is not open.
int OpenEndIndex(const GameState& state, int arm);

// The running program: the settings, the scale, the one game state, the five windows and the game
// that runs behind them. Constructing it is the start-up; it ends when the human's window closes.
class Application : public HumanCommands {
  public:
    explicit Application(StartupOptions options);
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    GameState& State() { return state_; }
    const Settings& Preferences() const { return store_.Values(); }
    const Geometry& Layout() const { return geometry_; }
    Game& CurrentGame() { return *game_; }
    QtGameView& View() { return *view_; }
    TilePictures& Pictures() { return *pictures_; }
    TableWindow& Table() { return *windows_.table; }
    HumanWindow& Human() { return *windows_.human; }
    OpponentWindow& Opponent(int player) { return windows_.Opponent(player); }
    // The saved game named on the command line, empty for none.
    const QString& GamePathToOpen() const { return gamePath_; }
    bool Ended() const { return ended_; }
    const ScoreSheet& Sheet() const { return *sheet_; }
    // The score sheet's window, null until the player first asks for it.
    ScoreSheetWindow* SheetWindow() { return sheetWindow_; }
    StatisticsFile& StatisticsStore() { return *statistics_; }
    LastGameFile& LastGame() { return *lastGame_; }

    // HumanCommands.
    void HandSlotClicked(int slot) override;
    void DrawOrPass() override;
    bool HandKey(int key) override;
    void NewGame() override;
    void ChoosePlayers(int count) override;
    void DropSelection() override;
    void Close() override;
    void Minimise() override;
    // Brings the table back from being minimised, and every window with it.
    void Restore();
    // The keyboard's focus in the hand and its chosen end.
    const HandKeys& Keys() const { return keys_; }

    // Saved games. Opening refuses a file that fails any check ("Can't open game!") and changes
    // nothing then; announce shows "Game opened". A save that cannot be written returns false.
    bool OpenGameFile(const QString& path, bool announce);
    bool SaveGameFile(const QString& path);
    // Undo: the state before the human's last action in this hand comes back, with the status
    // line it had. Nothing happens while a sequence runs or when there is nothing to take back.
    void Undo();
    bool CanUndo() const { return history_.CanUndo(); }
    // Hint: on the human's turn, picks up the tile the strongest computer player would play in his
    // place and marks its end, or says to draw or pass, in the status line.
    void ShowHint();

    // Compares the primary screen's width with the one the program started with; a new width
    // restarts the program, carrying a running game along, once any running sequence is over.
    void ScreenWidthMayHaveChanged();
    // The program is ending under the desktop (log-out, or a quit that did not come through the
    // human's window): a game under way is kept to be resumed.
    void ProgramEnding();

  private:
    void ReadScale(int32_t screenWidth);
    void CreateWindows();
    void ArrangeOpponents(int32_t playerCount);
    void RestoreWindows();
    std::array<QWidget*, 4> PlayerWindows() const;
    void TableDrop(int armIndex);
    // The human's lead or pick-up of the tile in slot, and his play on an arm, however given.
    void LeadOrPickUp(int slot);
    void PlayOnArm(int armIndex);
    // Shows the keyboard's focus and chosen end while the keys are in use, and tells assistive
    // technologies where they moved.
    void ShowKeyboardView();
    // What assistive technologies are told of the hands, the table and the status line.
    void DescribeWindows();
    void Reload();
    // Builds the table canvas from the chosen set; says so when the artwork cannot be loaded.
    void LoadDominoSet();
    void UseScreenPixels();
    void ConnectPictures();
    void WatchScreenWidth();
    void InstallCommands();
    void OpenCommand();
    void SaveCommand();
    void Restart();
    // The score sheet, the statistics and the kept game, all fed by the game's record of its moves.
    void InstallRecords();
    void ScoreSheetCommand();
    void StatisticsCommand();
    void ResumeCommand();
    bool ResetStatistics();
    // Keeps a game under way in the data folder; false when there was one and it could not be
    // written.
    bool KeepGameUnderWay();
    void SaveStatistics(bool warn);
    void ShowResumeAvailable();
    bool ReadGameFile(const QString& path);
    // Shows a state read from a file, with announcement in the status line (none when null).
    void ShowOpenedGame(const char* announcement);
    // Runs one of the game's sequences; a close that came meanwhile is carried out at its end.
    void RunSequence(const std::function<void()>& sequence);
    // Runs a sequence that the human's play, lead, draw or pass starts, as a point Undo can go
    // back to.
    void RunHumanAction(const std::function<void()>& action);
    void ShowUndoAvailable();
    // The marks of where the picked-up tile can go, as the selection and the settings say.
    void ShowMarks();
    void HideMarks();
    // The pointer over the table: over a marked end the status line tells what the play scores.
    void PreviewAt(const QPoint& point);
    // The status line tells what laying the picked-up tile on arm would score (or that it fits
    // no end, for -1).
    void PreviewArm(int arm);
    void EndPreview();
    // The status line as the game left it, without a preview.
    QString GameStatus() const;
    // keepGame: a game under way is kept to be resumed (not when it goes along to a restart).
    void EndProgram(bool keepGame = true);

    StartupOptions options_;
    SettingsStore store_;
    ScreenSize screen_;
    Geometry geometry_;
    GameState state_;
    Windows windows_;
    std::unique_ptr<TableWindow> table_;
    WindowPrompts windowPrompts_;
    Prompts* prompts_ = nullptr;
    QtClock qtClock_;
    CalendarSeeds calendarSeeds_;
    std::unique_ptr<TilePictures> pictures_;
    std::unique_ptr<QtGameView> view_;
    std::unique_ptr<Game> game_;
    QtSoundOutput qtSounds_;
    std::unique_ptr<SoundPlayer> sounds_;
    std::unique_ptr<PreferenceCommands> preferences_;
    std::unique_ptr<HelpCommands> help_;
    std::unique_ptr<StatisticsFile> statistics_;
    std::unique_ptr<StatisticsKeeper> keeper_;
    std::unique_ptr<ScoreSheet> sheet_;
    std::unique_ptr<LastGameFile> lastGame_;
    PlayLogs logs_;
    ScoreSheetWindow* sheetWindow_ = nullptr;
    bool statisticsWarned_ = false;
    bool gameKept_ = false;
    QString gamePath_;
    UndoHistory history_;
    HandKeys keys_{state_, geometry_};
    std::unique_ptr<SpokenMoves> spokenMoves_;
    // What assistive technologies were last told has the focus: a hand slot and an end.
    int toldFocus_ = -1;
    int toldEnd_ = -1;
    // The last hint; its end alone is marked while its tile is picked up.
    Hint hint_;
    // The arms whose ends are marked now.
    bool marked_[kArmCount] = {};
    // While the pointer is over a marked end: the status line it covers.
    bool previewing_ = false;
    QString statusBeforePreview_;
    int sequenceDepth_ = 0;
    bool closePending_ = false;
    bool restartPending_ = false;
    bool ended_ = false;
};

}  // namespace pipwick
