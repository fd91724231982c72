#include "shell/windows/statistics_window.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QVBoxLayout>
#include <iterator>

#include "shell/app/translations.h"
#include "shell/windows/screen_room.h"
#include "texts/texts.h"

namespace pipwick {

namespace {

// The records stand in two pairs of columns, name and figure, so that the window fits a small
// screen.
constexpr int kRecordPairs = 2;

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignRight) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

QTableWidget* PlainTable(QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->verticalHeader()->hide();
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The arrow keys move over the cells, which a screen reader reads.
    table->setFocusPolicy(Qt::StrongFocus);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    // Rows as high as their text, so that every game's row shows without scrolling.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return table;
}

// A table exactly as tall as its heading and rows: no blank strip under the last row.
void FitHeightToRows(QTableWidget& table) {
    int height = 2 * table.frameWidth();
    if (!table.horizontalHeader()->isHidden()) {
        height += table.horizontalHeader()->sizeHint().height();
    }
    for (int row = 0; row < table.rowCount(); ++row) {
        height += table.rowHeight(row);
    }
    table.setFixedHeight(height);
}

QString Percent(double share) {
    return QStringLiteral("%1%").arg(share * 100.0, 0, 'f', 0);
}

void SetTallyRow(QTableWidget& table, int row, const QString& label, const GameTally& tally) {
    const int64_t played = tally.Played();
    table.setItem(row, 0, Cell(label, Qt::AlignLeft));
    table.setItem(row, 1, Cell(QString::number(played)));
    table.setItem(row, 2, Cell(QString::number(tally.won)));
    table.setItem(row, 3, Cell(QString::number(tally.lost)));
    table.setItem(row, 4,
                  Cell(played == 0 ? QString::fromLatin1(text::kNoFigure)
                                   : Percent(static_cast<double>(tally.won) / played)));
    table.setItem(row, 5, Cell(QString::number(tally.abandoned)));
}

// The games' rows go by GameRow: each game alone, then with partners.
QString GameRowName(int row) {
    const QString name = Translated(text::kGameNames[row / 2]);
    return row % 2 == 1 ? Translated(text::kGamePartners).arg(name) : name;
}

}  // namespace

StatisticsWindow::StatisticsWindow(QWidget* owner, const Statistics& statistics,
                                   const QString& notice, std::function<bool()> reset)
    : QDialog(owner),
      statistics_(statistics),
      reset_(std::move(reset)),
      notice_(new QLabel(notice, this)),
      games_(PlainTable(this)),
      records_(PlainTable(this)),
      resetButton_(new QPushButton(Translated(text::kResetButton), this)) {
    setWindowTitle(Translated(text::kStatisticsTitle));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    notice_->setWordWrap(true);
    notice_->setVisible(!notice.isEmpty());
    QStringList headers;
    for (const char* header : text::kStatisticsColumns) {
        headers << Translated(header);
    }
    games_->setColumnCount(static_cast<int>(headers.size()));
    games_->setHorizontalHeaderLabels(headers);
    records_->setColumnCount(2 * kRecordPairs);
    records_->horizontalHeader()->hide();
    games_->setAccessibleName(Translated(text::kStatisticsGamesName));
    records_->setAccessibleName(Translated(text::kStatisticsRecordsName));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(resetButton_, QDialogButtonBox::ResetRole);
    // Enter closes the window; only a deliberate choice of Reset reaches the question.
    closeButton_ = buttons->button(QDialogButtonBox::Close);
    resetButton_->setAutoDefault(false);
    closeButton_->setDefault(true);
    closeButton_->setFocus();
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(resetButton_, &QPushButton::clicked, this, [this] {
        if (reset_()) {
            notice_->hide();
            Refresh();
        }
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notice_);
    layout->addWidget(games_);
    layout->addWidget(records_);
    layout->addStretch(1);
    layout->addWidget(buttons);
    Refresh();
    resize(BoundedByScreen(QSize(540, sizeHint().height())));
}

static_assert(std::size(text::kStatisticsLevels) == kStatisticsLevels, "a row for every level");

void StatisticsWindow::Refresh() {
    const Statistics& s = statistics_;
    const QString players = Translated(text::kStatisticsPlayers);
    games_->setRowCount(1 + static_cast<int>(std::size(s.byPlayers)) + kStatisticsLevels +
                        kStatisticsGames);
    int row = 0;
    SetTallyRow(*games_, row++, Translated(text::kStatisticsAllGames), Total(s));
    for (size_t i = 0; i < std::size(s.byPlayers); ++i) {
        SetTallyRow(*games_, row++, players.arg(i + 2), s.byPlayers[i]);
    }
    for (int level = 0; level < kStatisticsLevels; ++level) {
        SetTallyRow(*games_, row++, Translated(text::kStatisticsLevels[level]), s.byLevel[level]);
    }
    for (int game = 0; game < kStatisticsGames; ++game) {
        SetTallyRow(*games_, row++, GameRowName(game), s.byGame[game]);
    }
    games_->resizeColumnsToContents();

    const bool played = Total(s).Played() > 0;
    const QString none = QString::fromLatin1(text::kNoFigure);
    const QString figures[] = {
        played ? Percent(WinRate(s)) : none,
        played ? QString::number(s.bestFinalScore) : none,
        played ? QString::number(AverageFinalScore(s), 'f', 1) : none,
        QString::number(s.highestPlay),
        QString::number(s.longestStreak),
        QString::number(s.currentStreak),
        QString::number(s.handsPlayed),
        QString::number(s.handsBlocked),
    };
    // The records fill their columns from the top down, the first pair of columns first.
    const int rows = (static_cast<int>(std::size(figures)) + kRecordPairs - 1) / kRecordPairs;
    records_->setRowCount(rows);
    for (int i = 0; i < static_cast<int>(std::size(figures)); ++i) {
        const int row = i % rows;
        const int column = 2 * (i / rows);
        records_->setItem(row, column,
                          Cell(Translated(text::kStatisticsRecords[i]), Qt::AlignLeft));
        records_->setItem(row, column + 1, Cell(figures[i]));
    }
    records_->resizeColumnsToContents();
    FitHeightToRows(*games_);
    FitHeightToRows(*records_);
}

}  // namespace pipwick
