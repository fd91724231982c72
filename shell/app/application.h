#pragma once

#include <QString>
#include <memory>

#include "engine/game.h"
#include "shell/access/accessible_game.h"
#include "shell/access/keyboard_play.h"
#include "shell/app/game_files.h"
#include "shell/app/game_records.h"
#include "shell/app/help_commands.h"
#include "shell/app/human_commands.h"
#include "shell/app/network_play.h"
#include "shell/app/player_aids.h"
#include "shell/app/qt_clock.h"
#include "shell/app/sequence_runner.h"
#include "shell/app/startup_options.h"
#include "shell/sound/qt_sound_output.h"
#include "shell/storage/settings_store.h"
#include "shell/windows/game_windows.h"
#include "stats/play_logs.h"

namespace pipwick {

// The running program: the settings, the one game state, the five windows, the game behind them
// and the parts that serve the player (saved games, records, aids, keys, assistive technologies).
// Constructing it is the start-up; it ends when the human's window closes.
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
    GameFiles& Files() { return *files_; }
    GameRecords& Records() { return *records_; }
    PlayerAids& Aids() { return *aids_; }
    const HandKeys& Keys() const { return keyboard_->Keys(); }
    // The saved game named on the command line, empty for none.
    const QString& GamePathToOpen() const { return options_.gamePath; }
    bool Ended() const { return ended_; }

    void HandSlotClicked(int slot) override;
    void DrawOrPass() override;
    bool HandKey(int key) override { return keyboard_->HandKey(key); }
    void NewGame() override;
    void ChoosePlayers(int count) override;
    void DropSelection() override;
    void Close() override;
    void Minimise() override;
    // Brings the table back from being minimised, and every window with it.
    void Restore();

    // Opens a saved game, announced "Game opened" or not; a refused file changes nothing.
    bool OpenGameFile(const QString& path, bool announce);
    // A new width of the primary screen restarts the program, carrying a running game along.
    void ScreenWidthMayHaveChanged();
    // The desktop ends the program (log-out, a quit): a game under way is kept to be resumed.
    void ProgramEnding();

  private:
    Geometry ReadScale();
    void ConnectTable();
    void CreateGame();
    void CreateParts();
    void ShowStartNotices();
    void SettingsNotSaved(WriteFailure failure);
    // Save, Hint and Draw/Pass are greyed while they cannot act: before the first deal and once a
    // game is over.
    void ShowCommandsAvailable();
    void LeadOrPickUp(int slot);
    void PlayOnArm(int armIndex);
    void LoadDominoSet();
    void Reload();
    void UseScreenPixels();
    void ConnectPictures();
    void WatchScreenWidth();
    void WatchDesktopSession();
    void InstallCommands();
    // Reads a saved game and shows it, announcement (if not null) in the status line.
    bool OpenAndShow(const QString& path, const char* announcement);
    void AfterSequences();
    void Restart();
    // keepGame: a game under way is kept to be resumed (not one going along to a restart).
    void EndProgram(bool keepGame = true);
    // Whether a command that replaces the game may go on; it leaves a network table first.
    bool GivesUpGame();
    void CreateNetworkPlay();
    void HostTable();
    void JoinTable();
    void OpenCommand();
    int RunDialog(QDialog& dialog);

    StartupOptions options_;
    SettingsStore store_;
    ScreenSize screen_;
    Geometry geometry_;
    GameState state_;
    GameWindows windows_;
    WindowPrompts windowPrompts_;
    Prompts* prompts_ = nullptr;
    QtClock qtClock_;
    CalendarSeeds calendarSeeds_;
    QtSoundOutput qtSounds_;
    std::unique_ptr<TilePictures> pictures_;
    std::unique_ptr<QtGameView> view_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<SoundPlayer> sounds_;
    SequenceRunner sequences_;
    PlayLogs logs_;
    std::unique_ptr<GameFiles> files_;
    std::unique_ptr<PlayerAids> aids_;
    std::unique_ptr<KeyboardPlay> keyboard_;
    std::unique_ptr<GameRecords> records_;
    std::unique_ptr<AccessibleGame> accessible_;
    std::unique_ptr<PreferenceCommands> preferences_;
    std::unique_ptr<HelpCommands> help_;
    // A network game is told to the screen reader only, not to the records of the player's games.
    PlayLogs networkLogs_;
    std::unique_ptr<NetworkPlay> network_;
    bool closePending_ = false;
    bool restartPending_ = false;
    bool ended_ = false;
    bool settingsWarned_ = false;
};

}  // namespace pipwick
