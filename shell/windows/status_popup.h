#pragma once

#include <QDialog>
#include <QLabel>
#include <QTimer>

#include "engine/game_view.h"
#include "model/geometry.h"

namespace pipwick {

// The text of a status-pop-up message; winner names the computer player who won the game.
QString PopupText(Message message, const char* winner);

// The small modal window for the messages that interrupt play. It closes itself after ten
// seconds, or at once on a click anywhere in it.
class StatusPopup : public QDialog {
  public:
    StatusPopup(QWidget* owner, const QString& text, const Rect& where);

    QString Text() const { return label_->text(); }
    const QTimer& CloseTimer() const { return closeTimer_; }
    QTimer& CloseTimer() { return closeTimer_; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* label_;
    QTimer closeTimer_;
};

}  // namespace pipwick
