#include "shell/table_window.h"

#include <QMouseEvent>
#include <QPaintEvent>

#include "engine/game.h"
#include "shell/timings.h"
#include "texts/texts.h"

namespace pipwick {

TableWindow::TableWindow(const GameState& state, const Rect& tableRect)
    : SurfaceWidget(true, nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      state_(state) {
    setWindowTitle(QString::fromLatin1(text::kAppTitle));
    setGeometry(tableRect.left, tableRect.top, tableRect.right - tableRect.left,
                tableRect.bottom - tableRect.top);
    reloadTimer_.setSingleShot(true);
    reloadTimer_.setInterval(timing::kTableReload);
    connect(&reloadTimer_, &QTimer::timeout, this, [this] {
        if (reload_) {
            reload_();
        }
    });
}

// The table window never draws tiles itself: it shows the table picture, built at the first
// paint.
void TableWindow::paintEvent(QPaintEvent* event) {
    if (check_) {
        check_();
    }
    if (firstPaint_) {
        const std::function<void()> load = std::move(firstPaint_);
        firstPaint_ = nullptr;
        load();
    }
    if (fill_) {
        fill_(SurfaceArea(event->rect()));
    }
    SurfaceWidget::paintEvent(event);
}

void TableWindow::ReloadSoon() {
    reloadTimer_.start();
}

int TableWindow::DropTarget(const QPoint& point) const {
    if (state_.CurrentPlayer != kHumanSeat || state_.GameInProgress != 1 ||
        state_.SelectedTile == kNoSelection) {
        return -1;
    }
    return DropArmAt(state_, point.x(), point.y());
}

void TableWindow::mousePressEvent(QMouseEvent* event) {
    SurfaceWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint point = event->position().toPoint();
    const int arm = DropTarget(point);
    if (arm >= 0) {
        if (drop_) {
            drop_(arm);
        }
        return;
    }
    // Qt keeps sending the moves to the pressed widget until release, so the drag goes on while
    // the pointer is outside the window.
    dragging_ = true;
    dragStart_ = point;
}

// The window follows the pointer, so the pointer keeps its place in the window and the start
// point stays valid for the whole drag.
void TableWindow::mouseMoveEvent(QMouseEvent* event) {
    SurfaceWidget::mouseMoveEvent(event);
    if (dragging_) {
        move(pos() + event->position().toPoint() - dragStart_);
    }
}

void TableWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
    }
    SurfaceWidget::mouseReleaseEvent(event);
}

}  // namespace pipwick
