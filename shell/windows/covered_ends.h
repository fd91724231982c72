#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "model/game_state.h"
#include "model/geometry.h"
#include "shell/windows/qt_game_view.h"

namespace pipwick {

// An arm's end shown again above the player window that covers it: a small frameless window of
// the end's size with the table's picture of it and the mark, where a click plays the picked-up
// tile as a click on the end itself would.
class CoveredEndMarker : public QWidget {
  public:
    // play: a click on it; hover: the pointer came over it (true) or left it (false).
    CoveredEndMarker(std::function<void()> play, std::function<void(bool over)> hover);

    // Shows picture over screenArea, above owner, the window that hides the end there.
    void ShowAbove(QWidget& owner, const QRect& screenArea, QImage picture);
    // The window it was last shown above.
    QWidget* Owner() const { return owner_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    std::function<void()> play_;
    std::function<void(bool)> hover_;
    QImage picture_;
    QWidget* owner_ = nullptr;
};

// The ends a picked-up tile fits that the program's own player windows hide, wholly or in part:
// each is shown above its window for as long as the tile is held, where the end lies, or just
// above the window where it would hide the window's caption. The windows keep their places.
class CoveredEnds {
  public:
    CoveredEnds(const Windows& windows, double tableScale);

    // Called with the arm whose shown end was clicked.
    void OnPlay(std::function<void(int arm)> play) { play_ = std::move(play); }
    // Called with the arm whose shown end the pointer came over, and with -1 when it left.
    void OnHover(std::function<void(int arm)> hover) { hover_ = std::move(hover); }
    // Shows the ends (table window pixels) of these arms that a player window covers, in place of
    // those shown before.
    void Show(const std::vector<int>& arms, const GameState& state);
    void HideAll();
    // The marker of an arm, shown or not.
    const CoveredEndMarker& Marker(int arm) const { return *markers_[arm]; }

  private:
    // The shown player window that covers area (screen pixels), or null.
    QWidget* CoveringWindow(const QRect& area) const;
    // The end as the table shows it, with its mark drawn over it.
    QImage EndPicture(const Rect& end) const;

    const Windows& windows_;
    double tableScale_;
    std::function<void(int)> play_;
    std::function<void(int)> hover_;
    std::array<std::unique_ptr<CoveredEndMarker>, kArmCount> markers_;
};

}  // namespace pipwick
