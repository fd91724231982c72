#include "shell/windows/surface_widget.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace pipwick {

SurfaceWidget::SurfaceWidget(bool tableWindow, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), tableWindow_(tableWindow), surface_(tableWindow, 0, 0, 0) {
    // Every pixel comes from the surface, so Qt need not clear anything first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfaceWidget::SetBackgroundColour(uint32_t colour) {
    background_ = colour;
    ClearSurface();
}

void SurfaceWidget::ClearSurface() {
    Canvas& pixels = surface_.Pixels();
    pixels.Fill({0, 0, pixels.Width(), pixels.Height()}, background_);
    update();
}

void SurfaceWidget::SetPixelRatio(double ratio) {
    if (ratio != pixelRatio_) {
        pixelRatio_ = ratio;
        Rebuild();
        update();
    }
}

Rect SurfaceWidget::SurfaceArea(const QRect& windowArea) const {
    auto down = [this](int v) { return static_cast<int32_t>(std::floor(v * pixelRatio_)); };
    auto up = [this](int v) { return static_cast<int32_t>(std::ceil(v * pixelRatio_)); };
    return {down(windowArea.left()), down(windowArea.top()),
            up(windowArea.left() + windowArea.width()), up(windowArea.top() + windowArea.height())};
}

Rect SurfaceWidget::SurfaceArea(const Rect& windowArea) const {
    return SurfaceArea(QRect(windowArea.left, windowArea.top, windowArea.right - windowArea.left,
                             windowArea.bottom - windowArea.top));
}

QRect SurfaceWidget::WindowArea(const Rect& surfaceArea) const {
    auto down = [this](int32_t v) { return static_cast<int>(std::floor(v / pixelRatio_)); };
    auto up = [this](int32_t v) { return static_cast<int>(std::ceil(v / pixelRatio_)); };
    const int left = down(surfaceArea.left), top = down(surfaceArea.top);
    return {left, top, up(surfaceArea.right) - left, up(surfaceArea.bottom) - top};
}

void SurfaceWidget::Rebuild() {
    const Rect size = SurfaceArea(rect());
    surface_ = WindowSurface(tableWindow_, size.right, size.bottom, background_);
    surface_.OnChange([this](const Rect& area) { repaint(WindowArea(area)); });
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
    const Canvas& shown = surface_.Pixels();
    // Format_RGB32 reads 0x00RRGGBB as opaque, so the canvas is shown without a copy.
    const QImage picture(reinterpret_cast<const uchar*>(shown.Pixels().data()), shown.Width(),
                         shown.Height(), shown.Width() * 4, QImage::Format_RGB32);
    const QRect area = event->rect();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (pixelRatio_ == 1.0) {
        painter.drawImage(area.topLeft(), picture, area);
        return;
    }
    // Whole surface pixels, placed at exactly the ratio: where the ratio is the screen's, each is
    // one pixel of the screen.
    const Rect s = SurfaceArea(area);
    const QRectF source(s.left, s.top, s.right - s.left, s.bottom - s.top);
    const QRectF target(source.topLeft() / pixelRatio_, source.size() / pixelRatio_);
    painter.drawImage(target, picture, source);
}

void SurfaceWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const Rect size = SurfaceArea(rect());
    const Canvas& pixels = surface_.Pixels();
    if (pixels.Width() != size.right || pixels.Height() != size.bottom) {
        Rebuild();
    }
}

}  // namespace pipwick
