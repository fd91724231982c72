#include "shell/application.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include "texts/texts.h"

namespace pipwick {

ScreenSize PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    return {screen->size().width(), screen->size().height()};
}

// The start-up: settings, scale and rectangles, then the windows, each placed at its edge. No game
// runs until the player starts one.
Application::Application(StartupOptions options)
    : options_(std::move(options)), store_(options_.settingsPath), screen_(options_.screen) {
    ResetGameState(state_);
    state_.PlayerCount = store_.PlayerCount();
    ReadScale(screen_.width);
    CreateWindows();
    prompts_ = options_.prompts != nullptr ? options_.prompts : &windowPrompts_;
    Clock& clock = options_.clock != nullptr ? *options_.clock : qtClock_;
    pictures_ = std::make_unique<TilePictures>(state_, Preferences(), geometry_, clock,
                                               [this] { view_->PlaySound(sound::kTileClick); });
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
    InstallCommands();
    InstallRecords();
    DescribeWindows();
    WatchScreenWidth();
    table_->update();
    gamePath_ = options_.gamePath;
    if (!gamePath_.isEmpty()) {
        OpenGameFile(gamePath_, false);
    }
}

Application::~Application() = default;

// The menu commands that other parts of the program carry out: saved games, the preference
// dialogs and the Help menu. A Help command runs as a sequence, so a close that arrives during a
// download waits for it.
void Application::InstallCommands() {
    windows_.human->SetCommandHandler(Command::kOpen, [this] { OpenCommand(); });
    windows_.human->SetCommandHandler(Command::kSave, [this] { SaveCommand(); });
    windows_.human->SetCommandHandler(Command::kUndo, [this] { Undo(); });
    windows_.human->SetCommandHandler(Command::kHint, [this] { ShowHint(); });
    ShowUndoAvailable();
    view_->OnSelectionChanged([this] { ShowMarks(); });
    table_->OnHover([this](const QPoint& point) { PreviewAt(point); });
    preferences_ = std::make_unique<PreferenceCommands>(store_, screen_, windows_, *prompts_,
                                                        EmbeddedResource, options_.runDialog);
    HelpServices helpServices;
    helpServices.minimiseTable = [this] { Minimise(); };
    helpServices.restoreTable = [this] { Restore(); };
    helpServices.quit = [this] { Close(); };
    help_ = std::make_unique<HelpCommands>(state_, windows_.human, std::move(helpServices));
    help_->Register([this](Command command, std::function<void()> handler) {
        windows_.human->SetCommandHandler(command, [this, handler] { RunSequence(handler); });
    });
}

// A table size the screen cannot hold is written back as Auto at once.
void Application::ReadScale(int32_t screenWidth) {
    const ScaleChoice choice = ChooseScale(screenWidth, Preferences().TableSizeSetting);
    if (choice.rewriteAsAuto) {
        store_.Set(IntSetting::kTableSize, 0);
    }
    geometry_ = MakeGeometry(choice.scale, screen_.width, screen_.height);
}

void Application::CreateWindows() {
    table_ = std::make_unique<TableWindow>(state_, geometry_.TableRect, geometry_.ScaleFactor);
    table_->SetBackgroundColour(BackgroundColorOf(BackgroundOf(Preferences())));
    table_->OnDrop([this](int arm) { TableDrop(arm); });
    table_->OnReload([this] { Reload(); });
    table_->OnRestored([this] { RestoreWindows(); });
    table_->OnKey([this](int key) { return HandKey(key); });
    table_->show();
    windows_.table = table_.get();

    // The player windows belong to the table window: as its dialogs they stay above it even when
    // a press on the table raises it, and they go with it when it is minimised.
    windows_.human =
        new HumanWindow(table_.get(), state_, Preferences(), geometry_, screen_, *this);
    windows_.human->CheckPlayerCount(state_.PlayerCount);
    windows_.human->Place();
    for (int player = 2; player <= 4; ++player) {
        auto* window = new OpponentWindow(table_.get(), OpponentIndex(player), geometry_, screen_);
        window->SetCaption(QString::fromStdString(Preferences().PlayerNames[player]));
        windows_.opponents[OpponentIndex(player) - 1] = window;
        window->Place(state_.PlayerCount);
    }
}

void Application::ArrangeOpponents(int32_t playerCount) {
    for (OpponentWindow* window : windows_.opponents) {
        window->ShowFor(playerCount);
    }
}

void Application::RunSequence(const std::function<void()>& sequence) {
    hint_ = {};
    ++sequenceDepth_;
    sequence();
    --sequenceDepth_;
    if (sequenceDepth_ == 0 && closePending_) {
        EndProgram();
    } else if (sequenceDepth_ == 0 && restartPending_) {
        Restart();
    }
}

// A click on a tile: the keys stop showing their focus until they are used again.
void Application::HandSlotClicked(int slot) {
    keys_.MouseUsed();
    LeadOrPickUp(slot);
}

// A tile picked up by a hint on an empty table is led by its click like any other: it is put
// down first, so that no picked-up tile outlives the lead.
void Application::LeadOrPickUp(int slot) {
    RunHumanAction([this, slot] {
        if (TableIsEmpty(state_) && state_.SelectedTile != kNoSelection) {
            game_->SelectHandTile(kDropSelection);
        }
        game_->HumanClicksHandTile(slot);
    });
}

void Application::TableDrop(int armIndex) {
    keys_.MouseUsed();
    PlayOnArm(armIndex);
}

void Application::PlayOnArm(int armIndex) {
    RunHumanAction([this, armIndex] { game_->HumanPlaysOnArm(armIndex); });
}

void Application::DrawOrPass() {
    RunHumanAction([this] { game_->HumanDrawsOrPasses(); });
}

void Application::NewGame() {
    RunSequence([this] { game_->NewGame(); });
}

// A running game is given up only when the player agrees; the check mark always ends on the
// number of players in force.
void Application::ChoosePlayers(int count) {
    if (count == state_.PlayerCount) {
        windows_.human->CheckPlayerCount(count);
        return;
    }
    if (state_.GameInProgress == 1 &&
        !prompts_->AskYesNo(windows_.human, QString::fromLatin1(text::kChangePlayersQuestion))) {
        windows_.human->CheckPlayerCount(state_.PlayerCount);
        return;
    }
    store_.SetPlayerCount(count);
    windows_.human->CheckPlayerCount(count);
    ArrangeOpponents(count);
    RunSequence([this, count] { game_->ChangePlayerCount(count); });
}

void Application::DropSelection() {
    game_->SelectHandTile(kDropSelection);
}

void Application::Close() {
    if (sequenceDepth_ > 0) {
        closePending_ = true;
        return;
    }
    EndProgram();
}

// The window manager takes the windows the table owns along with it; without one they are
// minimised here.
void Application::Minimise() {
    if (!table_->isMinimized()) {
        table_->showMinimized();
    }
    for (QWidget* window : PlayerWindows()) {
        if (window->isVisible() && !window->isMinimized()) {
            window->showMinimized();
        }
    }
}

void Application::Restore() {
    table_->showNormal();
    RestoreWindows();
}

// The table is back: so is every window of a player taking part, where it was.
void Application::RestoreWindows() {
    if (windows_.human->isMinimized()) {
        windows_.human->showNormal();
    }
    ArrangeOpponents(state_.PlayerCount);
}

std::array<QWidget*, 4> Application::PlayerWindows() const {
    return {windows_.human, windows_.opponents[0], windows_.opponents[1], windows_.opponents[2]};
}

void Application::EndProgram(bool keepGame) {
    if (ended_) {
        return;
    }
    ended_ = true;
    closePending_ = false;
    if (keepGame && !KeepGameUnderWay()) {
        prompts_->Warn(windows_.human, QString::fromLatin1(text::kCantSaveGame));
    }
    SaveStatistics(false);
    if (sheetWindow_ != nullptr) {
        sheetWindow_->hide();
    }
    for (OpponentWindow* window : windows_.opponents) {
        window->hide();
    }
    windows_.human->hide();
    table_->hide();
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
    const ScaleChoice artwork = ArtworkForScreen(window, table_->devicePixelRatioF());
    pictures_->UseArtworkSize(artwork.sizeClass);
    const double ratio = artwork.scale / window.scale;
    table_->SetPixelRatio(ratio);
    windows_.human->Hand().SetPixelRatio(ratio);
    for (OpponentWindow* opponent : windows_.opponents) {
        opponent->SetPixelRatio(ratio);
    }
}

// The table shows its picture, built from the artwork at the first paint; the hands are drawn
// from the same artwork.
void Application::ConnectPictures() {
    table_->OnFirstPaint([this] { LoadDominoSet(); });
    table_->OnPaintArea([this](const Rect& area) {
        if (pictures_->Loaded()) {
            pictures_->ShowPicture(table_->Surface(), area);
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
    table_->OnPaintCheck([this] { ScreenWidthMayHaveChanged(); });
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QObject::connect(screen, &QScreen::geometryChanged, table_.get(),
                         [this] { ScreenWidthMayHaveChanged(); });
    }
}

// The player windows compose their tiles on their own background, which stands for the system's
// button face.
void Application::LoadDominoSet() {
    if (auto error = pictures_->LoadDominoSet(windows_.human->Hand().BackgroundColour())) {
        prompts_->Warn(windows_.human, QString::fromLatin1(text::kCantLoadDominoes));
        return;
    }
    table_->update();
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

}  // namespace pipwick
