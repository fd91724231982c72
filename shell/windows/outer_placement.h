#pragma once

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QMargins>
#include <QObject>
#include <QWidget>
#include <functional>

#include "model/geometry.h"

namespace pipwick {

// Keeps a top-level window's outer rectangle, frame included, where the program put it. A window
// manager frames a window only after it is shown, and may change the frame later (a new theme):
// whenever the frame's size changes, the window is placed again so that the frame, not the
// client area, fills the rectangle. A window manager that starts after the program, or replaces
// another, frames the windows where they stand: once it has taken a window into its frame, the
// window is placed again too. Without a window manager the frame is nothing and the outer
// rectangle is the window's own.
class OuterPlacement : public QObject, public QAbstractNativeEventFilter {
  public:
    explicit OuterPlacement(QWidget& window);
    ~OuterPlacement() override;

    void Place(const Rect& outer);
    // Keeps the left edge, the top and the height.
    void SetWidth(int32_t width);
    // The outer rectangle the window has now, or the one it is on its way to while a window
    // manager takes it in.
    Rect Outer() const;
    // Where the program last placed the window, and the height its client area has there once
    // the window manager has framed it as it frames it now.
    const Rect& Target() const { return target_; }
    int32_t TargetClientHeight() const;
    // Called after the window was placed again for a new frame.
    void OnReframed(std::function<void()> reframed) { reframed_ = std::move(reframed); }
    // A window manager took the window into a frame of its own (or gave it back to the screen),
    // or told of its frame or its place: a window that stands elsewhere than its outer rectangle
    // goes back there, even where the frame kept its size; until it has stood there once.
    void Reframed();

    // The X events that tell of a new frame or a new place, which reach Qt without a move of the
    // window.
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // How often the window is placed again on its own while it has not reached its place.
    static constexpr int kMostCorrections = 5;

    // From now until the window stands at its place, it is taken back there.
    void Settle();
    void PlaceAgain(const Rect& outer);
    QMargins Frame() const;
    void FrameMayHaveChanged();

    QWidget& window_;
    Rect target_;
    QMargins placedWith_;
    bool placed_ = false;
    bool settling_ = false;
    int corrections_ = 0;
    std::function<void()> reframed_;
};

}  // namespace pipwick
