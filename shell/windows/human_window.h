#pragma once

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <iterator>

#include "model/game_state.h"
#include "model/geometry.h"
#include "shell/app/human_commands.h"
#include "shell/storage/settings.h"
#include "shell/windows/outer_placement.h"
#include "shell/windows/player_window.h"
#include "shell/windows/score_label.h"
#include "shell/windows/surface_widget.h"
#include "shell/windows/window_rects.h"
#include "texts/menu_commands.h"

namespace pipwick {

class HumanWindow;

// The frame of the tile with the keyboard's focus: a white ring between dark lines, which shows on
// a plain tile, on a picked-up (gold) one and on the window's background alike.
constexpr uint32_t kHandFocusDark = 0x1A1A1Au;
constexpr uint32_t kHandFocusLight = 0xFFFFFFu;

// The client area of the human's window: his hand at its slots, the status line above it.
class HandArea : public SurfaceWidget {
  public:
    explicit HandArea(HumanWindow& window);

    // Frames the tile in this slot, -1 for none: where the keyboard's focus is.
    void ShowFocusAt(int slot);
    int FocusShownAt() const { return focusSlot_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    HumanWindow& window_;
    int focusSlot_ = -1;
};

// The human player's window at the bottom of the screen: his hand face up, the menu bar with every
// command of the program, his score and name in the caption and a status line.
class HumanWindow : public QMainWindow, public PlayerWindow {
  public:
    HumanWindow(QWidget* owner, const GameState& state, const Settings& settings,
                const Geometry& geometry, const ScreenSize& screen, HumanCommands& commands);

    // Places the window centred at the bottom of the screen and checks its height half a second
    // later.
    void Place();
    QWidget& Frame() override { return *this; }
    void SetCaption(const QString& caption) override;
    void SetScore(int32_t score) override;
    // The game under way, which the caption names after the score and the name; empty for none.
    void SetGame(const QString& game) { score_->SetGame(game); }
    const ScoreLabel& Score() const { return *score_; }
    // Shows status in the status line; a change is told to assistive technologies as news
    // unless tell is false (what the game's moves tell already).
    void SetStatus(const QString& status, bool tell = true);
    QString Status() const;
    // Whether text fits the status line whole, written as small as the status line writes.
    bool StatusFits(const QString& text) const;
    // Tells assistive technologies news, shown or not: each call is told once.
    void Tell(const QString& news);
    QString News() const { return news_; }
    QLabel& StatusLine() { return *status_; }
    void SetDrawPassLabel(bool pass);
    // Puts the check mark on the item for count players only.
    void CheckPlayerCount(int32_t count);
    // The width rule: keeps the top and the height, and the left edge while the window fits on the
    // screen; brings the window to the front.
    void SetWidth(int32_t outerWidth) override;
    Rect Outer() const override { return placement_->Outer(); }

    // The hand as shown: the surface to draw the tiles on.
    SurfaceWidget& Hand() override;
    // Draws the hand again: clears the surface and lets the painter draw the tiles.
    void RedrawHand() override;
    // Frames the tile in slot as the keyboard's focus, -1 for none.
    void ShowHandFocus(int slot) { hand_->ShowFocusAt(slot); }
    const HandArea& HandKeysArea() const { return *hand_; }
    // The tile drawing, which draws the hand's tiles onto the cleared surface.
    void SetHandPainter(std::function<void(SurfaceWidget&)> painter);

    QAction& Action(Command command);
    // Gives a command that another part of the program carries out.
    void SetCommandHandler(Command command, std::function<void()> handler);
    const QTimer& HeightCheckTimer() const { return heightCheck_; }

    // From the hand area.
    void HandPressed(const QPoint& point);
    // A key in the hand: whether the hand used it.
    bool HandKeyPressed(int key);
    // A hand slot's rectangle in the hand's pixels.
    QRect HandSlotArea(int slot) const;
    void HandDoubleClicked(Qt::MouseButton button, const QPoint& point);
    void HandResized();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void BuildMenu();
    QAction* AddItem(const MenuItem& item, QWidget& container);
    void CheckHeight();
    // The status line's font for text: as large as the line's height allows, smaller for a text
    // too long for its width.
    QFont StatusFont(const QString& text) const;

    const GameState& state_;
    const Settings& settings_;
    const Geometry& geometry_;
    ScreenSize screen_;
    HumanCommands& commands_;
    HandArea* hand_;
    QLabel* status_;
    int statusPixels_ = 0;
    ScoreLabel* score_;
    QString news_;
    OuterPlacement* placement_;
    QAction* actions_[std::size(kMenuItems)] = {};
    QTimer heightCheck_;
    std::function<void(SurfaceWidget&)> painter_;
    std::function<void()> handlers_[std::size(kMenuItems)];
};

}  // namespace pipwick
