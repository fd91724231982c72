#pragma once

#include <QTimer>
#include <functional>

#include "model/geometry.h"
#include "shell/windows/outer_placement.h"
#include "shell/windows/player_window.h"
#include "shell/windows/score_label.h"
#include "shell/windows/surface_widget.h"
#include "shell/windows/window_rects.h"

namespace pipwick {

// A computer player's window at the left edge, the top or the right edge of the screen: its tiles
// face down (face up at the end of a hand), its score and name in the caption.
class OpponentWindow : public SurfaceWidget, public PlayerWindow {
  public:
    // index 1, 2, 3 for players 2, 3, 4.
    OpponentWindow(QWidget* owner, int index, const Geometry& geometry, const ScreenSize& screen);

    int Index() const { return index_; }
    int Player() const { return OpponentPlayer(index_); }
    // The most slots this window shows: the most tiles its player can hold.
    int SlotCount() const { return OpponentSlotCount(index_); }

    // Places the window at its edge, shown only while its player takes part, and checks its
    // height half a second later.
    void Place(int32_t playerCount);
    // Shows the window where it was last placed, or hides it, as the number of players asks.
    void ShowFor(int32_t playerCount);
    // PlayerWindow: the window shows its tiles on its own surface.
    QWidget& Frame() override { return *this; }
    SurfaceWidget& Hand() override { return *this; }
    void SetCaption(const QString& caption) override;
    void SetScore(int32_t score) override;
    void SetWidth(int32_t outerWidth) override;
    Rect Outer() const override { return placement_->Outer(); }
    void RedrawHand() override;
    // The tile drawing, which draws the tiles onto the cleared surface.
    void SetHandPainter(std::function<void(SurfaceWidget&)> painter);
    const QTimer& HeightCheckTimer() const { return heightCheck_; }
    const ScoreLabel& Score() const { return *score_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void CheckHeight();

    int index_;
    const Geometry& geometry_;
    ScreenSize screen_;
    OuterPlacement* placement_;
    ScoreLabel* score_;
    int32_t playerCount_ = 2;
    QTimer heightCheck_;
    std::function<void(SurfaceWidget&)> painter_;
};

}  // namespace pipwick
