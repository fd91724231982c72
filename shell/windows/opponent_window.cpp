#include "shell/windows/opponent_window.h"

#include <QCloseEvent>

#include "engine/pauses.h"
#include "model/game_state.h"
#include "shell/access/accessible_views.h"

namespace pipwick {

OpponentWindow::OpponentWindow(QWidget* owner, int index, const Geometry& geometry,
                               const ScreenSize& screen)
    : SurfaceWidget(
          false, owner,
          Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      index_(index),
      geometry_(geometry),
      screen_(screen),
      placement_(new OuterPlacement(*this)),
      score_(new ScoreLabel(*this, CaptionBoxes::kClose)) {
    // The flags ask for a caption and no box, but some window managers draw a window's boxes by
    // its type alone: a toolbar gets no minimise or maximise box from them. Qt writes the type only
    // into a native window that already exists; elsewhere than on X11 the attribute does nothing.
    winId();
    setAttribute(Qt::WA_X11NetWmWindowTypeToolBar);
    SetBackgroundColour(palette().color(QPalette::Window).rgb() & 0xFFFFFFu);
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

void OpponentWindow::Place(int32_t playerCount) {
    placement_->Place(OpponentWindowRect(index_, screen_, geometry_.ScaleFactor));
    ShowFor(playerCount);
    heightCheck_.start();
}

void OpponentWindow::ShowFor(int32_t playerCount) {
    playerCount_ = playerCount;
    if (TakesPart(playerCount, Player())) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
        raise();
    } else {
        hide();
    }
}

// The caption's frame takes room from the tiles: the window grows once, in place.
void OpponentWindow::CheckHeight() {
    placement_->Place(CorrectOpponentHeight(placement_->Target(), placement_->TargetClientHeight(),
                                            geometry_.ScaleFactor));
    ShowFor(playerCount_);
}

void OpponentWindow::SetCaption(const QString& caption) {
    setWindowTitle(caption);
    score_->SetCaption(caption);
}

void OpponentWindow::SetScore(int32_t score) {
    score_->SetScore(score);
}

void OpponentWindow::SetWidth(int32_t outerWidth) {
    placement_->SetWidth(outerWidth);
    ShowFor(playerCount_);
    RedrawHand();
}

void OpponentWindow::RedrawHand() {
    ClearSurface();
    if (painter_) {
        painter_(*this);
    }
    AnnounceItemsChanged(*this);
}

void OpponentWindow::SetHandPainter(std::function<void(SurfaceWidget&)> painter) {
    painter_ = std::move(painter);
    RedrawHand();
}

void OpponentWindow::resizeEvent(QResizeEvent* event) {
    SurfaceWidget::resizeEvent(event);
    score_->FitUnder(geometry_.OpponentSlotRect[0]);
    RedrawHand();
}

// The window asks for no close box, but some window managers draw one on every window with a
// caption: the player's tiles and score stay in view.
void OpponentWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
}

}  // namespace pipwick
