#include "shell/windows/score_sheet_window.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "model/rules.h"
#include "shell/app/translations.h"
#include "shell/windows/screen_room.h"
#include "texts/game_title.h"
#include "texts/texts.h"

namespace pipwick {

namespace {

// The players' colours on the chart, by seat: the human blue.
const QColor kPlayerColours[5] = {QColor(), QColor(0x1f, 0x5f, 0xbf), QColor(0xc0, 0x39, 0x2b),
                                  QColor(0x22, 0x8b, 0x22), QColor(0xd3, 0x7a, 0x00)};

// The column of the last play's points among the fixed columns.
constexpr int kLastPlayColumn = 2;

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignRight) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

}  // namespace

ScoreSheetWindow::ScoreSheetWindow(QWidget* owner, const ScoreSheet& sheet,
                                   const Settings& settings)
    : QWidget(owner, Qt::Dialog | Qt::WindowStaysOnTopHint),
      sheet_(sheet),
      settings_(settings),
      table_(new QTableWidget(this)),
      chart_(new ScoreChart(this)) {
    setWindowTitle(Translated(text::kScoreSheetTitle));
    table_->verticalHeader()->hide();
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The arrow keys move over the cells, which a screen reader reads.
    table_->setFocusPolicy(Qt::StrongFocus);
    table_->setAccessibleName(Translated(text::kScoreSheetTitle));
    chart_->setAccessibleName(Translated(text::kScoreChartName));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(chart_, 1);
    resize(BoundedByScreen(QSize(580, 540)));
    Refresh();
}

// With partners the sheet speaks of pairs: "Player and TopGun".
QString ScoreSheetWindow::Name(int player) const {
    const int partner = PartnerOf(sheet_.Rules(), player);
    if (partner == player) {
        return QString::fromStdString(settings_.PlayerNames[player]);
    }
    return QString::fromStdString(text::PairName(settings_.PlayerNames[std::min(player, partner)],
                                                 settings_.PlayerNames[std::max(player, partner)]));
}

bool ScoreSheetWindow::ShowsLastPlay() const {
    return ScoresDuringPlay(sheet_.Rules());
}

int ScoreSheetWindow::FixedColumns() const {
    const int all = static_cast<int>(std::size(text::kScoreSheetColumns));
    return ShowsLastPlay() ? all : all - 1;
}

void ScoreSheetWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            close();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void ScoreSheetWindow::Refresh() {
    const std::vector<int> players = sheet_.Players();
    QStringList headers;
    for (int column = 0; column < static_cast<int>(std::size(text::kScoreSheetColumns)); ++column) {
        if (column != kLastPlayColumn || ShowsLastPlay()) {
            headers << Translated(text::kScoreSheetColumns[column]);
        }
    }
    std::vector<ScoreLine> lines;
    for (int player : players) {
        headers << Name(player);
        lines.push_back({Name(player), kPlayerColours[player], sheet_.ScoreLine(player)});
    }
    table_->setColumnCount(static_cast<int>(headers.size()));
    table_->setHorizontalHeaderLabels(headers);
    const std::vector<SheetRow>& rows = sheet_.Rows();
    const int first = sheet_.CarriedOver() ? 1 : 0;
    table_->setRowCount(first + static_cast<int>(rows.size()));
    if (first == 1) {
        for (int column = 0; column < FixedColumns(); ++column) {
            table_->setItem(0, column, Cell(QString()));
        }
        table_->setItem(0, 1, Cell(Translated(text::kSheetCarriedOver), Qt::AlignLeft));
        FillScores(0, sheet_.StartingScores());
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        const int row = first + static_cast<int>(i);
        FillRow(row, rows[i]);
        FillScores(row, rows[i].scores);
    }
    // Every column is as wide as its longest text, the last one too.
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->scrollToBottom();
    chart_->SetLines(std::move(lines), TargetScore(sheet_.Rules()));
}

void ScoreSheetWindow::FillScores(int row, const int32_t (&scores)[5]) {
    const std::vector<int> players = sheet_.Players();
    for (size_t column = 0; column < players.size(); ++column) {
        table_->setItem(row, FixedColumns() + static_cast<int>(column),
                        Cell(QString::number(scores[players[column]])));
    }
}

void ScoreSheetWindow::FillRow(int row, const SheetRow& hand) {
    QString wonBy;
    switch (hand.outcome) {
        case HandOutcome::kInPlay:
            wonBy = Translated(text::kSheetInPlay);
            break;
        case HandOutcome::kWon:
            wonBy = Name(hand.winner);
            break;
        case HandOutcome::kNoWinner:
            wonBy = Translated(text::kSheetNobody);
            break;
        case HandOutcome::kGameEnded:
            wonBy = Translated(text::kSheetReachedTarget)
                        .arg(Name(hand.winner))
                        .arg(TargetScore(sheet_.Rules()));
            break;
    }
    const bool over = hand.outcome != HandOutcome::kInPlay;
    table_->setItem(row, 0, Cell(QString::number(hand.hand)));
    QTableWidgetItem* wonByCell = Cell(wonBy, Qt::AlignLeft);
    // Should the window be narrower than the name, the whole of it is a pointer's rest away.
    wonByCell->setToolTip(wonBy);
    table_->setItem(row, 1, wonByCell);
    if (ShowsLastPlay()) {
        table_->setItem(row, kLastPlayColumn,
                        Cell(over ? QString::number(hand.lastPlayPoints) : QString()));
    }
    table_->setItem(row, FixedColumns() - 1,
                    Cell(over ? QString::number(hand.pipsAwarded) : QString()));
}

}  // namespace pipwick
