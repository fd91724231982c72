#pragma once

#include <cstdint>
#include <functional>

#include "assets/canvas.h"
#include "model/geometry.h"

namespace pipwick {

// What a window shows: a canvas the size of its client area. Drawing writes here and then asks
// for the changed rectangle to be shown; the window's paint only copies these pixels to the screen,
// so everything a player sees can be checked without a screen.
class WindowSurface {
  public:
    using ShowArea = std::function<void(const Rect&)>;

    // The table window composes its tiles apart from the player windows and keeps every tile it
    // shows in the table picture too.
    WindowSurface(bool tableWindow, int32_t width, int32_t height, uint32_t colour)
        : tableWindow_(tableWindow), pixels_(width, height, colour) {}

    bool IsTableWindow() const { return tableWindow_; }
    Canvas& Pixels() { return pixels_; }
    const Canvas& Pixels() const { return pixels_; }

    // Called with every rectangle whose pixels changed; a window repaints it at once.
    void OnChange(ShowArea show) { show_ = std::move(show); }
    void Show(const Rect& area) {
        if (show_) {
            show_(area);
        }
    }

  private:
    bool tableWindow_;
    Canvas pixels_;
    ShowArea show_;
};

}  // namespace pipwick
