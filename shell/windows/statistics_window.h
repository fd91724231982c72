#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <functional>

#include "stats/statistics.h"

namespace pipwick {

// The player's statistics over every game: played, won and lost by the number of players and by
// the strongest computer player's level, and the records. Reset clears them once the player
// agrees.
class StatisticsWindow : public QDialog {
  public:
    // reset asks the player and clears the statistics; it returns whether they were cleared.
    StatisticsWindow(QWidget* owner, const Statistics& statistics, const QString& notice,
                     std::function<bool()> reset);

    void Refresh();
    const QTableWidget& Games() const { return *games_; }
    const QTableWidget& Records() const { return *records_; }
    QPushButton& ResetButton() { return *resetButton_; }
    QPushButton& CloseButton() { return *closeButton_; }
    const QLabel& Notice() const { return *notice_; }

  private:
    const Statistics& statistics_;
    std::function<bool()> reset_;
    QLabel* notice_;
    QTableWidget* games_;
    QTableWidget* records_;
    QPushButton* resetButton_;
    QPushButton* closeButton_ = nullptr;
};

}  // namespace pipwick
