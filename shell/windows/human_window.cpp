#include "shell/windows/human_window.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <algorithm>

#include "engine/game.h"
#include "engine/pauses.h"
#include "model/window_widths.h"
#include "shell/access/accessible_views.h"
#include "shell/access/live_status.h"
#include "shell/app/translations.h"
#include "texts/spoken_texts.h"
#include "texts/texts.h"

namespace pipwick {

namespace {

// The smallest size the status line writes a long text in, in pixels.
constexpr int kSmallestStatusPixels = 9;

uint32_t WindowColour(const QWidget& widget) {
    return widget.palette().color(QPalette::Window).rgb() & 0xFFFFFFu;
}

}  // namespace

HandArea::HandArea(HumanWindow& window) : SurfaceWidget(false), window_(window) {
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(Translated(text::kHandKeys));
}

void HandArea::ShowFocusAt(int slot) {
    if (slot != focusSlot_) {
        focusSlot_ = slot;
        update();
    }
}

void HandArea::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) ||
        !window_.HandKeyPressed(event->key())) {
        SurfaceWidget::keyPressEvent(event);
    }
}

// The focus is framed over the picture, never drawn into the surface the tiles are composed on.
void HandArea::paintEvent(QPaintEvent* event) {
    SurfaceWidget::paintEvent(event);
    if (focusSlot_ < 0) {
        return;
    }
    const QRect slot = window_.HandSlotArea(focusSlot_);
    QPainter painter(this);
    painter.setPen(QPen(QColor(QRgb(kHandFocusDark)), 1));
    painter.drawRect(slot.adjusted(0, 0, -1, -1));
    painter.drawRect(slot.adjusted(3, 3, -4, -4));
    painter.setPen(QPen(QColor(QRgb(kHandFocusLight)), 2));
    painter.drawRect(slot.adjusted(2, 2, -2, -2));
}

void HandArea::mousePressEvent(QMouseEvent* event) {
    SurfaceWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        window_.HandPressed(event->position().toPoint());
    }
}

// The second press of a double-click arrives as the double-click itself.
void HandArea::mouseDoubleClickEvent(QMouseEvent* event) {
    window_.HandDoubleClicked(event->button(), event->position().toPoint());
}

void HandArea::resizeEvent(QResizeEvent* event) {
    SurfaceWidget::resizeEvent(event);
    window_.HandResized();
}

HumanWindow::HumanWindow(QWidget* owner, const GameState& state, const Settings& settings,
                         const Geometry& geometry, const ScreenSize& screen,
                         HumanCommands& commands)
    : QMainWindow(owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                             Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      state_(state),
      settings_(settings),
      geometry_(geometry),
      screen_(screen),
      commands_(commands),
      hand_(new HandArea(*this)),
      status_(new QLabel(hand_)),
      score_(new ScoreLabel(*hand_, CaptionBoxes::kMinimiseMaximiseClose)),
      placement_(new OuterPlacement(*this)) {
    setWindowTitle(QString::fromStdString(settings.PlayerNames[kHumanSeat]));
    hand_->SetBackgroundColour(WindowColour(*this));
    setCentralWidget(hand_);
    // The keys of the hand work as soon as the window is active.
    hand_->setFocus();
    // The status line sits above the slots, which start 14 design units down.
    statusPixels_ = std::min(Scaled(14, geometry.ScaleFactor) - 3, 13);
    QFont font = status_->font();
    font.setPixelSize(statusPixels_);
    status_->setFont(font);
    status_->setAttribute(Qt::WA_TransparentForMouseEvents);
    ProvideLiveStatus(*status_, Translated(text::kStatusName), [this] { return news_; });
    BuildMenu();
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::ApplicationShortcut);
    connect(escape, &QShortcut::activated, this, [this] { commands_.DropSelection(); });
    heightCheck_.setSingleShot(true);
    heightCheck_.setInterval(pause::kHeightCheck);
    connect(&heightCheck_, &QTimer::timeout, this, [this] { CheckHeight(); });
    // A frame that comes after the check takes room again.
    placement_->OnReframed([this] {
        if (!heightCheck_.isActive()) {
            CheckHeight();
        }
    });
}

QAction* HumanWindow::AddItem(const MenuItem& item, QWidget& container) {
    auto* action = new QAction(Translated(item.text), this);
    action->setData(static_cast<int>(item.command));
    if (item.keys[0] != '\0') {
        QList<QKeySequence> keys{QKeySequence(QString::fromLatin1(item.keys))};
        if (item.otherKeys[0] != '\0') {
            keys.append(QKeySequence(QString::fromLatin1(item.otherKeys)));
        }
        action->setShortcuts(keys);
        // The keys work whichever of the program's windows is active, and not while a modal
        // window is open.
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    container.addAction(action);
    addAction(action);
    const Command command = item.command;
    const int32_t players = PlayersOf(command);
    const size_t index = static_cast<size_t>(&item - kMenuItems);
    action->setCheckable(players != 0);
    connect(action, &QAction::triggered, this, [this, command, players, index] {
        if (handlers_[index]) {
            handlers_[index]();
            return;
        }
        switch (command) {
            case Command::kNew:
                commands_.NewGame();
                break;
            case Command::kExit:
                commands_.Close();
                break;
            case Command::kDrawPass:
                commands_.DrawOrPass();
                break;
            default:
                if (players != 0) {
                    commands_.ChoosePlayers(players);
                }
                break;
        }
    });
    return action;
}

void HumanWindow::BuildMenu() {
    QMenuBar* bar = menuBar();
    QMenu* game = bar->addMenu(Translated(text::kGameMenu));
    QMenu* options = nullptr;
    QMenu* help = bar->addMenu(Translated(text::kHelpMenu));
    for (size_t i = 0; i < std::size(kMenuItems); ++i) {
        const MenuItem& item = kMenuItems[i];
        QWidget* container = help;
        if (item.place == MenuPlace::kGame) {
            if (item.command == Command::kUndo || item.command == Command::kHostTable ||
                item.command == Command::kExit) {
                game->addSeparator();
            }
            container = game;
        } else if (item.place == MenuPlace::kOptions) {
            if (options == nullptr) {
                options = game->addMenu(Translated(text::kOptionsMenu));
            }
            container = options;
        } else if (item.place == MenuPlace::kBar) {
            // Draw/Pass acts at once from the bar rather than opening a menu.
            container = bar;
        }
        actions_[i] = AddItem(item, *container);
    }
}

void HumanWindow::SetCommandHandler(Command command, std::function<void()> handler) {
    for (size_t i = 0; i < std::size(kMenuItems); ++i) {
        if (kMenuItems[i].command == command) {
            handlers_[i] = std::move(handler);
        }
    }
}

QAction& HumanWindow::Action(Command command) {
    for (size_t i = 0; i < std::size(kMenuItems); ++i) {
        if (kMenuItems[i].command == command) {
            return *actions_[i];
        }
    }
    return *actions_[0];
}

void HumanWindow::Place() {
    placement_->Place(HumanWindowRect(screen_, geometry_.ScaleFactor));
    show();
    raise();
    // Every command is given here, so the keys go here first.
    activateWindow();
    heightCheck_.start();
}

// A wrapped menu bar or a tall frame takes room from the hand: the window grows once, and moves
// up when that pushed it off the bottom of the screen.
void HumanWindow::CheckHeight() {
    const int32_t menuBarHeight = height() - hand_->height();
    placement_->Place(CorrectHumanHeight(placement_->Target(),
                                         placement_->TargetClientHeight() - menuBarHeight,
                                         geometry_.ScaleFactor, screen_.height));
    show();
}

void HumanWindow::SetCaption(const QString& caption) {
    setWindowTitle(caption);
    score_->SetCaption(caption);
}

void HumanWindow::SetScore(int32_t score) {
    score_->SetScore(score);
}

void HumanWindow::SetStatus(const QString& status, bool tell) {
    if (status == status_->text()) {
        return;
    }
    status_->setFont(StatusFont(status));
    status_->setText(status);
    if (tell) {
        Tell(status);
    }
}

void HumanWindow::Tell(const QString& news) {
    const QString before = news_;
    news_ = news;
    AnnounceNews(*status_, before, news_);
}

QString HumanWindow::Status() const {
    return status_->text();
}

// A long text is written smaller, down to the smallest size that is still read with ease.
QFont HumanWindow::StatusFont(const QString& text) const {
    QFont font = status_->font();
    for (int pixels = statusPixels_; pixels >= kSmallestStatusPixels; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(text) <= status_->contentsRect().width()) {
            break;
        }
    }
    return font;
}

bool HumanWindow::StatusFits(const QString& text) const {
    return QFontMetrics(StatusFont(text)).horizontalAdvance(text) <=
           status_->contentsRect().width();
}

void HumanWindow::SetDrawPassLabel(bool pass) {
    Action(Command::kDrawPass).setText(Translated(pass ? text::kPass : text::kDraw));
}

void HumanWindow::CheckPlayerCount(int32_t count) {
    for (const Command command :
         {Command::kTwoPlayers, Command::kThreePlayers, Command::kFourPlayers}) {
        Action(command).setChecked(PlayersOf(command) == count);
    }
}

// A hand too wide for the room right of the window's place moves the window left, so that every
// tile stays on the screen; a narrower one brings it back.
void HumanWindow::SetWidth(int32_t outerWidth) {
    Rect outer = placement_->Outer();
    outer.left = LeftOnScreen(HumanWindowRect(screen_, geometry_.ScaleFactor).left, outerWidth,
                              screen_.width);
    outer.right = outer.left + outerWidth;
    placement_->Place(outer);
    show();
    raise();
    RedrawHand();
}

SurfaceWidget& HumanWindow::Hand() {
    return *hand_;
}

void HumanWindow::RedrawHand() {
    hand_->ClearSurface();
    if (painter_) {
        painter_(*hand_);
    }
    AnnounceItemsChanged(*hand_);
}

void HumanWindow::SetHandPainter(std::function<void(SurfaceWidget&)> painter) {
    painter_ = std::move(painter);
    RedrawHand();
}

void HumanWindow::HandPressed(const QPoint& point) {
    if (!HumansTurn(state_)) {
        return;
    }
    for (int slot = 0; slot < kHandSlots; ++slot) {
        if (geometry_.HandSlotRect[slot].Contains(point.x(), point.y()) &&
            state_.Hand[kHumanSeat][slot] != kNoTile) {
            commands_.HandSlotClicked(slot);
            return;
        }
    }
}

bool HumanWindow::HandKeyPressed(int key) {
    return commands_.HandKey(key);
}

QRect HumanWindow::HandSlotArea(int slot) const {
    const Rect& r = geometry_.HandSlotRect[slot];
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void HumanWindow::HandDoubleClicked(Qt::MouseButton button, const QPoint& point) {
    if (button == Qt::RightButton ||
        (button == Qt::LeftButton && settings_.DoubleClickDrawPass == 1)) {
        commands_.DrawOrPass();
    } else if (button == Qt::LeftButton) {
        HandPressed(point);
    }
}

void HumanWindow::HandResized() {
    const int32_t left = Scaled(3, geometry_.ScaleFactor);
    status_->setGeometry(left, 0, std::max(0, hand_->width() - left),
                         Scaled(14, geometry_.ScaleFactor));
    status_->setFont(StatusFont(status_->text()));
    score_->FitUnder(geometry_.HandSlotRect[0]);
    RedrawHand();
}

// The human's window is not minimised on its own: the table goes, and takes every window with it.
// Bringing this window back at once would bring the table back too, as its owner.
void HumanWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        commands_.Minimise();
    }
}

// Closing ends the program, which the program decides: a close that arrives while the computer
// players are moving is carried out once they are done.
void HumanWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    commands_.Close();
}

}  // namespace pipwick
