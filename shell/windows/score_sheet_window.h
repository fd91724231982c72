#pragma once

#include <QTableWidget>
#include <QWidget>

#include "shell/storage/settings.h"
#include "shell/windows/score_chart.h"
#include "stats/score_sheet.h"

namespace pipwick {

// The score sheet of the game under way: a table of the hands and a chart of the scores. It
// follows the game while it is open and stays open until the player closes it.
class ScoreSheetWindow : public QWidget {
  public:
    ScoreSheetWindow(QWidget* owner, const ScoreSheet& sheet, const Settings& settings);

    // Shows the sheet as it stands now.
    void Refresh();
    const QTableWidget& Table() const { return *table_; }
    const ScoreChart& Chart() const { return *chart_; }

  protected:
    // Escape and Enter close the sheet, as they close a dialog.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Hand, won by, last play and pips; the last play is left out of a game where nothing scores
    // during play.
    bool ShowsLastPlay() const;
    int FixedColumns() const;
    void FillRow(int row, const SheetRow& hand);
    void FillScores(int row, const int32_t (&scores)[5]);
    QString Name(int player) const;

    const ScoreSheet& sheet_;
    const Settings& settings_;
    QTableWidget* table_;
    ScoreChart* chart_;
};

}  // namespace pipwick
