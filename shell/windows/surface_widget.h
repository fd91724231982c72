#pragma once

#include <QWidget>
#include <cstdint>

#include "table/window_surface.h"

namespace pipwick {

// A widget whose whole picture is a WindowSurface: a canvas the size of the widget, which the
// tile drawing writes to. A change the drawing reports is repainted at once, so each step of a
// flight shows while the game waits; a paint only copies the update rectangle from the canvas.
class SurfaceWidget : public QWidget {
  public:
    // tableWindow: the surface of the table window, whose tiles the drawing composes apart.
    SurfaceWidget(bool tableWindow, QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    WindowSurface& Surface() { return surface_; }
    const WindowSurface& Surface() const { return surface_; }
    uint32_t BackgroundColour() const { return background_; }
    void SetBackgroundColour(uint32_t colour);
    // Fills the surface with the background colour and repaints it all.
    void ClearSurface();

    // Surface pixels per window pixel: 1 unless the tiles are composed at a high-density
    // screen's own pixels. A change gives a new, plain surface.
    void SetPixelRatio(double ratio);
    double PixelRatio() const { return pixelRatio_; }
    // The surface pixels that cover an area of the window, and the window area that covers
    // surface pixels.
    Rect SurfaceArea(const QRect& windowArea) const;
    Rect SurfaceArea(const Rect& windowArea) const;
    QRect WindowArea(const Rect& surfaceArea) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // A new surface of the widget's size, plain background.
    void Rebuild();

    bool tableWindow_;
    double pixelRatio_ = 1.0;
    uint32_t background_ = 0;
    WindowSurface surface_;
};

}  // namespace pipwick
