#include "shell/windows/statistics_window.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QVBoxLayout>
#include <iterator>

#include "texts/texts.h"

namespace pipwick {

namespace {

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
    return table;
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

}  // namespace

StatisticsWindow::StatisticsWindow(QWidget* owner, const Statistics& statistics,
                                   const QString& notice, std::function<bool()> reset)
    : QDialog(owner),
      statistics_(statistics),
      reset_(std::move(reset)),
      notice_(new QLabel(notice, this)),
      games_(PlainTable(this)),
      records_(PlainTable(this)),
      resetButton_(new QPushButton(QString::fromLatin1(text::kResetButton), this)) {
    setWindowTitle(QString::fromLatin1(text::kStatisticsTitle));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    notice_->setWordWrap(true);
    notice_->setVisible(!notice.isEmpty());
    QStringList headers;
    for (const char* header : text::kStatisticsColumns) {
        headers << QString::fromLatin1(header);
    }
    games_->setColumnCount(static_cast<int>(headers.size()));
    games_->setHorizontalHeaderLabels(headers);
    records_->setColumnCount(2);
    records_->horizontalHeader()->hide();
    games_->setAccessibleName(QString::fromLatin1(text::kStatisticsGamesName));
    records_->setAccessibleName(QString::fromLatin1(text::kStatisticsRecordsName));
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
    layout->addWidget(games_, 1);
    layout->addWidget(records_, 1);
    layout->addWidget(buttons);
    resize(540, 620);
    Refresh();
}

static_assert(std::size(text::kStatisticsLevels) == kStatisticsLevels, "a row for every level");

void StatisticsWindow::Refresh() {
    const Statistics& s = statistics_;
    const QString players = QString::fromLatin1(text::kStatisticsPlayers);
    games_->setRowCount(1 + static_cast<int>(std::size(s.byPlayers)) + kStatisticsLevels);
    int row = 0;
    SetTallyRow(*games_, row++, QString::fromLatin1(text::kStatisticsAllGames), Total(s));
    for (size_t i = 0; i < std::size(s.byPlayers); ++i) {
        SetTallyRow(*games_, row++, players.arg(i + 2), s.byPlayers[i]);
    }
    for (int level = 0; level < kStatisticsLevels; ++level) {
        SetTallyRow(*games_, row++, QString::fromLatin1(text::kStatisticsLevels[level]),
                    s.byLevel[level]);
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
    records_->setRowCount(static_cast<int>(std::size(figures)));
    for (size_t i = 0; i < std::size(figures); ++i) {
        records_->setItem(static_cast<int>(i), 0,
                          Cell(QString::fromLatin1(text::kStatisticsRecords[i]), Qt::AlignLeft));
        records_->setItem(static_cast<int>(i), 1, Cell(figures[i]));
    }
    records_->resizeColumnsToContents();
}

}  // namespace pipwick
