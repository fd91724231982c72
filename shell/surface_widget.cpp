#include "shell/surface_widget.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

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

void SurfaceWidget::Rebuild() {
    surface_ = WindowSurface(tableWindow_, width(), height(), background_);
    surface_.OnChange([this](const Rect& area) {
        repaint(area.left, area.top, area.right - area.left, area.bottom - area.top);
    });
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
    const Canvas& shown = surface_.Pixels();
    // Format_RGB32 reads 0x00RRGGBB as opaque, so the canvas is shown without a copy.
    const QImage picture(reinterpret_cast<const uchar*>(shown.Pixels().data()), shown.Width(),
                         shown.Height(), shown.Width() * 4, QImage::Format_RGB32);
    const QRect area = event->rect();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(area.topLeft(), picture, area);
}

void SurfaceWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const Canvas& pixels = surface_.Pixels();
    if (pixels.Width() != width() || pixels.Height() != height()) {
        Rebuild();
    }
}

}  // namespace pipwick
