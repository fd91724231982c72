#pragma once

#include <QPoint>
#include <QTimer>
#include <functional>
#include <vector>

#include "model/game_state.h"
#include "model/geometry.h"
#include "shell/windows/surface_widget.h"

namespace pipwick {

// The table: a frameless window above all others that shows the line of play, one picture kept
// by the drawing code. A press on an arm's drop area while the human has a tile picked up plays it
// there; any other press drags the window across the screen.
class TableWindow : public SurfaceWidget {
  public:
    TableWindow(const GameState& state, const Rect& tableRect, double scale);

    // Called with the arm index (0..3) when the human drops his picked-up tile on an arm.
    void OnDrop(std::function<void(int)> drop) { drop_ = std::move(drop); }
    // Called once, 500 ms after ReloadSoon, to rebuild the pictures after a change of domino set.
    void OnReload(std::function<void()> reload) { reload_ = std::move(reload); }

    // Called once, at the first paint, to build the table canvas.
    void OnFirstPaint(std::function<void()> load) { firstPaint_ = std::move(load); }
    // Called before every paint (the check for a change of the screen's width).
    void OnPaintCheck(std::function<void()> check) { check_ = std::move(check); }
    // Called at every paint with the surface area to show, to copy it from the table picture.
    void OnPaintArea(std::function<void(const Rect&)> fill) { fill_ = std::move(fill); }
    // Called with the pointer's place whenever it moves over the window without a drag.
    void OnHover(std::function<void(const QPoint&)> hover) { hover_ = std::move(hover); }

    // Marks these arm ends (drop areas) over the picture, in place of the marks shown before;
    // what lay under those is shown from the picture again.
    void ShowMarks(const std::vector<Rect>& ends);
    const std::vector<Rect>& Marks() const { return marks_; }
    // Marks the end the keyboard has chosen (an empty rectangle for none) over the other marks.
    void ShowChosenEnd(const Rect& end);
    const Rect& ChosenEnd() const { return chosen_; }

    // Called with a key (a Qt::Key) pressed while the table is the active window; returns whether
    // it was used. The keys of the hand work here too, once a click has made the table active.
    void OnKey(std::function<bool(int)> key) { key_ = std::move(key); }

    // Called when the window comes back from being minimised.
    void OnRestored(std::function<void()> restored) { restored_ = std::move(restored); }

    // Starts the one-shot reload timer.
    void ReloadSoon();
    bool Dragging() const { return dragging_; }
    const QTimer& ReloadTimer() const { return reloadTimer_; }

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // The arm index under point when a drop may be made there now, else -1.
    int DropTarget(const QPoint& point) const;
    void DrawMarks();
    // Shows area from the picture again, without marks, and has it repainted.
    void Uncover(const Rect& area);

    const GameState& state_;
    std::function<void(int)> drop_;
    std::function<void()> reload_;
    std::function<void()> firstPaint_;
    std::function<void()> check_;
    std::function<void(const Rect&)> fill_;
    std::function<void(const QPoint&)> hover_;
    std::function<bool(int)> key_;
    double scale_;
    std::vector<Rect> marks_;
    Rect chosen_;
    std::function<void()> restored_;
    QTimer reloadTimer_;
    bool dragging_ = false;
    QPoint dragStart_;
};

}  // namespace pipwick
