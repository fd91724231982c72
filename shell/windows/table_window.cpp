#include "shell/windows/table_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWindowStateChangeEvent>

#include "engine/game.h"
#include "engine/pauses.h"
#include "table/end_marks.h"
#include "texts/texts.h"

namespace pipwick {

TableWindow::TableWindow(const GameState& state, const Rect& tableRect, double scale)
    : SurfaceWidget(true, nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      state_(state),
      scale_(scale) {
    // The pointer's moves are followed without a button held, for the marks' score preview.
    setMouseTracking(true);
    setWindowTitle(QString::fromLatin1(text::kAppTitle));
    setGeometry(tableRect.left, tableRect.top, tableRect.right - tableRect.left,
                tableRect.bottom - tableRect.top);
    reloadTimer_.setSingleShot(true);
    reloadTimer_.setInterval(pause::kTableReload);
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
    DrawMarks();
    SurfaceWidget::paintEvent(event);
}

// The ends are in window pixels; on a high-density screen the marks are drawn at the surface's
// own pixels, as thick as the tiles' larger artwork.
void TableWindow::DrawMarks() {
    const double scale = scale_ * PixelRatio();
    for (const Rect& end : marks_) {
        DrawEndMark(Surface().Pixels(), SurfaceArea(end), scale);
    }
    if (!chosen_.IsEmpty()) {
        DrawChosenEndMark(Surface().Pixels(), SurfaceArea(chosen_), scale);
    }
}

void TableWindow::Uncover(const Rect& area) {
    if (fill_) {
        fill_(SurfaceArea(area));
    }
    update(area.left, area.top, area.right - area.left, area.bottom - area.top);
}

void TableWindow::ShowChosenEnd(const Rect& end) {
    if (end == chosen_) {
        return;
    }
    const Rect old = chosen_;
    chosen_ = end;
    if (!old.IsEmpty()) {
        Uncover(ChosenEndMarkArea(old, scale_));
    }
    DrawMarks();
    if (!chosen_.IsEmpty()) {
        const Rect area = ChosenEndMarkArea(chosen_, scale_);
        update(area.left, area.top, area.right - area.left, area.bottom - area.top);
    }
}

void TableWindow::ShowMarks(const std::vector<Rect>& ends) {
    if (ends == marks_) {
        return;
    }
    const std::vector<Rect> old = std::move(marks_);
    marks_ = ends;
    for (const Rect& end : old) {
        Uncover(end);
    }
    DrawMarks();
    for (const Rect& end : marks_) {
        update(end.left, end.top, end.right - end.left, end.bottom - end.top);
    }
}

void TableWindow::changeEvent(QEvent* event) {
    SurfaceWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || isMinimized() || !restored_) {
        return;
    }
    if (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized) {
        restored_();
    }
}

void TableWindow::ReloadSoon() {
    reloadTimer_.start();
}

int TableWindow::DropTarget(const QPoint& point) const {
    if (!HumansTurn(state_) || state_.SelectedTile == kNoSelection) {
        return -1;
    }
    return DropArmAt(state_, point.x(), point.y());
}

void TableWindow::keyPressEvent(QKeyEvent* event) {
    const bool plain =
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!plain || !key_ || !key_(event->key())) {
        SurfaceWidget::keyPressEvent(event);
    }
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
    } else if (hover_) {
        hover_(event->position().toPoint());
    }
}

void TableWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
    }
    SurfaceWidget::mouseReleaseEvent(event);
}

}  // namespace pipwick
