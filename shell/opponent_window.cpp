#include "shell/opponent_window.h"

#include "shell/outer_geometry.h"
#include "shell/timings.h"

namespace pipwick {

OpponentWindow::OpponentWindow(QWidget* owner, int index, const Geometry& geometry,
                               const ScreenSize& screen)
    : SurfaceWidget(
          false, owner,
          Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      index_(index),
      geometry_(geometry),
      screen_(screen) {
    SetBackgroundColour(palette().color(QPalette::Window).rgb() & 0xFFFFFFu);
    heightCheck_.setSingleShot(true);
    heightCheck_.setInterval(timing::kHeightCheck);
    connect(&heightCheck_, &QTimer::timeout, this, [this] { CheckHeight(); });
}

void OpponentWindow::Place(int32_t playerCount) {
    SetOuterRect(*this, OpponentWindowRect(index_, screen_, geometry_.ScaleFactor));
    ShowFor(playerCount);
    heightCheck_.start();
}

void OpponentWindow::ShowFor(int32_t playerCount) {
    playerCount_ = playerCount;
    if (OpponentShown(Player(), playerCount)) {
        show();
        raise();
    } else {
        hide();
    }
}

// The caption's frame takes room from the tiles: the window grows once, in place.
void OpponentWindow::CheckHeight() {
    SetOuterRect(*this, CorrectOpponentHeight(OuterRect(*this), height(), geometry_.ScaleFactor));
    ShowFor(playerCount_);
}

void OpponentWindow::SetCaption(const QString& caption) {
    setWindowTitle(caption);
}

void OpponentWindow::SetWidth(int32_t outerWidth) {
    SetOuterWidth(*this, outerWidth);
    ShowFor(playerCount_);
    RedrawHand();
}

void OpponentWindow::RedrawHand() {
    ClearSurface();
    if (painter_) {
        painter_(*this);
    }
}

void OpponentWindow::SetHandPainter(std::function<void(SurfaceWidget&)> painter) {
    painter_ = std::move(painter);
    RedrawHand();
}

void OpponentWindow::resizeEvent(QResizeEvent* event) {
    SurfaceWidget::resizeEvent(event);
    RedrawHand();
}

}  // namespace pipwick
