#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>

#include "model/geometry.h"
#include "shell/windows/surface_widget.h"

namespace pipwick {

// What the game asks of a player's window, the human's and a computer player's alike, so that the
// view can treat the four seats the same.
class PlayerWindow {
  public:
    virtual ~PlayerWindow() = default;

    // The top-level window, as placed on the screen.
    virtual QWidget& Frame() = 0;
    // The surface the player's tiles are drawn on.
    virtual SurfaceWidget& Hand() = 0;
    virtual void SetCaption(const QString& caption) = 0;
    // The score the caption shows, also written in the window while the caption is cut short.
    virtual void SetScore(int32_t score) = 0;
    // The width rule: keeps the left edge, the top and the height.
    virtual void SetWidth(int32_t outerWidth) = 0;
    // The outer rectangle, frame included, the window has or is being placed at.
    virtual Rect Outer() const = 0;
    // Clears the hand's surface and draws its tiles again.
    virtual void RedrawHand() = 0;

  protected:
    PlayerWindow() = default;
    PlayerWindow(const PlayerWindow&) = default;
    PlayerWindow& operator=(const PlayerWindow&) = default;
};

}  // namespace pipwick
