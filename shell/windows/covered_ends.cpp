#include "shell/windows/covered_ends.h"

#include <QMouseEvent>
#include <QPainter>

#include "shell/windows/human_window.h"
#include "shell/windows/opponent_window.h"
#include "shell/windows/table_window.h"
#include "table/end_marks.h"

namespace pipwick {

namespace {

// The caption holds the window's score and name, which the end must not hide.
QRect OutsideCaption(const QRect& area, const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect caption(frame.left(), frame.top(), frame.width(),
                        window.geometry().top() - frame.top());
    if (!area.intersects(caption)) {
        return area;
    }
    return area.translated(0, frame.top() - area.bottom() - 1);
}

}  // namespace

// Frameless and placed by the program itself, so that the end shows exactly where it lies even
// while a window manager starts or changes its frames; it never takes the keyboard's focus.
CoveredEndMarker::CoveredEndMarker(std::function<void()> play, std::function<void(bool)> hover)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint),
      play_(std::move(play)),
      hover_(std::move(hover)) {
    setAttribute(Qt::WA_ShowWithoutActivating);
}

// Raised at each showing: a click on the covering window (a tile picked up anew) may have raised
// that window over it.
void CoveredEndMarker::ShowAbove(QWidget& owner, const QRect& screenArea, QImage picture) {
    owner_ = &owner;
    picture_ = std::move(picture);
    setGeometry(screenArea);
    show();
    raise();
    update();
}

void CoveredEndMarker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), picture_);
}

void CoveredEndMarker::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && play_) {
        play_();
    }
}

void CoveredEndMarker::enterEvent(QEnterEvent*) {
    hover_(true);
}

void CoveredEndMarker::leaveEvent(QEvent*) {
    hover_(false);
}

CoveredEnds::CoveredEnds(const Windows& windows, double tableScale)
    : windows_(windows), tableScale_(tableScale) {
    for (int arm = 0; arm < kArmCount; ++arm) {
        markers_[arm] = std::make_unique<CoveredEndMarker>(
            [this, arm] {
                if (play_) {
                    play_(arm);
                }
            },
            [this, arm](bool over) {
                if (hover_) {
                    hover_(over ? arm : -1);
                }
            });
    }
}

void CoveredEnds::Show(const std::vector<int>& arms, const GameState& state) {
    bool shown[kArmCount] = {};
    for (int arm : arms) {
        if (arm < 0 || arm >= kArmCount || state.ArmDropRect[arm].IsEmpty()) {
            continue;
        }
        const Rect& end = state.ArmDropRect[arm];
        const QRect area(windows_.table->mapToGlobal(QPoint(end.left, end.top)),
                         QSize(end.right - end.left, end.bottom - end.top));
        if (QWidget* covering = CoveringWindow(area)) {
            markers_[arm]->ShowAbove(*covering, OutsideCaption(area, *covering), EndPicture(end));
            shown[arm] = true;
        }
    }
    for (int arm = 0; arm < kArmCount; ++arm) {
        if (!shown[arm]) {
            markers_[arm]->hide();
        }
    }
}

void CoveredEnds::HideAll() {
    for (const auto& marker : markers_) {
        marker->hide();
    }
}

QWidget* CoveredEnds::CoveringWindow(const QRect& area) const {
    QWidget* players[] = {windows_.human, windows_.opponents[0], windows_.opponents[1],
                          windows_.opponents[2]};
    for (QWidget* window : players) {
        if (window != nullptr && window->isVisible() && !window->isMinimized() &&
            window->frameGeometry().intersects(area)) {
            return window;
        }
    }
    return nullptr;
}

QImage CoveredEnds::EndPicture(const Rect& end) const {
    const TableWindow& table = *windows_.table;
    const Rect area = table.SurfaceArea(end);
    Canvas picture(area.right - area.left, area.bottom - area.top);
    picture.Copy(0, 0, picture.Width(), picture.Height(), table.Surface().Pixels(), area.left,
                 area.top);
    DrawEndMark(picture, {0, 0, picture.Width(), picture.Height()},
                tableScale_ * table.PixelRatio());
    return QImage(reinterpret_cast<const uchar*>(picture.Pixels().data()), picture.Width(),
                  picture.Height(), picture.Width() * 4, QImage::Format_RGB32)
        .copy();
}

}  // namespace pipwick
