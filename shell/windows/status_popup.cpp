#include "shell/windows/status_popup.h"

#include <QMouseEvent>
#include <QPainter>

#include "engine/pauses.h"
#include "shell/access/accessible_views.h"
#include "texts/texts.h"

namespace pipwick {

QString PopupText(Message message, const char* winner) {
    switch (message) {
        case Message::kWontPlayThere:
            return QString::fromLatin1(text::kWontPlayThere);
        case Message::kHandOver:
            return QString::fromLatin1(text::kHandOver);
        case Message::kComputerWins:
            return QString::asprintf(text::kComputerWins, winner != nullptr ? winner : "");
        case Message::kHumanWins:
            return QString::fromLatin1(text::kHumanWins);
    }
    return {};
}

StatusPopup::StatusPopup(QWidget* owner, const QString& text, const Rect& where)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      label_(new QLabel(text, this)) {
    setWindowTitle(QString::fromLatin1(text::kAppTitle));
    setModal(true);
    setGeometry(where.left, where.top, where.right - where.left, where.bottom - where.top);
    QFont font = label_->font();
    font.setPixelSize(11);
    label_->setFont(font);
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label_->setGeometry(16, 21, 141, 42);
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    closeTimer_.setSingleShot(true);
    closeTimer_.setInterval(pause::kPopupClose);
    connect(&closeTimer_, &QTimer::timeout, this, &QDialog::reject);
    // A screen reader says the message as an alert, as it would a message box's; the spaces that
    // place the words on the screen are not read.
    ProvideAccessibleView(
        *this, {QAccessible::AlertMessage, [this] { return label_->text().simplified(); }, {}, {}});
}

void StatusPopup::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    closeTimer_.start();
    if (QAccessible::isActive()) {
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

void StatusPopup::mousePressEvent(QMouseEvent* event) {
    event->accept();
    reject();
}

// A frameless window draws its own border.
void StatusPopup::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

}  // namespace pipwick
