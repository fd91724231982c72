#include "shell/app/application.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "shell/app/abandon_question.h"
#include "shell/app/translations.h"
#include "shell/dialogs/host_table_dialog.h"
#include "shell/storage/write_failure_reason.h"
#include "shell/windows/table_scale.h"
#include "texts/texts.h"
#include "update/program_start.h"

namespace pipwick {

namespace {

// "Game ▸ New deals", with the menu's own words.
QString HowToStart() {
    const auto menuName = [](const char* menuText) {
        return Translated(menuText).section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    };
    return Translated(text::kHowToStart).arg(menuName(text::kGameMenu), menuName(text::kNew));
}

GameState FreshState(int32_t playerCount) {
    GameState state;
    ResetGameState(state);
    state.PlayerCount = playerCount;
    return state;
}

}  // namespace

ScreenSize PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    return {screen->size().width(), screen->size().height()};
}

// The start-up: settings, scale and rectangles, then the windows, each placed at its edge, the
// game behind them and the parts around it. No game runs until the player starts one.
Application::Application(StartupOptions options)
    : options_(std::move(options)),
      store_(options_.settingsPath),
      screen_(options_.screen),
      geometry_(ReadScale()),
      state_(FreshState(store_.PlayerCount())),
      windows_(state_, Preferences(), geometry_, screen_, *this) {
    ConnectTable();
    prompts_ = options_.prompts != nullptr ? options_.prompts : &windowPrompts_;
    store_.OnWriteFailed([this](WriteFailure failure) { SettingsNotSaved(failure); });
    CreateGame();
    CreateParts();
    InstallCommands();
    WatchDesktopSession();
    WatchScreenWidth();
    windows_.table->update();
    if (!options_.gamePath.isEmpty()) {
        OpenGameFile(options_.gamePath, false);
    }
}

void Application::CreateGame() {
    Clock& clock = options_.clock != nullptr ? *options_.clock : qtClock_;
    pictures_ = std::make_unique<TilePictures>(state_, Preferences(), geometry_, clock,
                                               [this] { view_->Sounds().TileLanded(); });
    view_ = std::make_unique<QtGameView>(state_, Preferences(), geometry_, windows_, *prompts_,
                                         *pictures_);
    UseScreenPixels();
    ConnectPictures();
    SeedSource& seeds = options_.seeds != nullptr ? *options_.seeds : calendarSeeds_;
    game_ = std::make_unique<Game>(state_, Preferences(), geometry_, *view_, clock, seeds);
    sounds_ = std::make_unique<SoundPlayer>(
        options_.sounds != nullptr ? *options_.sounds : qtSounds_, clock, EmbeddedWave);
    view_->UseSounds(*sounds_);
    // The shuffle is waited for from the moment it is started, so it must not start late.
    if (options_.sounds == nullptr && qtSounds_.HasDevice()) {
        qtSounds_.Prepare(sound::kShuffle);
        qtSounds_.Prepare(sound::kTileClick);
    }
}

// The parts that serve the player around the game. Its record of moves goes to Undo's history
// first, as it was when that was the game's only record, then to the score sheet, the statistics,
// the kept game and what assistive technologies are told.
void Application::CreateParts() {
    sequences_.OnEachStart([this] { aids_->ForgetHint(); });
    sequences_.OnOutermostEnd([this] { AfterSequences(); });
    files_ = std::make_unique<GameFiles>(state_, geometry_, *prompts_, windows_);
    aids_ = std::make_unique<PlayerAids>(state_, geometry_, Preferences(), *game_, *view_, windows_,
                                         sequences_);
    keyboard_ = std::make_unique<KeyboardPlay>(
        state_, geometry_, windows_, sequences_,
        KeyboardPlay::Commands{[this](int slot) { LeadOrPickUp(slot); },
                               [this](int arm) { PlayOnArm(arm); },
                               [this](int arm) { aids_->PreviewArm(arm); }});
    aids_->OnMarksShown([this](int hintedArm) { keyboard_->FollowMarks(hintedArm); });
    aids_->Covered().OnPlay([this](int arm) {
        keyboard_->MouseUsed();
        PlayOnArm(arm);
    });
    records_ = std::make_unique<GameRecords>(options_.dataFolder, state_, Preferences(), windows_,
                                             *prompts_, options_.runDialog, *files_,
                                             [this](const QString& path, const char* announcement) {
                                                 return OpenAndShow(path, announcement);
                                             });
    ShowStartNotices();
    accessible_ = std::make_unique<AccessibleGame>(state_, geometry_, Preferences(), windows_,
                                                   *pictures_, keyboard_->Keys());
    logs_.Add(aids_->History());
    records_->FollowMoves(logs_);
    logs_.Add(accessible_->Moves());
    game_->RecordTo(logs_);
    networkLogs_.Add(accessible_->Moves());
    CreateNetworkPlay();
}

// A table's number of players holds in the windows while the program sits at it; the menu's
// number comes back when it leaves.
void Application::CreateNetworkPlay() {
    NetworkServices services;
    services.status = [this](const QString& line) { windows_.human->SetStatus(line); };
    services.warn = [this](const QString& text) { prompts_->Warn(windows_.human, text); };
    services.runSequence = [this](const std::function<void()>& sequence) {
        sequences_.Run(sequence);
    };
    services.seated = [this](int players) {
        aids_->HideMarks();
        aids_->ForgetHistory();
        game_->RecordTo(networkLogs_);
        windows_.human->CheckPlayerCount(players);
        windows_.ArrangeOpponents(players);
        ShowCommandsAvailable();
    };
    services.named = [this](const std::array<QString, 5>& names) {
        store_.ShowOwnNames();
        for (int seat = 2; seat <= 4; ++seat) {
            if (!names[static_cast<size_t>(seat)].isEmpty()) {
                store_.ShowName(seat, names[static_cast<size_t>(seat)]);
            }
        }
        windows_.ShowNames(Preferences());
    };
    services.left = [this] {
        store_.ShowOwnNames();
        windows_.ShowNames(Preferences());
        game_->RecordTo(logs_);
        state_.PlayerCount = store_.PlayerCount();
        windows_.human->CheckPlayerCount(state_.PlayerCount);
        windows_.ArrangeOpponents(state_.PlayerCount);
        ShowCommandsAvailable();
    };
    services.certificateFolder = DataFolder(options_.dataFolder);
    services.startProcess = StartWatchedProcess;
    Clock& clock = options_.clock != nullptr ? *options_.clock : qtClock_;
    network_ = std::make_unique<NetworkPlay>(*game_, state_, clock, std::move(services));
}

int Application::RunDialog(QDialog& dialog) {
    return options_.runDialog ? options_.runDialog(dialog) : dialog.exec();
}

bool Application::GivesUpGame() {
    if (!network_->AtTable()) {
        return PlayerGivesUpGame(state_, *prompts_, windows_.human);
    }
    if (!prompts_->AskYesNo(windows_.human, Translated(text::kAbandonGameQuestion))) {
        return false;
    }
    network_->Leave();
    return true;
}

void Application::HostTable() {
    if (!GivesUpGame()) {
        return;
    }
    const QString name = QString::fromStdString(Preferences().PlayerNames[kHumanSeat]);
    HostTableDialog dialog(windows_.human, Preferences(), store_.PlayerCount(),
                           [this, name](const TableSetup& setup, QString& error) {
                               return network_->Host(setup, name, error);
                           });
    if (RunDialog(dialog) != QDialog::Accepted) {
        network_->Leave();
    }
}

void Application::JoinTable() {
    if (!GivesUpGame()) {
        return;
    }
    JoinChoices start;
    start.name = QString::fromStdString(Preferences().PlayerNames[kHumanSeat]);
    JoinTableDialog dialog(windows_.human, start);
    if (RunDialog(dialog) == QDialog::Accepted) {
        network_->Join(dialog.Choices());
    }
}

Application::~Application() = default;

// What went wrong with the settings or the statistics file: in the status line when it fits
// there, else whole in a message once the windows are up. Without such news the status line tells
// a newcomer how a game starts.
void Application::ShowStartNotices() {
    QStringList notices = {store_.Notice(), records_->StatisticsStore().Notice()};
    notices.removeAll(QString());
    if (notices.isEmpty()) {
        windows_.human->SetStatus(HowToStart());
        return;
    }
    const QString line = notices.join(QLatin1Char(' '));
    if (windows_.human->StatusFits(line)) {
        windows_.human->SetStatus(line);
        return;
    }
    QTimer::singleShot(0, windows_.human, [this, message = notices.join(QStringLiteral("\n\n"))] {
        prompts_->Warn(windows_.human, message);
    });
}

// Told once a run: the changes that follow hold as well, and fail as this one did.
void Application::SettingsNotSaved(WriteFailure failure) {
    if (settingsWarned_) {
        return;
    }
    settingsWarned_ = true;
    prompts_->Warn(windows_.human,
                   Translated(text::kSettingsNotSaved).arg(WriteFailureReason(failure)));
}

// The menu commands that other parts of the program carry out: saved games, the aids, the
// preference dialogs and the Help menu. A Help command runs as a sequence, so a close that
// arrives during a download waits for it.
void Application::InstallCommands() {
    // A command that replaces the game waits while a network table's move is being shown.
    windows_.human->SetCommandHandler(Command::kHostTable,
                                      [this] { network_->WhenIdle([this] { HostTable(); }); });
    windows_.human->SetCommandHandler(Command::kJoinTable,
                                      [this] { network_->WhenIdle([this] { JoinTable(); }); });
    windows_.human->SetCommandHandler(Command::kOpen,
                                      [this] { network_->WhenIdle([this] { OpenCommand(); }); });
    windows_.human->SetCommandHandler(Command::kResumeLastGame, [this] {
        network_->WhenIdle([this] {
            if (!network_->AtTable() || GivesUpGame()) {
                records_->ResumeCommand();
            }
        });
    });
    windows_.human->SetCommandHandler(Command::kSave, [this] { files_->SaveCommand(); });
    windows_.human->SetCommandHandler(Command::kUndo, [this] {
        if (!network_->AtTable()) {
            aids_->Undo();
        }
    });
    windows_.human->SetCommandHandler(Command::kHint, [this] { aids_->ShowHint(); });
    aids_->ShowUndoAvailable();
    ShowCommandsAvailable();
    view_->OnSelectionChanged([this] { aids_->ShowMarks(); });
    windows_.table->OnHover([this](const QPoint& point) { aids_->PreviewAt(point); });
    preferences_ = std::make_unique<PreferenceCommands>(store_, screen_, windows_, *prompts_,
                                                        EmbeddedResource, options_.runDialog);
    HelpServices helpServices;
    helpServices.minimiseTable = [this] { Minimise(); };
    helpServices.restoreTable = [this] { Restore(); };
    helpServices.quit = [this] { Close(); };
    help_ = std::make_unique<HelpCommands>(state_, windows_.human, std::move(helpServices));
    help_->Register([this](Command command, std::function<void()> handler) {
        windows_.human->SetCommandHandler(command, [this, handler] { sequences_.Run(handler); });
    });
}

// A table size the screen cannot hold is written back as Auto at once.
Geometry Application::ReadScale() {
    const ScaleChoice choice = ChooseScale(screen_.width, Preferences().TableSizeSetting);
    if (choice.rewriteAsAuto) {
        store_.Set(IntSetting::kTableSize, 0);
    }
    return MakeGeometry(choice.scale, screen_.width, screen_.height);
}

// The table tells the program of drops, keys, a change of set and its return from being
// minimised.
void Application::ConnectTable() {
    windows_.table->OnDrop([this](int arm) {
        keyboard_->MouseUsed();
        PlayOnArm(arm);
    });
    windows_.table->OnReload([this] { Reload(); });
    windows_.table->OnRestored([this] { windows_.Restore(state_.PlayerCount); });
    windows_.table->OnKey([this](int key) { return HandKey(key); });
}

void Application::ShowCommandsAvailable() {
    const bool playing = state_.GameInProgress == 1;
    windows_.human->Action(Command::kSave).setEnabled(files_->CanSave() && !network_->AtTable());
    // At a table the chairs' names and players are the table's.
    windows_.human->Action(Command::kPlayerPreferences).setEnabled(!network_->AtTable());
    windows_.human->Action(Command::kHint).setEnabled(playing);
    windows_.human->Action(Command::kDrawPass).setEnabled(playing);
}

// A close or a restart that came during a sequence is carried out once it is over.
void Application::AfterSequences() {
    ShowCommandsAvailable();
    view_->ShowHumansTurn();
    if (closePending_) {
        EndProgram();
    } else if (restartPending_) {
        Restart();
    }
}

// A click on a tile: the keys stop showing their focus until they are used again.
void Application::HandSlotClicked(int slot) {
    keyboard_->MouseUsed();
    LeadOrPickUp(slot);
}

// A tile picked up by a hint on an empty table is led by its click like any other: it is put
// down first, so that no picked-up tile outlives the lead.
void Application::LeadOrPickUp(int slot) {
    if (network_->AtTable()) {
        network_->LeadOrPickUp(slot);
        return;
    }
    aids_->RunHumanAction([this, slot] {
        if (TableIsEmpty(state_) && state_.SelectedTile != kNoSelection) {
            game_->SelectHandTile(kDropSelection);
        }
        game_->HumanClicksHandTile(slot);
    });
}

void Application::PlayOnArm(int armIndex) {
    if (network_->AtTable()) {
        network_->PlayOnArm(armIndex);
        return;
    }
    aids_->RunHumanAction([this, armIndex] { game_->HumanPlaysOnArm(armIndex); });
}

// A pass hands the turn on, so a tile picked up is put down first.
void Application::DrawOrPass() {
    if (network_->AtTable()) {
        network_->DrawOrPass();
        return;
    }
    aids_->RunHumanAction([this] {
        if (HumansTurn(state_) && BonePileEmpty(state_)) {
            game_->SelectHandTile(kDropSelection);
        }
        game_->HumanDrawsOrPasses();
    });
}

void Application::NewGame() {
    network_->WhenIdle([this] {
        if (!GivesUpGame()) {
            return;
        }
        // The deal puts any picked-up tile down; its marks must not stay on the empty table.
        aids_->HideMarks();
        sequences_.Run([this] { game_->NewGame(); });
    });
}

void Application::OpenCommand() {
    if (!GivesUpGame()) {
        return;
    }
    const QString path = files_->ChooseGameToOpen();
    if (!path.isEmpty()) {
        OpenGameFile(path, true);
    }
}

// A running game is given up only when the player agrees; the check mark always ends on the
// number of players in force.
void Application::ChoosePlayers(int count) {
    if (count == state_.PlayerCount || network_->AtTable()) {
        windows_.human->CheckPlayerCount(state_.PlayerCount);
        return;
    }
    if (state_.GameInProgress == 1 &&
        !prompts_->AskYesNo(windows_.human, Translated(text::kChangePlayersQuestion))) {
        windows_.human->CheckPlayerCount(state_.PlayerCount);
        return;
    }
    store_.SetPlayerCount(count);
    windows_.human->CheckPlayerCount(count);
    windows_.ArrangeOpponents(count);
    aids_->HideMarks();
    sequences_.Run([this, count] { game_->ChangePlayerCount(count); });
}

void Application::DropSelection() {
    game_->SelectHandTile(kDropSelection);
}

void Application::Close() {
    if (sequences_.Running()) {
        closePending_ = true;
        return;
    }
    EndProgram();
}

void Application::Minimise() {
    windows_.Minimise();
}

void Application::Restore() {
    windows_.table->showNormal();
    windows_.Restore(state_.PlayerCount);
}

void Application::EndProgram(bool keepGame) {
    if (ended_) {
        return;
    }
    ended_ = true;
    closePending_ = false;
    // A network game is the table's, never kept to be resumed.
    network_->Leave();
    if (keepGame && !records_->KeepGameUnderWay(true)) {
        prompts_->Warn(windows_.human, records_->WhyNotKept());
    }
    records_->SaveStatistics(true);
    records_->HideSheet();
    windows_.HideAll();
    if (options_.endProgram) {
        options_.endProgram(0);
    } else {
        QCoreApplication::exit(0);
    }
}

// On a high-density screen the table and the hands are composed from the larger artwork that
// gives each pixel of a tile one pixel of the screen; clicks and window rectangles stay in window
// pixels.
void Application::UseScreenPixels() {
    const ScaleChoice window{geometry_.ScaleFactor, geometry_.SizeClass, false};
    const ScaleChoice artwork = ArtworkForScreen(window, windows_.table->devicePixelRatioF());
    pictures_->UseArtworkSize(artwork.sizeClass);
    const double ratio = artwork.scale / window.scale;
    windows_.table->SetPixelRatio(ratio);
    windows_.human->Hand().SetPixelRatio(ratio);
    for (OpponentWindow* opponent : windows_.opponents) {
        opponent->SetPixelRatio(ratio);
    }
}

// The table shows its picture, built from the artwork at the first paint; the hands are drawn
// from the same artwork.
void Application::ConnectPictures() {
    windows_.table->OnFirstPaint([this] { LoadDominoSet(); });
    windows_.table->OnPaintArea([this](const Rect& area) {
        if (pictures_->Loaded()) {
            pictures_->ShowPicture(windows_.table->Surface(), area);
        }
    });
    windows_.human->SetHandPainter(
        [this](SurfaceWidget& hand) { pictures_->PaintHumanHand(hand.Surface()); });
    for (int player = 2; player <= 4; ++player) {
        OpponentWindow& window = windows_.Opponent(player);
        window.SetHandPainter([this, player, &window](SurfaceWidget&) {
            pictures_->PaintOpponentHand(player, window.SlotCount(), window.Surface());
        });
    }
}

// A change of the screen's width is noticed when the table is painted and when the screen says
// so.
void Application::WatchScreenWidth() {
    windows_.table->OnPaintCheck([this] { ScreenWidthMayHaveChanged(); });
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QObject::connect(screen, &QScreen::geometryChanged, windows_.table,
                         [this] { ScreenWidthMayHaveChanged(); });
    }
}

// The player windows compose their tiles on their own background, which stands for the system's
// button face.
void Application::LoadDominoSet() {
    if (auto error = pictures_->LoadDominoSet(windows_.human->Hand().BackgroundColour())) {
        prompts_->Warn(windows_.human, Translated(text::kCantLoadDominoes));
        return;
    }
    windows_.table->update();
    for (int player = 1; player <= 4; ++player) {
        view_->RedrawHand(player);
    }
}

// After a change of domino set every picture is drawn again from the new artwork.
void Application::Reload() {
    LoadDominoSet();
    view_->RedrawAllTiles();
    view_->RepaintTable();
    for (int player = 1; player <= 4; ++player) {
        view_->RedrawHand(player);
    }
}

// Everything is checked before anything changes; a file that fails leaves the running game, the
// windows and the settings as they were.
bool Application::OpenGameFile(const QString& path, bool announce) {
    if (!OpenAndShow(path, announce ? text::kGameOpened : nullptr)) {
        return false;
    }
    records_->GameOpened();
    return true;
}

// The player count of a game read from a file becomes the setting; the announcement, if any, goes
// after the whole state is shown, so that it is not overwritten.
bool Application::OpenAndShow(const QString& path, const char* announcement) {
    if (!files_->Read(path)) {
        return false;
    }
    store_.SetPlayerCount(state_.PlayerCount);
    aids_->ForgetHistory();
    // A hint of the game given up must not mark an end of this one.
    aids_->ForgetHint();
    aids_->HideMarks();
    view_->ShowWholeState();
    aids_->ShowMarks();
    ShowCommandsAvailable();
    if (announcement != nullptr) {
        view_->ShowStatus(announcement);
    }
    return true;
}

void Application::ScreenWidthMayHaveChanged() {
    const int32_t width =
        options_.currentScreenWidth ? options_.currentScreenWidth() : PrimaryScreenSize().width;
    if (width == screen_.width || ended_) {
        return;
    }
    if (sequences_.Running()) {
        restartPending_ = true;
        return;
    }
    Restart();
}

// The scale and every window's place follow the screen's width, so a new width means a new start;
// a running game goes along in "temp.dom". If it cannot be saved the program goes on as it is
// rather than lose the game.
void Application::Restart() {
    restartPending_ = false;
    QStringList arguments;
    if (state_.GameInProgress == 1) {
        const QString saved = QDir(ProgramFolder()).filePath(QStringLiteral("temp.dom"));
        if (!files_->Write(saved)) {
            prompts_->Warn(windows_.human, Translated(text::kCantSaveGame));
            return;
        }
        arguments << saved;
    }
    const QString program = QCoreApplication::applicationFilePath();
    if (options_.startProgram) {
        options_.startProgram(program, arguments);
    } else {
        StartProgramDetached(program, arguments, {});
    }
    EndProgram(false);
}

// A desktop that logs out asks first for the data to be saved, and may end the program without a
// close of the human's window.
void Application::WatchDesktopSession() {
    auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (application == nullptr) {
        return;
    }
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(application, &QGuiApplication::commitDataRequest, windows_.table,
                     [this](QSessionManager&) { records_->SaveForLogOut(); });
#endif
    QObject::connect(application, &QCoreApplication::aboutToQuit, windows_.table,
                     [this] { ProgramEnding(); });
}

void Application::ProgramEnding() {
    if (ended_) {
        return;
    }
    network_->Leave();
    records_->KeepGameUnderWay(false);
    records_->SaveStatistics(false);
}

}  // namespace pipwick
